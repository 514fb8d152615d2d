#include "selection/Wymiennik.h"

#include "data/Dane.h"

TfrmWymiennik::TfrmWymiennik(QWidget* mainWindow)
    : ExchangerWindowOn(mainWindow, QStringLiteral("frmWymiennik"), &Dane::ExchangerSelectionActive,
                        Dane::WymiennikData) {}

void TfrmWymiennik::Build() {
    ExchangerWindowOn::Build();
    FieldOf("NetworkWaterTemp")
        ->setToolTip(QStringLiteral("Temperatura obliczeniowa wody sieciowej"));
}
