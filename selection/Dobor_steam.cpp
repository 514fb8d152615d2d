#include "selection/Dobor_steam.h"

#include "app/Convert.h"
#include "app/HelpViewer.h"
#include "app/NumEdit.h"
#include "data/Dane.h"
#include "selection/SteamSelection.h"

#include <QLineEdit>
#include <QPushButton>

using Convert::FixedText;

TfrmDoborPara::TfrmDoborPara(QWidget* mainWindow)
    : SelectionWindow(mainWindow, QStringLiteral("frmDoborPara"),
                      QStringLiteral("   Dobór zaworu - para wodna nasycona"),
                      &Dane::SteamSelectionActive, 11) {
    Edit3 = AddNumericField(QStringLiteral("Edit3"),
                            QStringLiteral("Niepoprawna wartość wymaganej przepustowości!"));
    Edit4 = AddNumericField(QStringLiteral("Edit4"),
                            QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!"));
    Edit8 = new QLineEdit(this);
    Edit8->setObjectName(QStringLiteral("Edit8"));
    Edit8->setReadOnly(true);
    Edit1 = AddNumericField(QStringLiteral("Edit1"),
                            QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!"));

    AddDataRow(QStringLiteral("Wymagana przepustowość :"), Edit3, QStringLiteral("[kg/h]"));
    AddDataRow(QStringLiteral("Przyrost ciśnienia :"), Edit4, QStringLiteral("[%]"));
    AddDataRow(QStringLiteral("Ciśnienie zrzutowe :"), Edit8, QStringLiteral("[bar]"));
    AddDataRow(QStringLiteral("Ciśnienie odpływowe :"), Edit1, QStringLiteral("[bar]"));
    // The set pressure may also be typed: an ordinary field, without the
    // numeric key filter and without an exit check.
    AddValveTypeGroup(true);
    AddResultsGroup(QStringLiteral("Przepustowość :"), QStringLiteral("[kg/h]"));
    AddButtons();

    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit8);
    setTabOrder(Edit8, Edit1);
    setTabOrder(Edit1, Edit6);
    setTabOrder(Edit6, Button3);
    setTabOrder(Button3, Button1);
    setTabOrder(Button1, Button4);
    setTabOrder(Button4, Button2);

    Help::SetHelpContext(Edit3, 32);
    Help::SetHelpContext(Edit4, 14);
    Help::SetHelpContext(Edit8, 4);
    Help::SetHelpContext(Edit1, 5);

    connect(Edit3, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit3Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit1Change);
    connect(Edit11, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit11Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit4Change);
    connect(Edit6, &QLineEdit::textChanged, this, &TfrmDoborPara::Edit6Change);
}

void TfrmDoborPara::Edit3Change() {
    ZeroResults();
}

void TfrmDoborPara::Edit1Change() {
    ZeroResults();
}

void TfrmDoborPara::Edit11Change() {
    ZeroResults();
}

void TfrmDoborPara::Edit4Change() {
    ZeroResults();
    TDoborSteamData& r = Dane::DoborSteamData;
    RecomputeRelievingPressure(Edit4, Edit8, r.SetPressure, r.Overpressure, r.RelievingPressure);
}

void TfrmDoborPara::Edit6Change() {
    ZeroResults();
    TDoborSteamData& r = Dane::DoborSteamData;
    RecomputeRelievingPressure(Edit4, Edit8, r.SetPressure, r.Overpressure, r.RelievingPressure);
}

void TfrmDoborPara::FormShow() {
    // Filling an input fires its change handler, which may write the record:
    // fill from a copy, inputs first and results last.
    const TDoborSteamData r = Dane::DoborSteamData;
    Edit3->setText(FixedText(r.RequiredCapacity, 4, 1));
    Edit4->setText(FixedText(r.Overpressure, 4, 1));
    Edit8->setText(FixedText(r.RelievingPressure, 4, 2));
    Edit1->setText(FixedText(r.BackPressure, 4, 1));
    Edit11->setText(r.ValveType);
    Edit6->setText(FixedText(r.SetPressure, 4, 1));
    ShowRecordResults(r.ValveSize, r.FlowDiameter, r.Capacity);
}

void TfrmDoborPara::Button1Click() {
    if (!AllFieldsAreNumbers())
        return;
    TDoborSteamData& r = Dane::DoborSteamData;
    TakeValue(Edit3->text(), r.RequiredCapacity);
    TakeValue(Edit4->text(), r.Overpressure);
    TakeValue(Edit8->text(), r.RelievingPressure);
    TakeValue(Edit1->text(), r.BackPressure);
    TakeValue(Edit6->text(), r.SetPressure);
    r.ValveType = Edit11->text();
    const Selection::Outcome<Selection::Found> found = SteamSelection::Compute(r);
    if (!found) {
        Warn(found.refusal());
        return;
    }
    ShowFound(r.ValveSize, r.FlowDiameter, r.Capacity);
    selection_ = r;
}

void TfrmDoborPara::Button4Click() {
    Print(SteamSelection::ReportContent(selection_));
}
