#pragma once
// A subcommand made from a calculation window's field table (Calculation<R>):
// its options are the window's valve dialog and its typed fields; a case is the
// window shown with a default record's texts, the valve chosen in the dialog,
// the inputs typed (p1 following b1) and left with each field's exit check,
// then "Oblicz" reading every field it reads; the answer is the record, every
// member in its order, the result rows as the window shows them and, when
// asked, the report of the print button.

#include "calc/Guarded.h"
#include "calc/Outcome.h"
#include "cli/Commands.h"
#include "cli/ValveChoice.h"
#include "data/Convert.h"
#include "data/FieldTable.h"
#include "report/Report.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <type_traits>

#include <optional>
#include <variant>

namespace Cli {

// What the window's form makes of its field table, the same for every case:
// each field's key and option name, the texts the window shows when opened on
// a default record, the order of the controls and of the shown fields.
template <class R> struct Form {
    std::vector<QString> keys;                     // per field of the table
    std::vector<QString> options;                  // per field of the table
    std::vector<std::optional<Domain>> domains;    // per field of the table: a typed number's
    Texts opened;                                  // the window's fields
    std::vector<const Fields::Field<R>*> controls; // those of every mode, then those of one
    std::vector<const Fields::Field<R>*> shown;    // in the order of the form
    const Fields::Field<R>* mode = nullptr;        // the record's member "Mode"
};

template <class R> const Form<R>& FormOf() {
    static const Form<R> form = [] {
        const Fields::Table<R>& table = Calculation<R>::Fields();
        Form<R> f;
        const R opened;
        for (const Fields::Field<R>& field : table) {
            f.keys.push_back(QString::fromLatin1(field.key));
            f.options.push_back(Fields::OptionName(field.key));
            f.domains.push_back(field.role == Fields::Role::Input && field.IsNumber()
                                    ? DomainOf(field.look.unit)
                                    : std::nullopt);
            // A field the window does not fill when shown starts empty.
            if (field.edit)
                f.opened[f.keys.back()] =
                    field.restored ? Fields::RestoredText(opened, field) : QString();
        }
        for (const bool ofAMode : {false, true})
            for (const Fields::Field<R>& field : table)
                if (field.role == Fields::Role::Control && (field.mode >= 0) == ofAMode)
                    f.controls.push_back(&field);
        f.shown = Fields::Shown(table);
        f.mode = Fields::Find(table, QStringLiteral("Mode"));
        return f;
    }();
    return form;
}

// The place of a field in its table.
template <class R> size_t IndexOf(const Fields::Field<R>& f) {
    return static_cast<size_t>(&f - Calculation<R>::Fields().data());
}

// The record as JSON: every member of its table, in the record's order.
template <class R> JsonObject RecordJson(const R& record) {
    const Fields::Table<R>& table = Calculation<R>::Fields();
    const std::vector<QString>& keys = FormOf<R>().keys;
    JsonObject json;
    json.Reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i)
        std::visit([&](auto member) { json.Add(keys[i], record.*member); }, table[i].member);
    return json;
}

// The options: the valve dialog's, then the fields the user types, in the
// order of the form, with the window's defaults.
template <class R> std::vector<Option> WindowOptions(ValveDialog dialog) {
    std::vector<Option> options = ValveOptions(dialog);
    for (const Fields::Field<R>* f : Fields::Shown(Calculation<R>::Fields()))
        if (f->role == Fields::Role::Input)
            options.push_back({Fields::OptionName(f->key), QString::fromLatin1(f->key),
                               f->look.description, f->look.unit, Fields::RestoredText(R(), *f),
                               QString(), FormOf<R>().domains[IndexOf(*f)], Option::Kind::Number});
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        if (f.role == Fields::Role::Control)
            options.push_back({Fields::OptionName(f.key), QString::fromLatin1(f.key),
                               f.look.description, f.look.unit, Fields::RestoredText(R(), f),
                               f.IsBool() ? QStringLiteral("true|false") : QStringLiteral("N"),
                               std::nullopt,
                               f.IsBool() ? Option::Kind::Flag : Option::Kind::Whole});
    return options;
}

// The record's mode (its member "Mode"), or -1 for a record without modes.
template <class R> int ModeOf(const R& record) {
    const Fields::Field<R>* mode = FormOf<R>().mode;
    if (!mode)
        return -1;
    if (const auto* i = std::get_if<int R::*>(&mode->member))
        return record.*(*i);
    return Fields::RestoredText(record, *mode).toInt();
}

// A field of another mode than the record's: the window has it disabled and
// does not read it.
template <class R> bool OfAnotherMode(const R& record, const Fields::Field<R>& f) {
    return f.mode >= 0 && f.mode != ModeOf(record);
}

// The case entered into the window: its field texts and, in `record`, its
// controls; the message of a valve the dialog does not list (Usage) or of an
// exit check (Refused), the first of them, instead. After a valve the dialog
// does not list, the valve's fields hold the texts as given and the inputs are
// entered all the same. A number typed outside its option's domain is entered
// too, and named in *outOfDomain (the first of them in the table).
template <class R>
std::optional<Result> EnterTexts(ValveDialog dialog, const Case& inputs, Texts& texts, R& record,
                                 const Fields::Field<R>** outOfDomain = nullptr) {
    const Fields::Table<R>& table = Calculation<R>::Fields();
    const Form<R>& form = FormOf<R>();
    record = R();
    texts = form.opened;
    std::optional<Result> refused;
    if (const QString error = ChooseValve(dialog, inputs, texts); !error.isEmpty()) {
        refused = Result::Stopped(Usage, error);
        refused->unlistedValve = true;
        for (const Option& o : ValveOptions(dialog))
            if (const auto given = inputs.find(o.name);
                given != inputs.end() && texts.count(o.field))
                texts[o.field] = given->second;
    }
    // The window's controls (a radio group's item, a spin edit's value): whole
    // numbers in their range, or true and false. Those of one mode come after
    // the mode, and only that mode takes them.
    for (const Fields::Field<R>* control : form.controls) {
        const Fields::Field<R>& f = *control;
        const QString& option = form.options[IndexOf(f)];
        const auto typed = inputs.find(option);
        if (typed == inputs.end())
            continue;
        const QString text = typed->second.trimmed();
        bool whole = false;
        int value = 0;
        if (f.IsBool()) {
            whole = text == QLatin1String("true") || text == QLatin1String("false");
            value = text == QLatin1String("true");
        } else {
            value = text.toInt(&whole);
        }
        if (!whole || (f.look.range && (value < f.look.range->min || value > f.look.range->max)))
            return refused ? *refused
                           : Result::Stopped(Usage,
                                             QStringLiteral("Opcja --%1: %2")
                                                 .arg(option, f.look.range ? f.look.range->message
                                                                           : QString()));
        if (!OfAnotherMode(record, f))
            Fields::Take(record, f, f.IsBool() ? text : QString::number(value));
    }
    for (const Fields::Field<R>* control : form.controls)
        texts[form.keys[IndexOf(*control)]] = Fields::RestoredText(record, *control);
    for (size_t i = 0; i < table.size(); ++i) {
        const Fields::Field<R>& f = table[i];
        if (f.role != Fields::Role::Input)
            continue;
        const auto typed = inputs.find(form.options[i]);
        if (typed == inputs.end() || OfAnotherMode(record, f))
            continue;
        texts[form.keys[i]] = FieldText(typed->second);
        if (Fields::Is(f, &R::Overpressure))
            FollowRelievingPressure(texts);
    }
    for (size_t i = 0; i < table.size(); ++i) {
        const Fields::Field<R>& f = table[i];
        if (f.role != Fields::Role::Input || OfAnotherMode(record, f))
            continue;
        const QString& text = texts[form.keys[i]];
        double value = 0;
        if (text.isEmpty() || refused) // an empty field passes
            continue;
        if (Convert::Val(text, value) != 0)
            refused = Result::Stopped(Refused, f.look.invalid);
        else if (f.look.range && (value < f.look.range->min || value > f.look.range->max))
            refused = Result::Stopped(Refused, f.look.range->message);
        const std::optional<Domain>& domain = form.domains[i];
        if (outOfDomain && !*outOfDomain && domain &&
            !(value >= domain->min && value <= domain->max))
            *outOfDomain = &f;
    }
    return refused;
}

// The case entered into the window and read by "Oblicz" into `record`; the
// message of a valve the dialog does not list or of an exit check instead.
template <class R>
std::optional<Result> EnterCase(ValveDialog dialog, const Case& inputs, R& record,
                                const Fields::Field<R>** outOfDomain = nullptr) {
    Texts texts;
    if (std::optional<Result> refused = EnterTexts(dialog, inputs, texts, record, outOfDomain))
        return refused;
    const Fields::Table<R>& table = Calculation<R>::Fields();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].IsRead() && !OfAnotherMode(record, table[i]))
            Fields::Take(record, table[i], texts[FormOf<R>().keys[i]]);
    return std::nullopt;
}

// A window's label as plain text: "α<sub>c</sub> (10%) :" → "αc (10%) :".
inline QString PlainText(QString label) {
    if (label.contains(QLatin1Char('<'))) {
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        label.remove(tag);
    }
    return label;
}

// The rows the window shows beside the typed fields: p1 and the results, each
// with its label, its text (a result number in the result format) and its unit.
template <class R> std::vector<ShownRow> ShownRows(const R& record) {
    std::vector<ShownRow> rows;
    for (const Fields::Field<R>* f : FormOf<R>().shown) {
        if (f->role == Fields::Role::Input || (f->look.label.isEmpty() && f->look.unit.isEmpty()))
            continue;
        rows.push_back({PlainText(f->look.label),
                        f->role == Fields::Role::Result && f->IsNumber()
                            ? Fields::ResultText(record, *f)
                            : Fields::RestoredText(record, *f),
                        f->look.unit});
    }
    return rows;
}

// The same as text: the label left-aligned in 22 characters, the value, the unit.
QString RowsText(const std::vector<ShownRow>& rows);

// The record from its JSON (every member of its table, of its type, a number
// finite), or nothing.
template <class R> std::optional<R> RecordFromJson(const QJsonObject& json) {
    const Fields::Table<R>& table = Calculation<R>::Fields();
    R record;
    for (size_t i = 0; i < table.size(); ++i) {
        const QJsonValue v = json.value(FormOf<R>().keys[i]);
        const bool ok = std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(record.*member)>;
                if constexpr (std::is_same_v<T, QString>) {
                    record.*member = v.toString();
                    return v.isString();
                } else if constexpr (std::is_same_v<T, bool>) {
                    record.*member = v.toBool();
                    return v.isBool();
                } else if constexpr (std::is_same_v<T, int>) {
                    const double d = v.toDouble();
                    if (!v.isDouble() || d != std::trunc(d) || !(std::abs(d) < 1e9))
                        return false;
                    record.*member = static_cast<int>(d);
                    return true;
                } else {
                    record.*member = v.toDouble();
                    return v.isDouble() && std::isfinite(v.toDouble());
                }
            },
            table[i].member);
        if (!ok)
            return std::nullopt;
    }
    return record;
}

// Whether a refusal is a check of the window on what was typed, whose message
// says more of a value outside its domain than the command line's: not the
// missing data that a value beyond sense turns into (a negative or overflowing
// required flow), a search that found no size, or a result that overflowed.
inline bool ChecksTheInputs(const Calc::Refusal& refusal) {
    using Kind = Calc::Refusal::Kind;
    return refusal.kind != Kind::IncompleteData && refusal.kind != Kind::NotFound &&
           refusal.kind != Kind::NotFinite;
}

template <class R> Result RunCase(ValveDialog dialog, const Case& inputs, bool withReport) {
    R record;
    const Fields::Field<R>* outOfDomain = nullptr;
    if (std::optional<Result> refused = EnterCase(dialog, inputs, record, &outOfDomain))
        return *refused;
    const Calc::Outcome<> outcome = Calc::Guarded(record);
    if (outOfDomain && (outcome || !ChecksTheInputs(outcome.refusal()))) {
        const size_t i = IndexOf(*outOfDomain);
        return Result::Stopped(Usage,
                               OutOfDomainMessage(FormOf<R>().options[i], *FormOf<R>().domains[i]));
    }
    if (!outcome)
        return Result::Stopped(Refused, outcome.Message());
    Result result;
    if (withReport) {
        const Calc::Outcome<Report::Content> report = Calc::GuardedPrint(record);
        if (report)
            result.report = *report;
        else
            result.reportRefusal = report.Message();
    }
    result.record = RecordJson(record);
    result.rows = ShownRows(record);
    result.text = RowsText(result.rows);
    return result;
}

// Every size of the walk "Oblicz" makes for the inputs of a selection record.
template <class R> Sizes SizesOfRecord(const R& record) {
    return {Selection::SizesOf(record), Selection::ColumnsOf(&record), record.ValveType,
            record.SetPressure};
}

// The subcommand `name` of the window on record R.
template <class R>
Command WindowCommand(const char* name, const char* formName, ValveDialog dialog) {
    Command command;
    command.name = QString::fromLatin1(name);
    command.formName = QString::fromLatin1(formName);
    command.caption = Calculation<R>::Caption().trimmed();
    command.options = WindowOptions<R>(dialog);
    command.hasField = [](const QString& key) {
        return Fields::Find(Calculation<R>::Fields(), key) != nullptr;
    };
    command.run = [dialog](const Case& inputs, bool withReport) {
        return RunCase<R>(dialog, inputs, withReport);
    };
    if (dialog != ValveDialog::Valve)
        command.sizes = [dialog](const Case& inputs) -> std::optional<Sizes> {
            R record;
            if (EnterCase(dialog, inputs, record))
                return std::nullopt;
            return SizesOfRecord(record);
        };
    command.enter = [dialog](const Case& inputs, Texts& texts) {
        R record;
        return EnterTexts(dialog, inputs, texts, record);
    };
    command.rowsOf = [](const QJsonObject& json) -> std::optional<std::vector<ShownRow>> {
        const std::optional<R> record = RecordFromJson<R>(json);
        if (!record)
            return std::nullopt;
        return ShownRows(*record);
    };
    return command;
}

} // namespace Cli
