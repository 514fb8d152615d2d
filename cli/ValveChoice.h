#pragma once
// The valve dialogs on the command line. A capacity window's valve choice
// dialog takes a type, a size and a set pressure from the catalogue's lists, a
// selection window's valve type dialog a type and a set pressure. Their "OK"
// writes the window's field texts, which "Oblicz" reads as any other field, so
// a calculation from the command line goes through the same texts (the flow
// diameter as the dialog shows it, the coefficients and p1 as fixed-point texts
// with two decimals) to give the window's numbers.

#include "cli/Commands.h"
#include "valves/Catalogue.h"

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace Cli {

// How a window's valve is chosen.
enum class ValveDialog {
    Valve,       // the valve choice dialog: type, size and set pressure from its lists
    Type,        // the valve type dialog: type and set pressure from its lists
    TypeOrTyped, // the same, and the window takes a set pressure typed into its field
};

// The choice in the dialog's three lists; -1 where nothing is selected.
struct ValveChoice {
    const Catalogue::Type* type = nullptr;
    int size = -1;
    int setPressure = -1;
};

// The choice for the given texts: the type text exactly as listed, the size
// with or without its inch sign, the set pressure as a number of the type's
// list ("6", "6.0"). An empty size or set pressure selects nothing in its list.
// Nothing, with the message in *error, for a text that is not in its list (or
// a size or set pressure without a type).
std::optional<ValveChoice> FindValve(const QString& type, const QString& size,
                                     const QString& setPressure, QString* error);

// The options of the dialog in its order: valve-type, valve-size (the valve
// choice dialog only) and set-pressure.
const std::vector<Option>& ValveOptions(ValveDialog dialog);

// "OK" of the dialog after the choice its options in `inputs` name, into those
// of `fields` the window has, then p1; nothing when none of its options is
// given. The message of a choice the lists do not hold, else an empty text.
QString ChooseValve(ValveDialog dialog, const Case& inputs, Texts& fields);

// "OK" of the valve choice dialog after `choice` was clicked: type, size, d, set
// pressure and the coefficients (AlphaGas, AlphaLiquid10, AlphaLiquid25), each
// into the window's field where it has one.
void FillValve(Texts& fields, const ValveChoice& choice);

// p1 = p × (1 + b1/100) from the set pressure's and the overpressure's texts,
// as the window shows it: two decimals.
QString RelievingPressureText(const QString& setPressure, const QString& overpressure);

// p1 follows the set pressure and the overpressure, in a window with a p1 field.
void FollowRelievingPressure(Texts& fields);

} // namespace Cli
