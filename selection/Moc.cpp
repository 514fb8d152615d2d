#include "selection/Moc.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

// The window itself has no help context number.
TfrmMoc::TfrmMoc(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmMoc>(), Dane::MocData) {}

void TfrmMoc::Build() {
    RecordWindow::Build();
    ZeroResultsOnEveryChange(FieldOf(&TMocData::RequiredPower));
    // In this window the read-only fields keep their tab stops, and the focus
    // passes through the valve type group between b1 and p1.
    for (QLineEdit* field : {typeField_, setPressureField_, FieldOf(&TMocData::ValveSize),
                             FieldOf(&TMocData::FlowDiameter), FieldOf(&TMocData::HeatPower)})
        field->setFocusPolicy(Qt::StrongFocus);
    ChainTabOrder({FieldOf(&TMocData::RequiredPower), FieldOf(&TMocData::Overpressure), typeField_,
                   setPressureField_, Button3, FieldOf(&TMocData::RelievingPressure),
                   FieldOf(&TMocData::BackPressure), FieldOf(&TMocData::ValveSize),
                   FieldOf(&TMocData::FlowDiameter), FieldOf(&TMocData::HeatPower)},
                  false);
}
