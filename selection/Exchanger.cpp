#include "selection/Exchanger.h"

#include "data/Convert.h"

namespace Exchanger {

using Report::ValueLine;

Calc::Refusal SetAbovePermissible() {
    return Calc::Refusal::Says(
        QStringLiteral(
            "Ciśnienie nastawy zaworu jest wyższe niż ciśnienie dopuszczalne instalacji!"),
        QStringLiteral("Błąd!"));
}

std::optional<Calc::Refusal> Check(double networkPressure, double permissiblePressure,
                                   const QString& valveType, double setPressure) {
    // A type chosen without its set pressure would walk for p = 0.
    if (networkPressure == 0 || permissiblePressure == 0 || valveType.isEmpty() || setPressure == 0)
        return Calc::Refusal::Because(Calc::Refusal::Kind::IncompleteData);
    if (permissiblePressure < setPressure)
        return SetAbovePermissible();
    return std::nullopt;
}

double PressureFactor(double networkPressure, double setPressure) {
    return networkPressure - setPressure > 5.0 ? 2.0 : 1.0;
}

double PlateAreaUsed(double plateArea) {
    return plateArea == 0 ? 0.0001 : plateArea;
}

std::optional<double> SectionArea(bool coil, double coilDiameter, double plateArea) {
    const double size = coil ? coilDiameter : plateArea;
    if (!(size >= 0 && std::isfinite(size)))
        return std::nullopt;
    if (!coil)
        return PlateAreaUsed(plateArea);
    const double dw = 0.001 * coilDiameter; // [m]
    return dw * dw * M_PI / 4;
}

double EquivalentDiameter(double area) {
    return 1000 * std::sqrt(4 * area / M_PI);
}

Calc::Outcome<Selected> FirstCovering(const QString& valveType, double setPressure, int count,
                                      double required, const Selection::Measure& oneValve) {
    double m1 = 0; // of the last size measured, which is the one found
    const Selection::Outcome<Selection::Found> found =
        Selection::FirstCovering(valveType, setPressure, required,
                                 [&](const ValveData::Record& valve) -> Obliczenia::Result {
                                     const Obliczenia::Result one = oneValve(valve);
                                     if (!one)
                                         return one;
                                     m1 = one.value();
                                     return count * m1;
                                 });
    if (!found)
        return found;
    return Selected{found->record, m1};
}

Fields::Look PermissibleLook() {
    return {QStringLiteral("Ciśnienie dopuszczalne instalacji ogrzewania wodnego:"),
            QStringLiteral("[bar]"),
            18,
            QStringLiteral(
                "Niepoprawna wartość ciśnienia dopuszczalnego instalacji ogrzewania wodnego!"),
            std::nullopt,
            QStringLiteral("ciśnienie dopuszczalne instalacji ogrzewania wodnego pdinst")};
}

Fields::Look CoilLook() {
    return {QStringLiteral("Średnica wew. wężownicy:"),
            QStringLiteral("[mm]"),
            0,
            QStringLiteral("Niepoprawna wartość średnicy wew. wężownicy!"),
            std::nullopt,
            QStringLiteral("średnica wewnętrzna rurki wężownicy dw (wymiennik wężownicowy)")};
}

Fields::Look PlateLook() {
    return {QStringLiteral("Powierzchnia przekroju \"A\" wymiennika płytowego:"),
            QStringLiteral("[m2]"),
            35,
            QStringLiteral("Niepoprawna wartość powierzchni przekroju \"A\" wymiennika płytowego!"),
            std::nullopt,
            QStringLiteral("powierzchnia przekroju A wymiennika płytowego (0: 0.0001 m2)")};
}

Fields::Look KindLook() {
    return {QString(),
            QString(),
            0,
            QString(),
            Fields::Range{0, 1,
                          QStringLiteral("Rodzaj wymiennika: true – wężownicowy, false – "
                                         "płytowy.")},
            QStringLiteral("wymiennik wężownicowy (true) lub płytowy (false)")};
}

Fields::Look CountLook() {
    return {QStringLiteral("Ilość zaworów:"),
            QString(),
            36,
            QString(),
            Fields::Range{1, 10, QStringLiteral("Ilość zaworów: liczba całkowita od 1 do 10.")},
            QStringLiteral("ilość zaworów n (1 – 10)")};
}

QString NetworkPressureLine(double pnsc) {
    return ValueLine(QStringLiteral("Ciśnienie nominalne sieci ciepłowniczej                    "
                                    "       pnsc: "),
                     pnsc, 1, QStringLiteral(" bar"));
}

QString PermissiblePressureLine(double pdinst) {
    return ValueLine(QStringLiteral("Ciśnienie dopuszczalne instalacji ogrzewania wodnego       "
                                    "     pdinst: "),
                     pdinst, 1, QStringLiteral(" bar"));
}

QString SectionLine(bool coil, double coilDiameter, double plateArea) {
    if (coil)
        return ValueLine(QStringLiteral("Powierzchnia przekroju porzecznego jednej rurki "
                                        "wężownicy           Aw: "),
                         Obliczenia::FlowArea(coilDiameter), 2, QStringLiteral(" mm2"));
    // The smallest band that holds the area sets its decimals.
    const double area = PlateAreaUsed(plateArea);
    int decimals = 4;
    for (const double band : {0.001, 0.0001, 0.00001})
        if (area <= band)
            ++decimals;
    return QStringLiteral("Powierzchnia przekroju \"A\" wymiennika płytowego                     "
                          "Aw: ") +
           Report::Number(area, decimals) + QStringLiteral(" m2");
}

QString FactorLine(double b) {
    return ValueLine(QStringLiteral("Współczynnik zależny od różnicy ciśnień pnsc-p             "
                                    "          b: "),
                     b, 0);
}

int AddConclusion(Report::Content& r, Report::Place printer, Report::Place pdf, int valveCount,
                  double oneValve, double total) {
    int lines = 0;
    auto line = [&](const QString& text) {
        Report::Place p = printer, q = pdf;
        p.line += lines;
        q.line += lines;
        r.Text(p, q, text, Report::Style::Bold);
        ++lines;
    };
    if (valveCount < 2) {
        line(ValueLine(QStringLiteral("Przepustowość wybranego zaworu                          "
                                      "             m: "),
                       oneValve, 1, QStringLiteral(" kg/h")));
        line(QStringLiteral("Warunek m>M jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
                            "przepustowość."));
        return lines;
    }
    line(ValueLine(QStringLiteral("Przepustowość 1 szt. wybranego zaworu                        "
                                  "       m1: "),
                   oneValve, 1, QStringLiteral(" kg/h")));
    line(ValueLine(QStringLiteral("Przepustowość całkowita wybranych zaworów                   "
                                  "         m: "),
                   total, 1, QStringLiteral(" kg/h")));
    line(QStringLiteral("Warunek m>M jest spełniony. Zawory bezpieczeństwa mają wystarczającą "
                        "przepustowość."));
    return lines;
}

} // namespace Exchanger
