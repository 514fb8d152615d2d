#include "capacity/Flow_air.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>

TfrmFlow_air::TfrmFlow_air(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmFlow_air>(), Dane::FlowAirData) {}

void TfrmFlow_air::Build() {
    RecordWindow::Build();
    using R = TFlowAirData;
    // Edit3Change: the new p1 is shown only; the record takes b1 and p1 in "Oblicz".
    connect(FieldOf(&R::Overpressure), &QLineEdit::textChanged, this, [this] {
        ClearResults();
        RecomputeRelievingPressure();
    });
    // Edit5Change, Edit11Change, Edit12Change, Edit10Change and Edit8Change
    // empty the results; Edit1, Edit4 and Edit6 have no change handler.
    ClearResultsWhenChanged(&R::FlowDiameter, &R::ValveType, &R::ValveSize, &R::RelievingTemp,
                            &R::BackPressure);
}
