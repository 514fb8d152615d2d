#include "capacity/Flow_water.h"

#include "app/NumEdit.h"
#include "data/Convert.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kHelpWindow = 9;
} // namespace

TfrmFlow_water::TfrmFlow_water(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmFlow_water"), &Dane::WaterCapacityActive,
                       kHelpWindow, Dane::FlowWaterData) {}

void TfrmFlow_water::Form() {
    using namespace Fields;
    Edit3 = AddInput(QStringLiteral("Edit3"), Looks::Overpressure());
    Edit4 = AddDerived(QStringLiteral("Edit4"), Looks::RelievingPressure());
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
    Edit10 = AddInput(QStringLiteral("Edit10"), Looks::WaterTemperature());
    Edit9 = AddInput(QStringLiteral("Edit9"), Looks::BackPressure());
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
