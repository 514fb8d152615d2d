#include "selection/Ekspansja.h"

#include "app/WindowList.h"
#include "data/Dane.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSpinBox>

TfrmEkspansja::TfrmEkspansja(QWidget* mainWindow)
    : RecordWindow(mainWindow, WindowList::Of<TfrmEkspansja>(), Dane::EkspansjaData, false,
                   ButtonNames{"Button1", "Button2", "Button3", "Button4"}) {
    SetGroupTitles(GroupTitles::Framed());
}

void TfrmEkspansja::BeforeRow(const Fields::Field<TEkspansjaData>& f) {
    // The antifreeze spin stands first among the indirect mode's inputs.
    if (!Fields::Is(f, &TEkspansjaData::WaterVolume))
        return;
    const Fields::Look& look =
        Fields::Find(Core::Fields(), &TEkspansjaData::AntifreezePercent)->look;
    SpinEdit1 = AddDataSpin(look.label, look.unit, 0, 50, look.help);
    SpinEdit1->setToolTip(QStringLiteral("Dopuszczalny zakres: 0 - 50 %"));
}

void TfrmEkspansja::Build() {
    items_ = AddRadioGroup(QStringLiteral(" Sposób wyznaczenia dostarczonego ciepła "),
                           {QStringLiteral("bezpośrednio (w kJ)"),
                            QStringLiteral("pośrednio (przyrost temperatury w czasie)")},
                           27);
    connect(items_, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    RecordWindow::Build();

    FieldOf(&TEkspansjaData::WaterTemp)
        ->setToolTip(QStringLiteral("Dopuszczalny zakres: 5 - 150 st. C"));
    for (auto key : {&TEkspansjaData::StartTemp, &TEkspansjaData::EndTemp})
        FieldOf(key)->setToolTip(QStringLiteral("Dopuszczalny zakres: 5 - 130 st. C"));
    // Unlike the other selection windows, the results may be typed into; Tab
    // still passes them by.
    for (QLineEdit* result : resultFields_)
        result->setReadOnly(false);

    // The inputs in the order of the form, the spin where it stands, then the
    // radio group.
    std::vector<QWidget*> chain = InputChain(&TEkspansjaData::WaterVolume, {SpinEdit1});
    for (QAbstractButton* item : items_->buttons())
        chain.push_back(item);
    ChainTabOrder(chain);

    // A changed additive empties all four results, as a changed input does.
    ClearResultsOnChange();
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { ClearResults(); });
}

int TfrmEkspansja::Mode() const {
    return items_ ? items_->checkedId() : EkspansjaSelection::Direct;
}

void TfrmEkspansja::RadioGroup1Click() {
    const int mode = Mode();
    EnableFieldsOfMode(mode);
    EnableRow(SpinEdit1, mode == EkspansjaSelection::Indirect);
}

void TfrmEkspansja::FormActivate() {
    RecordWindow::FormActivate();
    RadioGroup1Click();
}

void TfrmEkspansja::ReadControls(TEkspansjaData& record) {
    record.Mode = Mode();
    if (record.Mode == EkspansjaSelection::Indirect)
        record.AntifreezePercent = SpinEdit1->value();
}

void TfrmEkspansja::ShownControls(TEkspansjaData& record) {
    record.Mode = Mode();
    record.AntifreezePercent = SpinEdit1->value();
}

void TfrmEkspansja::WriteControls(const TEkspansjaData& record) {
    if (QAbstractButton* item = items_->button(record.Mode))
        item->setChecked(true);
    SpinEdit1->setValue(record.AntifreezePercent);
    RadioGroup1Click();
}
