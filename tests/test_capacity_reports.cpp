// The reports of the three capacity windows, line by line: every label with its
// blanks, value format and unit, and each line's place on the printer and in the PDF.

#include "QStringPrinter.h"
#include "test_capacity_records.h"

#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"

#include <gtest/gtest.h>

#include <vector>

using CapacitySample::Air;
using CapacitySample::Steam;
using CapacitySample::Water;
using Report::Line;
using Report::Place;
using Report::TitleY;

namespace {

// One element of a report as the test expects it.
struct Expected {
    Place printer;
    Place pdf;
    QString text; // empty for a bitmap
    bool bold = false;
    int bitmap = 0;
    QSize box;
};

Expected T(Place printer, Place pdf, const QString& text) {
    return {printer, pdf, text, false, 0, QSize()};
}
Expected B(Place printer, Place pdf, const QString& text) {
    return {printer, pdf, text, true, 0, QSize()};
}
Expected Bmp(Place printer, Place pdf, int number, int width, int height) {
    return {printer, pdf, QString(), false, number, QSize(width, height)};
}

std::string Describe(const Place& p) {
    return "page " + std::to_string(p.page) + " line " + std::to_string(p.line) +
           (p.pdfY >= 0 ? " y " + std::to_string(p.pdfY) : std::string());
}

void ExpectContent(const Report::Content& r, const std::vector<Expected>& expected) {
    ASSERT_EQ(r.elements.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Report::Element& e = r.elements[i];
        const Expected& x = expected[i];
        SCOPED_TRACE("element " + std::to_string(i) + ": " +
                     (x.bitmap ? "bitmap " + std::to_string(x.bitmap) : x.text.toStdString()));
        EXPECT_EQ(e.text, x.text);
        EXPECT_EQ(e.bold, x.bold);
        EXPECT_EQ(e.bitmap, x.bitmap);
        if (x.bitmap) {
            EXPECT_EQ(e.box, x.box);
        }
        EXPECT_EQ(e.printer, x.printer) << Describe(e.printer);
        EXPECT_EQ(e.pdf, x.pdf) << Describe(e.pdf);
    }
}

const QString kTitle = QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA");

TEST(CapacityReports, WaterOnePage) {
    TFlowWaterData d = Water();
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    const Report::Content r = Capacity::ReportContent(d);
    EXPECT_EQ(r.title, kTitle);
    EXPECT_EQ(r.valveType, QStringLiteral("SV10"));
    EXPECT_EQ(r.saveDialogTitle, QStringLiteral("Zapis wyników obliczeń w pliku PDF"));
    EXPECT_EQ(r.PrinterPages(), 1);
    EXPECT_EQ(r.PdfPages(), 1);
    EXPECT_FALSE(r.pdfFooterOnOnePage);
    // clang-format off
    ExpectContent(r, {
        T(Line(5), TitleY(), kTitle),
        B(Line(9), Line(0), "Dane zaworu bezpieczeństwa"),
        T(Line(10), Line(1), "Typ: PRX SV10  1/2\""),
        T(Line(11), Line(2), "Najmniejsza średnica kanału przepływowego                            d:   12.0 mm"),
        T(Line(12), Line(3), "Powierzchnia kanału przepływowego                                    A:  113.1 mm2"),
        T(Line(13), Line(4), "Dopuszczony współczynnik wypływu dla cieczy                       alfa:   0.45"),
        T(Line(14), Line(5), "Ciśnienie początku otwarcia                                          p:   5.00 bar"),
        T(Line(15), Line(6), "Przyrost ciśnienia początku otwarcia                                b1:   10.0 %"),
        T(Line(16), Line(7), "Ciśnienie zrzutowe                                                  p1:   5.50 bar"),
        T(Line(17), Line(8), "Ciśnienie odpływowe                                                 p2:   0.00 bar"),
        B(Line(19), Line(10), "Czynnik roboczy:  woda"),
        T(Line(20), Line(11), "Temperatura zrzutowa                                                t1:   20.0 C"),
        T(Line(21), Line(12), "Gęstość wody w warunkach zrzutowych                             gamma1:  998.6 kg/m3"),
        B(Line(23), Line(14), "Obliczenia:"),
        T(Line(24), Line(15), "Przepustowość zaworu bezpieczeństwa  (masowa)"),
        Bmp(Line(25), Line(16), 3, 1095, 165),
        T(Line(27), Line(18), "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)             m: 5999.5 kg/h"),
        T(Line(28), Line(19), "Przepustowość zaworu bezpieczeństwa  (objętościowa)"),
        Bmp(Line(29), Line(20), 21, 243, 195),
        T(Line(31), Line(23), "Obliczona przepustowość zaworu bezpieczeństwa  (objętościowa)       V:    6.0 m3/h"),
    });
    // clang-format on
}

TEST(CapacityReports, WaterAlphaLineFollowsTheCoefficientTheFormulaTook) {
    TFlowWaterData d = Water();
    d.Overpressure = 25;
    d.RelievingPressure = 6.25;
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    const QString label =
        QStringLiteral("Dopuszczony współczynnik wypływu dla cieczy                       alfa: ");
    EXPECT_EQ(Capacity::ReportContent(d).elements[5].text, label + "  0.48");
    d.AlphaLiquid25 = 0;
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    EXPECT_EQ(Capacity::ReportContent(d).elements[5].text, label + "  0.45");
}

// A steam record as "Oblicz" leaves it, with table values chosen for the test.
TFlowSteamData ComputedSteam(double p2, double capacity) {
    TFlowSteamData d = Steam();
    d.BackPressure = p2;
    d.SaturationTemp = 434.98;
    d.LatentHeat = 2074.24;
    d.SteamDensity = 3.4093;
    d.Capacity = capacity;
    d.VolumeCapacity = capacity / d.SteamDensity;
    d.HeatPower = capacity * d.LatentHeat / 3600;
    return d;
}

// clang-format off
std::vector<Expected> SteamCommon(const QString& p2, const QString& beta) {
    return {
        T(Line(5), TitleY(), kTitle),
        B(Line(7), Line(0), "Dane zaworu bezpieczeństwa"),
        T(Line(8), Line(1), "Typ: PRX SV10  1/2\""),
        T(Line(9), Line(2), "Najmniejsza średnica kanału przepływowego                            d:   12.0 mm"),
        T(Line(10), Line(3), "Powierzchnia kanału przepływowego                                    A: 113.10 mm2"),
        T(Line(11), Line(4), "Dopuszczony współczynnik wypływu dla par i gazów                  alfa:   0.38"),
        T(Line(12), Line(5), "Ciśnienie początku otwarcia                                          p:   5.00 bar"),
        T(Line(13), Line(6), "Przyrost ciśnienia początku otwarcia                                b1:   10.0 %"),
        T(Line(14), Line(7), "Ciśnienie zrzutowe                                                  p1:   5.50 bar"),
        T(Line(15), Line(8), "Ciśnienie odpływowe                                                 p2: " + p2 + " bar"),
        T(Line(17), Line(10), "Czynnik roboczy:  para wodna nasycona"),
        T(Line(18), Line(11), "Temperatura zrzutowa                                                T1:  435.0 K"),
        T(Line(19), Line(12), "Temperatura zrzutowa                                                t1:  161.8 C"),
        T(Line(20), Line(13), "Ciepło parowania                                                     r: 2074.2 kJ/kg"),
        T(Line(21), Line(14), "Gęstość pary                                                        ro:   3.41 kg/m3"),
        B(Line(23), Line(16), "Obliczenia (do wzorów wartości ciśnienia podstawiono w [MPa]):"),
        T(Line(24), Line(17), "Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa"),
        Bmp(Line(25), Line(18), 11, 456, 240),
        T(Line(28), Line(21), "Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta: " + beta),
        T(Line(29), Line(22), "Krytyczny stosunek ciśnień (wg WUDT-UC-WO-A/01:2003 Tabl. 3) Beta kryt:  0.543"),
    };
}
// clang-format on

std::vector<Expected> Join(std::vector<Expected> a, const std::vector<Expected>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(CapacityReports, SteamCriticalBranch) {
    // β = 1/6.5 = 0.154.
    const Report::Content r = Capacity::ReportContent(ComputedSteam(0, 146.659));
    EXPECT_EQ(r.PrinterPages(), 1);
    EXPECT_EQ(r.PdfPages(), 2);
    EXPECT_EQ(r.saveDialogTitle, QStringLiteral("Zapis wyników obliczeń w pliku PDF"));
    // clang-format off
    ExpectContent(r, Join(SteamCommon("  0.00", " 0.154"), {
        Bmp(Line(30), Line(23), 17, 258, 105),
        T(Line(32), Line(25), "Maksymalna wartość współczynnika rozprężania adiabatycznego"),
        Bmp(Line(33), Line(26), 7, 879, 270),
        T(Line(36), Line(30), "Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.471"),
        T(Line(38), Line(31), "Współczynnik rozprężania adiabatycznego"),
        Bmp(Line(39), Line(32), 23, 576, 102),
        T(Line(41), Line(34), "Współczynnik K1 (zależny od właściwości czynnika) wyznaczony wg WUDT-UC-WO-A/01:2003 Rys. 1"),
        T(Line(42), Line(35), "Współczynnik K1 zależny od właściwości czynnika                     K1:  0.525"),
        T(Line(44), Line(36), "Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"),
        Bmp(Line(45), Line(37), 8, 378, 222),
        T(Line(48), Line(40), "Obliczona wartość współczynnika K2                                  K2:  1.0"),
        T(Line(50), Line(41), "Przepustowość zaworu bezpieczeństwa (masowa)"),
        Bmp(Line(51), Line(42), 2, 1083, 147),
        B(Line(54), Line(44), "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m:  146.7 kg/h"),
        T(Line(55), Line(45), "Przepustowość zaworu bezpieczeństwa (objętościowa)"),
        Bmp(Line(56), Line(46), 24, 249, 195),
        T(Line(58), Line(49), "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V:   43.0 m3/h"),
        T(Line(60), TitleY(2), "Największa moc cieplna zabezpieczanego urządzenia"),
        Bmp(Line(61), Line(0, 2), 25, 366, 192),
        T(Line(63), Line(3, 2), "Obliczona największa moc cieplna zabezpieczanego urządzenia          N:   84.5 kW"),
    }));
    // clang-format on
}

TEST(CapacityReports, SteamSubcriticalBranch) {
    // p2 just below p: β = 5.9/6.5 = 0.908, ψ = 0.287, K2 = 0.609.
    const Report::Content r = Capacity::ReportContent(ComputedSteam(4.9, 89.365));
    EXPECT_EQ(r.PrinterPages(), 1);
    EXPECT_EQ(r.PdfPages(), 2);
    // clang-format off
    ExpectContent(r, Join(SteamCommon("  4.90", " 0.908"), {
        Bmp(Line(30), Line(23), 20, 270, 99),
        T(Line(32), Line(25), "Maksymalna wartość współczynnika rozprężania adiabatycznego"),
        Bmp(Line(33), Line(26), 7, 879, 270),
        T(Line(36), Line(30), "Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.471"),
        // The heading the PDF had no line for: line 31, its formula on 32.
        T(Line(38), Line(31), "Współczynnik rozprężania adiabatycznego"),
        Bmp(Line(39), Line(32), 9, 942, 276),
        T(Line(42), Line(35), "Obliczona wartość współczynnika rozprężania adiabatycznego         Psi:  0.287"),
        T(Line(43), Line(36), "Współczynnik K1 (zależny od właściwości czynnika) wyznaczony wg WUDT-UC-WO-A/01:2003 Rys. 1"),
        T(Line(44), Line(37), "Współczynnik K1 zależny od właściwości czynnika                     K1:  0.525"),
        T(Line(46), Line(38), "Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"),
        Bmp(Line(47), Line(39), 8, 378, 222),
        T(Line(49), Line(42), "Obliczona wartość współczynnika K2                                  K2:  0.609"),
        T(Line(51), Line(43), "Przepustowość zaworu bezpieczeństwa (masowa)"),
        Bmp(Line(52), Line(44), 2, 1083, 147),
        B(Line(54), Line(46), "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m:   89.4 kg/h"),
        T(Line(55), TitleY(2), "Przepustowość zaworu bezpieczeństwa (objętościowa)"),
        Bmp(Line(56), Line(0, 2), 24, 249, 195),
        T(Line(58), Line(3, 2), "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V:   26.2 m3/h"),
        T(Line(60), Line(4, 2), "Największa moc cieplna zabezpieczanego urządzenia"),
        Bmp(Line(61), Line(5, 2), 25, 366, 192),
        T(Line(63), Line(8, 2), "Obliczona największa moc cieplna zabezpieczanego urządzenia          N:   51.5 kW"),
    }));
    // clang-format on
}

TEST(CapacityReports, SteamBranchAtTheCriticalRatioIsSubcritical) {
    // β = 0.543 exactly: the formula counts it critical, the report subcritical.
    TFlowSteamData d = ComputedSteam(2.5295, 100);
    ASSERT_EQ((d.BackPressure + 1) / (d.RelievingPressure + 1), 0.543);
    EXPECT_EQ(Capacity::ReportContent(d).elements[20].bitmap, 20);
    d.BackPressure = 2.5294;
    EXPECT_EQ(Capacity::ReportContent(d).elements[20].bitmap, 17);
}

// clang-format off
std::vector<Expected> AirCommon(const QString& p2, const QString& beta) {
    return {
        T(Line(5), TitleY(), kTitle),
        B(Line(7), Line(0), "Dane zaworu bezpieczeństwa"),
        T(Line(8), Line(1), "Typ: PRX SV10  1/2\""),
        T(Line(9), Line(2), "Najmniejsza średnica kanału przepływowego                            d:   12.0 mm"),
        T(Line(10), Line(3), "Powierzchnia kanału przepływowego                                    A: 113.10 mm2"),
        T(Line(11), Line(4), "Dopuszczony współczynnik wypływu dla par i gazów                  alfa:   0.38"),
        T(Line(12), Line(5), "Ciśnienie początku otwarcia                                          p:   5.00 bar"),
        T(Line(13), Line(6), "Przyrost ciśnienia początku otwarcia                                b1:   10.0 %"),
        T(Line(14), Line(7), "Ciśnienie zrzutowe                                                  p1:   5.50 bar"),
        T(Line(15), Line(8), "Ciśnienie odpływowe                                                 p2: " + p2 + " bar"),
        T(Line(17), Line(10), "Czynnik roboczy:  powietrze"),
        T(Line(18), Line(11), "Masa molowa                                                         Mr:  28.96 kg/kmol"),
        T(Line(19), Line(12), "Wykładnik izentropy                                                  k:   1.40"),
        T(Line(20), Line(13), "Temperatura zrzutowa                                                t1:   20.0 C"),
        T(Line(21), Line(14), "Temperatura zrzutowa                                                T1:  293.2 K"),
        T(Line(22), Line(15), "Temperatura krytyczna                                              Tkr:  132.4 K"),
        T(Line(23), Line(16), "Ciśnienie krytyczne                                                Pkr:   38.4 bar abs"),
        B(Line(25), Line(18), "Obliczenia (do wzorów wartości ciśnienia podstawiono w [MPa]):"),
        T(Line(26), Line(19), "Maksymalna wartość współczynnika rozprężania adiabatycznego"),
        Bmp(Line(27), Line(20), 7, 879, 270),
        T(Line(30), Line(24), "Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.484"),
        T(Line(31), Line(25), "Współczynnik K1 (zależny od właściwości czynnika)"),
        Bmp(Line(32), Line(26), 6, 696, 267),
        T(Line(35), Line(30), "Obliczona wartość współczynnika K1                                  K1:  0.831"),
        T(Line(36), Line(31), "Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa"),
        Bmp(Line(37), Line(32), 11, 456, 240),
        T(Line(40), Line(36), "Obliczony stosunek ciśnień abs. za i przed zaworem bezpieczeństwa Beta: " + beta),
        T(Line(41), Line(37), "Krytyczny stosunek ciśnień"),
        Bmp(Line(42), Line(38), 10, 573, 270),
        T(Line(45), Line(42), "Obliczony krytyczny stosunek ciśnień                         Beta kryt:  0.528"),
    };
}
// clang-format on

TEST(CapacityReports, AirCriticalVariant) {
    TFlowAirData d = Air();
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    const Report::Content r = Capacity::ReportContent(d);
    EXPECT_EQ(r.PrinterPages(), 2);
    EXPECT_EQ(r.PdfPages(), 2);
    EXPECT_EQ(r.saveDialogTitle, QStringLiteral("Zapisz wyniki obliczeń w pliku PDF"));
    // clang-format off
    ExpectContent(r, Join(AirCommon("  0.00", " 0.154"), {
        Bmp(Line(46), Line(43), 17, 258, 105),
        T(Line(48), Line(45), "Współczynnik rozprężania adiabatycznego"),
        Bmp(Line(49), Line(46), 19, 624, 105),
        T(Line(51), TitleY(2), "Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"),
        Bmp(Line(52), Line(0, 2), 8, 378, 222),
        T(Line(55), Line(3, 2), "Obliczona wartość współczynnika K2                                  K2:  1.0"),
        T(Line(56), Line(4, 2), "Temperatura zredukowana Tr"),
        Bmp(Line(57), Line(5, 2), 5, 357, 225),
        T(Line(60), Line(8, 2), "Obliczona wartość temperatury zredukowanej                          Tr:   2.21"),
        T(Line(61), Line(9, 2), "Ciśnienie zredukowane Pr"),
        Bmp(Line(62), Line(10, 2), 4, 471, 225),
        T(Line(65), Line(13, 2), "Obliczona wartość ciśnienia zredukowanego                           Pr:   0.17"),
        T(Line(5, 2), Line(14, 2), "Wyznaczona wartość współczynnika ściśliwości                         Z:   1.00"),
        T(Line(7, 2), Line(15, 2), "Przepustowość zaworu bezpieczeństwa (masowa)"),
        Bmp(Line(8, 2), Line(16, 2), 1, 1251, 222),
        B(Line(11, 2), Line(19, 2), "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m:  232.3 kg/h"),
        T(Line(13, 2), Line(21, 2), "Przepustowość zaworu bezpieczeństwa (objętościowa, przeliczona na warunki normalne"),
        T(Line(14, 2), Line(22, 2), "ciśnienie 1013,25 hPa i temperatura 0 st. C)"),
        T(Line(15, 2), Line(23, 2), "Objętość 1 kg powietrza w warunkach normalnych wynosi                v: 0.773 Nm3/kg"),
        Bmp(Line(16, 2), Line(24, 2), 22, 297, 87),
        T(Line(17, 2), Line(26, 2), "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V:  179.6 Nm3/h"),
    }));
    // clang-format on
}

TEST(CapacityReports, AirSubcriticalVariant) {
    TFlowAirData d = Air();
    d.BackPressure = 4; // β = 5/6.5 = 0.769
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    const Report::Content r = Capacity::ReportContent(d);
    EXPECT_EQ(r.PrinterPages(), 2);
    EXPECT_EQ(r.PdfPages(), 2);
    // clang-format off
    ExpectContent(r, Join(AirCommon("  4.00", " 0.769"), {
        Bmp(Line(46), Line(43), 20, 270, 99),
        T(Line(48), Line(45), "Współczynnik rozprężania adiabatycznego"),
        Bmp(Line(49), Line(46), 9, 942, 276),
        T(Line(52), TitleY(2), "Obliczona wartość współczynnika rozprężania adiabatycznego         Psi:  0.416"),
        T(Line(54), Line(0, 2), "Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"),
        Bmp(Line(55), Line(1, 2), 8, 378, 222),
        T(Line(58), Line(4, 2), "Obliczona wartość współczynnika K2                                  K2:   0.860"),
        T(Line(59), Line(5, 2), "Temperatura zredukowana Tr"),
        Bmp(Line(60), Line(6, 2), 5, 357, 225),
        T(Line(63), Line(9, 2), "Obliczona wartość temperatury zredukowanej                          Tr:   2.21"),
        T(Line(5, 2), Line(10, 2), "Ciśnienie zredukowane Pr"),
        Bmp(Line(6, 2), Line(11, 2), 4, 471, 225),
        T(Line(9, 2), Line(14, 2), "Obliczona wartość ciśnienia zredukowanego                           Pr:   0.17"),
        T(Line(11, 2), Line(15, 2), "Wyznaczona wartość współczynnika ściśliwości                         Z:   1.00"),
        T(Line(13, 2), Line(16, 2), "Przepustowość zaworu bezpieczeństwa (masowa)"),
        Bmp(Line(14, 2), Line(17, 2), 1, 1251, 222),
        // Printed one line lower than line 16: the mass formula above needs three lines.
        B(Line(17, 2), Line(20, 2), "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m:  199.8 kg/h"),
        T(Line(19, 2), Line(22, 2), "Przepustowość zaworu bezpieczeństwa (objętościowa, przeliczona na warunki normalne"),
        T(Line(20, 2), Line(23, 2), "ciśnienie 1013,25 hPa i temperatura 0 st. C)"),
        T(Line(21, 2), Line(24, 2), "Objętość 1 kg powietrza w warunkach normalnych wynosi                v: 0.773 Nm3/kg"),
        Bmp(Line(22, 2), Line(25, 2), 22, 297, 87),
        T(Line(24, 2), Line(27, 2), "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V:  154.5 Nm3/h"),
    }));
    // clang-format on
}

TEST(CapacityReports, AirVariantChangesBelowTheCriticalRatio) {
    TFlowAirData d = Air();
    d.Capacity = 100;
    d.RelievingPressure = 9;
    // β at 0.528: subcritical; just below it: critical.
    d.BackPressure = 4.28;
    ASSERT_EQ((d.BackPressure + 1) / (d.RelievingPressure + 1), 0.528);
    EXPECT_EQ(Capacity::ReportContent(d).elements[30].bitmap, 20);
    d.BackPressure = 4.2799;
    EXPECT_EQ(Capacity::ReportContent(d).elements[30].bitmap, 17);
}

// Every label ends in column 72 of the report font, where its value begins (the
// water report's two capacity lines end one column earlier, as they always have).
TEST(CapacityReports, ValuesStandInOneColumn) {
    TFlowWaterData w = Water();
    ASSERT_TRUE(Capacity::Oblicz(w).Succeeded());
    TFlowAirData a = Air();
    a.BackPressure = 4;
    ASSERT_TRUE(Capacity::Oblicz(a).Succeeded());
    for (const Report::Content& r :
         {Capacity::ReportContent(w), Capacity::ReportContent(ComputedSteam(0, 146.7)),
          Capacity::ReportContent(ComputedSteam(4.9, 89.4)), Capacity::ReportContent(a)}) {
        for (const Report::Element& e : r.elements) {
            const int colon = e.text.indexOf(QStringLiteral(": "), 40);
            if (e.IsBitmap() || colon < 0 || e.text.startsWith(QStringLiteral("Typ")))
                continue;
            const bool offByOne = e.text.contains(QStringLiteral("  (masowa)             m:")) ||
                                  e.text.contains(QStringLiteral("(objętościowa)       V:"));
            EXPECT_EQ(colon + 2, offByOne ? 71 : 72) << e.text.toStdString();
        }
    }
}

} // namespace
