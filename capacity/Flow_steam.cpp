#include "capacity/Flow_steam.h"

#include "app/Convert.h"
#include "app/NumEdit.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// The topic "Przepustowość – para wodna nasycona", as its menu item.
constexpr int kHelpWindow = 2;
} // namespace

TfrmPara::TfrmPara(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmPara"),
                       QStringLiteral("   Przepustowość - para wodna nasycona"),
                       &Dane::SteamCapacityActive, kHelpWindow, Dane::FlowSteamData) {
    using namespace Capacity;
    Edit3 = AddInput(QStringLiteral("Edit3"), QStringLiteral("Przyrost ciśnienia :"),
                     QStringLiteral("[%]"), InvalidOverpressureMessage(), 14);
    Edit4 = AddDerived(QStringLiteral("Edit4"), QStringLiteral("Ciśnienie zrzutowe :"),
                       QStringLiteral("[bar]"), 4);
    Edit8 = AddInput(QStringLiteral("Edit8"), QStringLiteral("Ciśnienie odpływowe :"),
                     QStringLiteral("[bar]"), InvalidBackPressureMessage(), 5);
    AddValveGroup();
    Edit11 = AddValveText(QStringLiteral("Edit11"), QStringLiteral("Typ:"), TypeWidth);
    Edit12 = AddValveText(QStringLiteral("Edit12"), QStringLiteral("Wielkość:"), SizeWidth);
    Edit5 = AddValveField(QStringLiteral("Edit5"), QStringLiteral("d :"), QStringLiteral("[mm]"));
    Edit1 = AddValveField(QStringLiteral("Edit1"), QStringLiteral("Ciśnienie nastawy :"),
                          QStringLiteral("[bar]"));
    Edit6 = AddValveField(QStringLiteral("Edit6"), QStringLiteral("α :"), QString());
    Edit2 = AddResult(QStringLiteral("Edit2"), QStringLiteral("Przepustowość:"),
                      QStringLiteral("[kg/h]"));
    Edit7 = AddResult(QStringLiteral("Edit7"), QString(), QStringLiteral("[m³/h]"));
    Edit10 = AddResult(QStringLiteral("Edit10"), QStringLiteral("Moc:"), QStringLiteral("[kW]"));
    // The power stays until the next "Oblicz".
    SetResultFields({Edit2, Edit7});
    FinishForm(
        {Edit3, Edit4, Edit8, Edit11, Edit12, Edit5, Edit1, Edit6, Button3, Edit2, Edit7, Edit10});

    connect(Edit3, &QLineEdit::textChanged, this, &TfrmPara::Edit3Change);
    // Edit8Change, and the fields the valve choice dialog fills: a new valve
    // must not stand beside the capacity of the previous one.
    for (QLineEdit* input :
         std::initializer_list<QLineEdit*>{Edit8, Edit11, Edit12, Edit5, Edit1, Edit6})
        connect(input, &QLineEdit::textChanged, this, [this] { ClearResults(); });
}

void TfrmPara::Edit3Change() {
    ShowRelievingPressure(ScratchRelievingPressure(Edit1->text(), Edit3->text()));
    ClearResults();
}

void TfrmPara::FormShow() {
    const TFlowSteamData& d = record_;
    // Inputs first: each change empties the results, which come last.
    Edit3->setText(Restored(d.Overpressure, 1));
    Edit4->setText(Restored(d.RelievingPressure, 2));
    Edit8->setText(Restored(d.BackPressure, 2));
    Edit5->setText(Restored(d.FlowDiameter, 2));
    Edit1->setText(Restored(d.SetPressure, 2));
    Edit6->setText(Restored(d.AlphaGas, 2));
    Edit11->setText(d.ValveType);
    Edit12->setText(d.ValveSize);
    Edit2->setText(Restored(d.Capacity, 1));
    Edit7->setText(Restored(d.VolumeCapacity, 2));
    Edit10->setText(Restored(d.HeatPower, 1));
}

void TfrmPara::ReadFields() {
    TFlowSteamData& d = record_;
    TakeValue(Edit4->text(), d.RelievingPressure);
    TakeValue(Edit5->text(), d.FlowDiameter);
    TakeValue(Edit6->text(), d.AlphaGas);
    TakeValue(Edit3->text(), d.Overpressure);
    TakeValue(Edit8->text(), d.BackPressure);
    TakeValue(Edit1->text(), d.SetPressure);
    d.ValveType = Edit11->text();
    d.ValveSize = Edit12->text();
}

void TfrmPara::ShowResults() {
    Edit2->setText(Convert::ResultText(record_.Capacity));
    Edit10->setText(Convert::ResultText(record_.HeatPower));
    Edit7->setText(Convert::ResultText(record_.VolumeCapacity));
}
