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

#include <optional>
#include <variant>

namespace Cli {

// The record as JSON: every member of its table, in the record's order.
template <class R> JsonObject RecordJson(const R& record) {
    JsonObject json;
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        std::visit([&](auto member) { json.Add(QString::fromLatin1(f.key), record.*member); },
                   f.member);
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
                               QString()});
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        if (f.role == Fields::Role::Control)
            options.push_back({Fields::OptionName(f.key), QString::fromLatin1(f.key),
                               f.look.description, f.look.unit, Fields::RestoredText(R(), f),
                               f.IsBool() ? QStringLiteral("true|false") : QStringLiteral("N")});
    return options;
}

// The record's mode (its member "Mode"), or -1 for a record without modes.
template <class R> int ModeOf(const R& record) {
    const Fields::Field<R>* mode = Fields::Find(Calculation<R>::Fields(), QStringLiteral("Mode"));
    return mode ? Fields::RestoredText(record, *mode).toInt() : -1;
}

// A field of another mode than the record's: the window has it disabled and
// does not read it.
template <class R> bool OfAnotherMode(const R& record, const Fields::Field<R>& f) {
    return f.mode >= 0 && f.mode != ModeOf(record);
}

// The case entered into the window and read by "Oblicz" into `record`; the
// message of an exit check (Refused) or of a valve the dialog does not list
// (Usage) instead.
template <class R>
std::optional<Result> EnterCase(ValveDialog dialog, const Case& inputs, R& record) {
    const Fields::Table<R>& table = Calculation<R>::Fields();
    record = R();
    Texts texts;
    // A field the window does not fill when shown starts empty.
    for (const Fields::Field<R>& f : table)
        if (f.edit)
            texts[QString::fromLatin1(f.key)] =
                f.restored ? Fields::RestoredText(record, f) : QString();
    if (const QString error = ChooseValve(dialog, inputs, texts); !error.isEmpty())
        return Result::Stopped(Usage, error);
    // The window's controls (a radio group's item, a spin edit's value): whole
    // numbers in their range, or true and false. Those of one mode come after
    // the mode, and only that mode takes them.
    std::vector<const Fields::Field<R>*> controls;
    for (const bool ofAMode : {false, true})
        for (const Fields::Field<R>& f : table)
            if (f.role == Fields::Role::Control && (f.mode >= 0) == ofAMode)
                controls.push_back(&f);
    for (const Fields::Field<R>* control : controls) {
        const Fields::Field<R>& f = *control;
        const auto typed = inputs.find(Fields::OptionName(f.key));
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
            return Result::Stopped(Usage,
                                   QStringLiteral("Opcja --%1: %2")
                                       .arg(Fields::OptionName(f.key),
                                            f.look.range ? f.look.range->message : QString()));
        if (!OfAnotherMode(record, f))
            Fields::Take(record, f, f.IsBool() ? text : QString::number(value));
    }
    for (const Fields::Field<R>& f : table) {
        const auto typed =
            f.role == Fields::Role::Input ? inputs.find(Fields::OptionName(f.key)) : inputs.end();
        if (typed == inputs.end() || OfAnotherMode(record, f))
            continue;
        texts[QString::fromLatin1(f.key)] = FieldText(typed->second);
        if (qstrcmp(f.key, "Overpressure") == 0)
            FollowRelievingPressure(texts);
    }
    for (const Fields::Field<R>& f : table) {
        if (f.role != Fields::Role::Input || OfAnotherMode(record, f))
            continue;
        const QString& text = texts[QString::fromLatin1(f.key)];
        double value = 0;
        if (text.isEmpty()) // an empty field passes
            continue;
        if (Convert::Val(text, value) != 0)
            return Result::Stopped(Refused, f.look.invalid);
        if (f.look.range && (value < f.look.range->min || value > f.look.range->max))
            return Result::Stopped(Refused, f.look.range->message);
    }
    for (const Fields::Field<R>& f : table)
        if (f.IsRead() && !OfAnotherMode(record, f))
            Fields::Take(record, f, texts[QString::fromLatin1(f.key)]);
    return std::nullopt;
}

// The rows the window shows beside the typed fields: p1 and the results, each
// with its label, its text (a result number in the result format) and its unit.
template <class R> QString ResultRows(const R& record) {
    QString rows;
    for (const Fields::Field<R>* f : Fields::Shown(Calculation<R>::Fields())) {
        if (f->role == Fields::Role::Input || (f->look.label.isEmpty() && f->look.unit.isEmpty()))
            continue;
        const QString value = f->role == Fields::Role::Result && f->IsNumber()
                                  ? Fields::ResultText(record, *f)
                                  : Fields::RestoredText(record, *f);
        const QString row = QStringLiteral("%1 %2").arg(f->look.label, -22).arg(value);
        rows += (f->look.unit.isEmpty() ? row : row + QLatin1Char(' ') + f->look.unit) +
                QLatin1Char('\n');
    }
    return rows;
}

template <class R> Result RunCase(ValveDialog dialog, const Case& inputs, bool withReport) {
    R record;
    if (std::optional<Result> refused = EnterCase(dialog, inputs, record))
        return *refused;
    if (const Calc::Outcome<> outcome = Calc::Guarded(record); !outcome)
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
    result.text = ResultRows(record);
    return result;
}

// The subcommand `name` of the window on record R.
template <class R> Command WindowCommand(const char* name, ValveDialog dialog) {
    Command command;
    command.name = QString::fromLatin1(name);
    command.caption = Calculation<R>::Caption().trimmed();
    command.options = WindowOptions<R>(dialog);
    command.hasField = [](const QString& key) {
        return Fields::Find(Calculation<R>::Fields(), key) != nullptr;
    };
    command.run = [dialog](const Case& inputs, bool withReport) {
        return RunCase<R>(dialog, inputs, withReport);
    };
    return command;
}

} // namespace Cli
