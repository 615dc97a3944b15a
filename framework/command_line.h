// The command line: an optional file name and the framework's flags, and
// what the program does with them at start-up.
#pragma once

#include "framework/cstring.h"

class CCommandLineInfo {
public:
    enum Shell { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

    // Takes one argument: a flag (without its "-" or "/") or a parameter.
    void ParseParam(const char *param, bool isFlag, bool isLast);

    Shell m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    bool m_bRunEmbedded = false;

private:
    int m_nParamsAfterPrintTo = 0;
};

// Splits argv into flags and parameters. An argument starting with "-" is a
// flag; one starting with "/" is a flag only when it names one of the known
// flags, because on this system "/home/..." is a file.
void ParseCommandLine(int argc, char **argv, CCommandLineInfo &info);
