// ICU that cannot give a calendar, as when its data is missing or broken:
// every calendar ICU is asked for fails with U_MISSING_RESOURCE_ERROR.
// Compiled into a test program it stands in for ICU's own; built as a
// library it is preloaded (LD_PRELOAD) into the command-line programs.
#include <unicode/calendar.h>

U_NAMESPACE_BEGIN

Calendar *Calendar::createInstance(const TimeZone &, const Locale &, UErrorCode &status)
{
    status = U_MISSING_RESOURCE_ERROR;
    return nullptr;
}

U_NAMESPACE_END
