#include "capacity/Flow_steam.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>

TfrmPara::TfrmPara(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmPara>(), Dane::FlowSteamData) {}

void TfrmPara::Build() {
    RecordWindow::Build();
    using R = TFlowSteamData;
    // Edit3Change: p1 from the set pressure and b1, the results emptied.
    connect(FieldOf(&R::Overpressure), &QLineEdit::textChanged, this, [this] {
        RecomputeRelievingPressure();
        ClearResults();
    });
    // Edit8Change, and the fields the valve choice dialog fills: a new valve
    // must not stand beside the capacity of the previous one.
    ClearResultsWhenChanged(&R::BackPressure, &R::ValveType, &R::ValveSize, &R::FlowDiameter,
                            &R::SetPressure, &R::AlphaGas);
}
