#pragma once
// "Dobór zaworu do wymiennika (para-woda)": the valve on the water side of a
// steam-water heat exchanger. Its inputs and last results live in
// Dane::ParaWodaData; its fields keep their own texts when it is shown again.

#include "data/Records.h"
#include "selection/ExchangerWindow.h"
#include "selection/ParaWodaSelection.h"

class TfrmPara_woda : public ExchangerWindowOn<TParaWodaData> {
    Q_OBJECT
public:
    explicit TfrmPara_woda(QWidget* mainWindow);
};
