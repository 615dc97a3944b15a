#include "panels/calendar_server_dialog.h"

#include "framework/message_box.h"
#include "sync/publish.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// A line edit named for a screen reader as its label reads.
QLineEdit *newLineEdit(QWidget *parent, const QString &name, const QString &description)
{
    auto *edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setAccessibleDescription(description);
    return edit;
}

QLabel *newNote(QWidget *parent)
{
    auto *note = new QLabel(parent);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return note;
}

// Over plain http the password is sent as it is: safe only to this computer.
bool sendsPasswordInTheClear(const QString &url)
{
    const QUrl parsed(url.trimmed());
    const QString host = parsed.host();
    return parsed.scheme() == QLatin1String("http") && !host.isEmpty() &&
        host != QLatin1String("localhost") && host != QLatin1String("127.0.0.1") &&
        host != QLatin1String("::1");
}

} // namespace

CCalendarServerDialog::CCalendarServerDialog(
    CZamanixProfile &profile, CReminderPublishing &publishing, QWidget *parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_publishing(publishing)
{
    setWindowTitle(tr("Calendar Server - Zamanix"));
    buildLayout();
    connect(&m_publishing, &CReminderPublishing::passwordLoaded, this,
        &CCalendarServerDialog::onPasswordLoaded);
    connect(&m_publishing, &CReminderPublishing::passwordStored, this,
        &CCalendarServerDialog::onPasswordStored);
    connect(&m_publishing, &CReminderPublishing::statusChanged, this,
        &CCalendarServerDialog::showStatus);
    // Settings changed elsewhere show here unless the user is changing them.
    connect(&m_profile, &CZamanixProfile::settingsChanged, this, [this](unsigned which) {
        if ((which & kCalendarServerSetting) && !edited())
            fill();
    });
    fill();
    m_pUrl->setFocus();
}

void CCalendarServerDialog::buildLayout()
{
    auto *intro = newNote(this);
    intro->setText(tr("Zamanix keeps a calendar on a CalDAV server holding each day on which a "
                      "reminder falls due, for your phone and other calendar programs. A "
                      "calendar that does not exist yet is created; without a URL nothing is "
                      "published."));
    m_pStatus = newNote(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(buildFields());
    layout->addWidget(m_pStatus);
    layout->addLayout(buildButtons());
    const QList<QWidget *> order = {
        m_pUrl, m_pUser, m_pPassword, m_pYears, m_pPublish, m_pSave, m_pClose};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    showStatus(m_publishing.Status());
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 72, 0)));
}

QLayout *CCalendarServerDialog::buildFields()
{
    m_pUrl = newLineEdit(this, tr("Calendar URL"),
        tr("The address of the calendar on the server, such as "
           "https://dav.example.org/anna/zamanix/"));
    m_pUrl->setPlaceholderText(QStringLiteral("https://dav.example.org/anna/zamanix/"));
    m_pUrlWarning = newNote(this);
    m_pUrlWarning->setText(tr("Over http:// the password travels unencrypted: use https://, "
                              "unless the server runs on this computer."));
    connect(m_pUrl, &QLineEdit::textChanged, this, [this] { showUrlWarning(); });
    m_pUser = newLineEdit(this, tr("User name"), tr("Your user name on the calendar server"));
    m_pPassword = newLineEdit(this, tr("Password"), tr("Your password on the calendar server"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPasswordNote = newNote(this);
    m_pYears = new QSpinBox(this);
    m_pYears->setRange(1, kMaxPublishYears);
    m_pYears->setAccessibleName(tr("Years ahead"));
    m_pYears->setAccessibleDescription(
        tr("How many years of reminders, from today on, the calendar holds"));
    auto *form = new QFormLayout;
    form->addRow(tr("&Calendar URL:"), m_pUrl);
    form->addRow(QString(), m_pUrlWarning);
    form->addRow(tr("&User name:"), m_pUser);
    form->addRow(tr("&Password:"), m_pPassword);
    form->addRow(QString(), m_pPasswordNote);
    form->addRow(tr("&Years ahead:"), m_pYears);
    return form;
}

QLayout *CCalendarServerDialog::buildButtons()
{
    m_pPublish = new QPushButton(tr("Publish &Now"), this);
    m_pSave = new QPushButton(tr("&Save"), this);
    m_pSave->setDefault(true);
    m_pClose = new QPushButton(tr("Close"), this);
    connect(m_pPublish, &QPushButton::clicked, this, &CCalendarServerDialog::PublishNow);
    connect(m_pSave, &QPushButton::clicked, this, &CCalendarServerDialog::Save);
    connect(m_pClose, &QPushButton::clicked, this, &CCalendarServerDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_pPublish);
    buttons->addStretch(1);
    buttons->addWidget(m_pSave);
    buttons->addWidget(m_pClose);
    return buttons;
}

void CCalendarServerDialog::fill()
{
    m_saved = m_profile.Settings().calendarServer;
    m_pUrl->setText(fromStd(m_saved.url));
    m_pUser->setText(fromStd(m_saved.user));
    m_pYears->setValue(m_saved.years);
    m_pPassword->clear();
    m_pPasswordNote->setText(
        tr("The password goes to your desktop's keyring, never into a file of Zamanix."));
    showUrlWarning();
    m_publishing.LoadPassword();
}

CalendarServerSettings CCalendarServerDialog::typed() const
{
    return {m_pUrl->text().trimmed().toStdString(), m_pUser->text().trimmed().toStdString(),
        m_pYears->value()};
}

bool CCalendarServerDialog::edited() const
{
    return typed() != m_saved || m_pPassword->isModified();
}

void CCalendarServerDialog::onPasswordLoaded(bool found, const QString &password, bool sessionOnly)
{
    // What the user typed stays.
    if (m_pPassword->isModified() || typed() != m_saved)
        return;
    if (!found) {
        if (!m_saved.url.empty() && !m_saved.user.empty())
            m_pPasswordNote->setText(
                tr("No password is kept for this user at this calendar: give it here."));
        return;
    }
    m_pPassword->setText(password);
    m_pPasswordNote->setText(sessionOnly
            ? tr("No keyring took the password, so it is kept for this session only: give it "
                 "here again after Zamanix restarts.")
            : tr("The password is kept in your desktop's keyring."));
}

void CCalendarServerDialog::onPasswordStored(bool inKeyring, const QString &problem)
{
    m_pPasswordNote->setText(inKeyring
            ? tr("The password is kept in your desktop's keyring.")
            : tr("No keyring answered (%1), so the password is kept for this session only: "
                 "give it here again after Zamanix restarts.")
                  .arg(problem));
}

bool CCalendarServerDialog::Save()
{
    const CalendarServerSettings wanted = typed();
    std::string error;
    if (!wanted.url.empty() && !CheckCalendarUrl(wanted.url, error)) {
        AfxMessageBox(tr("The calendar server's settings were not saved: %1.")
                          .arg(fromStd(error))
                          .toStdString(),
            MB_ICONEXCLAMATION);
        m_pUrl->setFocus();
        m_pUrl->selectAll();
        return false;
    }
    // A password shown for another URL or user is given for the new ones.
    const bool newKey = wanted.url != m_saved.url || wanted.user != m_saved.user;
    const bool givePassword = !wanted.url.empty() && !wanted.user.empty() &&
        (m_pPassword->isModified() || (newKey && !m_pPassword->text().isEmpty()));
    // Publishing hears the settings at once; the password follows before
    // the publish starts.
    if (!m_profile.SetCalendarServer(wanted, error))
        AfxMessageBox(tr("The calendar server's settings could not be written to the profile; "
                         "Zamanix publishes with them until it ends.\n\n%1")
                          .arg(fromStd(error))
                          .toStdString(),
            MB_ICONEXCLAMATION);
    m_saved = wanted;
    if (givePassword) {
        m_pPasswordNote->setText(tr("Handing the password to the keyring..."));
        m_publishing.StorePassword(m_pPassword->text());
    }
    m_pPassword->setModified(false);
    showStatus(m_publishing.Status());
    return true;
}

void CCalendarServerDialog::PublishNow()
{
    if (edited() && !Save())
        return;
    if (!m_publishing.IsSetUp()) {
        AfxMessageBox(tr("Give the URL of a calendar first: Zamanix publishes the reminders "
                         "there.")
                          .toStdString(),
            MB_ICONINFORMATION);
        m_pUrl->setFocus();
        return;
    }
    m_publishing.PublishNow();
}

void CCalendarServerDialog::reject()
{
    if (edited()) {
        const int answer =
            AfxMessageBox(tr("Save the changes to the calendar server's settings?").toStdString(),
                MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL || (answer == IDYES && !Save()))
            return;
        if (answer == IDNO)
            fill();
    }
    QDialog::reject();
}

void CCalendarServerDialog::showStatus(const QString &text)
{
    if (!text.isEmpty())
        m_pStatus->setText(text);
    else if (m_publishing.IsSetUp())
        m_pStatus->setText(tr("Publish Now publishes the reminders at once; Zamanix also "
                              "publishes them by itself after each change."));
    else
        m_pStatus->setText(tr("Publishing is off: give the URL of a calendar to publish to."));
}

void CCalendarServerDialog::showUrlWarning()
{
    m_pUrlWarning->setVisible(sendsPasswordInTheClear(m_pUrl->text()));
}
