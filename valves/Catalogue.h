#pragma once
// The fixed catalogue of PRX safety valves: the eight valve types with their
// connection sizes, narrowest flow diameters, admissible set pressures and, for
// every type, size and set pressure, the three certified discharge coefficients.
// The choice dialogs show it, the valve data files are generated from it and the
// catalogue cards are keyed by its type texts; nothing else holds these values.

#include <QString>

#include <optional>
#include <vector>

namespace Catalogue {

// Certified discharge coefficients of one valve size at one set pressure.
struct Alphas {
    double gas;      // α for gases and steam
    double liquid10; // αc for liquids, certified at 10 % overpressure
    double liquid25; // αc for liquids, certified at 25 % overpressure; 0 = not certified
};

struct Size {
    QString text;               // connection size with the inch sign: 1/2", 1 1/4"
    QString flowDiameterText;   // d [mm] as the dialog shows it: "12", "12.2"
    double flowDiameter;        // d [mm]
    std::vector<Alphas> alphas; // one per set pressure of the type, in list order
};

struct Type {
    QString text;                          // list item, valve data file name, card key
    std::vector<QString> setPressureTexts; // p [bar gauge] as list texts: "1.5", "10.0"
    std::vector<double> setPressures;      // the same values as numbers
    std::vector<Size> sizes;               // ascending
    int cardIndex;                         // catalogue card, 0 to 5
};

// The eight types in list order; the list index is the type index.
const std::vector<Type>& Types();

// The type with exactly this text, or nullptr.
const Type* FindType(const QString& typeText);

// The catalogue card of a type text, compared for exact equality; nothing for an
// empty or unknown text.
std::optional<int> CardIndexOf(const QString& typeText);

// The number of catalogue cards and the file name of each ("karta_….pdf", in the
// program directory); an index outside 0 to CardCount() - 1 gives an empty name.
int CardCount();
QString CardFile(int cardIndex);

} // namespace Catalogue
