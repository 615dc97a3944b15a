// The peer of the start-up benchmark: the barest Qt Widgets program with a
// main window, as Qt's own examples start one. Zamanix's start is measured
// against it in the same display and run.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window"), &window));
    window.show();
    return QApplication::exec();
}
