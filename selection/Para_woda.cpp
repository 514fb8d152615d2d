#include "selection/Para_woda.h"

#include "data/Dane.h"

TfrmPara_woda::TfrmPara_woda(QWidget* mainWindow)
    : ExchangerWindowOn(mainWindow, QStringLiteral("frmPara_woda"),
                        &Dane::SteamWaterSelectionActive, Dane::ParaWodaData) {
    SetGroupTitles(GroupTitles::Framed());
}
