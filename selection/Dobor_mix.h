#pragma once
// "Dobór zaworu - moc cieplna (para + woda)": the first size of a valve type, at
// the chosen set pressure, whose flow area covers the areas that the steam part
// and the water part of a relieved mixture need. Its inputs and last results
// live in Dane::DoborMixData.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/MixSelection.h"

class TfrmDoborMix : public RecordWindow<TDoborMixData> {
    Q_OBJECT
public:
    explicit TfrmDoborMix(QWidget* mainWindow);

protected:
    void Build() override;
};
