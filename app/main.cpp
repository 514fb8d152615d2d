// KALMO: capacity and selection of safety valves for water, steam and air.

#include "app/HelpViewer.h"
#include "app/Kalmo3.h"
#include "app/Messages.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[]) {
    // The records and shared values already hold their defaults here.
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setApplicationName(QStringLiteral("KALMO"));
    app.setWindowIcon(QIcon(QApplication::applicationDirPath() + QStringLiteral("/kalmo.png")));
    Help::InstallF1Handler(&app);

    KalmoWindows windows = CreateWindows();
    std::unique_ptr<TfrmKalmo3> mainWindow(windows.frmKalmo3);

    // Start-up measurement: close the about dialog at once and end as soon as the
    // main window runs.
    if (qEnvironmentVariableIsSet("KALMO_STARTUP_BENCH")) {
        Messages::SetModalHandler([](QDialog*) { return int(QDialog::Accepted); });
        QObject::connect(mainWindow.get(), &TfrmKalmo3::startupFinished, &app,
                         [] { QCoreApplication::exit(0); });
    }

    mainWindow->showMaximized();
    return app.exec();
}
