// Keeps the calendar server's password for the desktop program: in the
// keyring where one answers, else for this session only, in memory (and
// says so, so that the dialog can tell the user). Asynchronous: the
// keyring may take its time, or ask the user to unlock it.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CServerPasswordKeeper : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // PasswordRead follows: found or not, and whether it is one kept for
    // this session only.
    void Read(const QString &url, const QString &user);
    // PasswordStored follows: in the keyring, or for this session only with
    // what the keyring said.
    void Store(const QString &url, const QString &user, const QString &password);
    // Takes it out of the keyring and of the session.
    void Forget(const QString &url, const QString &user);

signals:
    void PasswordRead(bool found, const QString &password, bool sessionOnly);
    void PasswordStored(bool inKeyring, const QString &problem);

private:
    QHash<QString, QString> m_session; // by key: passwords no keyring took
};
