#include "selection/Dobor_mix.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QLineEdit>

TfrmDoborMix::TfrmDoborMix(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmDoborMix>(), Dane::DoborMixData) {}

void TfrmDoborMix::Build() {
    RecordWindow::Build();
    ZeroResultsOnEveryChange(FieldOf(&TDoborMixData::RequiredPower));
    FieldOf(&TDoborMixData::SteamArea)
        ->setToolTip(QStringLiteral("Suma powierzchni kanału przepływowego wyznaczonych osobno "
                                    "dla dla pary wodnej i wody"));
}
