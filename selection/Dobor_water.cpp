#include "selection/Dobor_water.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>

TfrmDoborWater::TfrmDoborWater(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmDoborWater>(), Dane::DoborWaterData) {}

void TfrmDoborWater::Build() {
    RecordWindow::Build();
    // Edit3Change, Edit8Change, Edit5Change, Edit1Change: the required capacity,
    // the relieving pressure and temperature and the back pressure change
    // nothing but the results.
    for (auto key : {&TDoborWaterData::RequiredCapacity, &TDoborWaterData::RelievingPressure,
                     &TDoborWaterData::RelievingTemp, &TDoborWaterData::BackPressure})
        connect(FieldOf(key), &QLineEdit::textChanged, this, [this] { ClearResults(); });
    connect(FieldOf(&TDoborWaterData::Overpressure), &QLineEdit::textChanged, this,
            &TfrmDoborWater::Edit4Change);
    connect(setPressureField_, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit6Change);
    connect(typeField_, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit11Change);
}

void TfrmDoborWater::Edit4Change() {
    ClearResults();
    RecomputeRelievingPressure();
}

void TfrmDoborWater::Edit6Change() {
    RecomputeRelievingPressure();
    // After the new p1, whose change empties the results: a new set pressure
    // shows no size and "0.0" for d and the capacity.
    ZeroResults();
}

void TfrmDoborWater::Edit11Change() {
    // A new valve type means the results shown are no longer of this type.
    ZeroResults();
}
