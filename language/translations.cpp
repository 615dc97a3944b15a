#include "language/translations.h"

#include "language/local_names.h"
#include "text/display_names.h"
#include "text/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

ProgramLanguage s_language;
std::unique_ptr<QTranslator> s_program;
std::unique_ptr<QTranslator> s_qt;
std::unique_ptr<CLocalNames> s_names;

std::string translated(const char *context, const char *source, const char *disambiguation, int n)
{
    return s_program->translate(context, source, disambiguation, n).toStdString();
}

std::string named(NameKind kind, int index)
{
    return s_names->Name(kind, index);
}

// Qt's own texts of its dialogs, where Debian ships them; an empty
// translator where it does not, as the mark that the application has them.
void installQtTranslations(const std::string &code)
{
    s_qt = std::make_unique<QTranslator>();
    if (s_qt->load(QStringLiteral("qtbase_") + QString::fromStdString(code),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(s_qt.get());
}

} // namespace

bool InstallLanguage(const ProgramLanguage &language)
{
    if (language.English())
        return true;
    if (!s_program || s_language.code != language.code) {
        auto program = std::make_unique<QTranslator>();
        // Built in by language/CMakeLists.txt from translations/zamanix_<code>.ts.
        if (!program->load(
                QStringLiteral(":/i18n/zamanix_") + QString::fromStdString(language.code)))
            return false;
        s_program = std::move(program);
        s_qt.reset();
    }
    if (!s_names || s_language.locale != language.locale)
        s_names = std::make_unique<CLocalNames>(language.locale);
    s_language = language;
    SetTranslationHook(translated);
    SetNameHook(named);
    // A Qt application made after an earlier call gets the translations now.
    if (QCoreApplication::instance() && !s_qt) {
        QCoreApplication::installTranslator(s_program.get());
        installQtTranslations(language.code);
    }
    return true;
}

const ProgramLanguage &InstalledLanguage()
{
    return s_language;
}

const CLocalNames *InstalledNames()
{
    return s_names.get();
}
