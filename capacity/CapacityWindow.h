#pragma once
// What the three capacity windows (water, saturated steam, air) share on top of
// the calculation-window conventions: the form with its groups "Dane",
// "Wybrany zawór bezpieczeństwa" and "Wyniki obliczeń", the buttons, the valve
// choice dialog, and the way "Oblicz" and the print button run:
//  - "Oblicz" refuses a field that still holds a text that is no number, puts
//    the fields into the window's record, calls the record's Oblicz and shows
//    its results or its message;
//  - the print button prints the last successful calculation as a whole (its
//    inputs and results together, taken when it succeeded), never the fields
//    or a record that later changes and refusals have written into; after a
//    refused or unsuccessful "Oblicz" there is nothing to print.

#include "app/CalcWindow.h"
#include "app/FieldForm.h"
#include "calc/Guarded.h"
#include "capacity/CapacityCalc.h"
#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "report/Report.h"
#include "valves/ValveFields.h"

#include <QDialog>
#include <QPointer>

#include <optional>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CapacityWindow : public CalcWindow {
    Q_OBJECT
public:
    // The valve choice dialog that "Wybór zaworu" opens. It is created after
    // the air window, so every capacity window is given it after creation.
    void SetValveDialog(QDialog* dialog) { valveDialog_ = dialog; }
    // The fields the valve choice dialog fills (TfrmWybor_zaworu::AddWindow),
    // built if they are not yet.
    CapacityValveFields ValveFields();

    void Button1Click(); // "Oblicz"
    void Button2Click(); // "Anuluj"
    void Button3Click(); // "Wybór zaworu"
    void Button4Click(); // "Wydruk" / "Utwórz PDF"

protected:
    CapacityWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                   bool* activeFlag, int helpContext);

    // The frame, the groups and the buttons, then the window's Form.
    void Build() override;
    // --- the form, built row by row in the order the window shows it ---------
    // Labels and units may be rich text (α with its subscript, m³).
    virtual void Form() = 0;

    // The same with the look of its table row.
    NumEdit* AddInput(const QString& name, const Fields::Look& look,
                      const QString& toolTip = QString()) {
        return AddInput(name, look.label, look.unit, look.invalid, look.help, toolTip, look.range);
    }
    QLineEdit* AddDerived(const QString& name, const Fields::Look& look,
                          const QString& toolTip = QString()) {
        return AddDerived(name, look.label, look.unit, look.help, toolTip);
    }

    // An editable numeric field of "Dane".
    NumEdit* AddInput(const QString& name, const QString& label, const QString& unit,
                      const QString& invalidMessage, int helpContext,
                      const QString& toolTip = QString(), std::optional<Range> range = {});
    // A read-only field of "Dane" (the relieving pressure p1).
    QLineEdit* AddDerived(const QString& name, const QString& label, const QString& unit,
                          int helpContext, const QString& toolTip = QString());
    // The group "Wybrany zawór bezpieczeństwa" takes the next row of "Dane".
    void AddValveGroup();
    // A read-only number of the valve group.
    QLineEdit* AddValveField(const QString& name, const QString& label, const QString& unit,
                             const QString& toolTip = QString());
    // The type or size text of the valve group, `characters` wide.
    QLineEdit* AddValveText(const QString& name, const QString& label, int characters,
                            const QString& toolTip = QString());
    // A read-only result field of "Wyniki obliczeń".
    QLineEdit* AddResult(const QString& name, const QString& label, const QString& unit);
    // Completes the form: "Wybór zaworu" placed in its group, and the focus
    // order of the fields (and "Wybór zaworu") followed by the buttons.
    void FinishForm(const std::vector<QWidget*>& tabOrder);

    // --- the calculation, per window ------------------------------------------

    // The fields the computation needs, converted into the record.
    virtual void ReadFields() = 0;
    // The record's Oblicz; on success the calculation is kept for the report.
    virtual Capacity::Outcome Calculate() = 0;
    // The new results in the result format.
    virtual void ShowResults() = 0;
    // A refused "Oblicz" leaves nothing to print.
    virtual void ForgetCalculation() = 0;

    // p1 = p × (1 + b1/100) from Edit1 and Edit3 as Edit4 shows it.
    void ShowRelievingPressure(double p1);

    NumEdit* Edit3 = nullptr;            // b1 [%]
    QLineEdit* Edit4 = nullptr;          // p1 [bar gauge], derived
    QLineEdit* Edit11 = nullptr;         // valve type
    QLineEdit* Edit12 = nullptr;         // valve size
    QLineEdit* Edit5 = nullptr;          // d [mm]
    QLineEdit* Edit1 = nullptr;          // p [bar gauge]
    QLineEdit* Edit6 = nullptr;          // α for gases and steam, or αc at 10 % for water
    QLineEdit* Edit2 = nullptr;          // m [kg/h]
    QLineEdit* Edit7 = nullptr;          // V [m³/h or Nm³/h]
    QPushButton* Button1 = nullptr;      // "Oblicz"
    QPushButton* Button2 = nullptr;      // "Anuluj"
    QPushButton* Button3 = nullptr;      // "Wybór zaworu"
    QPushButton* Button4 = nullptr;      // "Wydruk" / "Utwórz PDF"
    QLineEdit* alphaLiquid25_ = nullptr; // Edit8 of the water window

    // Widths of the valve texts: the longest type text, and a size with its inch sign.
    static constexpr int TypeWidth = 36;
    static constexpr int SizeWidth = 8;

private:
    QLabel* NewLabel(QWidget* parent, const QString& text) const;
    QLineEdit* NewField(QWidget* parent, const QString& name, int characters) const;
    void PlaceRow(QGridLayout* grid, QLabel* label, QWidget* field, const QString& unit,
                  int span = 1);

    QGroupBox* dane_;
    QGridLayout* daneGrid_;
    QGroupBox* valveGroup_ = nullptr;
    QGridLayout* valveGrid_ = nullptr;
    QGroupBox* results_;
    QGridLayout* resultsGrid_;
    QPointer<QDialog> valveDialog_;
};

// A capacity window on its calculation record: "Oblicz" is the record's, and
// each successful calculation is kept whole for the report.
template <class Record> class CapacityWindowOn : public CapacityWindow {
public:
    // The last successful calculation: the record as "Oblicz" left it.
    const std::optional<Record>& LastCalculation() const { return last_; }

protected:
    CapacityWindowOn(QWidget* mainWindow, const QString& name, bool* activeFlag, int helpContext,
                     Record& record)
        : CapacityWindow(mainWindow, name, Calculation<Record>::Caption(), activeFlag, helpContext),
          record_(record) {}

    using Core = Calculation<Record>;

    // The change handlers leave the record alone: the fields come from the
    // record as the last "Oblicz" read it.
    void FormShow() override { FieldForm::Fill(this, Core::Fields(), record_); }
    void ReadFields() override { FieldForm::Read(this, Core::Fields(), record_); }
    Capacity::Outcome Calculate() override {
        const Capacity::Outcome outcome = Calc::Guarded(record_);
        if (outcome.Succeeded())
            last_ = record_;
        else
            last_.reset();
        return outcome;
    }
    void ShowResults() override { FieldForm::ShowResults(this, Core::Fields(), record_); }
    void ForgetCalculation() override { last_.reset(); }

public:
    ::Calc::Outcome<Report::Content> LastReport() const override {
        if (!last_)
            return ::Calc::Refusal::Because(::Calc::Refusal::Kind::NothingToPrint);
        return ::Calc::GuardedPrint(*last_);
    }

protected:
    Record& record_;

private:
    std::optional<Record> last_;
};
