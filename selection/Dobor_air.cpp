#include "selection/Dobor_air.h"

#include "app/HelpViewer.h"
#include "data/Dane.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Compressor output [m³/min] as mass flow [kg/h]: 60 min/h × 1.205 kg/m³.
constexpr double kKilogramsPerHourPerCubicMetrePerMinute = 60 * Obliczenia::AirDensity20;
} // namespace

TfrmDoborAir::TfrmDoborAir(QWidget* mainWindow)
    : SelectionWindowOn(mainWindow, QStringLiteral("frmDoborAir"), &Dane::AirSelectionActive, 25,
                        Dane::DoborAirData) {}

void TfrmDoborAir::Build() {
    RadioGroup1 = new QGroupBox(QStringLiteral(" Sposób określenia przepustowości zaworu  "), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Help::SetHelpContext(RadioGroup1, 33);
    items_ = new QButtonGroup(RadioGroup1);
    auto* column = new QVBoxLayout(RadioGroup1);
    for (const QString& text : {QStringLiteral("wydajność sprężarki  [m3/min]"),
                                QStringLiteral("wymagana przepustowość zaworu [kg/h]")}) {
        auto* item = new QRadioButton(text, RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(items_->buttons().size()));
        Help::SetHelpContext(item, 33);
        items_->addButton(item, static_cast<int>(items_->buttons().size()));
        column->addWidget(item);
    }
    items_->button(AirSelection::CompressorOutput)->setChecked(true);
    connect(items_, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    AddDataWidget(RadioGroup1);

    SelectionWindowOn::Build();
    // The radio group comes last among the fields of "Dane".
    ChainTabOrder({FieldOf("CompressorOutput"), FieldOf("RequiredCapacity"),
                   FieldOf("Overpressure"), FieldOf("RelievingPressure"), FieldOf("RelievingTemp"),
                   FieldOf("BackPressure"), items_->button(0), items_->button(1)});

    connect(FieldOf("CompressorOutput"), &QLineEdit::textChanged, this, &TfrmDoborAir::Edit9Change);
    // Edit3Change, Edit5Change, Edit1Change: the results are emptied.
    for (const char* key : {"RequiredCapacity", "RelievingTemp", "BackPressure"})
        connect(FieldOf(key), &QLineEdit::textChanged, this, [this] { ClearResults(); });
    connect(FieldOf("Overpressure"), &QLineEdit::textChanged, this, [this] {
        ClearResults();
        RecomputeRelievingPressure(FieldOf("RelievingPressure"));
    });
    connect(setPressureField_, &QLineEdit::textChanged, this, [this] {
        ZeroResults();
        RecomputeRelievingPressure(FieldOf("RelievingPressure"));
    });
}

int TfrmDoborAir::Mode() const {
    return items_ ? items_->checkedId() : AirSelection::CompressorOutput;
}

void TfrmDoborAir::RadioGroup1Click() {
    const bool output = Mode() == AirSelection::CompressorOutput;
    for (const char* name : {"Edit9", "LabelEdit9", "UnitEdit9"})
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(output);
    for (const char* name : {"Edit3", "LabelEdit3", "UnitEdit3"})
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(name)))
            w->setEnabled(!output);
}

void TfrmDoborAir::Edit9Change() {
    double output = 0;
    TakeValue(FieldOf("CompressorOutput")->text(), output);
    FieldOf("RequiredCapacity")
        ->setText(Convert::FixedText(output * kKilogramsPerHourPerCubicMetrePerMinute, 4, 2));
    ClearResults();
}

void TfrmDoborAir::FormActivate() {
    SelectionWindowOn::FormActivate();
    RadioGroup1Click();
}

void TfrmDoborAir::ReadControls(TDoborAirData& record) {
    record.Mode = Mode();
}
