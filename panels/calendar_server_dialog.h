// Options > Calendar Server...: where the reminders are published. The
// calendar's URL, the user name and the years ahead go to the profile
// through the profile object, so that publishing (and every window) hears
// them; the password goes to the desktop's keyring, or where no keyring
// answers is kept for this session only, and the dialog says which.
// Publish Now saves what changed and publishes at once; the dialog shows how
// publishing goes. Save (Enter) keeps the dialog open; Close (Escape) asks
// before it drops changes not saved. An empty URL turns publishing off.
#pragma once

#include "panels/reminder_publishing.h"
#include "session/zamanix_profile.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CCalendarServerDialog : public QDialog {
    Q_OBJECT

public:
    CCalendarServerDialog(
        CZamanixProfile &profile, CReminderPublishing &publishing, QWidget *parent);

    // Keeps what the dialog shows: false, after saying why, when the URL
    // cannot name a calendar (nothing is kept then).
    bool Save();
    // Saves what changed, then publishes at once.
    void PublishNow();

    QLineEdit *UrlBox() const { return m_pUrl; }
    QLineEdit *UserBox() const { return m_pUser; }
    QLineEdit *PasswordBox() const { return m_pPassword; }
    QSpinBox *YearsBox() const { return m_pYears; }
    QLabel *PasswordNote() const { return m_pPasswordNote; }
    QLabel *StatusLine() const { return m_pStatus; }
    QPushButton *PublishButton() const { return m_pPublish; }

public slots:
    // Close and Escape: changes not saved are saved or dropped as the user
    // says, or the dialog stays.
    void reject() override;

private:
    void buildLayout();
    QLayout *buildFields();
    QLayout *buildButtons();
    // Shows the profile's settings and asks for the password kept.
    void fill();
    CalendarServerSettings typed() const;
    bool edited() const;
    void onPasswordLoaded(bool found, const QString &password, bool sessionOnly);
    void onPasswordStored(bool inKeyring, const QString &problem);
    void showStatus(const QString &text);
    void showUrlWarning();

    CZamanixProfile &m_profile;
    CReminderPublishing &m_publishing;
    CalendarServerSettings m_saved; // what the profile held when shown or saved
    QLineEdit *m_pUrl = nullptr;
    QLabel *m_pUrlWarning = nullptr;
    QLineEdit *m_pUser = nullptr;
    QLineEdit *m_pPassword = nullptr;
    QSpinBox *m_pYears = nullptr;
    QLabel *m_pPasswordNote = nullptr;
    QLabel *m_pStatus = nullptr;
    QPushButton *m_pPublish = nullptr;
    QPushButton *m_pSave = nullptr;
    QPushButton *m_pClose = nullptr;
};
