#include "capacity/Flow_air.h"

#include "app/NumEdit.h"
#include "data/Convert.h"
#include "data/Dane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kHelpWindow = 7;
} // namespace

TfrmFlow_air::TfrmFlow_air(QWidget* mainWindow)
    : CapacityWindowOn(mainWindow, QStringLiteral("frmFlow_air"), &Dane::AirCapacityActive,
                       kHelpWindow, Dane::FlowAirData) {}

void TfrmFlow_air::Form() {
    using namespace Fields;
    Edit3 = AddInput(QStringLiteral("Edit3"), Looks::Overpressure(),
                     QStringLiteral("Procentowy wzrost nadciśnienia początku otwarcia b1"));
    Edit4 = AddDerived(
        QStringLiteral("Edit4"), Looks::RelievingPressure(),
        QStringLiteral("Ciśnienie zrzutowe - ciśnienie nastawy powiększone o przyrost ciśnienia"));
    // No range here: a temperature outside the air tables is refused by "Oblicz".
    Edit10 = AddInput(QStringLiteral("Edit10"), Looks::GasTemperature(),
                      QStringLiteral("Temperatura zrzutowa t1 (przy ciśnieniu p1)"));
    Edit8 = AddInput(QStringLiteral("Edit8"), Looks::BackPressure(),
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

// The new p1 is shown only; the record takes b1 and p1 in "Oblicz".
void TfrmFlow_air::Edit3Change() {
    ClearResults();
    ShowRelievingPressure(ScratchRelievingPressure(Edit1->text(), Edit3->text()));
}
