// The yardstick of the start-up measurement: a bare Qt main window with a menu
// bar, shown maximised, ending as soon as the message loop runs.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Plik"));
    window.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
