#include "selection/Dobor_steam.h"

#include "data/Dane.h"

// The set pressure may also be typed: an ordinary field, without the numeric
// key filter and without an exit check.
TfrmDoborPara::TfrmDoborPara(QWidget* mainWindow)
    : SelectionWindowOn(mainWindow, QStringLiteral("frmDoborPara"), &Dane::SteamSelectionActive, 11,
                        Dane::DoborSteamData, true) {}

void TfrmDoborPara::Build() {
    SelectionWindowOn::Build();
    ZeroResultsOnEveryChange(FieldOf(&TDoborSteamData::RequiredCapacity));
}
