#include "selection/Dobor_air.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

TfrmDoborAir::TfrmDoborAir(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmDoborAir>(), Dane::DoborAirData) {
    SetGroupTitles(GroupTitles::Framed());
}

void TfrmDoborAir::Build() {
    items_ = AddRadioGroup(QStringLiteral(" Sposób określenia przepustowości zaworu  "),
                           {QStringLiteral("wydajność sprężarki  [m3/min]"),
                            QStringLiteral("wymagana przepustowość zaworu [kg/h]")},
                           33);
    connect(items_, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });

    RecordWindow::Build();
    // The radio group comes last among the fields of "Dane".
    ChainTabOrder({FieldOf(&TDoborAirData::CompressorOutput),
                   FieldOf(&TDoborAirData::RequiredCapacity), FieldOf(&TDoborAirData::Overpressure),
                   FieldOf(&TDoborAirData::RelievingPressure),
                   FieldOf(&TDoborAirData::RelievingTemp), FieldOf(&TDoborAirData::BackPressure),
                   items_->button(0), items_->button(1)});

    connect(FieldOf(&TDoborAirData::CompressorOutput), &QLineEdit::textChanged, this,
            &TfrmDoborAir::Edit9Change);
    // Edit3Change, Edit5Change, Edit1Change: the results are emptied.
    for (auto key : {&TDoborAirData::RequiredCapacity, &TDoborAirData::RelievingTemp,
                     &TDoborAirData::BackPressure})
        connect(FieldOf(key), &QLineEdit::textChanged, this, [this] { ClearResults(); });
    connect(FieldOf(&TDoborAirData::Overpressure), &QLineEdit::textChanged, this, [this] {
        ClearResults();
        RecomputeRelievingPressure();
    });
    connect(setPressureField_, &QLineEdit::textChanged, this, [this] {
        ZeroResults();
        RecomputeRelievingPressure();
    });
}

int TfrmDoborAir::Mode() const {
    return items_ ? items_->checkedId() : AirSelection::CompressorOutput;
}

void TfrmDoborAir::RadioGroup1Click() {
    EnableFieldsOfMode(Mode());
}

void TfrmDoborAir::Edit9Change() {
    double output = 0;
    TakeValue(FieldOf(&TDoborAirData::CompressorOutput)->text(), output);
    FieldOf(&TDoborAirData::RequiredCapacity)
        ->setText(Convert::FixedText(Obliczenia::CompressorMassFlow(output), 4, 2));
    ClearResults();
}

void TfrmDoborAir::FormActivate() {
    RecordWindow::FormActivate();
    RadioGroup1Click();
}

void TfrmDoborAir::ReadControls(TDoborAirData& record) {
    record.Mode = Mode();
}

void TfrmDoborAir::WriteControls(const TDoborAirData& record) {
    if (QAbstractButton* item = items_->button(record.Mode))
        item->setChecked(true);
    RadioGroup1Click();
}
