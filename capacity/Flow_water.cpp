#include "capacity/Flow_water.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

TfrmFlow_water::TfrmFlow_water(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmFlow_water>(), Dane::FlowWaterData) {}

void TfrmFlow_water::Build() {
    RecordWindow::Build();
    using R = TFlowWaterData;
    // The focus goes from p1 to d and α, "Wybór zaworu", then the type, size,
    // set pressure and the second α, the temperature and p2.
    ChainTabOrder({FieldOf(&R::Overpressure), FieldOf(&R::RelievingPressure),
                   FieldOf(&R::FlowDiameter), FieldOf(&R::AlphaLiquid10), Button3,
                   FieldOf(&R::ValveType), FieldOf(&R::ValveSize), FieldOf(&R::SetPressure),
                   FieldOf(&R::AlphaLiquid25), FieldOf(&R::RelievingTemp),
                   FieldOf(&R::BackPressure), FieldOf(&R::Capacity), FieldOf(&R::VolumeCapacity)},
                  false);
    // Edit3Change: p1 shown, the results emptied.
    connect(FieldOf(&R::Overpressure), &QLineEdit::textChanged, this, [this] {
        ClearResults();
        RecomputeRelievingPressure();
    });
    // Edit11Change, Edit12Change, Edit5Change, Edit1Change, Edit10Change and
    // Edit9Change: every other input, typed or filled by the valve choice
    // dialog, only empties the results.
    ClearResultsWhenChanged(&R::ValveType, &R::ValveSize, &R::FlowDiameter, &R::SetPressure,
                            &R::RelievingTemp, &R::BackPressure);
}
