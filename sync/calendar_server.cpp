#include "sync/publish.h"
#include "sync/server_password.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <QUrl>

bool CheckCalendarUrl(const std::string &url, std::string &error)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (parsed.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http")) &&
        !parsed.host().isEmpty() && parsed.userInfo().isEmpty())
        return true;
    error = FillSentence(Translate("Publishing",
                             "\"%1\" is not the URL of a calendar: write https:// (or http://), "
                             "the server's name and the calendar's path, such as "
                             "https://dav.example.org/anna/zamanix/"),
        {url});
    return false;
}

std::string PasswordKey(const std::string &url, const std::string &user)
{
    return user + "@" + url;
}
