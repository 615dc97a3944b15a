// The application: start-up registers the one document template (document,
// main frame, form view) and processes the command line. A start while
// another copy runs in the session hands over to it (one_copy.h).
#pragma once

#include "framework/winapp.h"

#include <QString>

#include <filesystem>
#include <memory>

class CCommandLineInfo;
class COneCopy;
class CZamanixProfile;

class CZamanixApp : public CWinApp {
public:
    CZamanixApp();
    // Closes the windows before the profile object they hear goes.
    ~CZamanixApp() override;
    // Creates the profile object (one snapshot of the profile, one watch)
    // that the form and every window beside it hear, then the windows.
    // What the window's first paint does not need (a Hijri calendar that
    // cannot be computed told, missed reminders caught up on, publishing
    // started) follows from the event loop once the window is drawn.
    BOOL InitInstance() override;
    // Whether that work after the first paint is done (a run that ended in
    // InitInstance has none).
    bool StartFinished() const { return !m_bStartPending; }
    // Gives the bus name up while the bus connection is still there.
    int ExitInstance() override;
    void OnShowAbout();

    // One running copy per session (main() asks for it; a test that runs
    // the program in its own process asks only to test it): a start while
    // another copy owns the bus name asks that copy to show its window, or
    // to open the file, and ends with status 0. Printing never asks.
    void KeepOneCopy() { m_bOneCopy = true; }
    // The running copy's answer to a start handed over to it: shows the
    // window (restored and brought to the front, the open prompt above it),
    // after opening the first of `files`, if any.
    void OnHandedOver(const QStringList &files, const QString &token);

    // Options > Start at Login: writes the autostart entry, or removes it
    // when it is there; a failure is told.
    void OnStartAtLogin();
    // Whether the autostart entry is there, and where it goes.
    static bool StartsAtLogin();
    static std::filesystem::path AutostartEntry();

    // The profile object; it exists once InitInstance went past the hand
    // over to a running copy.
    CZamanixProfile &Profile() const { return *m_pProfile; }

private:
    // Whether this start was handed over to a running copy.
    bool handOver(const CCommandLineInfo &commandLine);
    void createProfile();

    bool m_bOneCopy = false;
    bool m_bMinimized = false; // started with --minimized (at login)
    bool m_bStartPending = false;
    std::unique_ptr<COneCopy> m_pOneCopy;
    std::unique_ptr<CZamanixProfile> m_pProfile;
};
