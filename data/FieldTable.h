#pragma once
// The fields of a calculation record, described once: the record member, its
// name (the JSON key and, in kebab case, the command-line option), and for a
// member a window shows, the window field's form name, its place in the form,
// its label and unit, its decimals when restored, its exit message and range
// and its help context number. The windows fill and read their fields from the
// table, the command line derives its options, help and JSON from it, and the
// tests their record JSON. A new window adds one table. No widgets.

#include "data/Convert.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace Fields {

// An allowed range of a numeric field, checked when the field is left.
struct Range {
    double min;
    double max;
    QString message;
};

// How a window shows a member.
enum class Role {
    Record,  // in the record only
    Input,   // a numeric field the user types into, checked when left
    Derived, // a read-only field the window computes (p1); "Oblicz" reads it
    Choice,  // filled by a choice dialog (type, size, set pressure, d, α); "Oblicz" reads it
    Result,  // a result field: "Oblicz" shows it, the window restores it when shown
    Control, // a radio group's item or a spin edit's value, a whole number in look.range
};

// What a field of a window looks like and how it is checked.
struct Look {
    QString label;   // "Przyrost ciśnienia :"
    QString unit;    // "[%]", empty for none
    int help = 0;    // help context number, 0 = none
    QString invalid; // the message when it is left with a text that is no number
    std::optional<Range> range;
    QString description; // what the command line's help says of it
    QString hint;        // what the window's field says when the mouse rests on it
    // Leaving the field empty is checked against the range too (it reads 0).
    bool emptyOutOfRange = false;

    Look(QString label_ = {}, QString unit_ = {}, int help_ = 0, QString invalid_ = {},
         std::optional<Range> range_ = {}, QString description_ = {})
        : label(std::move(label_)), unit(std::move(unit_)), help(help_),
          invalid(std::move(invalid_)), range(std::move(range_)),
          description(std::move(description_)) {}
};

template <class R> using Member = std::variant<double R::*, QString R::*, int R::*, bool R::*>;

template <class R> struct Field {
    const char* key; // the member's name: JSON key and batch column
    Member<R> member;
    Role role = Role::Record;
    const char* edit = nullptr; // the window field's form name
    int order = 0;              // place in the form; the window fills its fields in this order
    int decimals = 1;           // a restored number: fixed-point, at least 4 wide
    int resultDecimals = 1;     // a result number: the result format with these decimals
    bool restored = true;       // filled from the record when the window is shown
    int mode = -1;              // read only in this mode of the record's "Mode"; -1: always
    bool cleared = true;        // a result that a changed input empties
    double (*shown)(const R&) = nullptr; // the number the window shows, when not the member
    Look look;

    Field(const char* k, Member<R> m) : key(k), member(m) {}
    Field& Shown(Role r, const char* e, int o, const Look& l = {}, int d = 1) {
        role = r;
        edit = e;
        order = o;
        look = l;
        decimals = d;
        return *this;
    }
    Field& Input(const char* e, int o, Look l, int d = 1) { return Shown(Role::Input, e, o, l, d); }
    Field& Derived(const char* e, int o, Look l, int d = 2) {
        return Shown(Role::Derived, e, o, l, d);
    }
    Field& Choice(const char* e, int o, int d = 1, Look l = {}) {
        return Shown(Role::Choice, e, o, l, d);
    }
    Field& Result(const char* e, int o, Look l = {}, int d = 1) {
        return Shown(Role::Result, e, o, l, d);
    }
    Field& Control(const Look& l) {
        role = Role::Control;
        look = l;
        return *this;
    }
    // A result shown with more decimals than the result format's one.
    Field& ResultDecimals(int d) {
        resultDecimals = d;
        return *this;
    }
    // A field the window does not fill when shown: it keeps its own text.
    Field& Kept() {
        restored = false;
        return *this;
    }
    // A result that stays when an input changes, until the next "Oblicz".
    Field& Stays() {
        cleared = false;
        return *this;
    }
    // What the window's field says when the mouse rests on it.
    Field& Hint(const QString& text) {
        look.hint = text;
        return *this;
    }
    // The window's own label, where it is not the shared one.
    Field& Label(const QString& text) {
        look.label = text;
        return *this;
    }
    // A result the window shows as this number of the record (Ap + Aw, say).
    Field& Showing(double (*number)(const R&)) {
        shown = number;
        return *this;
    }
    // A field of one mode only: read, and taken from the command line, in it.
    Field& InMode(int m) {
        mode = m;
        return *this;
    }

    bool IsNumber() const { return std::holds_alternative<double R::*>(member); }
    bool IsText() const { return std::holds_alternative<QString R::*>(member); }
    bool IsBool() const { return std::holds_alternative<bool R::*>(member); }
    // Typed by the user or filled by a dialog: what "Oblicz" reads.
    bool IsRead() const { return edit && role != Role::Result; }
};

template <class R> using Table = std::vector<Field<R>>;

// The member `key` of the table, or nullptr.
template <class R> const Field<R>* Find(const Table<R>& table, const QString& key) {
    for (const Field<R>& f : table)
        if (key == QLatin1String(f.key))
            return &f;
    return nullptr;
}

// Whether the field is that of the record member `member`.
template <class R, class T> bool Is(const Field<R>& f, T R::*member) {
    const auto* m = std::get_if<T R::*>(&f.member);
    return m && *m == member;
}

// The field of the record member `member`, or nullptr when the table has none.
template <class R, class T> const Field<R>* Find(const Table<R>& table, T R::*member) {
    for (const Field<R>& f : table)
        if (Is(f, member))
            return &f;
    return nullptr;
}

// The fields a window shows, in their order in the form.
template <class R> std::vector<const Field<R>*> Shown(const Table<R>& table) {
    std::vector<const Field<R>*> shown;
    for (const Field<R>& f : table)
        if (f.edit)
            shown.push_back(&f);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const Field<R>* a, const Field<R>* b) { return a->order < b->order; });
    return shown;
}

// The text a window restores into the field of the member: a number fixed-point
// with its decimals at least 4 wide, a text as it is.
template <class R> QString RestoredText(const R& record, const Field<R>& f) {
    if (f.shown)
        return Convert::FixedText(f.shown(record), 4, f.decimals);
    if (const auto* d = std::get_if<double R::*>(&f.member))
        return Convert::FixedText(record.*(*d), 4, f.decimals);
    if (const auto* s = std::get_if<QString R::*>(&f.member))
        return record.*(*s);
    if (const auto* i = std::get_if<int R::*>(&f.member))
        return QString::number(record.*(*i));
    return record.*std::get<bool R::*>(f.member) ? QStringLiteral("true") : QStringLiteral("false");
}

// The number a window shows in a numeric field: its own, or the member.
template <class R> double ShownNumber(const R& record, const Field<R>& f) {
    return f.shown ? f.shown(record) : record.*std::get<double R::*>(f.member);
}

// A result number as the window shows it: the result format with its decimals.
template <class R> QString ResultText(const R& record, const Field<R>& f) {
    return Convert::ResultTextWithDecimals(ShownNumber(record, f), f.resultDecimals);
}

// A field's text into the member: a number with the decimal conversion (an
// empty or bad text gives 0), a text as it is.
template <class R> void Take(R& record, const Field<R>& f, const QString& text) {
    if (const auto* d = std::get_if<double R::*>(&f.member))
        record.*(*d) = Convert::ToDouble(text);
    else if (const auto* s = std::get_if<QString R::*>(&f.member))
        record.*(*s) = text;
    else if (const auto* i = std::get_if<int R::*>(&f.member))
        record.*(*i) = static_cast<int>(Convert::ToDouble(text));
    else
        record.*std::get<bool R::*>(f.member) = text == QLatin1String("true");
}

// The first number of the record outside the range its field is checked
// against when left, or nullptr; with a `mode`, the fields of other modes are
// not looked at. "Oblicz" checks again what an empty field or a window closed
// without leaving the field let pass.
template <class R> const Range* OutOfRange(const Table<R>& table, const R& record, int mode = -1) {
    for (const Field<R>& f : table)
        if (f.look.range && f.IsNumber() && (f.mode < 0 || mode < 0 || f.mode == mode)) {
            const double value = record.*std::get<double R::*>(f.member);
            if (!(value >= f.look.range->min && value <= f.look.range->max))
                return &*f.look.range;
        }
    return nullptr;
}

// The option name of a member: kebab case of its key ("RelievingTemp" → "relieving-temp").
QString OptionName(const char* key);

// The looks of the fields the windows share.
namespace Looks {
Look RequiredCapacity();  // "Wymagana przepustowość :" [kg/h]
Look RequiredPower();     // "Wymagana moc cieplna :" [kW]
Look Overpressure();      // "Przyrost ciśnienia :" [%]
Look RelievingPressure(); // "Ciśnienie zrzutowe :" [bar], derived
Look WaterTemperature();  // "Temperatura zrzutowa :" [°C], 0.1 … 149.9 °C
Look GasTemperature();    // "Temperatura zrzutowa :" [°C], no range
Look BackPressure();      // "Ciśnienie odpływowe :" [bar]
// The results of a selection window.
Look FoundSize();     // "Wielkość :"
Look FoundDiameter(); // "Średnica :" [mm]
Look FoundCapacity(); // "Przepustowość :" [kg/h]
// The results of the windows that derive their required flow (heat
// exchangers, thermal expansion).
Look RequiredFlow();     // "Wymagana przepustowość:" [kg/h]
Look SelectedSize();     // "Wielkość wybranego zaworu:"
Look SelectedDiameter(); // "Średnica wybranego zaworu:" [mm]
Look SelectedCapacity(); // "Przepustowość wybranego zaworu:" [kg/h]
// The valve of a capacity window, as the valve choice dialog fills it.
Look ValveType();   // "Typ :"
Look ValveSize();   // "Wielkość :"
Look Diameter();    // "d :" [mm]
Look SetPressure(); // "Ciśnienie nastawy :" [bar]
} // namespace Looks

} // namespace Fields

// The calculation of one window on its record, specialised next to each
// window's core routines:
//   static const Fields::Table<R>& Fields();
//   static Calc::Outcome<> Oblicz(R&);                    // results into the record
//   static Calc::Outcome<Report::Content> Print(R& last); // the report of the last calculation
template <class R> struct Calculation;
