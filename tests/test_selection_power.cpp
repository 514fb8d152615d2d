// The heat-power selection of a steam source without widgets: "Oblicz" on the
// record over the build's valve data files and steam table, its refusals, and
// the report's lines that differ from the steam selection's.

#include "QStringPrinter.h"
#include "data/Dane.h"
#include "selection/PowerSelection.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

class PowerSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    }

    // SV10 at 5.0 bar, 10 % overpressure.
    static TMocData Sv10At5(double power, double backPressure = 0) {
        TMocData r;
        r.RequiredPower = power;
        r.RelievingPressure = 5.5;
        r.BackPressure = backPressure;
        r.SetPressure = 5;
        r.ValveType = QStringLiteral("SV10");
        return r;
    }

    // The element whose text starts with `start`, or nullptr.
    static const Report::Element* Find(const Report::Content& c, const QString& start) {
        for (const Report::Element& e : c.elements)
            if (e.text.startsWith(start))
                return &e;
        return nullptr;
    }
};

// r at p1 = 5.5 bar is about 2 075 kJ/kg: 100 kW need 173.5 kg/h. SV10 at 5.0
// bar: 1/2" carries 146.7 kg/h (84.6 kW), 3/4" 288.9 kg/h (166.6 kW).
TEST_F(PowerSelectionTest, FirstSizeWhoseHeatPowerCoversTheRequirement) {
    TMocData r = Sv10At5(100);
    const auto found = PowerSelection::Compute(r);
    ASSERT_TRUE(found) << found.Message().toStdString();
    EXPECT_EQ(r.ValveSize, "3/4\"");
    EXPECT_EQ(r.FlowDiameter, 14);
    EXPECT_EQ(r.Capacity, Obliczenia::SteamCapacity(14, 5.5, 0, r.AlphaGas).value());
    double p1 = 5.5;
    EXPECT_EQ(r.LatentHeat, Obliczenia::SatSteamLatentHeat(p1).value());
    EXPECT_NEAR(r.LatentHeat, 2075, 5);
    EXPECT_DOUBLE_EQ(r.HeatPower, r.LatentHeat * r.Capacity / 3600);
    EXPECT_NEAR(r.HeatPower, 166.6, 0.05);
    EXPECT_EQ(r.RelievingPressure, 5.5) << "the lookups leave p1 of the record alone";
}

TEST_F(PowerSelectionTest, RefusalsLeaveTheResultsAsTheyWere) {
    struct Case {
        const char* what;
        void (*change)(TMocData&);
        Refusal refusal;
    };
    const Case cases[] = {
        {"no required power", [](TMocData& r) { r.RequiredPower = 0; },
         Refusal::Because(Kind::IncompleteData)},
        {"back pressure = set pressure", [](TMocData& r) { r.BackPressure = 5; },
         Refusal::Because(Kind::BackPressureNotBelowSet)},
        {"above the largest size", [](TMocData& r) { r.RequiredPower = 1e6; },
         Refusal::Because(Kind::NotFound)},
        {"no data file", [](TMocData& r) { r.ValveType = QStringLiteral("SV99"); },
         Refusal::Because(Kind::DataFileError)},
        {"p1 above 200 bar",
         [](TMocData& r) {
             r.SetPressure = 10;
             r.Overpressure = 2000;
             r.RelievingPressure = 210;
         },
         Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200)},
    };
    for (const Case& c : cases) {
        TMocData r = Sv10At5(100);
        ASSERT_TRUE(PowerSelection::Compute(r));
        c.change(r);
        const TMocData before = r;
        EXPECT_EQ(PowerSelection::Compute(r).refusal(), c.refusal) << c.what;
        EXPECT_EQ(r.HeatPower, before.HeatPower) << c.what;
        EXPECT_EQ(r.LatentHeat, before.LatentHeat) << c.what;
    }
}

TEST_F(PowerSelectionTest, WithoutTheSteamTableNothingIsStored) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(Dane::ProgramDir + "SV10", dir.filePath("SV10")));
    Dane::ProgramDir = dir.path() + QLatin1Char('/');
    TMocData r = Sv10At5(100);
    EXPECT_EQ(PowerSelection::Compute(r).refusal(),
              Refusal::Missing(Obliczenia::NoValue::SteamTableMissing));
    EXPECT_EQ(r.RelievingPressure, 5.5);
    EXPECT_EQ(r.ValveSize, "");
}

// The lines of this report: Nw, t1 with kelvin and T1 with Celsius, and after
// the block the heat power with its condition, one line lower on both paths in
// the subcritical branch, where the capacity line turns bold.
TEST_F(PowerSelectionTest, ReportInBothBranches) {
    for (const double p2 : {0.0, 3.0}) {
        SCOPED_TRACE(p2);
        TMocData r = Sv10At5(100, p2);
        ASSERT_TRUE(PowerSelection::Compute(r));
        const auto report = PowerSelection::ReportContent(r);
        ASSERT_TRUE(report);
        const bool critical = p2 == 0;
        EXPECT_EQ(report->title,
                  "DOBÓR ZAWORU BEZPIECZEŃSTWA - MOC CIEPLNA (PRZEPŁYW PARY WODNEJ NASYCONEJ)");
        ASSERT_NE(Find(*report, "Moc cieplna zabezpieczanego urządzenia (wymagana)"), nullptr);
        EXPECT_TRUE(Find(*report, "Moc cieplna zabezpieczanego")->text.endsWith("Nw:  100.0 kW"));
        EXPECT_TRUE(Find(*report, "Temperatura zrzutowa")->text.contains("t1:  435.1 K"));
        const Report::Element* m = Find(*report, "Obliczona przepustowość zaworu");
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->bold, !critical);
        EXPECT_EQ(m->printer, Report::Line(critical ? 53 : 54));
        const Report::Element* condition = Find(*report, "Warunek N>Nw jest spełniony.");
        ASSERT_NE(condition, nullptr);
        EXPECT_EQ(condition->text, "Warunek N>Nw jest spełniony. Zawór bezpieczeństwa ma "
                                   "wystarczającą przepustowość");
        EXPECT_TRUE(condition->bold);
        EXPECT_EQ(condition->printer, Report::Line(critical ? 60 : 61));
        EXPECT_EQ(condition->pdf, Report::Line(critical ? 49 : 50));
    }
    TMocData equal = Sv10At5(100);
    ASSERT_TRUE(PowerSelection::Compute(equal));
    equal.RequiredPower = equal.HeatPower;
    EXPECT_EQ(PowerSelection::ReportContent(equal).refusal(),
              Refusal::Because(Kind::NothingToPrint));
}

} // namespace
