#include "report/FlowBlock.h"

#include "report/ReportLines.h"

namespace FlowBlock {

namespace {

// A label: its words, blank-padded to `width` characters, and the symbol.
QString Label(const QString& words, int width, const char* symbol) {
    return words.leftJustified(width) + QLatin1String(symbol);
}

struct Formula {
    int number;
    int width; // printer rectangle [pixels] from x 120
    int height;
};

Formula FormulaOf(Piece piece, const Wording& w) {
    switch (piece) {
    case Piece::RatioFormula:
        return w.wall ? Formula{29, 504, 222} : Formula{11, 456, 240};
    case Piece::CriticalRatioFormula:
        return {10, 573, 270};
    case Piece::CriticalFlowFormula:
        return {17, 258, 105};
    case Piece::SubcriticalFlowFormula:
        return {20, 270, 99};
    case Piece::PsiMaxFormula:
        return {7, 879, 270};
    case Piece::CriticalPsiFormula:
        return w.medium == Medium::Air ? Formula{19, 624, 105} : Formula{23, 576, 102};
    case Piece::PsiFormula:
        return {9, 942, 276};
    case Piece::K1Formula:
        return {6, 696, 267};
    case Piece::K2Formula:
        return {8, 378, 222};
    default:
        return {0, 0, 0}; // a line
    }
}

QString TextOf(Piece piece, const Values& v, const Wording& w) {
    const bool air = w.medium == Medium::Air;
    const int wide = w.wideColumn ? 1 : 0;
    const QString criticalRatio = air ? QStringLiteral("0.528") : QStringLiteral("0.543");
    const QString psiMax = air ? QStringLiteral("0.484") : QStringLiteral("0.471");
    const QString psiName = QStringLiteral("współczynnika rozprężania adiabatycznego");
    switch (piece) {
    case Piece::RatioHeading:
        return w.wall ? QStringLiteral("Stosunek ciśnień za i przed otworem w ściance wymiennika")
                      : QStringLiteral(
                            "Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa");
    case Piece::Ratio:
        return Label(
                   w.wall ? QStringLiteral(
                                "Obliczony stosunek ciśnień za i przed otworem w ściance wym.")
                   : air
                       ? QStringLiteral(
                             "Obliczony stosunek ciśnień abs. za i przed zaworem bezpieczeństwa")
                       : QStringLiteral("Obliczony stosunek ciśnień abs. za i przed zaworem bezp."),
                   66 + wide, "Beta: ") +
               Report::Number(v.beta, 3);
    case Piece::CriticalRatio:
        return Label(QStringLiteral("Krytyczny stosunek ciśnień (wg WUDT-UC-WO-A/01:2003 Tabl. 3)"),
                     61 + wide, "Beta kryt:  ") +
               criticalRatio;
    case Piece::CriticalRatioHeading:
        return QStringLiteral("Krytyczny stosunek ciśnień");
    case Piece::CriticalRatioComputed:
        return Label(QStringLiteral("Obliczony krytyczny stosunek ciśnień"), 61 + wide,
                     "Beta kryt:  ") +
               criticalRatio;
    case Piece::PsiMaxHeading:
        return QStringLiteral("Maksymalna wartość ") + psiName;
    case Piece::PsiMax:
        return Label(w.wall ? QStringLiteral("Maksymalna wartość ") + psiName
                            : QStringLiteral("Obliczona max. wartość ") + psiName,
                     64, "Psimax:  ") +
               psiMax;
    case Piece::PsiHeading:
        return QStringLiteral("Współczynnik rozprężania adiabatycznego");
    case Piece::PsiAtRatio:
        return QStringLiteral("Wartość ") + psiName +
               QStringLiteral(" wyznaczona dla stosunku ciśnień Beta = ") +
               Report::Number(v.beta, 3, 5);
    case Piece::Psi:
        return Label(QStringLiteral("Obliczona wartość ") + psiName, 67, "Psi: ") +
               Report::Number(v.psi, 3);
    case Piece::K1Heading:
        return air ? QStringLiteral("Współczynnik K1 (zależny od właściwości czynnika)")
                   : QStringLiteral("Współczynnik K1 (zależny od właściwości czynnika) wyznaczony "
                                    "wg WUDT-UC-WO-A/01:2003 Rys. 1");
    case Piece::K1:
        return Label(w.k1Determined ? QStringLiteral("Wyznaczona wartość współczynnika K1")
                     : air          ? QStringLiteral("Obliczona wartość współczynnika K1")
                           : QStringLiteral("Współczynnik K1 zależny od właściwości czynnika"),
                     68 + wide, "K1: ") +
               Report::Number(v.k1, 3);
    case Piece::K2Heading:
        return QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed ") +
               (w.wall ? QStringLiteral("otworem w ściance wymiennika")
                       : QStringLiteral("urządzeniem"));
    case Piece::K2:
        // The air reports print a computed K2 one column further right.
        return Label(QStringLiteral("Obliczona wartość współczynnika K2"), 68, "K2: ") +
               (v.critical ? QStringLiteral(" 1.0")
                           : (air ? QStringLiteral(" ") : QString()) + Report::Number(v.k2, 3));
    default:
        return {};
    }
}

} // namespace

Values Of(double k1, const Obliczenia::FlowFactors& flow, Medium medium) {
    const double criticalRatio =
        medium == Medium::Air ? Obliczenia::AirCriticalRatio : Obliczenia::SteamCriticalRatio;
    return {flow.beta, flow.beta < criticalRatio, flow.psi, k1, flow.K2};
}

void Add(Report::Content& r, const Values& v, const Wording& w,
         std::initializer_list<Placed> pieces) {
    for (const Placed& p : pieces) {
        const Formula formula = FormulaOf(p.piece, w);
        if (formula.number > 0)
            r.Bitmap(p.printer, p.pdf, formula.number, formula.width, formula.height);
        else
            r.Text(p.printer, p.pdf, TextOf(p.piece, v, w));
    }
}

} // namespace FlowBlock
