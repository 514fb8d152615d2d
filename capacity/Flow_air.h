#pragma once
// "Przepustowość - powietrze": the capacity of one chosen safety valve
// relieving air, in kg/h and Nm³/h, with its two-page report.

#include "app/RecordWindow.h"
#include "capacity/FlowAirCalc.h"
#include "data/Records.h"

class TfrmFlow_air : public RecordWindow<TFlowAirData> {
    Q_OBJECT
public:
    explicit TfrmFlow_air(QWidget* mainWindow);

protected:
    void Build() override;
};
