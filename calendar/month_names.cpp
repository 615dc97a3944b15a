#include "calendar/calendar.h"

#include "text/display_names.h"

// Stored reminder keys begin with these texts: never change their spelling.
const std::string HijriMonthNames[12] = {
    "Muharram",
    "Safar",
    "Rabi'ul Awwal",
    "Rabi'ul Thani",
    "Jumada al-awwal",
    "Jumada al-Thani",
    "Rajab",
    "Sha'ban",
    "Ramadhan",
    "Shawwal",
    "Thul Qi'dah",
    "Thul Hijjah",
};

// The same texts as strftime's %B in the C locale.
const std::string ChristianMonthNames[12] = {
    "January",
    "February",
    "March",
    "April",
    "May",
    "June",
    "July",
    "August",
    "September",
    "October",
    "November",
    "December",
};

std::string HijriMonthShownName(int month)
{
    return DisplayName(NameKind::HijriMonth, month, HijriMonthNames[month - 1]);
}

std::string ChristianMonthShownName(int month)
{
    return DisplayName(NameKind::ChristianMonth, month, ChristianMonthNames[month - 1]);
}
