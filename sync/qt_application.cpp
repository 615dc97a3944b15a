#include "sync/qt_application.h"

std::unique_ptr<QCoreApplication> MakeApplicationIfNone()
{
    static int s_argc = 1;
    static char s_name[] = "zamanix";
    static char *s_argv[] = {s_name, nullptr};
    if (QCoreApplication::instance())
        return nullptr;
    return std::make_unique<QCoreApplication>(s_argc, s_argv);
}
