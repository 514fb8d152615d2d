#pragma once
// The block of the air and steam reports that explains K2: the pressure ratio β
// against the critical ratio, the expansion coefficient ψ (its largest value
// ψmax at critical flow), K1 and K2. Its lines and formula bitmaps are written
// here once; each report places the pieces it prints on its own printer and PDF
// lines, and a few reports word them a little differently (Wording). No widgets.

#include "calc/Obliczenia.h"
#include "report/Report.h"

#include <initializer_list>

namespace FlowBlock {

enum class Medium {
    Air,   // k = 1.4: β kryt 0.528, ψmax 0.484, K1 computed from T1
    Steam, // saturated steam, k = 1.31: β kryt 0.543, ψmax 0.471, K1 from the chart
};

// The values the block prints.
struct Values {
    double beta = 0;       // β = (p2 + 1) / (p1 + 1)
    bool critical = false; // β below the critical ratio: K2 is printed as 1.0
    double psi = 0;        // ψ, printed for subcritical flow
    double k1 = 0;         // K1
    double k2 = 1.0;       // K2, printed for subcritical flow
};

// The block's values of what a capacity took: K1 and its β, ψ and K2. The
// reports count β below the critical ratio as critical (the formula counts β
// at the ratio too; a report prints the subcritical lines there).
Values Of(double k1, const Obliczenia::FlowFactors& flow, Medium medium);

// How a report words the block.
struct Wording {
    Medium medium = Medium::Steam;
    // β and K2 of the opening in a ruptured exchanger wall instead of the valve.
    bool wall = false;
    // The symbols Beta, Beta kryt and K1 one column further right.
    bool wideColumn = false;
    // "Wyznaczona wartość współczynnika K1" (K1 read from the chart).
    bool k1Determined = false;
};

enum class Piece {
    RatioHeading,           // "Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa"
    RatioFormula,           // β = (p2 + 1) / (p1 + 1)
    Ratio,                  // "Obliczony stosunek ciśnień … Beta: " β
    CriticalRatio,          // steam: "Krytyczny stosunek ciśnień (wg …) Beta kryt:  0.543"
    CriticalRatioHeading,   // air: "Krytyczny stosunek ciśnień"
    CriticalRatioFormula,   // air: β kryt of k
    CriticalRatioComputed,  // air: "Obliczony krytyczny stosunek ciśnień … Beta kryt:  0.528"
    CriticalFlowFormula,    // β < β kryt
    SubcriticalFlowFormula, // β ≥ β kryt
    PsiMaxHeading,          // "Maksymalna wartość współczynnika rozprężania adiabatycznego"
    PsiMaxFormula,          // ψmax of k
    PsiMax,                 // "… Psimax:  0.471" (0.484 for air)
    PsiHeading,             // "Współczynnik rozprężania adiabatycznego"
    PsiAtRatio,             // "Wartość współczynnika … dla stosunku ciśnień Beta = " β
    CriticalPsiFormula,     // ψ = ψmax
    PsiFormula,             // ψ of β
    Psi,                    // "Obliczona wartość współczynnika rozprężania … Psi: " ψ
    K1Heading,              // "Współczynnik K1 (zależny od właściwości czynnika)…"
    K1Formula,              // air: K1 of the molar mass and T1
    K1,                     // "… K1: " K1
    K2Heading,              // "Współczynnik K2 zależny od stosunku ciśnień za i przed …"
    K2Formula,              // K2 = ψ / ψmax
    K2,                     // "Obliczona wartość współczynnika K2 … K2: " 1.0 or K2
};

// A piece on its printer and its PDF place.
struct Placed {
    Piece piece;
    Report::Place printer;
    Report::Place pdf;
};

// Adds the pieces to the report in the order given.
void Add(Report::Content& report, const Values& values, const Wording& wording,
         std::initializer_list<Placed> pieces);

} // namespace FlowBlock
