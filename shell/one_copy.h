// One running copy per user session. The copy that runs owns the session
// bus name of the application id and answers the freedesktop application
// interface (org.freedesktop.Application: Activate, Open) at the object
// path of that id, the interface through which desktops start a program
// whose desktop entry is DBusActivatable. A copy started while another owns
// the name hands its start over to it and ends.
//
// Only a session bus that the environment names (DBUS_SESSION_BUS_ADDRESS)
// is used: none is ever started for the purpose.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CApplicationService;

enum class CopyClaim {
    Claimed, // this copy owns the name and answers the interface
    HeldElsewhere, // another copy owns it
    NoBus, // no session bus to ask, or it would not answer: run as ever
};

class COneCopy {
public:
    // What the running copy does when asked: show its window, or open
    // files (local paths). `token` is the activation token or startup id
    // of the start that asked, empty when there is none.
    struct Requests {
        std::function<void(const QString &token)> activate;
        std::function<void(const QStringList &files, const QString &token)> open;
    };

    explicit COneCopy(const QString &appId);
    ~COneCopy();

    // Exports the interface and claims the name, waiting two seconds at
    // most for the bus. The requests come through the event loop, never
    // from inside this call, and one at a time: those that come while one
    // is carried out (its message box open) are merged into one, the files
    // of the last Open among them, that follows it.
    CopyClaim Claim(Requests requests);
    // Asks the copy that owns the name to show its window, or to open
    // files (made absolute here, as that copy works in another folder),
    // and waits up to five seconds for it to take the request. False, with
    // `error` saying why, when it did not answer.
    bool HandOver(const QStringList &files, QString &error) const;

    // "/org/zamanix/zamanix" for "org.zamanix.zamanix".
    static QString ObjectPath(const QString &appId);

private:
    QString m_strAppId;
    std::unique_ptr<CApplicationService> m_pService;
};
