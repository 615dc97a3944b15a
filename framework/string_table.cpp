#include "framework/string_table.h"

#include <algorithm>
#include <map>

namespace {

std::map<UINT, const char *> &table()
{
    static std::map<UINT, const char *> strings;
    return strings;
}

} // namespace

void RegisterStringTable(std::span<const StringResource> entries)
{
    for (const StringResource &entry : entries)
        table()[entry.id] = entry.text;
}

CString LoadString(UINT id)
{
    const auto it = table().find(id);
    return it == table().end() ? CString() : CString(it->second);
}

QString AllFilesFilter()
{
    return QString::fromStdString(LoadString(AFX_IDS_ALLFILTER))
        .replace(QStringLiteral("*.*"), QStringLiteral("*"));
}

CString FormatMessageText(const CString &text, const CString &arg1, const CString &arg2)
{
    CString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
