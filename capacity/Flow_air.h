#pragma once
// "Przepustowość - powietrze": the capacity of one chosen safety valve
// relieving air, in kg/h and Nm³/h, with its two-page report.

#include "capacity/CapacityWindow.h"
#include "data/Records.h"

class TfrmFlow_air : public CapacityWindowOn<TFlowAirData> {
    Q_OBJECT
public:
    explicit TfrmFlow_air(QWidget* mainWindow);

    // The overpressure changed: unlike the water window, b1 and p1 go into the
    // record at once; p1 is shown and the results emptied.
    void Edit3Change();

protected:
    void Form() override;

private:
    NumEdit* Edit8 = nullptr;  // p2 [bar gauge]
    NumEdit* Edit10 = nullptr; // t1 [°C]
};
