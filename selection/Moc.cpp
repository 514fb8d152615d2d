#include "selection/Moc.h"

#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

// The window itself has no help context number.
TfrmMoc::TfrmMoc(QWidget* mainWindow)
    : SelectionWindowOn(mainWindow, QStringLiteral("frmMoc"), &Dane::PowerSelectionActive, 0,
                        Dane::MocData) {}

void TfrmMoc::Build() {
    SelectionWindowOn::Build();
    ZeroResultsOnEveryChange(FieldOf("RequiredPower"));
    // In this window the read-only fields keep their tab stops, and the focus
    // passes through the valve type group between b1 and p1.
    for (QLineEdit* field : {typeField_, setPressureField_, FieldOf("ValveSize"),
                             FieldOf("FlowDiameter"), FieldOf("HeatPower")})
        field->setFocusPolicy(Qt::StrongFocus);
    ChainTabOrder({FieldOf("RequiredPower"), FieldOf("Overpressure"), typeField_, setPressureField_,
                   Button3, FieldOf("RelievingPressure"), FieldOf("BackPressure"),
                   FieldOf("ValveSize"), FieldOf("FlowDiameter"), FieldOf("HeatPower")},
                  false);
}
