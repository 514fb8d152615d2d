#pragma once
// "Dobór zaworu do wymiennika wg PN-B-02414:1999": the valve on the
// installation side of a water-water heat exchanger. Its inputs and last
// results live in Dane::WymiennikData; when shown it refills only the network
// water temperature.

#include "data/Records.h"
#include "selection/ExchangerWindow.h"
#include "selection/WymiennikSelection.h"

class TfrmWymiennik : public ExchangerWindowOn<TWymiennikData> {
    Q_OBJECT
public:
    explicit TfrmWymiennik(QWidget* mainWindow);

protected:
    void Build() override;
};
