#include "shell/manual.h"

#include "framework/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The manual page's name, as `man` takes it.
constexpr const char *kManualPage = "zamanix";

} // namespace

ManualViewer FindManualViewer(
    const std::function<QString(const QString &)> &findProgram, const QStringList &readmes)
{
    const QString page = QString::fromLatin1(kManualPage);
    if (const QString yelp = findProgram(QStringLiteral("yelp")); !yelp.isEmpty())
        return {yelp, {QStringLiteral("man:") + page}, {}};
    if (const QString khelp = findProgram(QStringLiteral("khelpcenter")); !khelp.isEmpty())
        return {khelp, {QStringLiteral("man:/") + page}, {}};
    for (const QString &readme : readmes)
        if (QFileInfo(readme).isFile())
            return {{}, {}, QUrl::fromLocalFile(QFileInfo(readme).absoluteFilePath())};
    return {};
}

void OpenManual()
{
    // Installed beside the program's prefix, by the package, or beside a
    // build in the source tree.
    const QDir program(QCoreApplication::applicationDirPath());
    const QStringList readmes = {program.filePath(QStringLiteral("../share/doc/zamanix/README.md")),
        QStringLiteral("/usr/share/doc/zamanix/README.md"),
        program.filePath(QStringLiteral("../README.md"))};
    const ManualViewer viewer = FindManualViewer(
        [](const QString &name) { return QStandardPaths::findExecutable(name); }, readmes);
    bool opened = false;
    if (!viewer.program.isEmpty())
        opened = QProcess::startDetached(viewer.program, viewer.arguments);
    else if (!viewer.file.isEmpty())
        opened = QDesktopServices::openUrl(viewer.file);
    if (opened)
        return;
    AfxMessageBox(
        QCoreApplication::translate("CZamanixApp",
            "The manual could not be opened: no help viewer (such as Yelp) is installed, nor the "
            "README.\n\nIn a terminal, \"man zamanix\" shows the manual.")
            .toStdString(),
        MB_ICONINFORMATION);
}
