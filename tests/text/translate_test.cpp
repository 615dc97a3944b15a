// The lookup of the program's texts through the hook a program installs,
// its English fallbacks and the machine formats that stay English.
#include "text/display_names.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A translation of two texts, one a count: one form for one, another for
// the rest.
std::string pretendTranslation(const char *context, const char *source, const char *, int n)
{
    if (std::string(context) == "Test" && std::string(source) == "Delete")
        return "Supprimer";
    if (std::string(source) == "%n days")
        return n == 1 ? "%n jour" : "%n jours";
    return {};
}

std::string pretendName(NameKind kind, int index)
{
    return kind == NameKind::HijriMonth && index == 9 ? "رمضان" : std::string();
}

class TranslateTest : public testing::Test {
protected:
    void TearDown() override
    {
        SetTranslationHook(nullptr);
        SetNameHook(nullptr);
    }
};

TEST_F(TranslateTest, WithoutAHookEveryTextStaysEnglish)
{
    EXPECT_EQ(Translate("Test", "Delete"), "Delete");
    EXPECT_EQ(TranslateCount("Test", "%n days", "%n day", 1), "1 day");
    EXPECT_EQ(TranslateCount("Test", "%n days", "%n day", 0), "0 days");
    EXPECT_EQ(TranslateCount("Test", "%1, %2 days", "%1, %2 day", 2), "%1, %2 days");
    EXPECT_EQ(DisplayName(NameKind::HijriMonth, 9, "Ramadhan"), "Ramadhan");
    EXPECT_FALSE(TranslatingNow());
}

TEST_F(TranslateTest, TheHookTranslatesWhatItKnows)
{
    SetTranslationHook(pretendTranslation);
    SetNameHook(pretendName);
    EXPECT_EQ(Translate("Test", "Delete"), "Supprimer");
    EXPECT_EQ(Translate("Other", "Delete"), "Delete") << "a text is known in its context";
    EXPECT_EQ(Translate("Test", "Add"), "Add") << "an untranslated text stays English";
    EXPECT_EQ(TranslateCount("Test", "%n days", "%n day", 1), "1 jour");
    EXPECT_EQ(TranslateCount("Test", "%n days", "%n day", 12), "12 jours");
    EXPECT_EQ(DisplayName(NameKind::HijriMonth, 9, "Ramadhan"), "رمضان");
    EXPECT_EQ(DisplayName(NameKind::HijriMonth, 10, "Shawwal"), "Shawwal");
}

TEST_F(TranslateTest, MachineFormatsStayEnglishWhileAskedTo)
{
    SetTranslationHook(pretendTranslation);
    SetNameHook(pretendName);
    {
        const CUntranslated english;
        {
            const CUntranslated nested;
            EXPECT_EQ(Translate("Test", "Delete"), "Delete");
        }
        EXPECT_EQ(Translate("Test", "Delete"), "Delete") << "the outer one still holds";
        EXPECT_EQ(TranslateCount("Test", "%n days", "%n day", 1), "1 day");
        EXPECT_EQ(DisplayName(NameKind::HijriMonth, 9, "Ramadhan"), "Ramadhan");
    }
    EXPECT_EQ(Translate("Test", "Delete"), "Supprimer");
}

TEST(FillSentence, PutsEachArgumentInItsPlace)
{
    const struct {
        const char *name;
        std::string pattern;
        std::initializer_list<std::string_view> args;
        std::string filled;
    } cases[] = {
        {"in order", "%1 cannot begin on %2", {"Ramadhan 1448", "7 February 2027"},
            "Ramadhan 1448 cannot begin on 7 February 2027"},
        {"reordered", "%2 : %1", {"a", "b"}, "b : a"},
        {"an argument holding a placeholder stays", "%1 and %2", {"%2", "x"}, "%2 and x"},
        {"one missing stays", "%1 %3", {"a", "b"}, "a %3"},
        {"other percent signs stay", "100% of %1 %d %", {"it"}, "100% of it %d %"},
        {"two digits when there are so many", "%10-%11/%1",
            {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten", "eleven"}, "ten-eleven/1"},
        {"one digit then a digit when there are fewer", "%10", {"one"}, "one0"},
        {"zero is no placeholder", "%0 %1", {"a"}, "%0 a"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FillSentence(c.pattern, c.args), c.filled);
    }
}

} // namespace
