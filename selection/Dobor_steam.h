#pragma once
// "Dobór zaworu - para wodna nasycona": the first size of a valve type, at the
// chosen set pressure, whose capacity for dry saturated steam covers a required
// relieving capacity, with the saturation temperature, the latent heat and the
// largest heat power the valve relieves. Its inputs and last results live in
// Dane::DoborSteamData.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/SteamSelection.h"

class TfrmDoborPara : public RecordWindow<TDoborSteamData> {
    Q_OBJECT
public:
    explicit TfrmDoborPara(QWidget* mainWindow);

protected:
    void Build() override;
};
