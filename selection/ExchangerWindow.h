#pragma once
// What the two heat-exchanger windows share on top of the selection pattern:
// the group "Dane wymiennika" with the exchanger kind (" Rodzaj wymiennika ":
// "wężownicowy" enables the coil diameter, "płytowy" the plate section), the
// number of valves (SpinEdit1, 1 to 10) beside the valve type, the buttons
// Button1 "Oblicz", Button2 print, Button3 "Anuluj" and Button4 "Wybór
// zaworu", and four results, the required flow first:
//  - a changed input empties all four, a changed valve type, set pressure or
//    number of valves only those of the valve;
//  - the required flow is shown even when no size covers it.
// The fields keep their own texts when the window is shown again, except those
// the record's table restores.

#include "app/FieldForm.h"
#include "app/RecordWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSpinBox>

template <class Record> class ExchangerWindowOn : public RecordWindow<Record> {
    using Base = RecordWindow<Record>;

public:
    // Item 0 ("wężownicowy") enables the coil diameter with its labels and
    // disables the plate section; item 1 the opposite. The results stay.
    void RadioGroup1Click() {
        const bool coil = Coil();
        this->EnableRow(this->FieldOf(&Record::CoilDiameter), coil);
        this->EnableRow(this->FieldOf(&Record::PlateArea), !coil);
    }
    bool Coil() const { return !kinds_ || kinds_->checkedId() == 0; }
    QSpinBox* SpinEdit1 = nullptr;

protected:
    ExchangerWindowOn(QWidget* mainWindow, const WindowList::Entry& entry, Record& record)
        : Base(mainWindow, entry, record, false,
               ButtonNames{"Button1", "Button2", "Button3", "Button4"}) {}

    void BeforeRow(const Fields::Field<Record>& f) override {
        if (!Fields::Is(f, &Record::CoilDiameter))
            return;
        this->BeginDataGroup(this->Titles().exchanger, QStringLiteral("GroupBox4"));
        kinds_ = this->AddRadioGroup(QStringLiteral(" Rodzaj wymiennika "),
                                     {QStringLiteral("wężownicowy"), QStringLiteral("płytowy")}, 0);
        QObject::connect(kinds_, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    }

    void Build() override {
        Base::Build();
        SpinEdit1 = this->AddValveTypeSpin(QStringLiteral("Ilość zaworów:"), 1, 10, 36);
        const QList<QAbstractButton*> kinds = kinds_->buttons();
        std::vector<QWidget*> chain = this->InputChain(
            &Record::CoilDiameter, std::vector<QWidget*>(kinds.begin(), kinds.end()));
        chain.push_back(SpinEdit1);
        this->ChainTabOrder(chain);
        this->ClearResultsOnChange();
        QObject::connect(SpinEdit1, &QSpinBox::valueChanged, this,
                         [this] { this->ClearValveResults(); });
    }

    void FormShow() override {
        Base::FormShow();
        RadioGroup1Click();
    }

    void ReadControls(Record& r) override {
        r.CoilExchanger = Coil();
        r.ValveCount = SpinEdit1->value();
    }

    void WriteControls(const Record& r) override {
        kinds_->button(r.CoilExchanger ? 0 : 1)->setChecked(true);
        SpinEdit1->setValue(r.ValveCount);
        RadioGroup1Click();
    }

    void ShowRefused(const Calc::Refusal& refusal) override {
        this->ShowRequiredFlowOfTheWalk(refusal);
    }

private:
    QButtonGroup* kinds_ = nullptr;
};
