#pragma once
// A catalogue valve named on the command line, and the valve choice dialog's
// "OK" on the texts of a capacity window: the window reads its valve back from
// those texts, so a calculation from the command line goes through the same
// texts (the flow diameter as the dialog shows it, the coefficients and p1 as
// fixed-point texts with two decimals) to give the window's numbers.

#include "valves/Catalogue.h"

#include <QString>

#include <optional>

namespace Cli {

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

// The texts of a capacity window's fields (the water window's field names).
struct CapacityTexts {
    QString overpressure;      // Edit3: b1 [%]
    QString relievingPressure; // Edit4: p1 [bar gauge], derived
    QString relievingTemp;     // Edit10: t1 [°C] (water and air)
    QString backPressure;      // Edit9 (Edit8 in steam and air): p2 [bar gauge]
    QString valveType;         // Edit11
    QString valveSize;         // Edit12
    QString flowDiameter;      // Edit5: d [mm]
    QString setPressure;       // Edit1: p [bar gauge]
    QString alphaGas;          // Edit6 of steam and air
    QString alphaLiquid10;     // Edit6 of water
    QString alphaLiquid25;     // Edit8 of water
};

// "OK" of the valve choice dialog after `choice` was clicked: type, size, d,
// set pressure and the window's coefficient(s), then p1 from the window's set
// pressure and overpressure texts.
void FillValve(CapacityTexts& fields, const ValveChoice& choice, bool liquid);

// The overpressure typed: the field takes the text and p1 follows it.
void TypeOverpressure(CapacityTexts& fields, const QString& text);

// p1 as the window shows it: p × (1 + b1/100) from the two field texts, with
// two decimals.
QString RelievingPressureText(const QString& setPressure, const QString& overpressure);

} // namespace Cli
