// What the desktop program says of publishing the reminders to the calendar
// server: in the status bar, and once for a failure in a message box. Each
// text is a whole sentence with its numbers and names as placeholders, so
// that it can be translated whole.
#pragma once

#include "sync/publish.h"

#include <QString>

#include <cstdint>

// How far a publish has come.
QString PublishProgressText(PublishStage stage, int done, int total);
// A publish waits for the keyring to give the password.
QString PublishPasswordWaitText();

// A publish that ended at `at` (seconds since 1970): what it wrote, or what
// failed and when the next try is due (`nextTry`).
QString PublishResultText(const PublishResult &result, std::int64_t at, std::int64_t nextTry);

// The message box of a failure, told once: what failed at `url`.
QString PublishFailureBoxText(const PublishResult &result, const QString &url);

// What failed when no password is kept for `user` at `url`.
QString NoPasswordKeptText(const QString &user, const QString &url);
