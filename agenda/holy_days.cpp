#include "agenda/holy_days.h"

#include "text/translate.h"

namespace {

// Month numbers as in HijriMonthNames: 1 Muharram, 7 Rajab, 8 Sha'ban,
// 9 Ramadhan, 10 Shawwal, 12 Thul Hijjah. The nights of the Night Journey,
// of mid-Sha'ban and of Power are kept from the sunset that begins them.
constexpr HolyDay kHolyDays[] = {
    {1, 1, ZX_TRANSLATE_NOOP("HolyDays", "Islamic New Year")},
    {1, 10, ZX_TRANSLATE_NOOP("HolyDays", "Ashura")},
    {7, 27, ZX_TRANSLATE_NOOP("HolyDays", "Isra and Mi'raj"), true},
    {8, 15, ZX_TRANSLATE_NOOP("HolyDays", "Mid-Sha'ban"), true},
    {9, 1, ZX_TRANSLATE_NOOP("HolyDays", "First day of Ramadan")},
    // The Night of Power is sought in the odd nights of the last ten; the
    // 27th is the one most keep.
    {9, 27, ZX_TRANSLATE_NOOP("HolyDays", "Laylat al-Qadr (one of the odd nights)"), true},
    {10, 1, ZX_TRANSLATE_NOOP("HolyDays", "Eid al-Fitr")},
    {12, 9, ZX_TRANSLATE_NOOP("HolyDays", "Day of Arafah")},
    {12, 10, ZX_TRANSLATE_NOOP("HolyDays", "Eid al-Adha")},
};

} // namespace

std::span<const HolyDay> HolyDays()
{
    return kHolyDays;
}

std::vector<const HolyDay *> HolyDaysOf(const YearMonthDay &hijri)
{
    std::vector<const HolyDay *> found;
    for (const HolyDay &day : kHolyDays)
        if (day.month == hijri.month && day.day == hijri.day)
            found.push_back(&day);
    return found;
}

std::string HolyDayName(const HolyDay &day)
{
    return Translate("HolyDays", day.name);
}

std::vector<const HolyDay *> HolyNightsBefore(const YearMonthDay &hijri)
{
    std::vector<const HolyDay *> nights = HolyDaysOf(hijri);
    std::erase_if(nights, [](const HolyDay *day) { return !day->nightBefore; });
    return nights;
}
