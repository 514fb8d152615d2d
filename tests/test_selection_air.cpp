// The air selection without widgets: "Oblicz" in its two modes over the build's
// valve data files, its refusals, and the two-page report in both branches.

#include "QStringPrinter.h"
#include "data/Dane.h"
#include "report/ReportLines.h"
#include "selection/AirSelection.h"

#include <gtest/gtest.h>

#include <QStringList>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

class AirSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    }

    // SV20 at 6.0 bar, 10 % overpressure, 20 °C.
    static TDoborAirData Sv20At6(int mode, double requirement, double backPressure = 0) {
        TDoborAirData r;
        r.Mode = mode;
        (mode == AirSelection::CompressorOutput ? r.CompressorOutput : r.RequiredCapacity) =
            requirement;
        r.RelievingPressure = 6.6;
        r.BackPressure = backPressure;
        r.SetPressure = 6;
        r.ValveType = QStringLiteral("SV20");
        return r;
    }

    static QStringList Texts(const Report::Content& c) {
        QStringList texts;
        for (const Report::Element& e : c.elements)
            if (!e.IsBitmap())
                texts << e.text;
        return texts;
    }
};

// 2 m³/min of a compressor are 144.6 kg/h; SV20 at 6.0 bar: 1/2" 271.7 kg/h.
// A required capacity equal to a size's capacity selects that size.
TEST_F(AirSelectionTest, BothModesSelectTheFirstSizeThatCovers) {
    TDoborAirData output = Sv20At6(AirSelection::CompressorOutput, 2);
    output.RequiredCapacity = 123;
    ASSERT_TRUE(AirSelection::Compute(output));
    EXPECT_DOUBLE_EQ(output.CompressorMassFlow, 144.6);
    EXPECT_EQ(output.ValveSize, "1/2\"");
    EXPECT_EQ(output.RequiredCapacity, 123) << "the other mode's input stays";
    EXPECT_DOUBLE_EQ(output.NormalVolumeCapacity, output.Capacity * 0.773);

    TDoborAirData typed = Sv20At6(AirSelection::RequiredCapacity, output.Capacity);
    ASSERT_TRUE(AirSelection::Compute(typed));
    EXPECT_EQ(typed.ValveSize, "1/2\"");
    EXPECT_EQ(typed.CompressorMassFlow, 0);
    EXPECT_DOUBLE_EQ(typed.NormalVolumeCapacity, typed.Capacity * 0.773);
}

TEST_F(AirSelectionTest, Refusals) {
    const struct {
        const char* what;
        TDoborAirData record;
        Refusal refusal;
    } cases[] = {
        {"no compressor output", Sv20At6(AirSelection::CompressorOutput, 0),
         Refusal::Because(Kind::IncompleteData)},
        {"no required capacity", Sv20At6(AirSelection::RequiredCapacity, 0),
         Refusal::Because(Kind::IncompleteData)},
        {"back pressure = set pressure", Sv20At6(AirSelection::RequiredCapacity, 100, 6),
         Refusal::Because(Kind::BackPressureNotBelowSet)},
        {"above the largest size", Sv20At6(AirSelection::RequiredCapacity, 1e7),
         Refusal::Because(Kind::NotFound)},
    };
    for (auto c : cases)
        EXPECT_EQ(AirSelection::Compute(c.record).refusal(), c.refusal) << c.what;
    TDoborAirData hot = Sv20At6(AirSelection::RequiredCapacity, 100);
    hot.RelievingTemp = 80;
    EXPECT_EQ(AirSelection::Compute(hot).refusal(),
              Refusal::Missing(Obliczenia::NoValue::AirTemperatureRange));
    EXPECT_EQ(hot.ValveSize, "");
}

// β = (p2 + 1)/(p1 + 1) = 0.5 prints the critical branch with K2 = 1.0,
// β = 0.6 prints ψ and K2 = ψ/0.484; the requirement is the selection's mode's.
TEST_F(AirSelectionTest, ReportInBothBranchesAndModes) {
    TDoborAirData critical = Sv20At6(AirSelection::CompressorOutput, 2, 2.8);
    ASSERT_TRUE(AirSelection::Compute(critical));
    const auto c = AirSelection::ReportContent(critical);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->PrinterPages(), 2);
    EXPECT_EQ(c->PdfPages(), 2);
    EXPECT_EQ(c->saveDialogTitle, "Zapisz wyniki obliczeń w pliku PDF");
    const QStringList texts = Texts(*c);
    EXPECT_TRUE(texts.contains("Obliczona wydajność sprężarki (masowa)                            "
                               "   M: 144.60 kg/h"));
    EXPECT_TRUE(texts.contains("Obliczona wartość współczynnika K2                               "
                               "   K2:  1.0"));
    EXPECT_FALSE(texts.join('\n').contains("Psi: "));

    TDoborAirData sub = Sv20At6(AirSelection::RequiredCapacity, 100, 3.56);
    ASSERT_TRUE(AirSelection::Compute(sub));
    const auto s = AirSelection::ReportContent(sub);
    ASSERT_TRUE(s);
    const Obliczenia::FlowFactors f = Obliczenia::AirFlowFactors(6.6, 3.56);
    const QStringList subTexts = Texts(*s);
    EXPECT_TRUE(subTexts.contains("Wydajność źródła zasilania (masowa)                         "
                                  "         M: 100.00 kg/h"));
    EXPECT_TRUE(subTexts.contains("Obliczona wartość współczynnika K2                          "
                                  "        K2:  " +
                                  Report::Number(f.K2, 3)));
    EXPECT_TRUE(subTexts.join('\n').contains("Psi:  " + Report::Number(f.psi, 3).trimmed()));

    sub.RequiredCapacity = sub.Capacity;
    EXPECT_EQ(AirSelection::ReportContent(sub).refusal(), Refusal::Because(Kind::NothingToPrint));
}

} // namespace
