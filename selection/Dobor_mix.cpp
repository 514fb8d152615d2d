#include "selection/Dobor_mix.h"

#include "data/Dane.h"

#include <QLineEdit>

TfrmDoborMix::TfrmDoborMix(QWidget* mainWindow)
    : SelectionWindowOn(mainWindow, QStringLiteral("frmDoborMix"), &Dane::MixSelectionActive, 12,
                        Dane::DoborMixData) {}

void TfrmDoborMix::Build() {
    SelectionWindowOn::Build();
    ZeroResultsOnEveryChange(FieldOf(&TDoborMixData::RequiredPower));
    FieldOf(&TDoborMixData::SteamArea)
        ->setToolTip(QStringLiteral("Suma powierzchni kanału przepływowego wyznaczonych osobno "
                                    "dla dla pary wodnej i wody"));
}
