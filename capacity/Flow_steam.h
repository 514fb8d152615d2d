#pragma once
// "Przepustowość - para wodna nasycona": the capacity of one chosen safety
// valve relieving dry saturated steam, in kg/h and m³/h, and the largest heat
// power it can relieve, with its report.

#include "app/RecordWindow.h"
#include "capacity/FlowSteamCalc.h"
#include "data/Records.h"

class TfrmPara : public RecordWindow<TFlowSteamData> {
    Q_OBJECT
public:
    explicit TfrmPara(QWidget* mainWindow);

protected:
    void Build() override;
};
