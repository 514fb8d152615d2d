// The heat-power selection of a steam-and-water source without widgets: "Oblicz"
// over the build's valve data files and steam table, its refusals and the
// "no size found" mark, and the two-page report in both branches.

#include "QStringPrinter.h"
#include "ReportTexts.h"
#include "data/Dane.h"
#include "selection/MixSelection.h"

#include <gtest/gtest.h>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

class MixSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    }

    // SV20 at 6.0 bar, 10 % overpressure.
    static TDoborMixData Sv20At6(double power, double backPressure = 0) {
        TDoborMixData r;
        r.RequiredPower = power;
        r.RelievingPressure = 6.6;
        r.BackPressure = backPressure;
        r.SetPressure = 6;
        r.ValveType = QStringLiteral("SV20");
        return r;
    }
};

// To the atmosphere X2 is the flash fraction of boiling water from p1 down to
// 1 bar absolute; the size found covers Ap + Aw with its flow area.
TEST_F(MixSelectionTest, FirstSizeWhoseAreaCoversTheSteamAndTheWaterPart) {
    TDoborMixData r = Sv20At6(300);
    ASSERT_TRUE(MixSelection::Compute(r));
    double p1 = 6.6, p2 = 0;
    const double i1 = Obliczenia::SatWaterEnthalpy(p1).value();
    const double i2 = Obliczenia::SatWaterEnthalpy(p2).value();
    EXPECT_DOUBLE_EQ(r.SteamFraction, (i1 - i2) / r.LatentHeat);
    EXPECT_DOUBLE_EQ(r.RequiredCapacity, 3600 * 300 / r.LatentHeat);
    EXPECT_EQ(r.ValveSize, "1/2\"");
    EXPECT_LE(r.SteamArea + r.WaterArea, Obliczenia::FlowArea(r.FlowDiameter));
    EXPECT_EQ(r.RelievingPressure, 6.6) << "the lookups leave p1 of the record alone";
    // b1 = 25 % and a size without a coefficient at 25 %: the 10 % one.
    EXPECT_EQ(r.AlphaLiquid25, 0);
    EXPECT_EQ(Obliczenia::LiquidAlpha(25, r.AlphaLiquid10, 0), r.AlphaLiquid10);
}

TEST_F(MixSelectionTest, RefusalsLeaveTheNotFoundMarkAndTheReportRefuses) {
    const struct {
        const char* what;
        TDoborMixData record;
        Refusal refusal;
    } cases[] = {
        {"b1 9.9 %",
         [] {
             auto r = Sv20At6(300);
             r.Overpressure = 9.9;
             return r;
         }(),
         Refusal::Because(Kind::IncompleteData)},
        {"p2 = p", Sv20At6(300, 6), Refusal::Because(Kind::BackPressureNotBelowSet)},
        {"above the largest size", Sv20At6(1e6), Refusal::Because(Kind::NotFound)},
        {"p1 above 200 bar",
         [] {
             auto r = Sv20At6(300);
             r.RelievingPressure = 210;
             return r;
         }(),
         Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200)},
    };
    for (auto c : cases) {
        TDoborMixData r = c.record;
        r.SteamArea = r.WaterArea = 1;
        EXPECT_EQ(MixSelection::Compute(r).refusal(), c.refusal) << c.what;
        EXPECT_TRUE(MixSelection::IsNotFound(r)) << c.what;
        r.FlowDiameter = 50;
        EXPECT_EQ(MixSelection::ReportContent(r).refusal(), Refusal::Because(Kind::NothingToPrint))
            << c.what;
    }
    TDoborMixData below = Sv20At6(300, 5.99);
    EXPECT_TRUE(MixSelection::Compute(below)) << "p2 0.01 bar below p";
}

// p2 = 0 is critical flow (K2 1.0 on page 2); p1 6.6, p2 3.5 gives β ≥ 0.543, the
// ψ branch, whose page 2 stands four lines lower. β = 1/7.6 = 0.132 and
// 4.5/7.6 = 0.592 on a line of this report's own, one blank wider than the
// other steam reports'.
TEST_F(MixSelectionTest, ReportInBothBranches) {
    for (const double p2 : {0.0, 3.5}) {
        SCOPED_TRACE(p2);
        TDoborMixData r = Sv20At6(100, p2);
        ASSERT_TRUE(MixSelection::Compute(r));
        const auto report = MixSelection::ReportContent(r);
        ASSERT_TRUE(report);
        EXPECT_TRUE(TextsOf(*report).contains(
            QStringLiteral("Obliczony stosunek ciśnień abs. za i przed zaworem bezp.           "
                           "Beta: ") +
            (p2 == 0 ? " 0.132" : " 0.592")));
        EXPECT_EQ(report->PrinterPages(), 2);
        EXPECT_EQ(report->PdfPages(), 2);
        const Report::Element& last = report->elements.back();
        EXPECT_EQ(last.text, "Warunek A>Aw+Ap jest spełniony. Zawór bezpieczeństwa ma "
                             "wystarczającą przepustowość.");
        EXPECT_EQ(last.printer, Report::Line(p2 == 0 ? 21 : 26, 2));
        EXPECT_EQ(last.pdf, Report::Line(p2 == 0 ? 28 : 32, 2));
    }
}

} // namespace
