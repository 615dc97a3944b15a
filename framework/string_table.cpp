#include "framework/string_table.h"

#include <QCoreApplication>

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
    if (it == table().end())
        return {};
    // The resources mark their texts for the translation tools in the
    // context "Strings" (resources/string_table.cpp).
    return QCoreApplication::translate("Strings", it->second).toStdString();
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
