#pragma once
// "Rozszerzalność cieplna wody": the valve of a closed water tank or
// installation that relieves the water pushed out by thermal expansion while
// it is heated. The required flow comes from the heat supplied in one hour
// (direct mode) or from the volume, the temperature rise in a heating time and
// the antifreeze additive (indirect mode), chosen in RadioGroup1. Its inputs
// and last results live in Dane::EkspansjaData; its fields keep their own
// texts when it is shown again, and its result fields may be typed into.

#include "app/RecordWindow.h"
#include "data/Records.h"
#include "selection/EkspansjaSelection.h"

class QButtonGroup;
class QSpinBox;

class TfrmEkspansja : public RecordWindow<TEkspansjaData> {
    Q_OBJECT
public:
    explicit TfrmEkspansja(QWidget* mainWindow);

    // Item 0 enables the direct mode's fields, item 1 the indirect mode's with
    // the antifreeze spin; the permissible pressure stays. The results stay.
    void RadioGroup1Click();
    // The radio group's item: EkspansjaSelection::Direct or Indirect.
    int Mode() const;

    QSpinBox* SpinEdit1 = nullptr;

protected:
    void Build() override;
    void FormShow() override {}
    void FormActivate() override;
    void BeforeRow(const Fields::Field<TEkspansjaData>& f) override;
    void ReadControls(TEkspansjaData& record) override;
    void ShownControls(TEkspansjaData& record) override;
    void WriteControls(const TEkspansjaData& record) override;
    void ShowRefused(const Calc::Refusal& refusal) override { ShowRequiredFlowOfTheWalk(refusal); }

private:
    QButtonGroup* items_ = nullptr;
};
