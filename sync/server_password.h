// The calendar server's password in the desktop's keyring (Secret Service on
// GNOME, KWallet on KDE, through QtKeychain), under the service
// kPasswordService and the key "USER@URL". The profile never holds it. The
// face without Qt, for zamanix-reminders; the desktop program keeps it
// through CServerPasswordKeeper (password_keeper.h).
#pragma once

#include <string>

inline constexpr const char *kPasswordService = "Zamanix calendar server";

// The keyring's key of the password of `user` at `url`.
std::string PasswordKey(const std::string &url, const std::string &user);

struct KeyringPassword {
    enum Answer {
        Found,
        NotFound, // the keyring answered and holds none
        NoKeyring, // no keyring answered (none runs, it is locked, or it refused)
    };
    Answer answer = NoKeyring;
    std::string password;
    std::string problem; // NoKeyring: what the keyring said
};

// Asks the keyring, waiting at most `timeout` milliseconds for its answer
// (a locked keyring may ask the user to unlock it). Runs Qt's event loop
// meanwhile (a QCoreApplication is made when there is none).
KeyringPassword ReadKeyringPassword(
    const std::string &url, const std::string &user, int timeout = 25000);
