#include "language/locale_digits.h"

#include <unicode/locid.h>
#include <unicode/numsys.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

icu::UnicodeString unicodeOf(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8Of(const icu::UnicodeString &text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

} // namespace

char32_t LocaleZeroDigit(const std::string &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberingSystem> system(
        icu::NumberingSystem::createInstance(icu::Locale(locale.c_str()), status));
    if (U_FAILURE(status) || !system || system->isAlgorithmic() || system->getRadix() != 10)
        return U'0';
    const icu::UnicodeString digits = system->getDescription();
    return digits.isEmpty() ? U'0' : static_cast<char32_t>(digits.char32At(0));
}

std::string WithDigitsFrom(std::string_view text, char32_t zero)
{
    if (zero == U'0')
        return std::string(text);
    std::string out;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            out += c;
            continue;
        }
        out +=
            utf8Of(icu::UnicodeString(static_cast<UChar32>(zero + static_cast<char32_t>(c - '0'))));
    }
    return out;
}

std::string WithWesternDigits(std::string_view text)
{
    const icu::UnicodeString unicode = unicodeOf(text);
    icu::UnicodeString out;
    for (int32_t i = 0; i < unicode.length();) {
        const UChar32 c = unicode.char32At(i);
        const int32_t value = u_charType(c) == U_DECIMAL_DIGIT_NUMBER ? u_charDigitValue(c) : -1;
        if (value >= 0)
            out.append(static_cast<UChar32>(U'0' + value));
        else
            out.append(c);
        i += U16_LENGTH(c);
    }
    return utf8Of(out);
}
