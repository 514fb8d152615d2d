// The saturated-steam selection without widgets: "Oblicz" on the record over
// the real valve data files and steam table of the build, the calculation block
// of the steam reports, and the report line by line in both branches.

#include "QStringPrinter.h"
#include "data/Convert.h"
#include "data/Dane.h"
#include "selection/SteamBlock.h"
#include "selection/SteamSelection.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

QString Describe(const Report::Element& e) {
    const auto place = [](const Report::Place& p) {
        if (!p.Drawn())
            return QStringLiteral("-");
        return p.pdfY >= 0 ? QStringLiteral("y%1").arg(p.pdfY) : QString::number(p.line);
    };
    QString s = place(e.printer) + QLatin1Char('/') + place(e.pdf) + QLatin1Char(' ');
    if (e.IsBitmap())
        return s + QStringLiteral("bitmap %1 %2x%3")
                       .arg(e.bitmap)
                       .arg(e.box.width())
                       .arg(e.box.height());
    return s + (e.bold ? QStringLiteral("B ") : QString()) + e.text;
}

std::vector<QString> Describe(const Report::Content& c, size_t from = 0) {
    std::vector<QString> lines;
    for (size_t i = from; i < c.elements.size(); ++i)
        lines.push_back(Describe(c.elements[i]));
    return lines;
}

class SteamSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    }

    // SV10 at 5.0 bar, 10 % overpressure, to the atmosphere.
    static TDoborSteamData Sv10At5(double required, double backPressure = 0) {
        TDoborSteamData r;
        r.RequiredCapacity = required;
        r.Overpressure = 10;
        r.RelievingPressure = 5.5;
        r.BackPressure = backPressure;
        r.SetPressure = 5;
        r.ValveType = QStringLiteral("SV10");
        return r;
    }
};

// ---- "Oblicz" ----------------------------------------------------------------------

// SV10 at 5.0 bar, p1 = 5.5: 1/2" 146.7, 3/4" 288.9, 1" 686.1, 1 1/4" 937.8,
// 1 1/2" 1 740.1, 2" 2 222.1 kg/h.
TEST_F(SteamSelectionTest, BetweenTwoSizesWithTheSteamStateAtP1) {
    TDoborSteamData r = Sv10At5(500);
    const auto found = SteamSelection::Compute(r);
    ASSERT_TRUE(found) << found.Message().toStdString();
    EXPECT_EQ(r.ValveSize, "1\"");
    EXPECT_EQ(r.FlowDiameter, 20);
    EXPECT_EQ(r.AlphaGas, 0.64);
    EXPECT_NEAR(r.Capacity, 686.1238, 1e-4);
    EXPECT_EQ(r.Capacity, Obliczenia::SteamCapacity(20, 5.5, 0, 0.64).value());
    double p1 = 5.5;
    EXPECT_EQ(r.SaturationTemp, Obliczenia::SatSteamTemperature(p1).value());
    p1 = 5.5;
    EXPECT_EQ(r.LatentHeat, Obliczenia::SatSteamLatentHeat(p1).value());
    // Saturated steam at 6.5 bar absolute: about 162 °C, r about 2 075 kJ/kg.
    EXPECT_NEAR(r.SaturationTemp - 273.15, 162.0, 0.5);
    EXPECT_NEAR(r.LatentHeat, 2075, 5);
    EXPECT_DOUBLE_EQ(r.HeatPower, r.LatentHeat * r.Capacity / 3600);
    EXPECT_EQ(r.RelievingPressure, 5.5) << "the lookups leave p1 of the record alone";
}

TEST_F(SteamSelectionTest, RefusalsLeaveTheResultsAsTheyWere) {
    TDoborSteamData r = Sv10At5(500);
    ASSERT_TRUE(SteamSelection::Compute(r));
    const TDoborSteamData before = r;

    struct Case {
        const char* what;
        void (*change)(TDoborSteamData&);
        Refusal refusal;
    };
    const Case cases[] = {
        {"above the largest size", [](TDoborSteamData& r) { r.RequiredCapacity = 2223; },
         Refusal::Because(Kind::NotFound)},
        {"a set pressure no record has", [](TDoborSteamData& r) { r.SetPressure = 7; },
         Refusal::Because(Kind::NotFound)},
        {"overpressure 9.9", [](TDoborSteamData& r) { r.Overpressure = 9.9; },
         Refusal::Because(Kind::IncompleteData)},
        {"no relieving pressure", [](TDoborSteamData& r) { r.RelievingPressure = 0; },
         Refusal::Because(Kind::IncompleteData)},
        {"back pressure = set pressure", [](TDoborSteamData& r) { r.BackPressure = 5; },
         Refusal::Because(Kind::BackPressureNotBelowSet)},
        {"no data file", [](TDoborSteamData& r) { r.ValveType = QStringLiteral("SV99"); },
         Refusal::Because(Kind::DataFileError)},
        // 2000 % instead of 20 %: p1 = 105 bar... at 10 bar set pressure 210 bar.
        {"K1 above 200 bar",
         [](TDoborSteamData& r) {
             r.ValveType = QStringLiteral("SV20");
             r.SetPressure = 10;
             r.Overpressure = 2000;
             r.RelievingPressure = 210;
         },
         Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200)},
    };
    for (const Case& c : cases) {
        TDoborSteamData tried = r;
        c.change(tried);
        const auto found = SteamSelection::Compute(tried);
        EXPECT_EQ(found.refusal(), c.refusal) << c.what;
        EXPECT_EQ(tried.ValveSize, before.ValveSize) << c.what;
        EXPECT_EQ(tried.Capacity, before.Capacity) << c.what;
        EXPECT_EQ(tried.SaturationTemp, before.SaturationTemp) << c.what;
        EXPECT_EQ(tried.LatentHeat, before.LatentHeat) << c.what;
        EXPECT_EQ(tried.HeatPower, before.HeatPower) << c.what;
    }
}

TEST_F(SteamSelectionTest, WithoutTheSteamTableTheSelectionIsRefusedWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(Dane::ProgramDir + QStringLiteral("SV10"), dir.filePath("SV10")));
    Dane::ProgramDir = dir.path() + QLatin1Char('/');
    TDoborSteamData r = Sv10At5(500);
    const auto found = SteamSelection::Compute(r);
    EXPECT_EQ(found.refusal(), Refusal::Missing(Obliczenia::NoValue::SteamTableMissing));
    EXPECT_EQ(found.Message(), "Brak pliku \"PARA.DAT\" !");
    EXPECT_EQ(r.ValveSize, QString()) << "nothing of the found size is kept";
    EXPECT_EQ(r.Capacity, 0);
}

// ---- the calculation block -----------------------------------------------------------

TEST(SteamBlockValues, CriticalSubcriticalAndTheBorder) {
    const auto half = SteamBlock::Compute(1, 0);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->beta, 0.5);
    EXPECT_TRUE(half->critical);
    EXPECT_EQ(half->k2, 1.0);
    EXPECT_EQ(half->k1, 0.545);

    const auto sixTenths = SteamBlock::Compute(4, 2);
    ASSERT_TRUE(sixTenths);
    EXPECT_EQ(sixTenths->beta, 0.6);
    EXPECT_FALSE(sixTenths->critical);
    const double psi = std::sqrt(4.226 * (std::pow(0.6, 1.527) - std::pow(0.6, 1.763)));
    EXPECT_DOUBLE_EQ(sixTenths->psi, psi);
    EXPECT_DOUBLE_EQ(sixTenths->k2, psi / 0.471);
    EXPECT_EQ(Convert::FixedText(psi, 6, 3), " 0.469");

    // β exactly 0.543: critical for the capacity formula, subcritical here.
    const auto border = SteamBlock::Compute(11, 5.516);
    ASSERT_TRUE(border);
    ASSERT_EQ(border->beta, 0.543);
    EXPECT_FALSE(border->critical);

    EXPECT_EQ(SteamBlock::Compute(210, 0).refusal(),
              Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200));
}

TEST(SteamBlockValues, HeatPowerReportPlacesTheSubcriticalPdfLinesItsOwnWay) {
    const auto v = SteamBlock::Compute(5.5, 3);
    ASSERT_TRUE(v);
    Report::Content steam, power;
    SteamBlock::Add(steam, *v, SteamBlock::Pdf::SteamSelection);
    SteamBlock::Add(power, *v, SteamBlock::Pdf::HeatPower);
    ASSERT_EQ(steam.elements.size(), power.elements.size());
    std::vector<QString> pdf;
    for (const auto& e : power.elements) {
        const Report::Place& p = e.pdf;
        pdf.push_back(p.pdfY >= 0 ? QStringLiteral("y%1").arg(p.pdfY) : QString::number(p.line));
    }
    EXPECT_EQ(pdf, (std::vector<QString>{"15", "16", "17", "20", "21", "22", "y1350", "y1395", "28",
                                         "29", "y1640", "33", "34", "35", "36", "37", "40"}));
    for (size_t i = 0; i < steam.elements.size(); ++i) {
        EXPECT_EQ(steam.elements[i].text, power.elements[i].text);
        EXPECT_EQ(steam.elements[i].printer, power.elements[i].printer);
    }
}

// ---- the report ----------------------------------------------------------------------

// A selection of SV10 1" at 5.0 bar with steam properties set for the test.
TDoborSteamData Selected(double backPressure, double relievingPressure = 5.5) {
    TDoborSteamData s;
    s.Overpressure = 10;
    s.SetPressure = 5;
    s.RelievingPressure = relievingPressure;
    s.BackPressure = backPressure;
    s.ValveType = QStringLiteral("SV10");
    s.ValveSize = QStringLiteral("1\"");
    s.FlowDiameter = 20;
    s.AlphaGas = 0.64;
    s.RequiredCapacity = 500;
    s.Capacity = Obliczenia::SteamCapacity(20, relievingPressure, backPressure, 0.64).value();
    s.SaturationTemp = 434.92;
    s.LatentHeat = 2083.6;
    s.HeatPower = s.LatentHeat * s.Capacity / 3600;
    return s;
}

const std::vector<QString> kHead = {
    "5/y230 DOBÓR ZAWORU BEZPIECZEŃSTWA - PRZEPUSTOWOŚĆ (PRZEPŁYW PARY WODNEJ NASYCONEJ)",
    "7/0 B Dane dobranego zaworu bezpieczeństwa",
    "8/1 Typ: PRX SV10  1\"",
    "9/2 Najmniejsza średnica kanału przepływowego                            d:   20.0 mm",
    "10/3 Powierzchnia kanału przepływowego                                    A:  314.2 mm2",
    "11/4 Dopuszczony współczynnik wypływu dla par i gazów                  alfa:   0.64",
    "12/5 Ciśnienie początku otwarcia                                          p:   5.00 bar",
    "13/6 Przyrost ciśnienia początku otwarcia                                b1:   10.0 %",
    "14/7 Ciśnienie zrzutowe                                                  p1:   5.50 bar",
};

const std::vector<QString> kMedium = {
    "16/9 Wymagana przepustowość zaworu bezpieczeństwa                        mw: 500.00 kg/h",
    "18/10 Czynnik roboczy: para wodna nasycona",
    "19/11 Temperatura zrzutowa                                                T1:  434.9 K",
    "20/12 Temperatura zrzutowa                                                t1:  161.8 C",
    "21/13 Ciepło parowania                                                     r: 2083.6 kJ/kg",
    "23/15 B Obliczenia przepustowości wybranego zaworu (do wzorów wartości ciśnienia podstawiono "
    "w [MPa]):",
    "24/16 Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa",
    "25/17 bitmap 11 456x240",
};

std::vector<QString> Join(std::initializer_list<std::vector<QString>> parts) {
    std::vector<QString> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(SteamReport, CriticalBranchLineByLine) {
    const auto report = SteamSelection::ReportContent(Selected(0));
    ASSERT_TRUE(report) << report.Message().toStdString();
    EXPECT_EQ(report->valveType, "SV10");
    EXPECT_EQ(report->saveDialogTitle, "Zapis wyników obliczeń w pliku PDF");
    EXPECT_EQ(report->PrinterPages(), 1);
    EXPECT_EQ(report->PdfPages(), 1);
    const std::vector<QString> expected = Join({
        kHead,
        {"15/8 Ciśnienie odpływowe                                                 p2:   0.00 bar"},
        kMedium,
        {
            "28/20 Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta:  0.154",
            "29/21 Krytyczny stosunek ciśnień (wg WUDT-UC-WO-A/01:2003 Tabl. 3) Beta kryt:  0.543",
            "30/22 bitmap 17 258x105",
            "32/24 Maksymalna wartość współczynnika rozprężania adiabatycznego",
            "33/25 bitmap 7 879x270",
            "36/29 Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.471",
            "38/30 Współczynnik rozprężania adiabatycznego",
            "39/31 bitmap 23 576x102",
            "41/33 Współczynnik K1 (zależny od właściwości czynnika) wyznaczony wg "
            "WUDT-UC-WO-A/01:2003 Rys. 1",
            "42/34 Współczynnik K1 zależny od właściwości czynnika                     K1:  0.525",
            "44/35 Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem",
            "45/36 bitmap 8 378x222",
            "48/39 Obliczona wartość współczynnika K2                                  K2:  1.0",
            "50/40 Przepustowość zaworu bezpieczeństwa (masowa)",
            "51/41 bitmap 2 1083x147",
            "54/43 B Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m:  "
            "686.1 "
            "kg/h",
            "55/44 B Warunek m>mw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
            "przepustowość.",
            "58/45 Największa moc cieplna zabezpieczanego urządzenia",
            "59/46 bitmap 25 366x192",
            "61/50 Obliczona największa moc cieplna zabezpieczanego urządzenia          N:  397.1 "
            "kW",
        },
    });
    EXPECT_EQ(Describe(*report), expected);
}

// The subcritical PDF lines after the block: each label on its own line above
// its formula, the rest moved down with it (42 ... 51).
std::vector<QString> SubcriticalTail(const QString& beta, const QString& psi, const QString& k1,
                                     const QString& k2, const QString& m, const QString& n) {
    return {
        "28/20 Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta: " + beta,
        "29/21 Krytyczny stosunek ciśnień (wg WUDT-UC-WO-A/01:2003 Tabl. 3) Beta kryt:  0.543",
        "30/22 bitmap 20 270x99",
        "32/y1350 Maksymalna wartość współczynnika rozprężania adiabatycznego",
        "33/y1395 bitmap 7 879x270",
        "36/y1575 Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.471",
        "38/y1620 Współczynnik rozprężania adiabatycznego",
        "39/y1665 bitmap 9 942x276",
        "42/34 Obliczona wartość współczynnika rozprężania adiabatycznego         Psi: " + psi,
        "43/35 Współczynnik K1 (zależny od właściwości czynnika) wyznaczony wg "
        "WUDT-UC-WO-A/01:2003 Rys. 1",
        "44/36 Współczynnik K1 zależny od właściwości czynnika                     K1: " + k1,
        "46/37 Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem",
        "47/38 bitmap 8 378x222",
        "49/41 Obliczona wartość współczynnika K2                                  K2: " + k2,
        "51/42 Przepustowość zaworu bezpieczeństwa (masowa)",
        "52/43 bitmap 2 1083x147",
        "54/45 B Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m: " + m +
            " kg/h",
        "55/46 B Warunek m>mw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
        "przepustowość.",
        "58/47 Największa moc cieplna zabezpieczanego urządzenia",
        "59/48 bitmap 25 366x192",
        "61/51 Obliczona największa moc cieplna zabezpieczanego urządzenia          N: " + n +
            " kW",
    };
}

TEST(SteamReport, SubcriticalBranchLineByLine) {
    // β = 4 / 6.5 = 0.615: ψ = 0.4669, K2 = 0.9913; m = 680.1 kg/h, N = 393.6 kW.
    const auto report = SteamSelection::ReportContent(Selected(3));
    ASSERT_TRUE(report) << report.Message().toStdString();
    const std::vector<QString> expected = Join({
        kHead,
        {"15/8 Ciśnienie odpływowe                                                 p2:   3.00 bar"},
        kMedium,
        SubcriticalTail(" 0.615", " 0.467", " 0.525", " 0.991", " 680.1", " 393.6"),
    });
    EXPECT_EQ(Describe(*report), expected);
    // Nothing of the subcritical page overlaps on the PDF grid: strictly downwards.
    int y = 0;
    for (const auto& e : report->elements) {
        const int top = e.pdf.pdfY >= 0 ? e.pdf.pdfY : 290 + 45 * e.pdf.line;
        EXPECT_GT(top, y) << e.text.toStdString();
        y = top;
    }
}

TEST(SteamReport, AtBetaExactly0543TheReportIsSubcritical) {
    // SV20 1" at 10.0 bar, b1 = 10 %: p1 = 11, p2 = 5.516, β = 6.516 / 12 = 0.543.
    TDoborSteamData s = Selected(5.516, 11);
    s.ValveType = QStringLiteral("SV20");
    s.SetPressure = 10;
    s.AlphaGas = 0.54;
    s.RequiredCapacity = 1000;
    s.Capacity = Obliczenia::SteamCapacity(20, 11, 5.516, 0.54).value();
    s.HeatPower = s.LatentHeat * s.Capacity / 3600;
    // The capacity formula counts the border as critical: K2 = 1.
    EXPECT_NEAR(s.Capacity, 100 * 10 * 0.517558 * M_PI * 0.54 * 1.2, 1e-9);
    EXPECT_EQ(Convert::FixedText(s.Capacity, 6, 1), "1053.6");

    const auto report = SteamSelection::ReportContent(s);
    ASSERT_TRUE(report);
    // The report prints the ψ and K2 the capacity took: the critical ones.
    const std::vector<QString> tail =
        SubcriticalTail(" 0.543", " 0.471", " 0.518", " 1.000", "1053.6", " 609.8");
    const std::vector<QString> lines = Describe(*report, report->elements.size() - tail.size());
    EXPECT_EQ(lines, tail);
}

// Between β = 0.543 and 0.581 K2 = ψ/0.471 exceeds 1, and the report prints it.
// p1 = 9, p2 = 4.6: β = 0.56, ψ = √(4.226·(0.56^1.527 − 0.56^1.763)) = 0.4722,
// K2 = 1.0025; m = 10·0.52·1.0025·0.64·(π·20²/4)·1.0 = 1048.2 kg/h,
// N = 2083.6·m/3600 = 606.7 kW.
TEST(SteamReport, K2AboveOneJustAboveTheCriticalRatio) {
    const auto report = SteamSelection::ReportContent(Selected(4.6, 9));
    ASSERT_TRUE(report);
    const std::vector<QString> tail =
        SubcriticalTail(" 0.560", " 0.472", " 0.520", " 1.003", "1048.2", " 606.7");
    EXPECT_EQ(Describe(*report, report->elements.size() - tail.size()), tail);
}

TEST(SteamReport, NeedsACapacityAboveTheRequirement) {
    EXPECT_EQ(SteamSelection::ReportContent(TDoborSteamData{}).Message(),
              "Nie wykonano obliczeń. Brak danych do wydruku!");
    TDoborSteamData s = Selected(0);
    s.RequiredCapacity = s.Capacity - 0.00005;
    EXPECT_FALSE(SteamSelection::ReportContent(s));
}

} // namespace
