#pragma once
// "Dobór zaworu - moc cieplna (para wodna)": the first size of a valve type, at
// the chosen set pressure, whose saturated-steam capacity carries away a
// required heat power. Its inputs and last results live in Dane::MocData.

#include "data/Records.h"
#include "selection/PowerSelection.h"
#include "selection/SelectionWindow.h"

class TfrmMoc : public SelectionWindowOn<TMocData> {
    Q_OBJECT
public:
    explicit TfrmMoc(QWidget* mainWindow);

protected:
    void Build() override;
};
