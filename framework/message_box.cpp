#include "framework/message_box.h"

#include "framework/string_table.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

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
QString displayText(const CString &text)
{
    QString shown = QString::fromStdString(text);
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
    ++s_openBoxes;
    int result;
    if (s_responder) {
        result = s_responder(text, style);
    } else {
        const ButtonSet set = buttonsOf(style);
        QMessageBox box(iconOf(style), QString::fromStdString(LoadString(AFX_IDS_APP_TITLE)),
            displayText(text), set.buttons, owner());
        box.setTextFormat(Qt::PlainText); // memo text is never markup
        box.setWindowModality(Qt::ApplicationModal);
        if (set.escape != QMessageBox::NoButton)
            box.setEscapeButton(set.escape);
        if (const QMessageBox::StandardButton button = defaultButtonOf(style); button)
            box.setDefaultButton(button);
        result = resultOf(box.exec());
    }
    --s_openBoxes;
    return result;
}
