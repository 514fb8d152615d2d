// The yardstick of the start-up measurement: a bare Qt main window with a menu
// bar, shown maximised, ending as soon as it has painted itself once. The
// program is measured at the same point: its main window running and painted
// (behind the about dialog).

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {

class BareWindow : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override {
        QMainWindow::paintEvent(event);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.menuBar()->addMenu(QStringLiteral("Plik"));
    window.showMaximized();
    return app.exec();
}
