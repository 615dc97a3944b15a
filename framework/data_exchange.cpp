#include "framework/data_exchange.h"

#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/string_table.h"
#include "framework/wnd.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <climits>

namespace {

// Only this much of a number box is read.
constexpr std::size_t kNumberTextLimit = 31;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Text of the box, cut to the part that is read (on a character boundary).
CString numberText(CDataExchange *pDX, int id)
{
    const QString text = QString::fromStdString(pDX->m_pDlgWnd->GetDlgItemText(id));
    return text.left(static_cast<int>(kNumberTextLimit)).toStdString();
}

// Digits with an optional sign; saturates at the given bounds. Returns the
// position after the number, or npos when no digit follows.
std::size_t scanDigits(
    const CString &s, std::size_t i, long long low, long long high, long long &value)
{
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const std::size_t first = i;
    long long magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (s[i] - '0'), high + 1); // stays far below overflow
    if (i == first)
        return CString::npos;
    value = negative ? std::max(-magnitude, low) : std::min(magnitude, high);
    return i;
}

bool parseNumber(
    const CString &text, bool allowMinus, long long low, long long high, long long &value)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (!allowMinus && i < text.size() && text[i] == '-')
        return false;
    const std::size_t start = i;
    long long parsed = 0;
    i = scanDigits(text, i, low, high, parsed);
    if (i == CString::npos)
        return false;
    if (parsed == 0 && text[start] != '0') // "+0" and "-0" are not a typed zero
        return false;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    value = parsed;
    return true;
}

void prepareControl(CDataExchange *pDX, int id)
{
    pDX->m_idLastControl = id;
}

void failWith(CDataExchange *pDX, const CString &prompt)
{
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

} // namespace

bool ParseDialogUInt(const CString &text, UINT &value)
{
    long long parsed;
    if (!parseNumber(text, false, 0, UINT_MAX, parsed))
        return false;
    value = static_cast<UINT>(parsed);
    return true;
}

bool ParseDialogInt(const CString &text, int &value)
{
    long long parsed;
    if (!parseNumber(text, true, INT_MIN, INT_MAX, parsed))
        return false;
    value = static_cast<int>(parsed);
    return true;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    QWidget *control = m_pDlgWnd->GetDlgItem(m_idLastControl);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->selectAll();
}

void DDX_Control(CDataExchange *pDX, int id, CButton &control)
{
    if (pDX->Failed())
        return;
    if (!control.GetSafeHwnd())
        control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
}

void DDX_Control(CDataExchange *pDX, int id, CComboBox &control)
{
    if (pDX->Failed())
        return;
    if (!control.GetSafeHwnd())
        control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
}

void DDX_Text(CDataExchange *pDX, int id, CString &value)
{
    if (pDX->Failed())
        return;
    prepareControl(pDX, id);
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    else if (pDX->m_pDlgWnd->GetDlgItemText(id) != value)
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

namespace {

// A number box, written in decimal and read with the parser of its type.
template <typename Number>
void exchangeNumber(CDataExchange *pDX, int id, Number &value,
    bool (*parse)(const CString &, Number &), UINT parseError)
{
    if (pDX->Failed())
        return;
    prepareControl(pDX, id);
    if (!pDX->m_bSaveAndValidate)
        pDX->m_pDlgWnd->SetDlgItemText(id, std::to_string(value));
    else if (!parse(numberText(pDX, id), value))
        failWith(pDX, LoadString(parseError));
}

template <typename Number>
void checkRange(CDataExchange *pDX, Number value, Number minVal, Number maxVal)
{
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    if (value < minVal || value > maxVal)
        failWith(pDX,
            FormatMessageText(LoadString(AFX_IDP_PARSE_INT_RANGE), std::to_string(minVal),
                std::to_string(maxVal)));
}

} // namespace

void DDX_Text(CDataExchange *pDX, int id, UINT &value)
{
    exchangeNumber(pDX, id, value, ParseDialogUInt, AFX_IDP_PARSE_UINT);
}

void DDX_Text(CDataExchange *pDX, int id, int &value)
{
    exchangeNumber(pDX, id, value, ParseDialogInt, AFX_IDP_PARSE_INT);
}

void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars)
{
    if (pDX->Failed())
        return;
    const int length = QString::fromStdString(value).size();
    if (pDX->m_bSaveAndValidate && length > nChars) {
        failWith(
            pDX, FormatMessageText(LoadString(AFX_IDP_PARSE_STRING_SIZE), Format("%d", nChars)));
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)))
        edit->setMaxLength(nChars);
}

void DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal)
{
    checkRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal)
{
    checkRange(pDX, value, minVal, maxVal);
}
