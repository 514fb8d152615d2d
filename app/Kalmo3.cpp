#include "app/Kalmo3.h"

#include "app/HelpViewer.h"
#include "app/Koniec.h"
#include "app/Messages.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "app/WindowList.h"
#include "cli/CaseFile.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <tuple>

namespace {

// The help topic on calculation files.
constexpr int kCaseFileHelp = 37;
constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("OstatnioOtwierane");

// The folder of the last calculation file chosen in this run; nothing but the
// recent files is written to the settings.
QString& LastFolder() {
    static QString folder;
    return folder;
}

} // namespace

TfrmKalmo3::TfrmKalmo3(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmKalmo3"));
    setWindowTitle(QStringLiteral("   KALMO 7.0"));

    QMenuBar* bar = menuBar();
    QMenu* plik = bar->addMenu(QStringLiteral("Plik"));
    plik->setObjectName(QStringLiteral("Plik1"));
    // The calculation windows are windows of their own: the shortcuts work in them too.
    QAction* open = AddItem(plik, QStringLiteral("Otwórz obliczenia…"),
                            QStringLiteral("Otwrzobliczenia1"), &TfrmKalmo3::Otwrzobliczenia1Click);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setShortcutContext(Qt::ApplicationShortcut);
    QAction* save =
        AddItem(plik, QStringLiteral("Zapisz obliczenia…"), QStringLiteral("Zapiszobliczenia1"),
                &TfrmKalmo3::Zapiszobliczenia1Click);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::ApplicationShortcut);
    recent_ = plik->addMenu(QStringLiteral("Ostatnio otwierane"));
    recent_->setObjectName(QStringLiteral("Ostatniootwierane1"));
    recent_->menuAction()->setObjectName(recent_->objectName());
    connect(recent_, &QMenu::aboutToShow, this, &TfrmKalmo3::FillRecentMenu);
    for (QAction* item : {open, save, recent_->menuAction()})
        Help::SetHelpContext(item, kCaseFileHelp);
    plik->addSeparator();
    QAction* preview = AddItem(plik, QStringLiteral("Podgląd wydruku…"),
                               QStringLiteral("Podgldwydruku1"), &TfrmKalmo3::Podgldwydruku1Click);
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    preview->setShortcutContext(Qt::ApplicationShortcut);
    plik->addSeparator();
    AddItem(plik, QStringLiteral("Opcje"), QStringLiteral("Opcje1"), &TfrmKalmo3::Opcje1Click);
    AddItem(plik, QStringLiteral("&Koniec"), QStringLiteral("Koniec1"), &TfrmKalmo3::Koniec1Click);

    for (const auto& [group, title, name] :
         {std::tuple(CalcWindow::Group::Capacity, "Przepustowość", "Przepustowo1"),
          std::tuple(CalcWindow::Group::Selection, "Dobór", "Dobr1")}) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromLatin1(name));
        for (const WindowList::Entry* entry : WindowList::MenuItems(group)) {
            QAction* action = menu->addAction(QString::fromUtf8(entry->menuText));
            action->setObjectName(QString::fromLatin1(entry->menuName));
            Help::SetHelpContext(action, entry->menuHelp);
            const char* formName = entry->formName;
            connect(action, &QAction::triggered, this, [this, formName] { ShowWindow(formName); });
        }
    }

    QMenu* pomoc = bar->addMenu(QStringLiteral("Pomoc"));
    pomoc->setObjectName(QStringLiteral("Pomoc1"));
    AddItem(pomoc, QStringLiteral("Spis treści i indeks"), QStringLiteral("Spistreci1"),
            &TfrmKalmo3::Spistreci1Click);
    AddItem(pomoc, QStringLiteral("O programie"), QStringLiteral("Oprogramie1"),
            &TfrmKalmo3::Oprogramie1Click);
}

QAction* TfrmKalmo3::AddItem(QMenu* menu, const QString& text, const QString& name,
                             void (TfrmKalmo3::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QMenu* TfrmKalmo3::TopMenu(int position) const {
    const auto actions = menuBar()->actions();
    return position >= 0 && position < actions.size() ? actions[position]->menu() : nullptr;
}

void TfrmKalmo3::SetDialogs(TfrmOpcje* opcje, TfrmKoniec* koniec, TfrmOprogramie* oprogramie) {
    opcje_ = opcje;
    koniec_ = koniec;
    oprogramie_ = oprogramie;
}

void TfrmKalmo3::UpdateCalculationMenus() {
    const auto windows = findChildren<CalcWindow*>(Qt::FindDirectChildrenOnly);
    // isHidden() is already true while a window's hide event runs.
    const bool enabled = std::none_of(windows.begin(), windows.end(),
                                      [](const CalcWindow* w) { return !w->isHidden(); });
    for (int position : {1, 2})
        TopMenu(position)->menuAction()->setEnabled(enabled);
}

void TfrmKalmo3::CalculationActivated(CalcWindow* window) {
    lastActivated_ = window;
}

CalcWindow* TfrmKalmo3::CurrentCalculation() const {
    if (lastActivated_ && !lastActivated_->isHidden())
        return lastActivated_;
    const auto windows = findChildren<CalcWindow*>(Qt::FindDirectChildrenOnly);
    const auto shown = std::find_if(windows.begin(), windows.end(),
                                    [](const CalcWindow* w) { return !w->isHidden(); });
    return shown == windows.end() ? nullptr : *shown;
}

CalcWindow* TfrmKalmo3::CurrentCalculationOr(const QString& what) {
    CalcWindow* window = CurrentCalculation();
    if (!window)
        Messages::Warning(this,
                          QStringLiteral("Nie otwarto okna obliczeń – nie ma czego %1.").arg(what));
    return window;
}

void TfrmKalmo3::ShowWindow(const char* formName) {
    if (auto* window =
            findChild<CalcWindow*>(QString::fromLatin1(formName), Qt::FindDirectChildrenOnly)) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void TfrmKalmo3::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // The start-up sequence runs from the message loop, which it may end.
        QTimer::singleShot(0, this, &TfrmKalmo3::FormShow);
    }
}

void TfrmKalmo3::FormShow() {
    QString dir =
        executableDir_.isEmpty() ? QCoreApplication::applicationDirPath() : executableDir_;
    Dane::ProgramDir = QDir::cleanPath(dir) + QLatin1Char('/');

    if (oprogramie_)
        Messages::ExecModal(oprogramie_);

    // Only opening and closing are tried: a steam table of any length passes.
    QFile table(Dane::ProgramDir + QStringLiteral("para.dat"));
    if (!table.open(QIODevice::ReadOnly)) {
        Messages::Warning(this, QStringLiteral("Brak pliku \"PARA.DAT\" !"),
                          QStringLiteral("  Uwaga!"));
        Terminate(1);
        return;
    }
    table.close();
    emit startupFinished();
}

void TfrmKalmo3::Terminate(int exitCode) {
    terminating_ = true;
    emit terminateRequested(exitCode);
}

bool TfrmKalmo3::ConfirmExit() {
    return koniec_ && Messages::ExecModal(koniec_) == QDialog::Accepted;
}

void TfrmKalmo3::closeEvent(QCloseEvent* event) {
    if (terminating_ || ConfirmExit()) {
        event->accept();
        Terminate(0);
    } else {
        event->ignore();
    }
}

void TfrmKalmo3::Podgldwydruku1Click() {
    CalcWindow* window = CurrentCalculationOr(QStringLiteral("pokazać"));
    if (!window)
        return;
    const Calc::Outcome<Report::Content> report = window->LastReport();
    if (!report) {
        const Calc::Refusal why = report.refusal();
        Messages::Warning(window, why.Message(),
                          why.caption.isEmpty() ? Messages::Caution() : why.caption);
        return;
    }
    Report::Preview(window, *report, Dane::PrintMode == Dane::PrintResultsAndCard);
}

void TfrmKalmo3::Opcje1Click() {
    if (opcje_)
        Messages::ExecModal(opcje_);
}

void TfrmKalmo3::Koniec1Click() {
    if (ConfirmExit())
        Terminate(0);
}

void TfrmKalmo3::Spistreci1Click() {
    Help::ShowContents();
}

void TfrmKalmo3::Oprogramie1Click() {
    if (oprogramie_)
        Messages::ExecModal(oprogramie_);
}

QString TfrmKalmo3::AskFileName(QWidget* opener, bool saving) {
    QString folder = LastFolder();
    if (folder.isEmpty() && !RecentFiles().isEmpty())
        folder = QFileInfo(RecentFiles().front()).absolutePath();
    for (const QString& other :
         {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()})
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = other;
    QFileDialog dialog(
        opener, saving ? QStringLiteral("Zapisz obliczenia") : QStringLiteral("Otwórz obliczenia"),
        folder, Cli::CaseFile::Filter());
    dialog.setObjectName(QStringLiteral("PlikObliczen"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("kalmo"));
    dialog.resize(760, 460); // the file list's columns in full
    if (Messages::ExecModal(&dialog, opener) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().front();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

QStringList TfrmKalmo3::RecentFiles() {
    return QSettings().value(kRecentKey).toStringList();
}

void TfrmKalmo3::RememberFile(const QString& path) {
    QStringList files = RecentFiles();
    const QString file = QFileInfo(path).absoluteFilePath();
    files.removeAll(file);
    files.prepend(file);
    QSettings().setValue(kRecentKey, files.mid(0, kRecentFiles));
}

void TfrmKalmo3::FillRecentMenu() {
    recent_->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(file).replace(QLatin1Char('&'), QLatin1String("&&"))));
        connect(item, &QAction::triggered, this, [this, file] { OpenFile(file); });
    }
    if (files.isEmpty())
        recent_->addAction(QStringLiteral("(brak)"))->setEnabled(false);
}

bool TfrmKalmo3::CalculationShownRefusesOpening() {
    CalcWindow* shown = CurrentCalculation();
    // Over the shown window, which stays on top of the main window.
    if (shown)
        Messages::Warning(shown, QStringLiteral("Zamknij okno obliczeń przed otwarciem pliku."));
    return shown != nullptr;
}

void TfrmKalmo3::Otwrzobliczenia1Click() {
    if (CalculationShownRefusesOpening())
        return;
    if (const QString path = AskFileName(this, false); !path.isEmpty())
        OpenFile(path);
}

void TfrmKalmo3::OpenFile(const QString& path) {
    if (CalculationShownRefusesOpening())
        return;
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(file) && RecentFiles().contains(file)) {
        QStringList files = RecentFiles();
        files.removeAll(file);
        QSettings().setValue(kRecentKey, files);
        Messages::Warning(this, QStringLiteral("Plik \"%1\" już nie istnieje; usunięto go z listy "
                                               "ostatnio otwieranych.")
                                    .arg(QDir::toNativeSeparators(file)));
        return;
    }
    QString error;
    const std::optional<Cli::CaseFile::Saved> saved = Cli::CaseFile::Read(path, &error);
    if (!saved) {
        Messages::Warning(this, error);
        return;
    }
    auto* window = findChild<CalcWindow*>(saved->command->formName, Qt::FindDirectChildrenOnly);
    if (!window)
        return;
    RememberFile(path);
    if (const QString message = window->OpenCase(*saved); !message.isEmpty())
        Messages::Warning(window, message);
}

void TfrmKalmo3::Zapiszobliczenia1Click() {
    CalcWindow* window = CurrentCalculationOr(QStringLiteral("zapisać"));
    if (!window)
        return;
    const std::optional<QByteArray> text = window->CaseFileText();
    if (!text)
        return;
    const QString path = AskFileName(window, true);
    if (path.isEmpty())
        return;
    if (const QString error = Cli::CaseFile::Write(path, *text); !error.isEmpty()) {
        Messages::Warning(window, error);
        return;
    }
    RememberFile(path);
}
