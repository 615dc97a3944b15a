#include "sync/password_keeper.h"

#include "sync/server_password.h"

#include <qt6keychain/keychain.h>

namespace {

QString keyOf(const QString &url, const QString &user)
{
    return QString::fromStdString(PasswordKey(url.toStdString(), user.toStdString()));
}

template <class Job> Job *newJob(QObject *parent, const QString &key)
{
    auto *job = new Job(QString::fromUtf8(kPasswordService), parent);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

} // namespace

void CServerPasswordKeeper::Read(const QString &url, const QString &user)
{
    const QString key = keyOf(url, user);
    if (m_session.contains(key)) {
        const QString password = m_session.value(key);
        QMetaObject::invokeMethod(
            this, [this, password] { emit PasswordRead(true, password, true); },
            Qt::QueuedConnection);
        return;
    }
    auto *job = newJob<QKeychain::ReadPasswordJob>(this, key);
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        emit PasswordRead(job->error() == QKeychain::NoError, job->textData(), false);
    });
    job->start();
}

void CServerPasswordKeeper::Store(const QString &url, const QString &user, const QString &password)
{
    const QString key = keyOf(url, user);
    auto *job = newJob<QKeychain::WritePasswordJob>(this, key);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job, key, password] {
        if (job->error() == QKeychain::NoError) {
            m_session.remove(key);
            emit PasswordStored(true, QString());
            return;
        }
        m_session.insert(key, password);
        emit PasswordStored(false, job->errorString());
    });
    job->start();
}

void CServerPasswordKeeper::Forget(const QString &url, const QString &user)
{
    const QString key = keyOf(url, user);
    m_session.remove(key);
    newJob<QKeychain::DeletePasswordJob>(this, key)->start();
}
