#include "framework/desktop_language.h"

#include "framework/shown_digits.h"
#include "language/locale_digits.h"
#include "language/translations.h"

#include <QGuiApplication>

void ApplyProgramLanguage(const ProgramLanguage &language, bool westernDigits)
{
    if (language.English() || !InstallLanguage(language))
        return;
    // Qt takes the direction from its own translations where Debian ships
    // them; Urdu has none, so it is said here for all three.
    QGuiApplication::setLayoutDirection(language.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    SetShownZeroDigit(westernDigits ? U'0' : LocaleZeroDigit(language.locale));
}

void ShowWesternDigits(bool western)
{
    SetShownZeroDigit(western ? U'0' : LocaleZeroDigit(InstalledLanguage().locale));
}

bool LocaleHasOwnDigits()
{
    return !InstalledLanguage().English() && LocaleZeroDigit(InstalledLanguage().locale) != U'0';
}
