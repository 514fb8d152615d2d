#pragma once
// A two-page report for the output tests, shaped like the air capacity report:
// bold and normal lines, formula bitmaps, and page breaks that differ between
// the printer and the PDF.

#include "capacity/FlowWaterCalc.h"
#include "report/Report.h"

// The water capacity report of an SV10 1/2" at 5 bar.
inline Report::Content WaterCapacityReport() {
    TFlowWaterData d;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("1/2\"");
    d.FlowDiameter = 12;
    d.SetPressure = 5;
    d.RelievingPressure = 5.5;
    d.AlphaLiquid10 = 0.45;
    d.Capacity = 5999.5;
    d.VolumeCapacity = 6;
    return Capacity::ReportContent(d);
}

inline Report::Content SampleReport() {
    using namespace Report;
    Content r;
    r.valveType = QStringLiteral("SV20.N w Tandor 50DN20");
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    r.Text(Line(7), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"), Style::Bold);
    r.Text(Line(8), Line(1), QStringLiteral("Typ: PRX SV20.N w Tandor 50DN20  3/4\""));
    r.Text(Line(9), Line(2),
           QStringLiteral("Najmniejsza średnica kanału przepływowego                            d: "
                          "  20.0 mm"));
    r.Text(Line(25), Line(18),
           QStringLiteral("Obliczenia (do wzorów wartości ciśnienia podstawiono w [MPa]):"),
           Style::Bold);
    r.Text(Line(26), Line(19),
           QStringLiteral("Maksymalna wartość współczynnika rozprężania "
                          "adiabatycznego"));
    r.Bitmap(Line(27), Line(20), 7, 879, 270);
    r.Text(Line(30), Line(24),
           QStringLiteral("Obliczona max. wartość współczynnika rozprężania adiabatycznego "
                          "Psimax:  0.484"));
    r.Bitmap(Line(46), Line(43), 17, 258, 105);
    r.Text(Line(51), TitleY(2),
           QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"));
    r.Bitmap(Line(52), Line(0, 2), 8, 378, 222);
    r.Text(Line(55), Line(3, 2),
           QStringLiteral("Obliczona wartość współczynnika K2                                  K2: "
                          " 1.0"));
    r.Text(Line(7, 2), Line(15, 2), QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    r.Bitmap(Line(8, 2), Line(16, 2), 1, 1251, 222);
    r.Text(Line(11, 2), Line(19, 2),
           QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m: "
                          "2013.2 kg/h"),
           Style::Bold);
    return r;
}

// One page on both paths, like the water capacity report.
inline Report::Content OnePageSample() {
    using namespace Report;
    Content r;
    r.valveType = QStringLiteral("SV10");
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    r.Text(Line(9), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"), Style::Bold);
    r.Text(Line(24), Line(15), QStringLiteral("Przepustowość zaworu bezpieczeństwa  (masowa)"));
    r.Bitmap(Line(25), Line(16), 3, 1095, 165);
    r.Text(Line(27), Line(18),
           QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)             m: "
                          "14342.5 kg/h"));
    return r;
}
