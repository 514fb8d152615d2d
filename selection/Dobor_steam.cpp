#include "selection/Dobor_steam.h"

#include "app/WindowList.h"
#include "data/Dane.h"

// The set pressure may also be typed: an ordinary field, without the numeric
// key filter and without an exit check.
TfrmDoborPara::TfrmDoborPara(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmDoborPara>(), Dane::DoborSteamData, true) {}

void TfrmDoborPara::Build() {
    RecordWindow::Build();
    ZeroResultsOnEveryChange(FieldOf(&TDoborSteamData::RequiredCapacity));
}
