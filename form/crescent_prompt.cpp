#include "form/crescent_prompt.h"

#include "calendar/calendar.h"
#include "form/today_line.h"
#include "framework/message_box.h"
#include "framework/notification.h"
#include "framework/winapp.h"
#include "framework/wnd.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const NotificationKind kCrescentNotification{"crescent", false};

QString hijriMonth(int month)
{
    return QString::fromStdString(HijriMonthNames[month - 1]);
}

QString monthAndYear(int year, int month)
{
    return QString::fromStdString(HijriMonthText(HijriMonthIndex(year, month)));
}

} // namespace

CCrescentPrompt::CCrescentPrompt(CZamanixProfile &profile)
    : m_profile(profile)
{
}

CCrescentPrompt::~CCrescentPrompt()
{
    if (m_question)
        CloseDesktopNotification(kCrescentNotification);
    delete m_pWindow; // its owner, the main window, may live on in tests
}

QDialog *CCrescentPrompt::Window() const
{
    return m_question ? m_pWindow.data() : nullptr;
}

void CCrescentPrompt::Tick(const CTime &before, const CTime &now)
{
    const ZamanixSettings &settings = m_profile.Settings();
    if (!settings.askNewMoon)
        return;
    if (const std::optional<CrescentQuestion> question = m_check.Tick(LocalMinuteOf(before),
            LocalMinuteOf(now), settings.newMoonMinute, m_profile.HijriCalendar()))
        ask(*question);
}

void CCrescentPrompt::ask(const CrescentQuestion &question)
{
    m_question = question;
    buildWindow();
    const QString next = monthAndYear(question.nextYear, question.nextMonth);
    const QString asked = tr("Has the new moon of %1 been seen?").arg(next);
    const QString today = tr("Today is 29 %1; your answer records the day %2 begins.")
                              .arg(monthAndYear(question.year, question.month), next);
    const QString seen = tr("Yes: %1 begins tomorrow").arg(hijriMonth(question.nextMonth));
    const QString notSeen = tr("No: %1 has 30 days").arg(hijriMonth(question.month));
    m_pText->setText(asked + QLatin1Char('\n') + today);
    m_pWindow->setAccessibleDescription(m_pText->text());
    m_pSeen->setText(seen);
    m_pNotSeen->setText(notSeen);
    m_pWindow->show();
    m_pWindow->raise();
    m_pWindow->activateWindow();
    // Enter records nothing until the user moves to an answer that does.
    m_pNotYet->setDefault(true);
    m_pNotYet->setFocus(Qt::OtherFocusReason);
    // The window may open behind other windows (a program may not raise
    // itself on Wayland): the desktop asks as well, until it is answered.
    ShowDesktopNotification(
        asked.toStdString(), today.toStdString(),
        {{"seen", seen.toStdString()}, {"not-seen", notSeen.toStdString()},
            {"not-yet", tr("Not yet").toStdString()}},
        [this](const CString &key) {
            if (key == "seen" || key == "not-seen" || key == "not-yet")
                Answer(key == "seen"        ? CrescentAnswer::Seen
                        : key == "not-seen" ? CrescentAnswer::NotSeen
                                            : CrescentAnswer::NotYet);
        },
        kCrescentNotification);
}

void CCrescentPrompt::buildWindow()
{
    if (m_pWindow)
        return;
    CWnd *main = AfxGetMainWnd();
    m_pWindow = new QDialog(main ? main->GetSafeHwnd() : nullptr);
    m_pWindow->setWindowTitle(tr("Zamanix: The New Moon"));
    m_pWindow->setAccessibleName(m_pWindow->windowTitle());
    m_pText = new QLabel(m_pWindow);
    m_pText->setTextFormat(Qt::PlainText);
    auto *buttons = new QDialogButtonBox(Qt::Vertical, m_pWindow);
    m_pSeen = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_pNotSeen = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_pNotYet = buttons->addButton(tr("Not yet"), QDialogButtonBox::RejectRole);
    connect(m_pSeen, &QPushButton::clicked, this, [this] { Answer(CrescentAnswer::Seen); });
    connect(m_pNotSeen, &QPushButton::clicked, this, [this] { Answer(CrescentAnswer::NotSeen); });
    connect(m_pNotYet, &QPushButton::clicked, this, [this] { Answer(CrescentAnswer::NotYet); });
    // Escape and the close box mean "not yet".
    connect(m_pWindow, &QDialog::rejected, this, [this] { Answer(CrescentAnswer::NotYet); });
    auto *layout = new QVBoxLayout(m_pWindow);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
}

void CCrescentPrompt::Answer(CrescentAnswer answer)
{
    if (!m_question)
        return;
    const CrescentQuestion question = *m_question;
    m_question.reset();
    m_check.Answered(answer, LocalMinuteOf(CTime::GetCurrentTime()));
    CloseDesktopNotification(kCrescentNotification);
    if (m_pWindow && m_pWindow->isVisible())
        m_pWindow->hide();
    if (const std::optional<HijriMonthStart> start = CrescentRecord(question, answer))
        record(*start);
}

void CCrescentPrompt::record(const HijriMonthStart &start)
{
    std::string error;
    if (m_profile.RecordMonthStart(start, error))
        return;
    AfxMessageBox(
        (tr("The start of %1 could not be recorded.").arg(monthAndYear(start.year, start.month)) +
            QStringLiteral("\n\n"))
                .toStdString() +
            error,
        MB_ICONEXCLAMATION);
}
