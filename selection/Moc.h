#pragma once
// "Dobór zaworu - moc cieplna (para wodna)": the first size of a valve type, at
// the chosen set pressure, whose saturated-steam capacity carries away a
// required heat power. Its inputs and last results live in Dane::MocData.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/PowerSelection.h"

class TfrmMoc : public RecordWindow<TMocData> {
    Q_OBJECT
public:
    explicit TfrmMoc(QWidget* mainWindow);

protected:
    void Build() override;
};
