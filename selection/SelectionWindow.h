#pragma once
// What the selection windows ("Dobór") share on top of the calculation-window
// conventions: the form, built from the record's field table when the window is
// first needed, with the group "Dane" (the window's input rows and, inside it,
// the group "Wybrany typ zaworu bezpieczeństwa" with the valve type, the set
// pressure and "Wybór zaworu", which runs the valve type dialog), the group
// "Wyniki obliczeń" with the result rows, and the buttons "Oblicz", "Wydruk"
// and "Anuluj"; and the way "Oblicz" and the print button run:
//  - "Oblicz" refuses a field that still holds a text that is no number, reads
//    the fields into the window's record, calls the record's Oblicz and shows
//    its results or its message;
//  - the print button prints the last successful selection as a whole, never
//    the fields or a record that later changes and refusals have written into;
//    after a refused or unsuccessful "Oblicz" there is nothing to print.
//
// A window on its record (SelectionWindowOn) is its constructor, its change
// handlers and, where its form departs from the pattern (radio groups, spin
// edits, other button names), its own Build and the hooks below.

#include "app/CalcWindow.h"
#include "app/FieldForm.h"
#include "app/NumEdit.h"
#include "calc/Guarded.h"
#include "calc/Outcome.h"
#include "report/Report.h"
#include "valves/Dobor_zaworu.h"

#include <QPointer>

#include <optional>

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The form names of a selection window's buttons: "Oblicz", the print button,
// "Anuluj" and "Wybór zaworu".
struct ButtonNames {
    const char* compute = "Button1";
    const char* print = "Button4";
    const char* cancel = "Button2";
    const char* choose = "Button3";
};

// The captions of a selection window's groups. Most windows write them
// without blanks around; some between blanks (Framed), one mixes the two.
struct GroupTitles {
    QString data = QStringLiteral("Dane");
    QString valveType = QStringLiteral("Wybrany typ zaworu bezpieczeństwa");
    QString results = QStringLiteral("Wyniki obliczeń");
    QString exchanger = QStringLiteral("Dane wymiennika"); // the exchanger windows' own group
    // Every caption with a blank before and after it (" Dane ").
    static GroupTitles Framed();
};

class SelectionWindow : public CalcWindow {
    Q_OBJECT
public:
    // The valve type dialog that "Wybór zaworu" runs.
    void SetValveTypeDialog(TfrmDobor* dialog) { valveTypeDialog_ = dialog; }
    TfrmDobor* ValveTypeDialog() const { return valveTypeDialog_; }
    // The fields the dialog fills on "OK" (the type, the set pressure), built if
    // they are not yet; registered with TfrmDobor::AddWindow under the window's
    // selection flag.
    SelectionValveFields ValveTypeFields();

    virtual void Button1Click() = 0; // "Oblicz"
    virtual void Button4Click() = 0; // "Wydruk" / "Utwórz PDF"
    void Button2Click();             // "Anuluj": hides the window
    void Button3Click();             // "Wybór zaworu": the valve type dialog, modal

protected:
    // `activeFlag` is the window's selection flag; `helpContext` the window's
    // help context number (0 = none).
    SelectionWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                    bool* activeFlag, int helpContext, ButtonNames buttons = ButtonNames());

    // One row of a group: label, field and unit ("[kg/h]", or none). The labels
    // are named "Label" and "Unit" followed by the field's name.
    struct Row {
        QLineEdit* field;
        QString label;
        QString unit;
    };
    // The captions of the groups, when they are not the usual ones: given
    // before the form is built.
    void SetGroupTitles(const GroupTitles& titles) { titles_ = titles; }
    const GroupTitles& Titles() const { return titles_; }

    // A row of the group "Dane"; the field is given its help context number.
    void AddDataRow(const Row& row, int helpContext);
    // A control across the whole width of "Dane" (a radio group, say).
    void AddDataWidget(QWidget* widget);
    // The rows and controls added from here on go into a group of their own,
    // `title`, inside "Dane".
    void BeginDataGroup(const QString& title, const QString& name);
    // A radio group "RadioGroup1" across "Dane" with its items
    // "RadioGroup1Item0", …, the first checked; the items' ids are their places.
    QButtonGroup* AddRadioGroup(const QString& title, const QStringList& items, int helpContext);
    // A spin edit "SpinEdit1" from `min` to `max` below the set pressure, in the
    // group of the valve type.
    QSpinBox* AddValveTypeSpin(const QString& label, int min, int max, int helpContext);
    // The same as a row of "Dane", with its unit.
    QSpinBox* AddDataSpin(const QString& label, const QString& unit, int min, int max,
                          int helpContext);
    // Enables or disables a field with its label and unit.
    void EnableRow(QWidget* field, bool enabled);
    // The group "Wybrany typ zaworu bezpieczeństwa" below the rows of "Dane".
    // The set pressure is either filled only by the dialog (read-only, no tab
    // stop) or may also be typed.
    void AddValveTypeGroup(QLineEdit* type, QLineEdit* setPressure, bool setPressureEditable);
    // The group "Wyniki obliczeń" with its read-only rows without tab stops.
    void AddResultsGroup(const std::vector<Row>& rows);
    // The three buttons with their help context numbers 22, 23 and 30.
    void AddButtons();
    // The focus order: the fields, then "Wybór zaworu" (unless the fields hold
    // it already), "Oblicz", the print button and "Anuluj".
    void ChainTabOrder(std::vector<QWidget*> fields, bool thenValveButton = true);

    // A read-only field without a tab stop.
    static void MakeDisplayOnly(QLineEdit* field);
    // A read-only numeric field the window computes (p1).
    NumEdit* NewDerived(const QString& name);
    // A field of the valve type or results groups, placed by them.
    QLineEdit* NewField(const QString& name);
    // The hidden stand-in for a field the window looked for and does not have.
    QLineEdit* MissingField() const;

    // The results of a new set pressure or valve type: texts empty, numbers "0.0".
    void ZeroResults();
    // Empties the found valve's results and keeps the required flow, the first.
    void ClearValveResults();

    // The refusal's warning box.
    void Warn(const Calc::Refusal& refusal);
    // The report in the current print mode, or the refusal's warning box.
    void Print(const Calc::Outcome<Report::Content>& report);

    QLineEdit* typeField_ = nullptr;        // the valve type (Edit11 in most windows)
    QLineEdit* setPressureField_ = nullptr; // the set pressure p [bar gauge] (Edit6)
    std::vector<QLineEdit*> resultFields_;
    std::vector<bool> numericResults_;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

private:
    static QLabel* Label(const QString& text, const QString& name, QWidget* parent);
    QSpinBox* AddSpin(QGridLayout* rows, const QString& label, const QString& unit, int min,
                      int max, int helpContext);
    // The labels of all groups take one width, so that the fields line up.
    void AlignLabelColumns();
    void EnsureFrame();

    ButtonNames names_;
    GroupTitles titles_;
    QPointer<TfrmDobor> valveTypeDialog_;
    QVBoxLayout* dataLayout_ = nullptr;
    QGroupBox* dataGroup_ = nullptr;
    QGridLayout* dataRows_ = nullptr;
    QGridLayout* outerRows_ = nullptr;    // the rows of "Dane" itself
    std::vector<QGridLayout*> innerRows_; // the rows of the groups inside "Dane"
    QGridLayout* typeRows_ = nullptr;
    QGridLayout* resultRows_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

// A selection window on its calculation record: the form comes from the
// record's field table, "Oblicz" and the report from its Calculation.
template <class Record> class SelectionWindowOn : public SelectionWindow {
public:
    using Core = Calculation<Record>;

    // The last successful selection, as the results and the report show it.
    const std::optional<Record>& LastCalculation() const { return last_; }
    // The same, or the record's defaults before the first success.
    Record LastSelection() const { return last_ ? *last_ : Record(); }

    void Button1Click() override {
        // A refused or unsuccessful "Oblicz" leaves nothing to print; the result
        // fields keep what they show.
        last_.reset();
        // A text that is no number would enter the record as 0: refused first.
        if (!AllFieldsAreNumbers())
            return;
        FieldForm::Read(this, Core::Fields(), record_);
        ReadControls(record_);
        const Calc::Outcome<> outcome = Calc::Guarded(record_);
        if (!outcome) {
            Warn(outcome.refusal());
            ShowRefused(outcome.refusal());
            return;
        }
        FieldForm::ShowResults(this, Core::Fields(), record_);
        last_ = record_;
    }

    void Button4Click() override { Print(LastReport()); }

    Calc::Outcome<Report::Content> LastReport() const override {
        if (!last_)
            return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
        Record last = *last_; // the report may work out what it prints into its record
        return Calc::GuardedPrint(last);
    }

protected:
    SelectionWindowOn(QWidget* mainWindow, const QString& name, bool* activeFlag, int helpContext,
                      Record& record, bool setPressureEditable = false,
                      ButtonNames buttons = ButtonNames())
        : SelectionWindow(mainWindow, name, Core::Caption(), activeFlag, helpContext, buttons),
          record_(record), setPressureEditable_(setPressureEditable) {}

    // The form of the pattern: the table's input rows in their order, the valve
    // type group, the result rows, the buttons and the focus order.
    void Build() override {
        std::vector<QWidget*> chain;
        QLineEdit* type = nullptr;
        QLineEdit* setPressure = nullptr;
        std::vector<Row> results;
        for (const Fields::Field<Record>* f : Fields::Shown(Core::Fields())) {
            const QString name = QString::fromLatin1(f->edit);
            switch (f->role) {
            case Fields::Role::Input:
            case Fields::Role::Derived: {
                BeforeRow(*f);
                NumEdit* edit = f->role == Fields::Role::Input
                                    ? AddNumericField(name, f->look.invalid, f->look.range,
                                                      f->look.emptyOutOfRange)
                                    : NewDerived(name);
                AddDataRow({edit, f->look.label, f->look.unit}, f->look.help);
                chain.push_back(edit);
                break;
            }
            case Fields::Role::Choice:
                (f->IsText() ? type : setPressure) = NewField(name);
                break;
            case Fields::Role::Result:
                results.push_back({NewField(name), f->look.label, f->look.unit});
                numericResults_.push_back(f->IsNumber());
                break;
            case Fields::Role::Record:
            case Fields::Role::Control: // the window's own controls, built by the window
                break;
            }
        }
        AddValveTypeGroup(type, setPressure, setPressureEditable_);
        AddResultsGroup(results);
        AddButtons();
        if (setPressureEditable_)
            chain.push_back(setPressure);
        ChainTabOrder(chain);
    }

    // Fills every field from the record: inputs first, results last.
    void FormShow() override { FieldForm::Fill(this, Core::Fields(), record_); }

    // What the window adds to "Dane" before the row of an input.
    virtual void BeforeRow(const Fields::Field<Record>&) {}
    // What "Oblicz" reads beyond the table's fields (a radio group, a spin edit).
    virtual void ReadControls(Record&) {}
    // What the window shows after a refusal, beyond its warning box; nothing by
    // default, so the results shown before stay.
    virtual void ShowRefused(const Calc::Refusal&) {}

    // p1 = p × (b1/100 + 1) from the texts of the set pressure and the
    // overpressure, shown in the relieving pressure's field with two decimals.
    // The record is left alone: it takes p, b1 and p1 in "Oblicz", so that a
    // reopened window shows the valve and pressures the last "Oblicz" read.
    void RecomputeRelievingPressure(QLineEdit* relievingField) {
        relievingField->setText(
            Convert::FixedText(ScratchRelievingPressure(setPressureField_->text(),
                                                        FieldOf(&Record::Overpressure)->text()),
                               2, 2));
    }

    // The change handlers of the steam windows: a new requirement, back
    // pressure or valve type shows no size and "0.0" results; so does a new
    // overpressure or set pressure, which also recomputes p1.
    void ZeroResultsOnEveryChange(QLineEdit* requirement) {
        for (QLineEdit* field : {requirement, FieldOf(&Record::BackPressure), typeField_})
            connect(field, &QLineEdit::textChanged, this, [this] { ZeroResults(); });
        for (QLineEdit* field : {FieldOf(&Record::Overpressure), setPressureField_})
            connect(field, &QLineEdit::textChanged, this, [this] {
                ZeroResults();
                RecomputeRelievingPressure(FieldOf(&Record::RelievingPressure));
            });
    }

    // The fields of the record's modes: those of `mode` enabled, with their
    // labels and units, the others disabled.
    void EnableFieldsOfMode(int mode) {
        for (const Fields::Field<Record>& f : Core::Fields())
            if (f.mode >= 0 && f.edit)
                EnableRow(FieldForm::Edit(this, f), f.mode == mode);
    }

    // After a walk that found nothing, or found no data file: the required flow
    // it walked for (the record's RequiredCapacity) is shown; after "Nie
    // znaleziono…" the found valve's results are emptied.
    void ShowRequiredFlowOfTheWalk(const Calc::Refusal& refusal) {
        using Kind = Calc::Refusal::Kind;
        if (refusal.kind != Kind::NotFound && refusal.kind != Kind::DataFileError)
            return;
        const Fields::Field<Record>& required =
            *Fields::Find(Core::Fields(), &Record::RequiredCapacity);
        FieldForm::Edit(this, required)->setText(Fields::ResultText(record_, required));
        if (refusal.kind == Kind::NotFound)
            ClearValveResults();
    }

    // The typed fields in the order of the form, with `extra` (a radio group's
    // items, a spin edit) in front of the field of the member `key`.
    std::vector<QWidget*> InputChain(double Record::*key = nullptr,
                                     const std::vector<QWidget*>& extra = {}) const {
        std::vector<QWidget*> chain;
        for (const Fields::Field<Record>* f : Fields::Shown(Core::Fields())) {
            if (f->role != Fields::Role::Input)
                continue;
            if (key && Fields::Is(*f, key))
                chain.insert(chain.end(), extra.begin(), extra.end());
            chain.push_back(FieldForm::Edit(this, *f));
        }
        return chain;
    }

    // A changed input empties all results; a changed valve type or set
    // pressure those of the valve.
    void ClearResultsOnChange() {
        for (const Fields::Field<Record>* f : Fields::Shown(Core::Fields()))
            if (f->role == Fields::Role::Input)
                connect(FieldForm::Edit(this, *f), &QLineEdit::textChanged, this,
                        [this] { ClearResults(); });
        for (QLineEdit* field : {typeField_, setPressureField_})
            connect(field, &QLineEdit::textChanged, this, [this] { ClearValveResults(); });
    }

    // The window's field of the record member `member`. A member the table
    // does not show gets a hidden stand-in field named "MissingField", so
    // that a slip shows in the tests instead of crashing the window.
    template <class T> QLineEdit* FieldOf(T Record::*member) const {
        const Fields::Field<Record>* f = Fields::Find(Core::Fields(), member);
        if (QLineEdit* edit = f ? FieldForm::Edit(this, *f) : nullptr)
            return edit;
        return MissingField();
    }

    Record& record_;

private:
    bool setPressureEditable_;
    std::optional<Record> last_;
};
