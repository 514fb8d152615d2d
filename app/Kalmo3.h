#pragma once
// The main window: a maximised frame whose only content is the main menu. When
// first shown it records the program directory, shows the about dialog and makes
// sure the steam table can be opened; without it the program does not run.

#include "app/CalcWindow.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;
class TfrmKoniec;
class TfrmOpcje;
class TfrmOprogramie;

class TfrmKalmo3 : public QMainWindow, public CalculationMenus {
    Q_OBJECT
public:
    explicit TfrmKalmo3(QWidget* parent = nullptr);

    void SetDialogs(TfrmOpcje* opcje, TfrmKoniec* koniec, TfrmOprogramie* oprogramie);

    // The directory FormShow takes as the program directory; by default the
    // directory of the running executable.
    void SetExecutableDir(const QString& dir) { executableDir_ = dir; }

    // Enables "Przepustowość" and "Dobór" when none of the calculation windows
    // (the CalcWindow children) is shown, disables them otherwise.
    void UpdateCalculationMenus() override;
    void CalculationActivated(CalcWindow* window) override;

    // The calculation window activated last while it is shown; a shown window
    // that was never activated when there is none; nullptr when no calculation
    // window is shown.
    CalcWindow* CurrentCalculation() const;

    // True once the program has been told to end (by "Koniec" or the start-up check).
    bool Terminating() const { return terminating_; }

    QMenu* TopMenu(int position) const;

    // Opens a calculation file into its window (the menu, the recent files,
    // the command line); refused while a calculation window is shown.
    void OpenFile(const QString& path);
    // The calculation files opened or saved last, newest first.
    static QStringList RecentFiles();

signals:
    // The start-up sequence of the first showing is complete and the program runs.
    void startupFinished();
    // The program is to end with this exit code (the application's message loop
    // is connected to it).
    void terminateRequested(int exitCode);

public slots:
    // "Otwórz obliczenia…" (Ctrl+O) and "Zapisz obliczenia…" (Ctrl+S, also in a
    // calculation window): a calculation file into its window, and the
    // current calculation's case into a file.
    void Otwrzobliczenia1Click();
    void Zapiszobliczenia1Click();
    // The items of "Przepustowość" and "Dobór" come from the list of windows
    // and show their windows through ShowWindow.
    // "Podgląd wydruku…" (Ctrl+P, also in a calculation window): the print
    // preview of the current calculation's report.
    void Podgldwydruku1Click();
    void Opcje1Click();
    void Koniec1Click();
    void Spistreci1Click();
    void Oprogramie1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    bool ConfirmExit();
    void Terminate(int exitCode);
    // The current calculation; nullptr after "Nie otwarto okna obliczeń – nie
    // ma czego `what`." when no calculation window is shown.
    CalcWindow* CurrentCalculationOr(const QString& what);
    // A file opens only while no calculation window is shown: true after
    // "Zamknij okno obliczeń przed otwarciem pliku." when one is.
    bool CalculationShownRefusesOpening();
    // Shows a calculation window (its menu item's handler).
    void ShowWindow(const char* formName);
    QAction* AddItem(QMenu* menu, const QString& text, const QString& name,
                     void (TfrmKalmo3::*handler)());
    // A calculation file's name from the file dialog, in the folder used last;
    // empty when cancelled.
    QString AskFileName(QWidget* opener, bool saving);
    static void RememberFile(const QString& path);
    void FillRecentMenu();

    QMenu* recent_ = nullptr;

    QPointer<CalcWindow> lastActivated_;
    TfrmOpcje* opcje_ = nullptr;
    TfrmKoniec* koniec_ = nullptr;
    TfrmOprogramie* oprogramie_ = nullptr;
    QString executableDir_;
    bool shown_ = false;
    bool terminating_ = false;
};
