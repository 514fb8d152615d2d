// The thermal expansion selection without widgets, over the build's valve data
// files: the required flow of both modes, the refusals of "Oblicz" in their
// order, and the report lines of both modes.

#include "QStringPrinter.h"
#include "ReportTexts.h"
#include "data/Dane.h"
#include "report/ReportLines.h"
#include "selection/EkspansjaSelection.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace EkspansjaSelection;

class Expansion : public ::testing::Test {
protected:
    void SetUp() override { Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR); }
};

// SV20 at 4.0 bar on a tank of pdop 6 bar: 100 000 kJ in one hour at 80 °C,
// or 1 m³ heated from 10 to 80 °C in 60 minutes.
TEkspansjaData Inputs(int mode) {
    TEkspansjaData r;
    r.Mode = mode;
    r.PermissiblePressure = 6;
    r.ValveType = QStringLiteral("SV20");
    r.SetPressure = 4;
    r.HeatInput = 100000;
    r.WaterTemp = 80;
    r.WaterVolume = 1;
    r.StartTemp = 10;
    r.EndTemp = 80;
    r.HeatingTime = 60;
    return r;
}

TEST_F(Expansion, RequiredFlowOfEachModeAndTheSizeThatCoversIt) {
    TEkspansjaData direct = Inputs(Direct);
    ASSERT_TRUE(Compute(direct));
    // API 520: Q [gpm] = B·H/(500·G·c) in US units, then kg/h.
    const double rho = Obliczenia::WaterDensity(7, 80).value();
    const double c = Obliczenia::WaterSpecificHeat(80).value();
    const double gpm = 0.0001 * (0.948 * 100000) / (500 * 1 * (0.2389 * c));
    EXPECT_NEAR(c, 4.2, 0.05);
    EXPECT_EQ(direct.SpecificHeat, c);
    EXPECT_NEAR(direct.RequiredCapacity, gpm * 60 * 3.785412 * rho / 1000, 1e-9);

    for (const int percent : {0, 30}) {
        SCOPED_TRACE(percent);
        TEkspansjaData indirect = Inputs(Indirect);
        indirect.AntifreezePercent = percent;
        ASSERT_TRUE(Compute(indirect));
        const double rho1 = Obliczenia::AntifreezeWaterDensity(10, percent).value();
        const double rho2 = Obliczenia::AntifreezeWaterDensity(80, percent).value();
        // 1 m³ in 60 minutes: the mass expelled in one hour.
        EXPECT_NEAR(indirect.RequiredCapacity, (rho1 / rho2 - 1) * rho2, 1e-9);
        EXPECT_EQ(indirect.StartDensity, rho1);
        // The valve relieves water at the end temperature, at p1 = 1.1·p.
        EXPECT_EQ(indirect.RelievingPressure, 4.4);
        EXPECT_EQ(indirect.Capacity,
                  Obliczenia::WaterCapacity(indirect.FlowDiameter, 4.4, 10, 0, 80,
                                            indirect.AlphaLiquid, indirect.AlphaLiquid)
                      .value());
        EXPECT_GE(indirect.Capacity, indirect.RequiredCapacity);
        EXPECT_FALSE(indirect.ValveSize.isEmpty());
    }
}

TEST_F(Expansion, ObliczRefusesInItsOrder) {
    const QString incomplete = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
    const QString above = QStringLiteral("Ciśnienie nastawy zaworu jest wyższe niż ciśnienie "
                                         "dopuszczalne zbiornika (instalacji)!");
    const QString tank = QStringLiteral(
        "Wartość temperatury wody w zbiorniku poza dopuszczalnym zakresem <5;150> st. C!");
    const QString heated =
        QStringLiteral("Wartość temperatury poza dopuszczalnym zakresem 5 - 130 st. C!");
    const struct Case {
        const char* what;
        int mode;
        std::function<void(TEkspansjaData&)> change;
        QString message;
    } cases[] = {
        {"no heat, whatever the temperature", Direct,
         [](TEkspansjaData& r) { r.HeatInput = r.WaterTemp = 0; }, incomplete},
        {"a type without a set pressure", Direct, [](TEkspansjaData& r) { r.SetPressure = 0; },
         incomplete},
        {"no start temperature", Indirect, [](TEkspansjaData& r) { r.StartTemp = 0; }, incomplete},
        {"set 0.01 above pdop, before the temperature", Direct,
         [](TEkspansjaData& r) {
             r.PermissiblePressure = 3.99;
             r.WaterTemp = 0;
         },
         above},
        {"an empty tank temperature", Direct, [](TEkspansjaData& r) { r.WaterTemp = 0; }, tank},
        {"a tank above 150 °C", Direct, [](TEkspansjaData& r) { r.WaterTemp = 150.1; }, tank},
        {"an indirect start below 5 °C", Indirect, [](TEkspansjaData& r) { r.StartTemp = 4.9; },
         heated},
        {"an indirect end above 130 °C", Indirect, [](TEkspansjaData& r) { r.EndTemp = 130.1; },
         heated},
        {"the other mode's temperature is not looked at", Indirect,
         [](TEkspansjaData& r) {
             r.WaterTemp = 0;
             r.EndTemp = r.StartTemp;
         },
         EndNotAboveStartMessage()},
        {"an end below the start", Indirect, [](TEkspansjaData& r) { r.EndTemp = 9; },
         EndNotAboveStartMessage()},
        {"a negative heat", Direct, [](TEkspansjaData& r) { r.HeatInput = -1; }, incomplete},
        {"a negative volume", Indirect, [](TEkspansjaData& r) { r.WaterVolume = -1; }, incomplete},
        {"a negative time", Indirect, [](TEkspansjaData& r) { r.HeatingTime = -5; }, incomplete},
        {"no size covers it", Indirect, [](TEkspansjaData& r) { r.WaterVolume = 1e6; },
         QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TEkspansjaData r = Inputs(c.mode);
        c.change(r);
        const Calc::Outcome<> outcome = Compute(r);
        EXPECT_EQ(outcome.Message(), c.message);
        EXPECT_EQ(outcome.refusal().caption, c.message == above ? "Błąd!" : "");
    }
    // The walk that found nothing leaves its required flow for the window.
    TEkspansjaData big = Inputs(Indirect);
    big.WaterVolume = 1e6;
    Compute(big);
    EXPECT_GT(big.RequiredCapacity, 0);
    // A set pressure equal to the permissible pressure passes.
    TEkspansjaData equal = Inputs(Direct);
    equal.PermissiblePressure = 4;
    EXPECT_TRUE(Compute(equal));
}

TEST_F(Expansion, ReportPrintsTheLinesOfItsMode) {
    TEkspansjaData direct = Inputs(Direct);
    ASSERT_TRUE(Compute(direct));
    const auto first = ReportContent(direct);
    ASSERT_TRUE(first);
    const QStringList lines = TextsOf(*first);
    const double rho = Obliczenia::WaterDensity(7, 80).value();
    for (const QString& want : {
             QStringLiteral("Czynnik roboczy                                                    "
                            "   :   woda"),
             QStringLiteral("Ciśnienie dopuszczalne zbiornika (instalacji)                     "
                            "pdop:    6.0 bar"),
             QStringLiteral("Temperatura wody w zbiorniku (instalacji)                          "
                            "  t:   80.0 C"),
             // The volume the expansion pushes out in one hour.
             Report::ValueLine(QStringLiteral("Ilość wody w zbiorniku (instalacji)             "
                                              "                     V: "),
                               direct.RequiredCapacity / rho, 4, QStringLiteral(" m3")),
             QStringLiteral("Ilość ciepła doprowadzona do zbiornika w ciągu godziny           "
                            "    H: 100000 kJ"),
             Report::ValueLine(QStringLiteral("Ciepło właściwe wody w zbiorniku (instalacji)   "
                                              "                     C: "),
                               direct.SpecificHeat, 2, QStringLiteral(" kJ/kg*K")),
         })
        EXPECT_TRUE(lines.contains(want)) << want.toStdString();
    // The heading is bold in the PDF only; one page without a PDF footer.
    const QString heading = QStringLiteral("Dane dobranego zaworu bezpieczeństwa");
    for (const Report::Element& e : first->elements) {
        if (e.text == heading) {
            EXPECT_EQ(e.bold, e.pdf.Drawn());
        }
    }
    EXPECT_EQ(first->PdfPages(), 1);
    EXPECT_FALSE(first->pdfFooterOnOnePage);

    TEkspansjaData indirect = Inputs(Indirect);
    indirect.AntifreezePercent = 30;
    ASSERT_TRUE(Compute(indirect));
    const QStringList second = TextsOf(*ReportContent(indirect));
    for (const QString& want : {
             QStringLiteral("Procentowa zawartość substancji przeciw zamarzaniu w wodzie        "
                            "  S:     30 %"),
             QStringLiteral("Ilość wody w zbiorniku (instalacji)                                "
                            " V1:   1.00 m3"),
             QStringLiteral("Temperatura poczatkowa wody w zbiorniku (instalacji)             "
                            "tpocz:   10.0 C"),
             QStringLiteral("Czas podgrzewania wody                                             "
                            "  t:   60.0 min"),
             QStringLiteral("Warunek m>me jest spełniony. Wybrany zawór bezpieczeństwa ma "
                            "wystarczającą przepustowość."),
         })
        EXPECT_TRUE(second.contains(want)) << want.toStdString();
    EXPECT_TRUE(second.filter(QStringLiteral("API520")).isEmpty());

    // A capacity that just equals the requirement prints nothing.
    indirect.Capacity = indirect.RequiredCapacity + 0.00005;
    EXPECT_EQ(ReportContent(indirect).Message(),
              QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!"));
}

} // namespace
