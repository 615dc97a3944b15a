#include "agenda/month_spelling.h"

#include "agenda/reminder_key.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <numeric>

namespace {

// The transliterations of each Hijri month beside its table's spelling,
// from the usual English, Urdu, Malay and Turkish romanizations of the
// Arabic names. Folding (below) takes care of case, blanks, hyphens,
// apostrophes, doubled letters and a final "h": one spelling of each form
// is enough.
const std::vector<std::string_view> kHijriSpellings[12] = {
    {"Muharram", "Moharram", "Muharem"},
    {"Safar", "Safer", "Sapar"},
    {"Rabi al-Awwal", "Rabiul Awwal", "Rabi al-Awal", "Rabi ul-Avval", "Rabi al-Oula", "Rabi 1",
        "Rabee al-Awwal", "Rabia al-Awwal", "Rebiulevvel"},
    {"Rabi al-Thani", "Rabiul Thani", "Rabi al-Akhir", "Rabiul Akhir", "Rabi al-Sani",
        "Rabiul Sani", "Rabi 2", "Rabee al-Thani", "Rabia al-Thani", "Rebiulahir"},
    {"Jumada al-Ula", "Jumada al-Oola", "Jumada al-Awwal", "Jumadul Awwal", "Jumadil Awal",
        "Jumadi al-Awwal", "Jamadi al-Awwal", "Jamadi ul-Awwal", "Jumada 1", "Cemaziyelevvel"},
    {"Jumada al-Thani", "Jumada al-Thaniya", "Jumada al-Akhira", "Jumada al-Ukhra", "Jumadul Akhir",
        "Jumadil Akhir", "Jumadi al-Thani", "Jamadi al-Thani", "Jamadi us-Sani", "Jumada al-Sani",
        "Jumada 2", "Cemaziyelahir"},
    {"Rajab", "Rajeb", "Rejab", "Recep"},
    {"Shaban", "Shaaban", "Shabaan", "Syaban", "Saban"},
    {"Ramadan", "Ramazan", "Ramzan", "Ramathan", "Ramadhan", "Ramadhon"},
    {"Shawwal", "Shavval", "Syawal", "Sevval"},
    {"Dhu al-Qadah", "Dhu al-Qidah", "Dhul Qadah", "Dhul Qidah", "Dhul Qaidah", "Thul Qadah",
        "Zul Qadah", "Zul Qida", "Zil Qad", "Zulkaedah", "Zilkade", "Dhu al-Qaada"},
    {"Dhu al-Hijjah", "Dhul Hijjah", "Thul Hijja", "Zul Hijjah", "Zil Hijjah", "Zil Hajj",
        "Zulhijah", "Dhu al-Hijja", "Zilhicce"},
};

// Letters of scholarly transliteration, each with the ASCII it folds to.
constexpr std::pair<std::string_view, std::string_view> kLetters[] = {{"\u0101", "a"},
    {"\u00e1", "a"}, {"\u00e2", "a"}, {"\u012b", "i"}, {"\u00ed", "i"}, {"\u00ee", "i"},
    {"\u016b", "u"}, {"\u00fa", "u"}, {"\u00fb", "u"}, {"\u1e0d", "d"}, {"\u1e25", "h"},
    {"\u1e63", "s"}, {"\u1e6d", "t"}, {"\u1e93", "z"}, {"\u1e0f", "dh"}, {"\u1e6f", "th"},
    {"\u0161", "sh"}, {"\u015f", "s"}, {"\u00e7", "c"}, {"\u00fc", "u"}, {"\u0131", "i"}};

// Marks that transliterations write between letters: apostrophes of every
// kind, the signs for ayn and hamza.
constexpr std::string_view kMarks[] = {
    "'", "`", "\u2018", "\u2019", "\u02bf", "\u02be", "\u02bc", "\u02bb"};

// Takes one letter or mark at the front of `name` and appends what it
// folds to; false when nothing at the front is one of them.
bool foldSpecial(std::string_view &name, std::string &out)
{
    for (const std::string_view mark : kMarks)
        if (name.starts_with(mark)) {
            name.remove_prefix(mark.size());
            return true;
        }
    for (const auto &[letter, plain] : kLetters)
        if (name.starts_with(letter)) {
            name.remove_prefix(letter.size());
            out += plain;
            return true;
        }
    return false;
}

// "Rabi II" is "Rabi 2": a Roman number as the last word, taken off before
// doubled letters fold.
std::string_view numberOf(std::string_view &name)
{
    std::string lower(name);
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    constexpr std::pair<std::string_view, std::string_view> kNumbers[] = {
        {" ii", "2"}, {"-ii", "2"}, {" i", "1"}, {"-i", "1"}};
    for (const auto &[roman, number] : kNumbers)
        if (lower.size() > roman.size() && lower.ends_with(roman)) {
            name.remove_suffix(roman.size());
            return number;
        }
    return {};
}

// The name as the comparison sees it: lower-case ASCII letters and digits,
// without separators, doubled letters or a final "h" after "a".
std::string fold(std::string_view name)
{
    const std::string_view number = numberOf(name);
    std::string out;
    while (!name.empty()) {
        if (foldSpecial(name, out))
            continue;
        const char c = name.front();
        name.remove_prefix(1);
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += c;
        else if (c != ' ' && c != '-' && c != '_' && c != '.' && c != '\t')
            out += c; // anything else stays, so that it matches nothing
    }
    out.erase(std::unique(out.begin(), out.end()), out.end());
    if (out.size() > 2 && out.ends_with("ah"))
        out.pop_back();
    return out += number;
}

struct Spelling {
    std::string folded;
    ReminderCalendar calendar;
    int month;
};

// Every spelling of every month, folded once.
const std::vector<Spelling> &spellings()
{
    static const std::vector<Spelling> s_all = [] {
        std::vector<Spelling> all;
        for (int month = 1; month <= 12; ++month) {
            for (const ReminderCalendar calendar :
                {ReminderCalendar::Hijri, ReminderCalendar::Christian})
                all.push_back({fold(ReminderMonthName(calendar, month)), calendar, month});
            for (const std::string_view name : kHijriSpellings[month - 1])
                all.push_back({fold(name), ReminderCalendar::Hijri, month});
        }
        return all;
    }();
    return s_all;
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string listed(const std::vector<std::string> &names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text = i == 0 ? names[i]
            : i + 1 == names.size()
            ? FillSentence(Translate("Reminders", "%1 or %2"), {text, names[i]})
            : FillSentence(Translate("Reminders", "%1, %2"), {text, names[i]});
    return text;
}

} // namespace

std::optional<std::pair<ReminderCalendar, int>> FindMonthSpelling(std::string_view name)
{
    if (const auto month = FindReminderMonth(name))
        return month;
    const std::string folded = fold(name);
    for (const Spelling &spelling : spellings())
        if (spelling.folded == folded)
            return std::pair(spelling.calendar, spelling.month);
    return std::nullopt;
}

std::string TypedReminderKey(std::string_view typed)
{
    const std::size_t slash = typed.find('/');
    const auto month =
        slash == std::string_view::npos ? std::nullopt : FindMonthSpelling(typed.substr(0, slash));
    if (!month)
        return std::string(typed);
    return ReminderMonthName(month->first, month->second) + std::string(typed.substr(slash));
}

std::vector<std::string> NearestMonthNames(std::string_view name)
{
    const std::string folded = fold(name);
    // The nearest spelling of each month: a few letters off, or the start.
    const std::size_t nearEnough = std::max<std::size_t>(2, folded.size() / 4);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const Spelling &spelling : spellings()) {
        std::size_t distance = editDistance(folded, spelling.folded);
        if (folded.size() >= 3 && spelling.folded.starts_with(folded))
            distance = std::min<std::size_t>(distance, 1);
        if (distance > nearEnough)
            continue;
        const std::string &month = ReminderMonthName(spelling.calendar, spelling.month);
        const auto known = std::find_if(
            near.begin(), near.end(), [&](const auto &n) { return n.second == month; });
        if (known == near.end())
            near.emplace_back(distance, month);
        else
            known->first = std::min(known->first, distance);
    }
    std::stable_sort(
        near.begin(), near.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        names.push_back(near[i].second);
    return names;
}

std::string MonthNameHint(std::string_view name)
{
    const std::vector<std::string> near = NearestMonthNames(name);
    if (!near.empty())
        return FillSentence(Translate("Reminders", "; did you mean %1?"), {listed(near)});
    std::vector<std::string> hijri;
    for (int month = 1; month <= 12; ++month)
        hijri.push_back(ReminderMonthName(ReminderCalendar::Hijri, month));
    return FillSentence(
        Translate("Reminders", "; the Hijri months are %1, the Christian ones January to December"),
        {listed(hijri)});
}
