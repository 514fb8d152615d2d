#include "selection/Wymiennik.h"

#include "app/WindowList.h"
#include "data/Dane.h"

TfrmWymiennik::TfrmWymiennik(QWidget* mainWindow)
    : ExchangerWindowOn(mainWindow, WindowList::Of<TfrmWymiennik>(), Dane::WymiennikData) {
    // " Dane " and " Wyniki obliczeń " between blanks, the inner groups without.
    GroupTitles titles;
    titles.data = GroupTitles::Framed().data;
    titles.results = GroupTitles::Framed().results;
    SetGroupTitles(titles);
}

void TfrmWymiennik::Build() {
    ExchangerWindowOn::Build();
    FieldOf(&TWymiennikData::NetworkWaterTemp)
        ->setToolTip(QStringLiteral("Temperatura obliczeniowa wody sieciowej"));
}
