#include "framework/message_box.h"

#include "framework/long_text.h"
#include "framework/string_table.h"
#include "framework/text_direction.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

std::function<int(const CString &, UINT)> s_responder;
int s_openBoxes = 0;

QMessageBox::Icon iconOf(UINT style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonsOf(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case MB_ABORTRETRYIGNORE:
        return {
            QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::NoButton};
    case MB_YESNOCANCEL:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case MB_YESNO:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton};
    case MB_RETRYCANCEL:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
    default:
        return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

// The button that MB_DEFBUTTON2 or MB_DEFBUTTON3 makes the default;
// NoButton leaves the first one.
QMessageBox::StandardButton defaultButtonOf(UINT style)
{
    const UINT index = (style & MB_DEFMASK) >> 8; // 0 for the first button
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        return index == 1 ? QMessageBox::Cancel : QMessageBox::NoButton;
    case MB_ABORTRETRYIGNORE:
        return index == 1 ? QMessageBox::Retry
            : index == 2  ? QMessageBox::Ignore
                          : QMessageBox::NoButton;
    case MB_YESNOCANCEL:
        return index == 1 ? QMessageBox::No
            : index == 2  ? QMessageBox::Cancel
                          : QMessageBox::NoButton;
    case MB_YESNO:
        return index == 1 ? QMessageBox::No : QMessageBox::NoButton;
    default:
        return QMessageBox::NoButton;
    }
}

int resultOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Abort:
        return IDABORT;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Ignore:
        return IDIGNORE;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

// A carriage return on its own separates lines in the program's texts.
QString displayText(QString shown)
{
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QWidget *owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w->isVisible() && w->inherits("QMainWindow"))
            return w;
    return nullptr;
}

QString displayText(const CString &text)
{
    return displayText(QString::fromStdString(text));
}

QString title()
{
    return QString::fromStdString(LoadString(AFX_IDS_APP_TITLE));
}

// The responder of tests, or else `show`, answers; the box counts as open
// meanwhile.
int answer(const CString &text, UINT style, const std::function<int()> &show)
{
    ++s_openBoxes;
    const int result = s_responder ? s_responder(text, style) : show();
    --s_openBoxes;
    return result;
}

// A message box whose middle part scrolls: the text before it and after it,
// and the buttons, stay in view.
class CBodyMessageBox : public QDialog {
public:
    CBodyMessageBox(UINT style, int dismissed, QWidget *parent)
        : QDialog(parent)
        , m_nDismissed(dismissed)
        , m_nAnswer(dismissed)
    {
        setWindowTitle(title());
        setAccessibleName(title());
        setWindowModality(Qt::ApplicationModal);
        // The two kinds of standard button share their values.
        m_pButtons = new QDialogButtonBox(
            QDialogButtonBox::StandardButtons(buttonsOf(style).buttons.toInt()), this);
        connect(m_pButtons, &QDialogButtonBox::clicked, this, [this](QAbstractButton *button) {
            m_nAnswer = resultOf(m_pButtons->standardButton(button));
            accept();
        });
        const QMessageBox::StandardButton chosen = defaultButtonOf(style);
        QAbstractButton *byDefault = chosen
            ? m_pButtons->button(static_cast<QDialogButtonBox::StandardButton>(chosen))
            : m_pButtons->buttons().value(0);
        if (auto *button = qobject_cast<QPushButton *>(byDefault)) {
            button->setDefault(true);
            button->setFocus(Qt::OtherFocusReason);
        }
        m_pIcon = new QLabel(this);
        m_pIcon->setPixmap(iconPixmap(iconOf(style)));
    }

    void SetText(const CString &before, const CString &body, const CString &after)
    {
        auto *layout = new QGridLayout(this);
        layout->addWidget(m_pIcon, 0, 0, 3, 1, Qt::AlignTop);
        const QString head = displayText(before).trimmed();
        const QString tail = displayText(after).trimmed();
        const QString shown = shownBody(body);
        layout->addWidget(textLabel(head), 0, 1);
        layout->addWidget(bodyBox(shown, head, tail), 1, 1);
        layout->addWidget(textLabel(tail), 2, 1);
        layout->addWidget(m_pButtons, 3, 0, 1, 2);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        // A screen reader reads the description as the box opens, and the
        // body's box only when the focus goes there: the body is in it too,
        // as much of it as anyone listens to.
        constexpr int kDescribedBody = 2000;
        const QString described = shown.size() > kDescribedBody
            ? shown.left(kDescribedBody) + QStringLiteral("...")
            : shown;
        setAccessibleDescription(head + QLatin1Char('\n') + described + QLatin1Char('\n') + tail);
    }

    int Answer() const { return m_nAnswer; }

    // Answers from outside, as the button of `result` would.
    void End(int result)
    {
        m_nAnswer = result;
        accept();
    }

    // Escape and the close box.
    void reject() override
    {
        m_nAnswer = m_nDismissed;
        QDialog::reject();
    }

protected:
    // As in the desktop's other message boxes, a button's underlined letter
    // alone presses it.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            for (QAbstractButton *button : m_pButtons->buttons()) {
                const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
                if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                    button->click();
                    return;
                }
            }
        QDialog::keyPressEvent(event);
    }

private:
    QPixmap iconPixmap(QMessageBox::Icon icon) const
    {
        static const std::pair<QMessageBox::Icon, QStyle::StandardPixmap> kIcons[] = {
            {QMessageBox::Information, QStyle::SP_MessageBoxInformation},
            {QMessageBox::Warning, QStyle::SP_MessageBoxWarning},
            {QMessageBox::Critical, QStyle::SP_MessageBoxCritical},
            {QMessageBox::Question, QStyle::SP_MessageBoxQuestion},
        };
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        for (const auto &[kind, pixmap] : kIcons)
            if (kind == icon)
                return style()->standardIcon(pixmap, nullptr, this).pixmap(size, size);
        return {};
    }

    QLabel *textLabel(const QString &text)
    {
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText); // memo text is never markup
        label->setWordWrap(true);
        label->setVisible(!text.isEmpty());
        return label;
    }

    // What the body's box shows: the labels around it keep the text apart
    // already.
    static QString shownBody(const CString &body)
    {
        QString shown = displayText(ShownPartOf(body).text);
        while (shown.startsWith(QLatin1Char('\n')))
            shown.remove(0, 1);
        while (shown.endsWith(QLatin1Char('\n')))
            shown.chop(1);
        return shown;
    }

    QPlainTextEdit *bodyBox(const QString &shown, const QString &head, const QString &tail)
    {
        auto *box = new QPlainTextEdit(shown, this);
        box->setReadOnly(true);
        FollowTextDirection(box); // a memo in its own direction
        box->setFrameShape(QFrame::NoFrame);
        box->viewport()->setAutoFillBackground(false);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // its lines wrap
        box->setAccessibleName(head.endsWith(QLatin1Char(':')) ? head.chopped(1) : head);
        const QFontMetrics metrics(box->font());
        fitToScreen(
            box, std::max(metrics.horizontalAdvance(head), metrics.horizontalAdvance(tail)));
        return box;
    }

    // As wide as its text up to about 60 characters (and as the labels'
    // text within that), as tall as its text up to half the screen: beyond,
    // it scrolls.
    void fitToScreen(QPlainTextEdit *box, int labelsWidth)
    {
        const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
        const QRect available = screen->availableGeometry();
        const QFontMetrics metrics(box->font());
        const int margins = 2 * static_cast<int>(box->document()->documentMargin()) +
            box->verticalScrollBar()->sizeHint().width();
        const int widest = std::min(60 * metrics.averageCharWidth(), available.width() * 3 / 4);
        // The beginning of the text is enough to tell whether it fills that.
        const QRect needed = metrics.boundingRect(QRect(0, 0, widest, available.height()),
            Qt::TextWordWrap | Qt::TextWrapAnywhere, box->toPlainText().left(4000));
        const int width = std::max(
            {needed.width(), 20 * metrics.averageCharWidth(), std::min(labelsWidth, widest)});
        box->setFixedSize(width + margins,
            std::clamp(
                needed.height() + margins, 2 * metrics.lineSpacing(), available.height() / 2));
    }

    int m_nDismissed;
    int m_nAnswer;
    QDialogButtonBox *m_pButtons;
    QLabel *m_pIcon;
};

} // namespace

UINT EffectiveMessageBoxStyle(UINT style)
{
    const UINT buttons = style & MB_TYPEMASK;
    const bool plainButtons = buttons == MB_OK || buttons == MB_OKCANCEL ||
        buttons == MB_YESNOCANCEL || buttons == MB_YESNO;
    if ((style & MB_ICONMASK) == 0 && plainButtons)
        style |= MB_ICONEXCLAMATION;
    return style;
}

void SetMessageBoxResponder(std::function<int(const CString &, UINT)> responder)
{
    s_responder = std::move(responder);
}

bool IsMessageBoxOpen()
{
    return s_openBoxes > 0;
}

int AfxMessageBox(const CString &text, UINT style, UINT)
{
    style = EffectiveMessageBoxStyle(style);
    return answer(text, style, [&] {
        const ButtonSet set = buttonsOf(style);
        QMessageBox box(iconOf(style), title(), displayText(text), set.buttons, owner());
        box.setTextFormat(Qt::PlainText); // memo text is never markup
        box.setWindowModality(Qt::ApplicationModal);
        if (set.escape != QMessageBox::NoButton)
            box.setEscapeButton(set.escape);
        if (const QMessageBox::StandardButton button = defaultButtonOf(style); button)
            box.setDefaultButton(button);
        return resultOf(box.exec());
    });
}

int AfxMessageBoxWithBody(const CString &before, const CString &body, const CString &after,
    UINT style, int dismissed, CMessageBoxEnder *ender)
{
    style = EffectiveMessageBoxStyle(style);
    return answer(before + body + after, style, [&] {
        CBodyMessageBox box(style, dismissed, owner());
        box.SetText(before, body, after);
        if (ender)
            ender->m_end = [&box](int result) { box.End(result); };
        box.exec();
        if (ender)
            ender->m_end = {};
        return box.Answer();
    });
}

bool CMessageBoxEnder::End(int result)
{
    if (!m_end)
        return false;
    // Once: a second answer finds the box closed.
    const std::function<void(int)> end = std::move(m_end);
    m_end = {};
    end(result);
    return true;
}
