#pragma once
// What every calculation window's "Oblicz" and print hand back to the window: a
// value, or the refusal whose message its warning box shows. The window keeps
// its state after a refusal. No widgets.

#include "calc/Obliczenia.h"

#include <QString>

#include <utility>
#include <variant>

namespace Calc {

// Why "Oblicz" or a print stopped without a result.
struct Refusal {
    enum class Kind {
        OverpressureBelow10,     // b1 < 10 % (the capacity windows say so)
        IncompleteData,          // a needed value is 0 or missing
        BackPressureNotBelowSet, // p2 ≥ p
        BackPressureBelowVacuum, // p2 ≤ −1 bar gauge: below absolute vacuum
        NotFinite,               // a result is no finite number
        DataFileError,           // the valve data file is missing or unreadable
        NotFound,                // no size at the set pressure covers the requirement
        NoValue,                 // the engineering has no value (a steam property, K1, ρ)
        NothingToPrint,          // a print without a result to print
        Stated,                  // a window's own message, carried by the refusal
    };
    Kind kind = Kind::IncompleteData;
    Obliczenia::NoValue noValue = Obliczenia::NoValue::None; // with Kind::NoValue
    QString text;                                            // with Kind::Stated: the message
    QString caption; // the box's caption when it is not the usual one ("Błąd!")

    static Refusal Because(Kind why) { return {why, Obliczenia::NoValue::None, {}, {}}; }
    static Refusal Missing(Obliczenia::NoValue why) { return {Kind::NoValue, why, {}, {}}; }
    static Refusal Says(QString message, QString boxCaption = {}) {
        return {Kind::Stated, Obliczenia::NoValue::None, std::move(message), std::move(boxCaption)};
    }

    // The text of the warning box.
    QString Message() const;

    bool operator==(const Refusal& o) const {
        return kind == o.kind && noValue == o.noValue && text == o.text && caption == o.caption;
    }
    bool operator!=(const Refusal& o) const { return !(*this == o); }
};

// The value of an "Oblicz" whose results went into its record.
struct Done {};

// A value, or the refusal that stands in its place.
template <class T = Done> class Outcome {
public:
    Outcome(T value = T()) : v_(std::move(value)) {}
    Outcome(Refusal why) : v_(why) {}

    static Outcome Computed() { return Outcome(); }
    static Outcome Refused(Refusal::Kind why) { return Refusal::Because(why); }
    static Outcome Missing(Obliczenia::NoValue why) { return Refusal::Missing(why); }

    bool has_value() const { return v_.index() == 0; }
    bool Succeeded() const { return has_value(); }
    explicit operator bool() const { return has_value(); }
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    // Meaningful only without a value.
    Refusal refusal() const { return has_value() ? Refusal{} : std::get<1>(v_); }
    // The warning-box text; empty with a value.
    QString Message() const { return has_value() ? QString() : std::get<1>(v_).Message(); }

    // The same refusal as an outcome of another kind.
    template <class U> operator Outcome<U>() const {
        return has_value() ? Outcome<U>() : Outcome<U>(std::get<1>(v_));
    }

    bool operator==(const Outcome& o) const {
        return has_value() == o.has_value() && (has_value() || refusal() == o.refusal());
    }

private:
    std::variant<T, Refusal> v_;
};

// The messages of the checks that "Oblicz" makes before any formula.
QString IncompleteDataMessage(); // "Brak kompletu danych do wykonania obliczeń!"
QString OverpressureMessage();   // "Przyrost ciśnienia b1 musi być większy lub równy 10% !"
QString BackPressureMessage();   // "Ciśnienie odpływowe jest równe lub większe niż ..."
QString VacuumMessage(); // "Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!"

// A back pressure at or below −1 bar gauge lies below absolute vacuum.
inline bool BelowVacuum(double p2) {
    return !(p2 > -1);
}

} // namespace Calc
