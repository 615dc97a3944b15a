#include "sync/server_password.h"

#include "sync/qt_application.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

KeyringPassword ReadKeyringPassword(const std::string &url, const std::string &user, int timeout)
{
    const std::unique_ptr<QCoreApplication> application = MakeApplicationIfNone();
    auto *job = new QKeychain::ReadPasswordJob(QString::fromUtf8(kPasswordService));
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job->setKey(QString::fromStdString(PasswordKey(url, user)));
    QEventLoop loop;
    bool answered = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        answered = true;
        loop.quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    job->start();
    if (!answered)
        loop.exec();
    KeyringPassword result;
    if (!answered) {
        result.problem =
            FillSentence(Translate("Publishing", "the keyring did not answer within %1 seconds"),
                {std::to_string(timeout / 1000)});
        job->deleteLater(); // it may still answer; it must not find itself deleted
        return result;
    }
    if (job->error() == QKeychain::NoError) {
        result.answer = KeyringPassword::Found;
        result.password = job->textData().toStdString();
    } else if (job->error() == QKeychain::EntryNotFound)
        result.answer = KeyringPassword::NotFound;
    else
        result.problem = job->errorString().toStdString();
    delete job;
    return result;
}
