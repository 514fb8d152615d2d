#pragma once
// "Dobór zaworu - woda": the first size of a valve type, at the chosen set
// pressure, whose water capacity covers a required relieving capacity. Its
// inputs and last results live in Dane::DoborWaterData.

#include "data/Records.h"
#include "selection/SelectionWindow.h"

class NumEdit;

class TfrmDoborWater : public SelectionWindow {
    Q_OBJECT
public:
    explicit TfrmDoborWater(QWidget* mainWindow);

    void Button1Click() override; // "Oblicz"
    void Button4Click() override; // the report of the last selection

    // The change handlers.
    void Edit3Change();  // required capacity: empties the results
    void Edit4Change();  // overpressure: empties the results, p1 into the record
    void Edit6Change();  // set pressure: p1 into the record, "0.0" results
    void Edit11Change(); // valve type: "0.0" results

    // The last successful selection, as the results and the report show it.
    const TDoborWaterData& LastSelection() const { return selection_; }

protected:
    void FormShow() override;

private:
    NumEdit* Edit3; // required capacity mw [kg/h]
    NumEdit* Edit4; // overpressure b1 [%]
    NumEdit* Edit8; // relieving pressure p1 [bar gauge], read-only
    NumEdit* Edit5; // relieving temperature t1 [°C]
    NumEdit* Edit1; // back pressure p2 [bar gauge]
    TDoborWaterData selection_;
};
