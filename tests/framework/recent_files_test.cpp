// How the File menu shows a recent file: the whole path while it is short,
// else the root and the file name around "...", else the end of the name.
#include "framework/recent_files.h"

#include <QString>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string &text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(RecentFileList, DisplayNamesFitTheMenu)
{
    const std::string moon = "\xF0\x9F\x8C\x99"; // U+1F319, two UTF-16 units
    const struct {
        const char *name;
        std::string path, shown;
    } cases[] = {
        {"short", "/home/u/a.zam", "/home/u/a.zam"},
        {"exactly 30 characters", "/home/user/documents/notes.zam",
            "/home/user/documents/notes.zam"},
        {"one character more", "/home/user/documents/notes1.zam", "/home/.../notes1.zam"},
        {"deep folders", "/home/user/Documents/reminders/2024/notes.zam", "/home/.../notes.zam"},
        {"a long file name keeps its end", "/home/u/a-very-long-file-name-for-the-reminders.zam",
            "...-name-for-the-reminders.zam"},
        {"a long name in the root folder", "/a-very-long-file-name-for-the-reminders.zam",
            "...-name-for-the-reminders.zam"},
        {"Arabic, counted by character", "/home/ahmad/التقويم/ملاحظات-رمضان.zam",
            "/home/.../ملاحظات-رمضان.zam"},
        {"a name of characters outside the BMP is not cut inside one",
            "/home/u/" + repeated(moon, 20) + ".zam", "..." + repeated(moon, 11) + ".zam"},
    };
    CRecentFileList list("Recent File List", "File%d", 16, 30);
    for (const auto &c : cases)
        list.Add(c.path);
    const int count = static_cast<int>(std::size(cases));
    for (int i = 0; i < count; ++i) {
        const auto &c = cases[count - 1 - i]; // the last added comes first
        SCOPED_TRACE(c.name);
        ASSERT_EQ(list[i], c.path);
        const CString shown = list.GetDisplayName(i);
        EXPECT_EQ(shown, c.shown);
        EXPECT_LE(QString::fromStdString(shown).size(), 30);
    }
}

} // namespace
