#include "framework/dialog_builder.h"

#include "framework/resource_types.h"
#include "framework/shown_digits.h"
#include "framework/text_direction.h"
#include "framework/wnd.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <string_view>

namespace {

// A number box takes decimal digits and nothing else: Western ones and the
// locale's (any script's, as the exchange reads them all); a check of each
// character, where a regular expression would start its engine at start-up.
class CDigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (const QChar c : input)
            if (c.category() != QChar::Number_DecimalDigit)
                return Invalid;
        return Acceptable;
    }
};

// The mark of a number box.
constexpr char kNumberBox[] = "zamanixNumberBox";

// A text of the template in the user's language: the resources mark them in
// the context "Dialog" (resources/form_template.cpp, about_template.cpp).
QString templateText(const char *text)
{
    return text && *text ? QCoreApplication::translate("Dialog", text) : QString();
}

// Enter presses the focused push button, or else the default button;
// Ctrl+Enter in a multi-line edit without want-return makes a new line.
class CEnterKeyFilter : public QObject {
public:
    CEnterKeyFilter(QWidget *host, QPushButton *defaultButton)
        : QObject(host)
        , m_defaultButton(defaultButton)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(watched)) {
            if (key->modifiers() & Qt::ControlModifier) {
                memo->insertPlainText(QStringLiteral("\n"));
                return true;
            }
        }
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            button->click();
            return true;
        }
        if (qobject_cast<QComboBox *>(watched) &&
            static_cast<QComboBox *>(watched)->view()->isVisible())
            return false; // Enter chooses in an open list
        if (m_defaultButton && m_defaultButton->isEnabled()) {
            m_defaultButton->click();
            return true;
        }
        return false;
    }

private:
    QPointer<QPushButton> m_defaultButton;
};

QWidget *createControl(const DialogControl &c, QWidget *host)
{
    const QString text =
        c.kind == ControlKind::Icon ? QString::fromUtf8(c.text) : templateText(c.text);
    switch (c.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, host);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(
            (c.style & CtrlStyle::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        if (c.style & CtrlStyle::Sunken)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlKind::Icon: {
        // The text names the icon resource by its id.
        auto *icon = new QLabel(host);
        icon->setPixmap(FindIconResource(text.toUInt()).pixmap(32, 32));
        icon->setScaledContents(true);
        return icon;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, host);
    case ControlKind::RadioButton:
        return new QRadioButton(text, host);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(host);
        for (const char *item : c.items)
            combo->addItem(QString::fromUtf8(item));
        return combo;
    }
    case ControlKind::Edit: {
        if (c.style & CtrlStyle::Multiline) {
            auto *memo = new QPlainTextEdit(host);
            memo->setTabChangesFocus(true);
            memo->setVerticalScrollBarPolicy(
                c.style & CtrlStyle::VScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
            FollowTextDirection(memo);
            return memo;
        }
        auto *edit = new QLineEdit(host);
        if (c.style & CtrlStyle::Number) {
            edit->setValidator(new CDigitsValidator(edit));
            edit->setProperty(kNumberBox, true);
        }
        edit->setFrame(c.style & CtrlStyle::Border);
        return edit;
    }
    case ControlKind::PushButton: {
        auto *button = new QPushButton(text, host);
        button->setAutoDefault(false);
        button->setDefault(c.style & CtrlStyle::DefaultButton);
        return button;
    }
    }
    return nullptr;
}

// A static label that ends in a colon after a word, as "Month:" (not the
// ":" between hour and minute).
bool isCaption(const DialogControl &c)
{
    const std::string_view text = c.text ? c.text : "";
    return c.kind == ControlKind::Label && c.id == IDC_STATIC && text.size() > 1 &&
        text.back() == ':' && text[text.size() - 2] != ' ';
}

// "&Add" as it shows: "Add"; "&&" shows as "&".
QString withoutMnemonics(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// Pixels that a control's text needs across at the font; 0 for a control
// whose text scrolls or is given later. A translated text may be longer than
// the English one: the units then grow, and every control with them, so
// that the template keeps its proportions.
int neededWidth(const DialogControl &c, const QFontMetrics &metrics, int lineHeight)
{
    const bool measured = c.kind == ControlKind::Label || c.kind == ControlKind::RadioButton ||
        c.kind == ControlKind::PushButton || c.kind == ControlKind::GroupBox;
    if (!measured)
        return 0;
    QString text = c.widestText ? QString::fromUtf8(c.widestText) : templateText(c.text);
    if (c.kind != ControlKind::Label || !(c.style & CtrlStyle::NoPrefix))
        text = withoutMnemonics(text);
    int needed = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        needed = std::max(needed, metrics.horizontalAdvance(line));
    if (c.kind == ControlKind::RadioButton)
        needed += 2 * lineHeight; // the round indicator and its gap
    if (c.kind == ControlKind::PushButton || c.kind == ControlKind::GroupBox)
        needed += lineHeight; // the button's margins, the frame's corners
    if (c.style & CtrlStyle::Sunken)
        needed += 4;
    return needed;
}

} // namespace

CDialogUnits::CDialogUnits(const QFont &font, const DialogTemplate *tmpl)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (width / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (!tmpl)
        return;
    for (const DialogControl &c : tmpl->controls) {
        if (c.cx > 0)
            m_baseX = std::max(m_baseX, (neededWidth(c, metrics, m_baseY) * 4 + c.cx - 1) / c.cx);
    }
}

int CDialogUnits::X(int units) const
{
    return (units * m_baseX + 2) / 4;
}
int CDialogUnits::Y(int units) const
{
    return (units * m_baseY + 4) / 8;
}

QRect CDialogUnits::Rect(int x, int y, int cx, int cy) const
{
    return QRect(X(x), Y(y), X(cx), Y(cy));
}

void BuildDialog(const DialogTemplate &tmpl, CWnd *owner, QWidget *host)
{
    const CDialogUnits units(host->font(), &tmpl);
    QWidget *previous = nullptr;
    QLabel *caption = nullptr;
    QPushButton *defaultButton = nullptr;
    std::vector<QWidget *> created;
    for (const DialogControl &c : tmpl.controls) {
        QWidget *control = createControl(c, host);
        // Right to left, the template's positions are mirrored: what stands
        // at its left edge stands at the right edge.
        const int x = host->isRightToLeft() ? tmpl.cx - c.x - c.cx : c.x;
        QRect area = units.Rect(x, c.y, c.cx, c.cy);
        if (c.kind == ControlKind::ComboBox) // the template's height is that of the open list
            area.setHeight(control->sizeHint().height());
        control->setGeometry(area);
        if (c.accessibleName) {
            // A label's accessible name would replace its text for a screen
            // reader: a label is read by what it shows, and the template's
            // name says what that is.
            if (c.kind == ControlKind::Label)
                control->setAccessibleDescription(templateText(c.accessibleName));
            else
                control->setAccessibleName(templateText(c.accessibleName));
        }
        // A caption such as "Month:" labels the control after it; screen
        // readers announce it with that control.
        if (caption && c.id != IDC_STATIC)
            caption->setBuddy(control);
        caption = isCaption(c) ? static_cast<QLabel *>(control) : nullptr;
        control->setFocusPolicy(c.style & CtrlStyle::TabStop || c.kind == ControlKind::RadioButton
                ? Qt::StrongFocus
                : Qt::NoFocus);
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Icon ||
            c.kind == ControlKind::GroupBox)
            control->setFocusPolicy(Qt::NoFocus);
        if (c.id != IDC_STATIC)
            owner->RegisterDlgItem(c.id, control);
        // A click on a button is a command of the button's id to the owner.
        if (auto *button = qobject_cast<QAbstractButton *>(control); button && c.id != IDC_STATIC)
            QObject::connect(button, &QAbstractButton::clicked, host,
                [owner, id = c.id] { owner->OnCmdMsg(static_cast<UINT>(id), nullptr); });
        if (c.style & CtrlStyle::DefaultButton)
            defaultButton = qobject_cast<QPushButton *>(control);
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
        created.push_back(control);
    }
    auto *filter = new CEnterKeyFilter(host, defaultButton);
    host->installEventFilter(filter);
    for (QWidget *control : created)
        control->installEventFilter(filter);
    host->setFixedSize(units.X(tmpl.cx), units.Y(tmpl.cy));
}

void ShowNumberBoxesAgain(QWidget *form)
{
    for (QLineEdit *box : form->findChildren<QLineEdit *>())
        if (IsNumberBox(box))
            box->setText(ShownDigits(TypedDigits(box->text())));
}

bool IsNumberBox(const QWidget *control)
{
    return control && control->property(kNumberBox).toBool();
}
