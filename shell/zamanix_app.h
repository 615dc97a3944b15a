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

class CZamanixApp : public CWinApp {
public:
    CZamanixApp();
    ~CZamanixApp() override;
    BOOL InitInstance() override;
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

private:
    // Whether this start was handed over to a running copy.
    bool handOver(const CCommandLineInfo &commandLine);

    bool m_bOneCopy = false;
    bool m_bMinimized = false; // started with --minimized (at login)
    std::unique_ptr<COneCopy> m_pOneCopy;
};
