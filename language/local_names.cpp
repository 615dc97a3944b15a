#include "language/local_names.h"

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace {

using Symbols = icu::DateFormatSymbols;

std::vector<std::string> texts(const icu::UnicodeString *names, int32_t count, int32_t from)
{
    std::vector<std::string> out;
    for (int32_t i = from; names && i < count; ++i)
        names[i].toUTF8String(out.emplace_back());
    return out;
}

std::vector<std::string> months(
    const Symbols &symbols, Symbols::DtContextType context, Symbols::DtWidthType width)
{
    int32_t count = 0;
    const icu::UnicodeString *names = symbols.getMonths(count, context, width);
    return texts(names, count, 0);
}

// ICU's weekday lists begin with an empty entry: Sunday is 1.
std::vector<std::string> weekdays(
    const Symbols &symbols, Symbols::DtContextType context, Symbols::DtWidthType width)
{
    int32_t count = 0;
    const icu::UnicodeString *names = symbols.getWeekdays(count, context, width);
    return texts(names, count, 1);
}

// CLDR's full Urdu names of Rabi' al-Awwal and Rabi' al-Thani have a space
// inside the word (ICU 72); its abbreviated ones, which are whole names too,
// spell them right.
void mendUrdu(const std::string &locale, std::vector<std::string> &names)
{
    if (!locale.starts_with("ur"))
        return;
    const std::string ra = "\u0631";
    const std::string broken = ra + " \u0628\u06cc\u0639"; // "ر بیع"
    for (std::string &name : names)
        if (const std::size_t at = name.find(broken); at != std::string::npos)
            name.erase(at + ra.size(), 1);
}

std::string folded(std::string_view text)
{
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    std::string out;
    unicode.trim().foldCase().toUTF8String(out);
    return out;
}

} // namespace

CLocalNames::CLocalNames(const std::string &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where(locale.c_str());
    const Symbols hijri(where, "islamic", status);
    UErrorCode gregorianStatus = U_ZERO_ERROR;
    const Symbols gregorian(where, "gregorian", gregorianStatus);
    if (U_SUCCESS(status)) {
        m_names[static_cast<int>(NameKind::HijriMonth)] =
            months(hijri, Symbols::FORMAT, Symbols::WIDE);
        m_names[static_cast<int>(NameKind::HijriMonthAlone)] =
            months(hijri, Symbols::STANDALONE, Symbols::WIDE);
        m_names[static_cast<int>(NameKind::HijriMonthShort)] =
            months(hijri, Symbols::FORMAT, Symbols::ABBREVIATED);
        mendUrdu(locale, m_names[static_cast<int>(NameKind::HijriMonth)]);
        mendUrdu(locale, m_names[static_cast<int>(NameKind::HijriMonthAlone)]);
    }
    if (U_SUCCESS(gregorianStatus)) {
        m_names[static_cast<int>(NameKind::ChristianMonth)] =
            months(gregorian, Symbols::FORMAT, Symbols::WIDE);
        m_names[static_cast<int>(NameKind::ChristianMonthAlone)] =
            months(gregorian, Symbols::STANDALONE, Symbols::WIDE);
        m_names[static_cast<int>(NameKind::ChristianMonthShort)] =
            months(gregorian, Symbols::FORMAT, Symbols::ABBREVIATED);
        m_names[static_cast<int>(NameKind::Weekday)] =
            weekdays(gregorian, Symbols::FORMAT, Symbols::WIDE);
        m_names[static_cast<int>(NameKind::WeekdayShort)] =
            weekdays(gregorian, Symbols::STANDALONE, Symbols::SHORT);
    }
}

const std::string &CLocalNames::Name(NameKind kind, int index) const
{
    static const std::string none;
    const std::vector<std::string> &names = m_names[static_cast<int>(kind)];
    const bool weekday = kind == NameKind::Weekday || kind == NameKind::WeekdayShort;
    const int at = weekday ? index : index - 1;
    return at >= 0 && at < static_cast<int>(names.size()) ? names[at] : none;
}

std::optional<LocalMonth> CLocalNames::MonthOfName(std::string_view name) const
{
    const std::string wanted = folded(name);
    if (wanted.empty())
        return std::nullopt;
    constexpr NameKind kHijri[] = {
        NameKind::HijriMonth, NameKind::HijriMonthAlone, NameKind::HijriMonthShort};
    constexpr NameKind kChristian[] = {
        NameKind::ChristianMonth, NameKind::ChristianMonthAlone, NameKind::ChristianMonthShort};
    for (int month = 1; month <= 12; ++month) {
        for (NameKind kind : kHijri)
            if (folded(Name(kind, month)) == wanted)
                return LocalMonth{true, month};
        for (NameKind kind : kChristian)
            if (folded(Name(kind, month)) == wanted)
                return LocalMonth{false, month};
    }
    return std::nullopt;
}
