#include "capacity/Flow_steam.h"

#include "app/NumEdit.h"
#include "data/Convert.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// The topic "Przepustowość – para wodna nasycona", as its menu item.
constexpr int kHelpWindow = 2;
} // namespace

TfrmPara::TfrmPara(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmPara"), &Dane::SteamCapacityActive,
                       kHelpWindow, Dane::FlowSteamData) {}

void TfrmPara::Form() {
    using namespace Fields;
    Edit3 = AddInput(QStringLiteral("Edit3"), Looks::Overpressure());
    Edit4 = AddDerived(QStringLiteral("Edit4"), Looks::RelievingPressure());
    Edit8 = AddInput(QStringLiteral("Edit8"), Looks::BackPressure());
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
