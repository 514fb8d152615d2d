// KALMO: capacity and selection of safety valves for water, steam and air.

#include "app/HelpViewer.h"
#include "app/Kalmo3.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "app/WindowFrame.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    // The records and shared values already hold their defaults here.
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setApplicationName(QStringLiteral("KALMO"));
    // Where the recent calculation files and the last folder are kept.
    app.setOrganizationName(QStringLiteral("PRAXIMA"));
    Translations::InstallPolish(&app);
    InstallFixedFrames(&app);
    app.setWindowIcon(QIcon(QApplication::applicationDirPath() + QStringLiteral("/kalmo.png")));
    Help::InstallF1Handler(&app);

    KalmoWindows windows = CreateWindows();
    std::unique_ptr<TfrmKalmo3> mainWindow(windows.frmKalmo3);
    QObject::connect(mainWindow.get(), &TfrmKalmo3::terminateRequested, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });

    // Unattended runs (smoke tests, start-up measurement): every modal dialog is
    // accepted at once and every warning is written to the standard output
    // instead of waiting for a click; KALMO_EXIT_AFTER_STARTUP ends the program
    // as soon as the main window runs.
    if (qEnvironmentVariableIsSet("KALMO_UNATTENDED")) {
        Messages::SetModalHandler([](QDialog* dialog) {
            std::printf("dialog: %s\n", qPrintable(dialog->objectName()));
            std::fflush(stdout);
            // Shown for real, and accepted as soon as its event loop runs.
            QTimer::singleShot(0, dialog, &QDialog::accept);
            return dialog->exec();
        });
        Messages::SetWarningHandler([](QWidget*, const QString& text, const QString& caption) {
            std::printf("warning: [%s] %s\n", qPrintable(caption), qPrintable(text));
            std::fflush(stdout);
        });
    }
    if (qEnvironmentVariableIsSet("KALMO_EXIT_AFTER_STARTUP"))
        QObject::connect(mainWindow.get(), &TfrmKalmo3::startupFinished, &app,
                         [] { QCoreApplication::exit(0); });

    // "kalmo FILE.kalmo" (a file manager's double click): the file is opened
    // once the program runs.
    if (const QString file = app.arguments().value(1); !file.isEmpty())
        QObject::connect(mainWindow.get(), &TfrmKalmo3::startupFinished, mainWindow.get(),
                         [window = mainWindow.get(), file] { window->OpenFile(file); });
    mainWindow->showMaximized();
    return app.exec();
}
