#include "app/Kalmo3.h"

#include "app/HelpViewer.h"
#include "app/Koniec.h"
#include "app/Messages.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "app/WindowList.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <tuple>

TfrmKalmo3::TfrmKalmo3(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmKalmo3"));
    setWindowTitle(QStringLiteral("   KALMO 7.0"));

    QMenuBar* bar = menuBar();
    QMenu* plik = bar->addMenu(QStringLiteral("Plik"));
    plik->setObjectName(QStringLiteral("Plik1"));
    plik->addSeparator();
    QAction* preview = AddItem(plik, QStringLiteral("Podgląd wydruku…"),
                               QStringLiteral("Podgldwydruku1"), &TfrmKalmo3::Podgldwydruku1Click);
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    // The calculation windows are windows of their own.
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
    CalcWindow* window = CurrentCalculation();
    if (!window) {
        Messages::Warning(this,
                          QStringLiteral("Nie otwarto okna obliczeń – nie ma czego pokazać."));
        return;
    }
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
