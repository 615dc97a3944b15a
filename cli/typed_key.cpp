#include "cli/typed_key.h"

#include "calendar/calendar.h"
#include "language/local_names.h"
#include "language/locale_digits.h"
#include "language/translations.h"

std::string KeyOfLocalNames(std::string_view typed)
{
    const std::size_t slash = typed.find('/');
    if (slash == std::string_view::npos)
        return std::string(typed);
    std::string month(typed.substr(0, slash));
    if (const CLocalNames *names = InstalledNames())
        if (const std::optional<LocalMonth> local = names->MonthOfName(month))
            month = local->hijri ? HijriMonthNames[local->month - 1]
                                 : ChristianMonthNames[local->month - 1];
    return month + "/" + WithWesternDigits(typed.substr(slash + 1));
}
