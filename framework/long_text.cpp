#include "framework/long_text.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QVariant>

#include <algorithm>

namespace {

// Bounds within which a plain-text box shows a text at once (measured:
// a few milliseconds each; an unbroken line costs time in proportion to the
// square of its length when wrapped at word boundaries).
constexpr qsizetype kShownLineLength = 10'000;
constexpr qsizetype kShownLines = 2'000;
constexpr qsizetype kShownCharacters = 100'000;

// The properties of a box that shows a text in part.
constexpr char kWholeText[] = "zamanixWholeText";
constexpr char kShownText[] = "zamanixShownText";

const char *const kNotShown =
    QT_TRANSLATE_NOOP("LongText", "[The rest is not shown: the text is too long to show whole.]");
const char *const kTooLongToEdit = QT_TRANSLATE_NOOP(
    "LongText", "This text is too long to edit here; it is shown in part and kept unchanged.");

// The line break at `i` ("\n", "\r" or "\r\n"): its length, 0 for none.
qsizetype lineBreakAt(const QString &text, qsizetype i)
{
    if (text[i] == QLatin1Char('\n'))
        return 1;
    if (text[i] != QLatin1Char('\r'))
        return 0;
    return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? 2 : 1;
}

} // namespace

CShownText ShownPartOf(std::string_view text)
{
    // A UTF-16 unit takes at most three bytes of UTF-8: a longer text gives
    // more units than are ever shown, and a character it cuts in two lies
    // beyond them.
    const QString source = QString::fromUtf8(text.substr(0, 3 * kShownCharacters + 4));
    CShownText shown;
    shown.text.reserve(std::min(source.size(), kShownCharacters) + 100);
    qsizetype lines = 1, lineLength = 0;
    for (qsizetype i = 0; i < source.size();) {
        const qsizetype breakLength = lineBreakAt(source, i);
        // A pair of surrogates stays together.
        const bool pairGoesOn = source[i].isLowSurrogate();
        const bool fold = breakLength == 0 && lineLength >= kShownLineLength && !pairGoesOn;
        if ((i >= kShownCharacters && !pairGoesOn) ||
            ((breakLength > 0 || fold) && lines == kShownLines)) {
            shown.whole = false;
            break;
        }
        if (breakLength > 0 || fold) {
            ++lines;
            lineLength = 0;
            shown.text += fold ? QStringLiteral("\n") : source.mid(i, breakLength);
            shown.whole = shown.whole && !fold;
            i += breakLength;
            continue;
        }
        shown.text += source[i++];
        ++lineLength;
    }
    if (!shown.whole)
        shown.text += QLatin1Char('\n') + QCoreApplication::translate("LongText", kNotShown);
    return shown;
}

void SetLongText(QPlainTextEdit *box, const CString &text)
{
    const CShownText shown = ShownPartOf(text);
    box->setPlainText(shown.text);
    const bool wasInPart = box->property(kWholeText).isValid();
    if (shown.whole) {
        if (wasInPart) {
            box->setProperty(kWholeText, QVariant());
            box->setProperty(kShownText, QVariant());
            box->setReadOnly(false);
            box->setToolTip(QString());
            box->setAccessibleDescription(QString());
        }
        return;
    }
    box->setProperty(kWholeText, QByteArray::fromStdString(text));
    box->setProperty(kShownText, shown.text);
    box->setReadOnly(true);
    const QString tooLong = QCoreApplication::translate("LongText", kTooLongToEdit);
    box->setToolTip(tooLong);
    box->setAccessibleDescription(tooLong);
}

CString LongTextOf(const QPlainTextEdit *box)
{
    const QString held = box->toPlainText();
    const QVariant whole = box->property(kWholeText);
    // A box given another text by other means holds that text.
    if (whole.isValid() && held == box->property(kShownText).toString())
        return whole.toByteArray().toStdString();
    return held.toStdString();
}
