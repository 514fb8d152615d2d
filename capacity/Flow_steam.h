#pragma once
// "Przepustowość - para wodna nasycona": the capacity of one chosen safety
// valve relieving dry saturated steam, in kg/h and m³/h, and the largest heat
// power it can relieve, with its report.

#include "capacity/CapacityWindow.h"
#include "data/Records.h"

class TfrmPara : public CapacityWindowOn<TFlowSteamData> {
    Q_OBJECT
public:
    explicit TfrmPara(QWidget* mainWindow);

    // The overpressure changed: p1 from the set pressure and b1, results emptied.
    void Edit3Change();

protected:
    void Form() override;

private:
    NumEdit* Edit8 = nullptr;    // p2 [bar gauge]
    QLineEdit* Edit10 = nullptr; // N [kW]; keeps its value until the next "Oblicz"
};
