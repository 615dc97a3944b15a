// Texts of any length in a plain-text box: what part of them shows, and that
// showing a part loses nothing.
#include "framework/long_text.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kNote =
    QStringLiteral("[The rest is not shown: the text is too long to show whole.]");

std::string repeat(std::string_view piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// What a reader of the shown part must be able to rely on.
void expectWithinBounds(const CShownText &shown)
{
    const QStringList lines = shown.text.split(QLatin1Char('\n'));
    EXPECT_LE(lines.size(), 2'001);
    EXPECT_LE(shown.text.size(), 100'000 + 2'000 + kNote.size());
    for (const QString &line : lines)
        ASSERT_LE(line.size(), 10'001);
    EXPECT_FALSE(shown.text.contains(QChar::ReplacementCharacter)) << "no character cut in two";
    for (qsizetype i = 0; i < shown.text.size(); ++i)
        ASSERT_EQ(shown.text[i].isHighSurrogate(),
            i + 1 < shown.text.size() && shown.text[i + 1].isLowSurrogate())
            << "no pair of surrogates split at " << i;
}

TEST(LongText, ShortTextsShowWhole)
{
    const struct {
        const char *name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"lines", "Fast\nand pray\r\nthen\reat"},
        {"the longest line", std::string(10'000, 'x')},
        {"the most lines", repeat("a\r\n", 1'999) + "a"},
        {"the most characters", repeat(std::string(99, 'y') + "\n", 1'000)},
        {"multi-byte characters", repeat("\xD8\xB5\xD9\x88\xD9\x85 \xF0\x9D\x84\x9E\n", 100)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CShownText shown = ShownPartOf(c.text);
        EXPECT_TRUE(shown.whole);
        EXPECT_EQ(shown.text.toStdString(), c.text);
    }
}

TEST(LongText, LongTextsShowTheirBeginning)
{
    const struct {
        const char *name;
        std::string text;
        const char *begins;
    } cases[] = {
        {"a line one longer than the longest", std::string(10'001, 'x'), "xxxx"},
        {"one line over the most lines", repeat("a\n", 2'000) + "a", "a\na\n"},
        {"one character over the most", repeat(std::string(99, 'y') + "\n", 1'000) + "z", "yyy"},
        {"an unbroken line of 5 MB", std::string(5'000'000, 'x'), "xxxx"},
        {"a million empty lines", std::string(1'000'000, '\n'), "\n\n"},
        {"two-byte characters", repeat("\xC3\xA9", 600'000), "\xC3\xA9\xC3\xA9"},
        {"three-byte characters", repeat("\xE2\x82\xAC", 400'000), "\xE2\x82\xAC"},
        {"characters beyond 16 bits", repeat("\xF0\x9D\x84\x9E", 300'000), "\xF0\x9D\x84\x9E"},
        {"odd lengths of surrogate pairs", "x" + repeat("\xF0\x9D\x84\x9E", 300'000), "x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CShownText shown = ShownPartOf(c.text);
        EXPECT_FALSE(shown.whole);
        EXPECT_TRUE(shown.text.startsWith(QString::fromUtf8(c.begins)));
        EXPECT_TRUE(shown.text.endsWith(QLatin1Char('\n') + kNote));
        expectWithinBounds(shown);
    }
}

TEST(LongText, ABoxShowingPartOfATextKeepsItWhole)
{
    QPlainTextEdit box;
    const std::string huge = std::string(300'000, 'x') + "\nend";
    SetLongText(&box, huge);
    EXPECT_TRUE(box.isReadOnly()) << "what it shows is not the text to edit";
    EXPECT_LT(box.toPlainText().size(), 110'000);
    EXPECT_EQ(LongTextOf(&box), huge);

    SetLongText(&box, "short");
    EXPECT_FALSE(box.isReadOnly());
    box.appendPlainText(QStringLiteral("typed"));
    EXPECT_EQ(LongTextOf(&box), "short\ntyped");

    SetLongText(&box, huge);
    box.setPlainText(QStringLiteral("replaced"));
    EXPECT_EQ(LongTextOf(&box), "replaced") << "the box's own text, once it has another";
}

} // namespace
