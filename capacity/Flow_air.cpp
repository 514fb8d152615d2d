#include "capacity/Flow_air.h"

#include "app/Convert.h"
#include "app/NumEdit.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kHelpWindow = 7;
} // namespace

TfrmFlow_air::TfrmFlow_air(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmFlow_air"),
                       QStringLiteral("   Przepustowość - powietrze "), &Dane::AirCapacityActive,
                       kHelpWindow, Dane::FlowAirData) {
    using namespace Capacity;
    Edit3 = AddInput(QStringLiteral("Edit3"), QStringLiteral("Przyrost ciśnienia :"),
                     QStringLiteral("[%]"), InvalidOverpressureMessage(), 14,
                     QStringLiteral("Procentowy wzrost nadciśnienia początku otwarcia b1"));
    Edit4 = AddDerived(
        QStringLiteral("Edit4"), QStringLiteral("Ciśnienie zrzutowe :"), QStringLiteral("[bar]"), 4,
        QStringLiteral("Ciśnienie zrzutowe - ciśnienie nastawy powiększone o przyrost ciśnienia"));
    // No range here: a temperature outside the air tables is refused by "Oblicz".
    Edit10 = AddInput(QStringLiteral("Edit10"), QStringLiteral("Temperatura zrzutowa :"),
                      QStringLiteral("[°C]"), InvalidTemperatureMessage(), 24,
                      QStringLiteral("Temperatura zrzutowa t1 (przy ciśnieniu p1)"));
    Edit8 = AddInput(QStringLiteral("Edit8"), QStringLiteral("Ciśnienie odpływowe :"),
                     QStringLiteral("[bar]"), InvalidBackPressureMessage(), 5,
                     QStringLiteral("Nadciśnienie w króćcu odpływowym zaworu - przy wypływie do "
                                    "atmosfery jest równe 0"));
    AddValveGroup();
    Edit11 = AddValveText(QStringLiteral("Edit11"), QStringLiteral("Typ:"), TypeWidth);
    Edit12 = AddValveText(QStringLiteral("Edit12"), QStringLiteral("Wielkość:"), SizeWidth,
                          QStringLiteral("Średnica nominalna zaworu"));
    Edit5 = AddValveField(QStringLiteral("Edit5"), QStringLiteral("d :"), QStringLiteral("[mm]"),
                          QStringLiteral("Najmniejsza średnica kanału przepływowego"));
    Edit1 = AddValveField(QStringLiteral("Edit1"), QStringLiteral("Ciśnienie nastawy :"),
                          QStringLiteral("[bar]"));
    Edit6 = AddValveField(QStringLiteral("Edit6"), QStringLiteral("α :"), QString(),
                          QStringLiteral("Dopuszczona wartość współczynnika wypływu dla par i "
                                         "gazów"));
    Edit2 = AddResult(QStringLiteral("Edit2"), QStringLiteral("Przepustowość:"),
                      QStringLiteral("[kg/h]"));
    Edit7 = AddResult(QStringLiteral("Edit7"), QString(), QStringLiteral("[Nm³/h]"));
    SetResultFields({Edit2, Edit7});
    FinishForm(
        {Edit3, Edit4, Edit10, Edit8, Edit11, Edit12, Edit5, Edit1, Edit6, Button3, Edit2, Edit7});

    connect(Edit3, &QLineEdit::textChanged, this, &TfrmFlow_air::Edit3Change);
    // Edit5Change, Edit11Change, Edit12Change, Edit10Change and Edit8Change
    // empty the results; Edit1, Edit4 and Edit6 have no change handler.
    for (QLineEdit* input : std::initializer_list<QLineEdit*>{Edit5, Edit11, Edit12, Edit10, Edit8})
        connect(input, &QLineEdit::textChanged, this, [this] { ClearResults(); });
}

void TfrmFlow_air::Edit3Change() {
    ClearResults();
    TFlowAirData& d = record_;
    TakeValue(Edit1->text(), d.RelievingPressure);
    TakeValue(Edit3->text(), d.Overpressure);
    d.RelievingPressure = (d.Overpressure / 100 + 1) * d.RelievingPressure;
    ShowRelievingPressure(d.RelievingPressure);
}

void TfrmFlow_air::FormShow() {
    // Filling Edit3 runs Edit3Change, which writes p1 into the record from the
    // set pressure the field still shows (perhaps a valve chosen but never
    // computed): the fields come from the record as it was, and it stays so.
    const TFlowAirData d = record_;
    // Inputs first: each change empties the results, which come last.
    Edit3->setText(Restored(d.Overpressure, 1));
    Edit10->setText(Restored(d.RelievingTemp, 1));
    Edit4->setText(Restored(d.RelievingPressure, 2));
    Edit8->setText(Restored(d.BackPressure, 2));
    Edit11->setText(d.ValveType);
    Edit12->setText(d.ValveSize);
    Edit5->setText(Restored(d.FlowDiameter, 2));
    Edit1->setText(Restored(d.SetPressure, 2));
    Edit6->setText(Restored(d.AlphaGas, 2));
    Edit2->setText(Restored(d.Capacity, 2));
    Edit7->setText(Restored(d.VolumeCapacity, 2));
    record_ = d;
}

void TfrmFlow_air::ReadFields() {
    TFlowAirData& d = record_;
    TakeValue(Edit4->text(), d.RelievingPressure);
    TakeValue(Edit10->text(), d.RelievingTemp);
    TakeValue(Edit5->text(), d.FlowDiameter);
    TakeValue(Edit6->text(), d.AlphaGas);
    TakeValue(Edit3->text(), d.Overpressure);
    TakeValue(Edit8->text(), d.BackPressure);
    TakeValue(Edit1->text(), d.SetPressure);
    d.ValveType = Edit11->text();
    d.ValveSize = Edit12->text();
}

void TfrmFlow_air::ShowResults() {
    Edit2->setText(Convert::ResultText(record_.Capacity));
    Edit7->setText(Convert::ResultText(record_.VolumeCapacity));
}
