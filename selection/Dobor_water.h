#pragma once
// "Dobór zaworu - woda": the first size of a valve type, at the chosen set
// pressure, whose water capacity covers a required relieving capacity. Its
// inputs and last results live in Dane::DoborWaterData.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/WaterSelection.h"

class TfrmDoborWater : public RecordWindow<TDoborWaterData> {
    Q_OBJECT
public:
    explicit TfrmDoborWater(QWidget* mainWindow);

    // The change handlers.
    void Edit4Change();  // overpressure: empties the results, p1 into the record
    void Edit6Change();  // set pressure: p1 into the record, "0.0" results
    void Edit11Change(); // valve type: "0.0" results

protected:
    void Build() override;
};
