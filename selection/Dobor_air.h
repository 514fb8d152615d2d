#pragma once
// "Dobór zaworu - powietrze": the first size of a valve type, at the chosen set
// pressure, whose air capacity covers a requirement given as a compressor's
// output or as a required capacity. Its inputs and last results live in
// Dane::DoborAirData; the mode is the radio group's item.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/AirSelection.h"

class QButtonGroup;

class TfrmDoborAir : public RecordWindow<TDoborAirData> {
    Q_OBJECT
public:
    explicit TfrmDoborAir(QWidget* mainWindow);

    void RadioGroup1Click(); // enables the requirement field of the mode
    void Edit9Change();      // the compressor output also as kg/h in Edit3

    // The radio group's item: 0 = compressor output, 1 = required capacity.
    int Mode() const;

protected:
    void Build() override;
    void FormActivate() override;
    void ReadControls(TDoborAirData& record) override;
    void WriteControls(const TDoborAirData& record) override;

private:
    QButtonGroup* items_ = nullptr;
};
