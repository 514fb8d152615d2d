#pragma once
// "Przepustowość - woda": the capacity of one chosen safety valve relieving
// water, in kg/h and m³/h, with its one-page report.

#include "capacity/CapacityWindow.h"
#include "data/Records.h"

class TfrmFlow_water : public CapacityWindowOn<TFlowWaterData> {
    Q_OBJECT
public:
    explicit TfrmFlow_water(QWidget* mainWindow);

    // The overpressure changed: p1 from the set pressure and b1 through the
    // shared scratch values; the record is not touched.
    void Edit3Change();

protected:
    void Form() override;

private:
    QLineEdit* Edit8 = nullptr; // αc certified at 25 % overpressure
    NumEdit* Edit9 = nullptr;   // p2 [bar gauge]
    NumEdit* Edit10 = nullptr;  // t1 [°C]
};
