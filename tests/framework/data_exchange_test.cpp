#include "framework/data_exchange.h"

#include "framework/controls.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <climits>

namespace {

struct NumberCase {
    const char *text;
    bool ok;
    long long value;
};

// How a number box reads, for the unsigned and the signed fields.
const NumberCase kUnsignedCases[] = {
    {"7", true, 7}, {" \t 23 \t", true, 23}, {"0", true, 0}, {"007", true, 7}, {"", false, 0},
    {"   ", false, 0}, {"-1", false, 0}, {"+5", true, 5},
    {"+0", false, 0}, // zero only from a typed 0
    {"12x", false, 0}, {"1 2", false, 0}, {"0x10", false, 0},
    {"99999999999", true, UINT_MAX}, // saturates; the range test then refuses it
};

const NumberCase kSignedCases[] = {
    {"1418", true, 1418},
    {"-5", true, -5},
    {"-0", false, 0},
    {" 0 ", true, 0},
    {"abc", false, 0},
    {"99999999999", true, INT_MAX},
    {"-99999999999", true, INT_MIN},
};

TEST(DialogNumbers, UnsignedBoxes)
{
    for (const NumberCase &c : kUnsignedCases) {
        SCOPED_TRACE(c.text);
        UINT value = 4242;
        EXPECT_EQ(ParseDialogUInt(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? static_cast<UINT>(c.value) : 4242u)
            << "a failed read leaves the field";
    }
}

TEST(DialogNumbers, SignedBoxes)
{
    for (const NumberCase &c : kSignedCases) {
        SCOPED_TRACE(c.text);
        int value = 4242;
        EXPECT_EQ(ParseDialogInt(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? static_cast<int>(c.value) : 4242);
    }
}

TEST(ComboBox, FindStartsAfterTheIndexAndWrapsAround)
{
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    for (const char *item : {"Muharram", "Safar", "Rabi'ul Awwal", "Rabi'ul Thani", "Mustard"})
        combo.AddString(item);
    const struct {
        const char *name;
        int start;
        const char *prefix;
        int found;
    } cases[] = {
        {"from index 0 the first item is searched last", 0, "Mu", 4},
        {"from the top", -1, "Mu", 0},
        {"wraps around", 3, "rab", 2},
        {"ignores case", 0, "SAFAR", 1},
        {"no match", 0, "Rajab", CB_ERR},
        {"the whole text matches itself", 0, "Muharram", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(combo.FindString(c.start, c.prefix), c.found);
    }
    combo.SetCurSel(1);
    EXPECT_EQ(combo.SelectString(0, "Rajab"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 1) << "a failed selection keeps the old one";
    EXPECT_EQ(combo.SelectString(0, "rabi'ul t"), 3);
    EXPECT_EQ(widget.currentText(), "Rabi'ul Thani");
}

} // namespace
