#include "framework/command_line.h"

#include <cstring>

namespace {

bool isKnownFlag(const char *name)
{
    for (const char *flag : {"p", "pt", "dde", "Embedding", "Automation", "Unregister"})
        if (std::strcmp(name, flag) == 0)
            return true;
    return false;
}

} // namespace

void CCommandLineInfo::ParseParam(const char *param, bool isFlag, bool)
{
    if (isFlag) {
        const CString flag = param;
        if (flag == "p")
            m_nShellCommand = FilePrint;
        else if (flag == "pt") {
            m_nShellCommand = FilePrintTo;
            m_nParamsAfterPrintTo = 0;
        } else if (flag == "dde")
            m_nShellCommand = FileDDE;
        else if (flag == "Embedding")
            m_bRunEmbedded = true;
        else if (flag == "Unregister")
            m_nShellCommand = AppUnregister;
        return;
    }
    if (m_strFileName.empty()) {
        m_strFileName = param;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        return;
    }
    // /pt FILE PRINTER [DRIVER [PORT]]: Qt finds the driver and port from
    // the printer's name.
    if (m_nShellCommand == FilePrintTo && m_nParamsAfterPrintTo++ == 0)
        m_strPrinterName = param;
}

void ParseCommandLine(int argc, char **argv, CCommandLineInfo &info)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const bool dashFlag = arg[0] == '-' && arg[1] != '\0';
        const bool slashFlag = arg[0] == '/' && isKnownFlag(arg + 1);
        if (dashFlag || slashFlag)
            info.ParseParam(arg + 1, true, i == argc - 1);
        else
            info.ParseParam(arg, false, i == argc - 1);
    }
}
