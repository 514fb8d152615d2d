#pragma once
// "Dobór zaworu - para wodna nasycona": the first size of a valve type, at the
// chosen set pressure, whose capacity for dry saturated steam covers a required
// relieving capacity, with the saturation temperature, the latent heat and the
// largest heat power the valve relieves. Its inputs and last results live in
// Dane::DoborSteamData.

#include "data/Records.h"
#include "selection/SelectionWindow.h"

class NumEdit;

class TfrmDoborPara : public SelectionWindow {
    Q_OBJECT
public:
    explicit TfrmDoborPara(QWidget* mainWindow);

    void Button1Click() override; // "Oblicz"
    void Button4Click() override; // the report of the last selection

    // The change handlers.
    void Edit3Change();  // required capacity: "0.0" results
    void Edit1Change();  // back pressure: "0.0" results
    void Edit11Change(); // valve type: "0.0" results
    void Edit4Change();  // overpressure: "0.0" results, p1 into the record
    void Edit6Change();  // set pressure: "0.0" results, p1 into the record

    // The last successful selection, as the results and the report show it.
    const TDoborSteamData& LastSelection() const { return selection_; }

protected:
    void FormShow() override;

private:
    NumEdit* Edit3;   // required capacity mw [kg/h]
    NumEdit* Edit4;   // overpressure b1 [%]
    QLineEdit* Edit8; // relieving pressure p1 [bar gauge], read-only
    NumEdit* Edit1;   // back pressure p2 [bar gauge]
    TDoborSteamData selection_;
};
