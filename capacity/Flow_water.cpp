#include "capacity/Flow_water.h"

#include "app/Convert.h"
#include "app/NumEdit.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kHelpWindow = 9;
} // namespace

TfrmFlow_water::TfrmFlow_water(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmFlow_water"),
                       QStringLiteral("   Przepustowość - woda"), &Dane::WaterCapacityActive,
                       kHelpWindow, Dane::FlowWaterData) {
    using namespace Capacity;
    Edit3 = AddInput(QStringLiteral("Edit3"), QStringLiteral("Przyrost ciśnienia :"),
                     QStringLiteral("[%]"), InvalidOverpressureMessage(), 14);
    Edit4 = AddDerived(QStringLiteral("Edit4"), QStringLiteral("Ciśnienie zrzutowe :"),
                       QStringLiteral("[bar]"), 4);
    AddValveGroup();
    Edit11 = AddValveText(QStringLiteral("Edit11"), QStringLiteral("Typ :"), TypeWidth);
    Edit12 = AddValveText(QStringLiteral("Edit12"), QStringLiteral("Wielkość :"), SizeWidth);
    Edit5 = AddValveField(QStringLiteral("Edit5"), QStringLiteral("d :"), QStringLiteral("[mm]"));
    Edit1 = AddValveField(QStringLiteral("Edit1"), QStringLiteral("Ciśnienie nastawy :"),
                          QStringLiteral("[bar]"));
    Edit6 =
        AddValveField(QStringLiteral("Edit6"), QStringLiteral("α<sub>c</sub> (10%) :"), QString());
    Edit8 =
        AddValveField(QStringLiteral("Edit8"), QStringLiteral("α<sub>c</sub> (25%) :"), QString());
    alphaLiquid25_ = Edit8;
    Edit10 = AddInput(
        QStringLiteral("Edit10"), QStringLiteral("Temperatura zrzutowa :"), QStringLiteral("[°C]"),
        InvalidTemperatureMessage(), 24, QString(),
        Range{WaterLowestTemperature, WaterHighestTemperature, WaterTemperatureRangeMessage()});
    Edit9 = AddInput(QStringLiteral("Edit9"), QStringLiteral("Ciśnienie odpływowe :"),
                     QStringLiteral("[bar]"), InvalidBackPressureMessage(), 5);
    Edit2 = AddResult(QStringLiteral("Edit2"), QStringLiteral("Przepustowość:"),
                      QStringLiteral("[kg/h]"));
    Edit7 = AddResult(QStringLiteral("Edit7"), QString(), QStringLiteral("[m³/h]"));
    SetResultFields({Edit2, Edit7});
    FinishForm({Edit3, Edit4, Edit5, Edit6, Button3, Edit11, Edit12, Edit1, Edit8, Edit10, Edit9,
                Edit2, Edit7});

    connect(Edit3, &QLineEdit::textChanged, this, &TfrmFlow_water::Edit3Change);
    // Edit11Change, Edit12Change, Edit5Change, Edit1Change, Edit10Change and
    // Edit9Change: every other input, typed or filled by the valve choice
    // dialog, only empties the results.
    for (QLineEdit* input :
         std::initializer_list<QLineEdit*>{Edit11, Edit12, Edit5, Edit1, Edit10, Edit9})
        connect(input, &QLineEdit::textChanged, this, [this] { ClearResults(); });
}

void TfrmFlow_water::Edit3Change() {
    ClearResults();
    ShowRelievingPressure(ScratchRelievingPressure(Edit1->text(), Edit3->text()));
}

void TfrmFlow_water::FormShow() {
    const TFlowWaterData& d = record_;
    // Inputs first: each change empties the results, which come last.
    Edit3->setText(Restored(d.Overpressure, 1));
    Edit10->setText(Restored(d.RelievingTemp, 1));
    Edit4->setText(Restored(d.RelievingPressure, 2));
    Edit9->setText(Restored(d.BackPressure, 2));
    Edit11->setText(d.ValveType);
    Edit12->setText(d.ValveSize);
    Edit5->setText(Restored(d.FlowDiameter, 2));
    Edit1->setText(Restored(d.SetPressure, 2));
    Edit6->setText(Restored(d.AlphaLiquid10, 2));
    Edit8->setText(Restored(d.AlphaLiquid25, 2));
    Edit2->setText(Restored(d.Capacity, 1));
    Edit7->setText(Restored(d.VolumeCapacity, 2));
}

void TfrmFlow_water::ReadFields() {
    TFlowWaterData& d = record_;
    TakeValue(Edit4->text(), d.RelievingPressure);
    TakeValue(Edit9->text(), d.BackPressure);
    TakeValue(Edit10->text(), d.RelievingTemp);
    TakeValue(Edit5->text(), d.FlowDiameter);
    TakeValue(Edit6->text(), d.AlphaLiquid10);
    TakeValue(Edit8->text(), d.AlphaLiquid25);
    TakeValue(Edit3->text(), d.Overpressure);
    TakeValue(Edit1->text(), d.SetPressure);
    d.ValveType = Edit11->text();
    d.ValveSize = Edit12->text();
}

void TfrmFlow_water::ShowResults() {
    Edit2->setText(Convert::ResultText(record_.Capacity));
    Edit7->setText(Convert::ResultText(record_.VolumeCapacity));
}
