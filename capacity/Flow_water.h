#pragma once
// "Przepustowość - woda": the capacity of one chosen safety valve relieving
// water, in kg/h and m³/h, with its one-page report.

#include "app/RecordWindow.h"
#include "capacity/FlowWaterCalc.h"
#include "data/Records.h"

class TfrmFlow_water : public RecordWindow<TFlowWaterData> {
    Q_OBJECT
public:
    explicit TfrmFlow_water(QWidget* mainWindow);

protected:
    void Build() override;
};
