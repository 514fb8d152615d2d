#include "selection/Para_woda.h"

#include "app/WindowList.h"
#include "data/Dane.h"

TfrmPara_woda::TfrmPara_woda(QWidget* mainWindow)
    : ExchangerWindowOn(mainWindow, WindowList::Of<TfrmPara_woda>(), Dane::ParaWodaData) {
    SetGroupTitles(GroupTitles::Framed());
}
