// write_icons: writes the application icon as PNG files into an icon theme
// folder, one per size, drawn by the same code as the window's icon so that
// the installed icons can never differ from it.
//   write_icons THEME_FOLDER ICON_NAME SIZE...
// writes THEME_FOLDER/<SIZE>x<SIZE>/apps/ICON_NAME.png for each SIZE.
#include "resources/resources.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fputs("usage: write_icons THEME_FOLDER ICON_NAME SIZE...\n", stderr);
        return 2;
    }
    // Pixmaps need a GUI application; no display is needed to draw them.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "write_icons: bad size \"%s\"\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !DrawApplicationIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "write_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
