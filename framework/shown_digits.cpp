#include "framework/shown_digits.h"

namespace {

char32_t s_zero = U'0';

} // namespace

void SetShownZeroDigit(char32_t zero)
{
    s_zero = zero;
}

char32_t ShownZeroDigit()
{
    return s_zero;
}

QString ShownDigits(const QString &text)
{
    if (s_zero == U'0')
        return text;
    QString shown = text;
    for (QChar &c : shown)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(static_cast<char16_t>(s_zero + (c.unicode() - u'0')));
    return shown;
}

QString ShownDigits(const CString &text)
{
    return ShownDigits(QString::fromStdString(text));
}

QString ShownNumber(long long number)
{
    return ShownDigits(QString::number(number));
}

QString TypedDigits(const QString &text)
{
    QString typed = text;
    for (QChar &c : typed)
        if (c.category() == QChar::Number_DecimalDigit && c.digitValue() >= 0)
            c = QChar(static_cast<char16_t>(u'0' + c.digitValue()));
    return typed;
}
