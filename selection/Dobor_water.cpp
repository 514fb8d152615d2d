#include "selection/Dobor_water.h"

#include "app/Convert.h"
#include "app/HelpViewer.h"
#include "app/NumEdit.h"
#include "data/Dane.h"
#include "selection/WaterSelection.h"

#include <QLineEdit>
#include <QPushButton>

using Convert::FixedText;

TfrmDoborWater::TfrmDoborWater(QWidget* mainWindow)
    : SelectionWindow(mainWindow, QStringLiteral("frmDoborWater"),
                      QStringLiteral("   Dobór zaworu - woda"), &Dane::WaterSelectionActive, 26) {
    Edit3 = AddNumericField(QStringLiteral("Edit3"),
                            QStringLiteral("Niepoprawna wartość wymaganej przepustowości!"));
    Edit4 = AddNumericField(QStringLiteral("Edit4"),
                            QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!"));
    Edit8 = new NumEdit(QStringLiteral("Edit8"), this);
    Edit8->setReadOnly(true);
    Edit5 = AddNumericField(
        QStringLiteral("Edit5"), QStringLiteral("Niepoprawna wartość temperatury zrzutowej!"),
        Range{0.1, 149.9,
              QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\r"
                             "zakresem 0.1 - 149.9 st. C")});
    Edit1 = AddNumericField(QStringLiteral("Edit1"),
                            QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!"));

    AddDataRow(QStringLiteral("Wymagana przepustowość :"), Edit3, QStringLiteral("[kg/h]"));
    AddDataRow(QStringLiteral("Przyrost ciśnienia :"), Edit4, QStringLiteral("[%]"));
    AddDataRow(QStringLiteral("Ciśnienie zrzutowe :"), Edit8, QStringLiteral("[bar]"));
    AddDataRow(QStringLiteral("Temperatura zrzutowa :"), Edit5, QStringLiteral("[°C]"));
    AddDataRow(QStringLiteral("Ciśnienie odpływowe :"), Edit1, QStringLiteral("[bar]"));
    AddValveTypeGroup(false);
    AddResultsGroup(QStringLiteral("Przepustowość :"), QStringLiteral("[kg/h]"));
    AddButtons();

    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit8);
    setTabOrder(Edit8, Edit5);
    setTabOrder(Edit5, Edit1);
    setTabOrder(Edit1, Button3);
    setTabOrder(Button3, Button1);
    setTabOrder(Button1, Button4);
    setTabOrder(Button4, Button2);

    Help::SetHelpContext(Edit3, 32);
    Help::SetHelpContext(Edit4, 14);
    Help::SetHelpContext(Edit8, 4);
    Help::SetHelpContext(Edit5, 24);
    Help::SetHelpContext(Edit1, 5);

    // The relieving pressure and the temperature change nothing but the results.
    for (QLineEdit* input : {static_cast<QLineEdit*>(Edit8), static_cast<QLineEdit*>(Edit5),
                             static_cast<QLineEdit*>(Edit1)})
        connect(input, &QLineEdit::textChanged, this, [this] { ClearResults(); });
    connect(Edit3, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit4Change);
    connect(Edit6, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit6Change);
    connect(Edit11, &QLineEdit::textChanged, this, &TfrmDoborWater::Edit11Change);
}

void TfrmDoborWater::Edit3Change() {
    ClearResults();
}

void TfrmDoborWater::Edit4Change() {
    ClearResults();
    TDoborWaterData& r = Dane::DoborWaterData;
    RecomputeRelievingPressure(Edit4, Edit8, r.SetPressure, r.Overpressure, r.RelievingPressure);
}

void TfrmDoborWater::Edit6Change() {
    TDoborWaterData& r = Dane::DoborWaterData;
    RecomputeRelievingPressure(Edit4, Edit8, r.SetPressure, r.Overpressure, r.RelievingPressure);
    // After the new p1, whose change empties the results: a new set pressure
    // shows no size and "0.0" for d and the capacity.
    ZeroResults();
}

void TfrmDoborWater::Edit11Change() {
    // A new valve type means the results shown are no longer of this type.
    ZeroResults();
}

void TfrmDoborWater::FormShow() {
    // Filling an input fires its change handler, which may write the record:
    // fill from a copy, inputs first and results last.
    const TDoborWaterData r = Dane::DoborWaterData;
    Edit3->setText(FixedText(r.RequiredCapacity, 4, 1));
    Edit4->setText(FixedText(r.Overpressure, 4, 1));
    Edit8->setText(FixedText(r.RelievingPressure, 4, 2));
    Edit5->setText(FixedText(r.RelievingTemp, 4, 1));
    Edit1->setText(FixedText(r.BackPressure, 4, 1));
    Edit11->setText(r.ValveType);
    Edit6->setText(FixedText(r.SetPressure, 4, 1));
    ShowRecordResults(r.ValveSize, r.FlowDiameter, r.Capacity);
}

void TfrmDoborWater::Button1Click() {
    if (!AllFieldsAreNumbers())
        return;
    TDoborWaterData& r = Dane::DoborWaterData;
    TakeValue(Edit3->text(), r.RequiredCapacity);
    TakeValue(Edit4->text(), r.Overpressure);
    TakeValue(Edit8->text(), r.RelievingPressure);
    TakeValue(Edit1->text(), r.BackPressure);
    TakeValue(Edit6->text(), r.SetPressure);
    TakeValue(Edit5->text(), r.RelievingTemp);
    r.ValveType = Edit11->text();
    const Selection::Outcome<Selection::Found> found = WaterSelection::Compute(r);
    if (!found) {
        Warn(found.refusal());
        return;
    }
    ShowFound(r.ValveSize, r.FlowDiameter, r.Capacity);
    selection_ = r;
}

void TfrmDoborWater::Button4Click() {
    const Selection::Outcome<Report::Content> report = WaterSelection::ReportContent(selection_);
    if (report)
        Dane::DoborWaterData.VolumeCapacity = selection_.VolumeCapacity;
    Print(report);
}
