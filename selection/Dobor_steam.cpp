#include "selection/Dobor_steam.h"

#include "data/Dane.h"

#include <QLineEdit>

// The set pressure may also be typed: an ordinary field, without the numeric
// key filter and without an exit check.
TfrmDoborPara::TfrmDoborPara(QWidget* mainWindow)
    : SelectionWindowOn(mainWindow, QStringLiteral("frmDoborPara"), &Dane::SteamSelectionActive, 11,
                        Dane::DoborSteamData, true) {}

void TfrmDoborPara::Build() {
    SelectionWindowOn::Build();
    // Edit3Change, Edit1Change, Edit11Change: a new requirement, back pressure
    // or valve type shows "0.0" results.
    for (QLineEdit* field : {FieldOf("RequiredCapacity"), FieldOf("BackPressure"), typeField_})
        connect(field, &QLineEdit::textChanged, this, [this] { ZeroResults(); });
    connect(FieldOf("Overpressure"), &QLineEdit::textChanged, this, &TfrmDoborPara::Edit4Change);
    connect(setPressureField_, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit6Change);
}

void TfrmDoborPara::Edit4Change() {
    ZeroResults();
    RecomputeRelievingPressure(FieldOf("RelievingPressure"));
}

void TfrmDoborPara::Edit6Change() {
    ZeroResults();
    RecomputeRelievingPressure(FieldOf("RelievingPressure"));
}
