#include "app/Kalmo3.h"

#include "app/HelpViewer.h"
#include "app/Koniec.h"
#include "app/Messages.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "data/Dane.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

TfrmKalmo3::TfrmKalmo3(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmKalmo3"));
    setWindowTitle(QStringLiteral("   KALMO 7.0"));

    QMenuBar* bar = menuBar();
    QMenu* plik = bar->addMenu(QStringLiteral("Plik"));
    plik->setObjectName(QStringLiteral("Plik1"));
    AddItem(plik, QStringLiteral("Opcje"), QStringLiteral("Opcje1"), &TfrmKalmo3::Opcje1Click);
    AddItem(plik, QStringLiteral("&Koniec"), QStringLiteral("Koniec1"), &TfrmKalmo3::Koniec1Click);

    QMenu* flow = bar->addMenu(QStringLiteral("Przepustowość"));
    flow->setObjectName(QStringLiteral("Przepustowo1"));
    Help::SetHelpContext(AddItem(flow, QStringLiteral("Powietrze"), QStringLiteral("Powietrze1"),
                                 &TfrmKalmo3::Powietrze1Click),
                         1);
    Help::SetHelpContext(AddItem(flow, QStringLiteral("Para wodna nasycona"),
                                 QStringLiteral("Parawodna1"), &TfrmKalmo3::Parawodna1Click),
                         2);
    AddItem(flow, QStringLiteral("Woda"), QStringLiteral("Woda1"), &TfrmKalmo3::Woda1Click);

    QMenu* dobor = bar->addMenu(QStringLiteral("Dobór"));
    dobor->setObjectName(QStringLiteral("Dobr1"));
    AddItem(dobor, QStringLiteral("Para wodna nasycona"), QStringLiteral("Parawodna2"),
            &TfrmKalmo3::Parawodna2Click);
    AddItem(dobor, QStringLiteral("Moc (para)"), QStringLiteral("Moc1"), &TfrmKalmo3::Moc1Click);
    AddItem(dobor, QStringLiteral("Moc (para + woda)"), QStringLiteral("Mocparawoda1"),
            &TfrmKalmo3::Mocparawoda1Click);
    AddItem(dobor, QStringLiteral("Wymiennik woda-woda (PN-B-02414)"), QStringLiteral("Wymiennik1"),
            &TfrmKalmo3::Wymiennik1Click);
    AddItem(dobor, QStringLiteral("Wymiennik (para-woda)"), QStringLiteral("Wymiennikparalubwoda1"),
            &TfrmKalmo3::Wymiennikparalubwoda1Click);
    AddItem(dobor, QStringLiteral("Powietrze"), QStringLiteral("Powietrze2"),
            &TfrmKalmo3::Powietrze2Click);
    AddItem(dobor, QStringLiteral("Woda"), QStringLiteral("Woda2"), &TfrmKalmo3::Woda2Click);
    AddItem(dobor, QStringLiteral("Rozszerzalność cieplna wody"),
            QStringLiteral("Rozszerzalnocieplnawody1"), &TfrmKalmo3::Rozszerzalnocieplnawody1Click);

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

void TfrmKalmo3::SetWindow(Target target, QWidget* window) {
    windows_[static_cast<size_t>(target)] = window;
}

void TfrmKalmo3::UpdateCalculationMenus() {
    const auto windows = findChildren<CalcWindow*>(Qt::FindDirectChildrenOnly);
    // isHidden() is already true while a window's hide event runs.
    const bool enabled = std::none_of(windows.begin(), windows.end(),
                                      [](const CalcWindow* w) { return !w->isHidden(); });
    for (int position : {1, 2})
        TopMenu(position)->menuAction()->setEnabled(enabled);
}

void TfrmKalmo3::ShowWindow(Target target) {
    if (QWidget* window = windows_[static_cast<size_t>(target)]) {
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
