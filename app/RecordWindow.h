#pragma once
// A calculation window on its record: the form comes from the record's field
// table, "Oblicz" and the report from its Calculation.
//  - The table's fields in their order in the form: an input or derived field
//    is a row of "Dane", a field the choice dialog fills a row of the valve's
//    group, a result a row of "Wyniki obliczeń"; each with its label, unit,
//    help context number and hint.
//  - "Oblicz" refuses a field that still holds a text that is no number,
//    reads the fields into the window's record, calls the record's Oblicz and
//    shows its results or its message.
//  - The print button prints the last successful calculation as a whole,
//    never the fields or a record that later changes and refusals have written
//    into; after a refused or unsuccessful "Oblicz" there is nothing to print.
//
// A window is its constructor, its change handlers and, where its form
// departs from the pattern (radio groups, spin edits, another tab order), its
// own Build and the hooks below.

#include "app/FieldForm.h"
#include "app/FormWindow.h"
#include "app/NumEdit.h"
#include "app/WindowList.h"
#include "calc/Guarded.h"
#include "calc/Outcome.h"
#include "cli/CaseFile.h"
#include "cli/WindowCommand.h"
#include "data/Convert.h"
#include "data/RecordTraits.h"

#include <QPushButton>

#include <optional>

template <class Record> class RecordWindow : public FormWindow {
public:
    using Core = Calculation<Record>;

    // The last successful calculation, as the results and the report show it.
    const std::optional<Record>& LastCalculation() const { return last_; }
    // The same, or the record's defaults before the first success.
    Record LastSelection() const { return last_ ? *last_ : Record(); }

    void Button1Click() override {
        // A refused or unsuccessful "Oblicz" leaves nothing to print; the result
        // fields keep what they show.
        last_.reset();
        // A text that is no number would enter the record as 0: refused first.
        if (!AllFieldsAreNumbers()) {
            SetSizes(std::nullopt);
            return;
        }
        const Calc::Outcome<> outcome = Compute();
        if (!outcome) {
            Warn(outcome.refusal());
            ShowRefused(outcome.refusal());
        }
    }

    std::optional<QByteArray> CaseFileText() override {
        EnsureBuilt();
        if (!AllFieldsAreNumbers())
            return std::nullopt;
        // Every field as shown, those of the mode not chosen too.
        Record shown = record_;
        for (const Fields::Field<Record>& f : Core::Fields())
            if (f.IsRead())
                if (const QLineEdit* edit = FieldForm::Edit(this, f))
                    Fields::Take(shown, f, edit->text());
        ShownControls(shown);
        const Cli::Command& command = *Cli::FindForm(objectName());
        if (!last_)
            return Cli::CaseFile::Text(command, Cli::RecordJson(shown), nullptr);
        const Cli::JsonObject kept = Cli::RecordJson(*last_);
        return Cli::CaseFile::Text(command, Cli::RecordJson(shown), &kept);
    }

    QString OpenCase(const Cli::CaseFile::Saved& saved) override {
        Cli::Texts texts;
        saved.command->enter(saved.inputs, texts);
        record_ = Record();
        last_.reset();
        show();
        raise();
        activateWindow();
        // As a user types them, in the order of the form; twice, so that a
        // field a change handler writes (p1, a converted requirement) ends
        // with the text it was saved with.
        for (int pass = 0; pass < 2; ++pass)
            for (const Fields::Field<Record>* f : Fields::Shown(Core::Fields()))
                if (QLineEdit* edit = f->IsRead() ? FieldForm::Edit(this, *f) : nullptr)
                    if (const QString text = OpenedText(*f, texts[QLatin1String(f->key)]);
                        edit->text() != text)
                        edit->setText(text);
        Record controls;
        for (const Fields::Field<Record>& f : Core::Fields())
            if (f.role == Fields::Role::Control)
                Fields::Take(controls, f, texts[QLatin1String(f.key)]);
        WriteControls(controls);
        if (!saved.calculation)
            return {};
        if (saved.refusal)
            return Cli::CaseFile::RefusedMessage(saved.refusal->message);
        const Calc::Outcome<> outcome = Compute();
        if (!outcome) {
            ShowRefused(outcome.refusal());
            return Cli::CaseFile::RefusedMessage(outcome.Message());
        }
        return Cli::CaseFile::Differences(*saved.command, *saved.calculation,
                                          Cli::ShownRows(record_));
    }

    Calc::Outcome<Report::Content> LastReport() const override {
        if (!last_)
            return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
        Record last = *last_; // the report may work out what it prints into its record
        return Calc::GuardedPrint(last);
    }

    CapacityValveFields ValveFields() override {
        EnsureBuilt();
        CapacityValveFields f;
        f.type = FieldOf(&Record::ValveType);
        f.size = FieldOf(&Record::ValveSize);
        f.flowDiameter = FieldOf(&Record::FlowDiameter);
        f.setPressure = FieldOf(&Record::SetPressure);
        if constexpr (RecordTraits::KeepsBothLiquidAlphas<Record>::value) {
            f.alphaLiquid10 = FieldOf(&Record::AlphaLiquid10);
            f.alphaLiquid25 = FieldOf(&Record::AlphaLiquid25);
        } else if constexpr (RecordTraits::KeepsAlphaGas<Record>::value) {
            f.alphaGas = FieldOf(&Record::AlphaGas);
        }
        f.overpressure = FieldOf(&Record::Overpressure);
        f.relievingPressure = FieldOf(&Record::RelievingPressure);
        return f;
    }

    SelectionValveFields ValveTypeFields() override {
        EnsureBuilt();
        return {typeField_, setPressureField_};
    }

protected:
    // The window of `entry` in the list of windows, on its record.
    RecordWindow(QWidget* mainWindow, const WindowList::Entry& entry, Record& record,
                 bool setPressureEditable = false, ButtonNames buttons = ButtonNames())
        : FormWindow(mainWindow, QString::fromLatin1(entry.formName), Core::Caption(), entry.group,
                     entry.activeFlag, entry.help, buttons),
          record_(record), setPressureEditable_(setPressureEditable) {}

    // The form of the pattern: the table's rows in their order, the valve's
    // group, the results, the buttons and the focus order.
    void Build() override {
        std::vector<QWidget*> chain;
        QLineEdit* type = nullptr;
        QLineEdit* setPressure = nullptr;
        std::vector<Row> results;
        std::vector<bool> numeric;
        std::vector<QLineEdit*> cleared;
        for (const Fields::Field<Record>* f : Fields::Shown(Core::Fields())) {
            const QString name = QString::fromLatin1(f->edit);
            const Fields::Look& look = f->look;
            switch (f->role) {
            case Fields::Role::Input:
            case Fields::Role::Derived: {
                BeforeRow(*f);
                NumEdit* edit =
                    f->role == Fields::Role::Input
                        ? AddNumericField(name, look.invalid, look.range, look.emptyOutOfRange)
                        : NewDerived(name);
                AddDataRow({edit, look.label, look.unit, look.help, look.hint});
                chain.push_back(edit);
                break;
            }
            case Fields::Role::Choice: {
                QLineEdit* edit = NewField(name);
                if (!IsCapacity()) { // the valve type and the set pressure
                    (f->IsText() ? type : setPressure) = edit;
                    break;
                }
                AddValveRow({edit, look.label, look.unit, look.help, look.hint},
                            !f->IsText()                         ? 0
                            : Fields::Is(*f, &Record::ValveType) ? kTypeChars
                                                                 : kSizeChars);
                chain.push_back(edit);
                break;
            }
            case Fields::Role::Result:
                results.push_back({NewField(name), look.label, look.unit, 0, QString()});
                numeric.push_back(f->IsNumber());
                if (f->cleared)
                    cleared.push_back(results.back().field);
                break;
            case Fields::Role::Record:
            case Fields::Role::Control: // the window's own controls, built by the window
                break;
            }
        }
        if (IsCapacity()) {
            typeField_ = FieldOf(&Record::ValveType);
            setPressureField_ = FieldOf(&Record::SetPressure);
            chain.push_back(Button3);
            for (const Row& r : results)
                chain.push_back(r.field);
        } else {
            AddValveTypeGroup(type, setPressure, setPressureEditable_);
            if (setPressureEditable_)
                chain.push_back(setPressure);
            chain.push_back(Button3);
        }
        AddResultsGroup(results, numeric);
        SetResultFields(cleared);
        AddButtons();
        ChainTabOrder(chain, false);
    }

    // Fills every field from the record: inputs first, results last.
    void FormShow() override { FieldForm::Fill(this, Core::Fields(), record_); }

    // What the window adds to "Dane" before the row of an input.
    virtual void BeforeRow(const Fields::Field<Record>&) {}
    // What "Oblicz" reads beyond the table's fields (a radio group, a spin edit).
    virtual void ReadControls(Record&) {}
    // The same as the window shows them, those of the mode not chosen too.
    virtual void ShownControls(Record& record) { ReadControls(record); }
    // The controls set to a calculation file's, with what their clicks do.
    virtual void WriteControls(const Record&) {}
    // What the window shows after a refusal, beyond its warning box; nothing by
    // default, so the results shown before stay.
    virtual void ShowRefused(const Calc::Refusal&) {}

    // p1 = p × (b1/100 + 1) from the texts of the set pressure and the
    // overpressure, shown in the relieving pressure's field with two decimals.
    // The record is left alone: it takes p, b1 and p1 in "Oblicz", so that a
    // reopened window shows the valve and pressures the last "Oblicz" read.
    void RecomputeRelievingPressure() {
        FieldOf(&Record::RelievingPressure)
            ->setText(
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
                RecomputeRelievingPressure();
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

    // Every field of the members the choice dialog fills, and those of
    // `inputs`, empty the results when they change.
    template <class... Members> void ClearResultsWhenChanged(Members Record::*... inputs) {
        for (QLineEdit* field : {FieldOf(inputs)...})
            connect(field, &QLineEdit::textChanged, this, [this] { ClearResults(); });
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
    // The fields into the record, "Oblicz" on it, and its results shown. A
    // selection window first walks every size on a copy of what "Oblicz"
    // reads, so that its own "Oblicz" is the last to run.
    Calc::Outcome<> Compute() {
        FieldForm::Read(this, Core::Fields(), record_);
        ReadControls(record_);
        if (!IsCapacity())
            SetSizes(Cli::SizesOfRecord(record_));
        const Calc::Outcome<> outcome = Calc::Guarded(record_);
        if (outcome) {
            FieldForm::ShowResults(this, Core::Fields(), record_);
            last_ = record_;
        }
        return outcome;
    }

    // A calculation file's text of a field as the window shows it: a typed
    // number with the decimals the window restores it with, when that reads
    // back the same.
    static QString OpenedText(const Fields::Field<Record>& f, const QString& text) {
        if (f.role != Fields::Role::Input || !f.IsNumber())
            return text;
        Record number;
        Fields::Take(number, f, text);
        const QString restored = Fields::RestoredText(number, f).trimmed();
        return Convert::ToDouble(restored) == Convert::ToDouble(text) ? restored : text;
    }

    // Widths of a capacity window's valve texts: the longest type text, and
    // a size with its inch sign.
    static constexpr int kTypeChars = 36;
    static constexpr int kSizeChars = 8;

    bool setPressureEditable_;
    std::optional<Record> last_;
};
