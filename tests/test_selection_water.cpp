// The water selection without widgets: "Oblicz" on the record over the real
// valve data files of the build, and its report line by line.

#include "QStringPrinter.h"
#include "data/Convert.h"
#include "data/Dane.h"
#include "selection/WaterSelection.h"

#include <gtest/gtest.h>

#include <vector>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

class WaterSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    }

    // SV10 at 5.0 bar, 10 % overpressure, 20 °C, to the atmosphere.
    static TDoborWaterData Sv10At5(double required) {
        TDoborWaterData r;
        r.RequiredCapacity = required;
        r.Overpressure = 10;
        r.RelievingPressure = 5.5;
        r.BackPressure = 0;
        r.SetPressure = 5;
        r.RelievingTemp = 20;
        r.ValveType = QStringLiteral("SV10");
        return r;
    }
};

double Capacity(double d, const TDoborWaterData& r, double a10, double a25) {
    return Obliczenia::WaterCapacity(d, r.RelievingPressure, r.Overpressure, r.BackPressure,
                                     r.RelievingTemp, a10, a25)
        .value();
}

TEST_F(WaterSelectionTest, RefusalsLeaveTheResultsAsTheyWere) {
    TDoborWaterData r = Sv10At5(10000);
    ASSERT_TRUE(WaterSelection::Compute(r));
    const TDoborWaterData before = r;

    struct Case {
        const char* what;
        void (*change)(TDoborWaterData&);
        Refusal refusal;
    };
    const Case cases[] = {
        {"above the largest size", [](TDoborWaterData& r) { r.RequiredCapacity = 45730; },
         Refusal::Because(Kind::NotFound)},
        {"a set pressure no record has", [](TDoborWaterData& r) { r.SetPressure = 7; },
         Refusal::Because(Kind::NotFound)},
        {"overpressure 9.9", [](TDoborWaterData& r) { r.Overpressure = 9.9; },
         Refusal::Because(Kind::IncompleteData)},
        {"no valve type", [](TDoborWaterData& r) { r.ValveType.clear(); },
         Refusal::Because(Kind::IncompleteData)},
        {"back pressure = set pressure", [](TDoborWaterData& r) { r.BackPressure = 5; },
         Refusal::Because(Kind::BackPressureNotBelowSet)},
        {"no data file", [](TDoborWaterData& r) { r.ValveType = QStringLiteral("SV99"); },
         Refusal::Because(Kind::DataFileError)},
        {"a temperature the density has no value for",
         [](TDoborWaterData& r) { r.RelievingTemp = 150.5; },
         Refusal::Missing(Obliczenia::NoValue::WaterTemperatureRange)},
    };
    for (const Case& c : cases) {
        TDoborWaterData tried = r;
        c.change(tried);
        const auto found = WaterSelection::Compute(tried);
        EXPECT_EQ(found.refusal(), c.refusal) << c.what;
        EXPECT_EQ(tried.ValveSize, before.ValveSize) << c.what;
        EXPECT_EQ(tried.FlowDiameter, before.FlowDiameter) << c.what;
        EXPECT_EQ(tried.AlphaLiquid10, before.AlphaLiquid10) << c.what;
        EXPECT_EQ(tried.AlphaLiquid25, before.AlphaLiquid25) << c.what;
        EXPECT_EQ(tried.Capacity, before.Capacity) << c.what;
    }
}

// SV20 has a 25 % coefficient at 5.0 bar (for 1" it is below the 10 % one) and
// none at 6.0 bar.
TEST_F(WaterSelectionTest, AtLeast25PercentTakesThe25PercentCoefficientWhereThereIsOne) {
    struct Case {
        double setPressure, overpressure, alphaUsed;
    };
    for (const Case c : {Case{5, 25, 0.26}, Case{5, 24.9, 0.30}, Case{6, 25, 0.30}}) {
        TDoborWaterData r;
        r.ValveType = QStringLiteral("SV20");
        r.SetPressure = c.setPressure;
        r.Overpressure = c.overpressure;
        r.RelievingPressure = c.setPressure * (c.overpressure / 100 + 1);
        r.RequiredCapacity = 10000;
        ASSERT_TRUE(WaterSelection::Compute(r)) << c.setPressure << " " << c.overpressure;
        EXPECT_EQ(r.ValveSize, "1\"");
        EXPECT_EQ(WaterSelection::AlphaUsed(r), c.alphaUsed);
        EXPECT_EQ(r.Capacity, Capacity(20, r, c.alphaUsed, 0));
        const auto report = WaterSelection::ReportContent(r);
        ASSERT_TRUE(report);
        EXPECT_EQ(report->elements[5].text,
                  QStringLiteral("Dopuszczony współczynnik wypływu dla cieczy                      "
                                 "alfac: ") +
                      Convert::FixedText(c.alphaUsed, 6, 2));
    }
}

// One element of a report as a line of text: where it stands on both paths and what it is.
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

std::vector<QString> Describe(const Report::Content& c) {
    std::vector<QString> lines;
    for (const Report::Element& e : c.elements)
        lines.push_back(Describe(e));
    return lines;
}

TEST_F(WaterSelectionTest, ReportLineByLine) {
    TDoborWaterData r = Sv10At5(10000);
    ASSERT_TRUE(WaterSelection::Compute(r));
    const auto report = WaterSelection::ReportContent(r);
    ASSERT_TRUE(report) << report.Message().toStdString();
    EXPECT_EQ(report->title, "DOBÓR ZAWORU BEZPIECZEŃSTWA - WODA");
    EXPECT_EQ(report->valveType, "SV10");
    EXPECT_EQ(report->saveDialogTitle, "Zapis wyników obliczeń w pliku PDF");
    EXPECT_FALSE(report->pdfFooterOnOnePage);
    EXPECT_EQ(report->PrinterPages(), 1);
    EXPECT_EQ(report->PdfPages(), 1);
    const std::vector<QString> expected = {
        "5/y230 DOBÓR ZAWORU BEZPIECZEŃSTWA - WODA",
        "9/0 B Dane dobranego zaworu bezpieczeństwa",
        "10/1 Typ: PRX SV10  1\"",
        "11/2 Najmniejsza średnica kanału przepływowego                            d:   20.0 mm",
        "12/3 Powierzchnia kanału przepływowego                                    A:  314.2 mm2",
        "13/4 Dopuszczony współczynnik wypływu dla cieczy                      alfac:   0.41",
        "14/5 Ciśnienie początku otwarcia                                          p:   5.00 bar",
        "15/6 Przyrost ciśnienia początku otwarcia                                b1:   10.0 %",
        "16/7 Ciśnienie zrzutowe                                                  p1:   5.50 bar",
        "17/8 Ciśnienie odpływowe                                                 p2:   0.00 bar",
        "19/10 Czynnik roboczy: woda",
        "20/11 Temperatura zrzutowa                                                T1:  293.2 K",
        "21/12 Temperatura zrzutowa                                                t1:   20.0 C",
        "22/13 Gęstość wody w warunkach zrzutowych                             gamma1:  998.6 "
        "kg/m3",
        "23/14 Przepustowość wymagana                                              mw: 10000.0 "
        "kg/h",
        "25/16 B Obliczenia:",
        "26/17 Przepustowość zaworu bezpieczeństwa (masowa)",
        "27/18 bitmap 3 1095x165",
        "29/20 B Obliczona przepustowość zaworu bezpieczeństwa  (masowa)             m: 15184.0 "
        "kg/h",
        "30/21 B Warunek m>mw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
        "przepustowość.",
        "32/23 Przepustowość zaworu bezpieczeństwa  (objętościowa)",
        "33/24 bitmap 21 243x195",
        "35/27 Obliczona przepustowość zaworu bezpieczeństwa  (objętościowa)       V:  15.20 m3/h",
    };
    EXPECT_EQ(Describe(*report), expected);
    // V = m / ρ, worked out for the report and kept in the record.
    EXPECT_NEAR(r.VolumeCapacity, 15183.979 / 998.6311, 1e-4);
}

TEST_F(WaterSelectionTest, ReportNeedsACapacityAboveTheRequirement) {
    TDoborWaterData r; // nothing selected
    EXPECT_EQ(WaterSelection::ReportContent(r).Message(),
              "Nie wykonano obliczeń. Brak danych do wydruku!");
    r = Sv10At5(10000);
    ASSERT_TRUE(WaterSelection::Compute(r));
    r.Capacity = r.RequiredCapacity + 0.00009;
    EXPECT_FALSE(WaterSelection::ReportContent(r));
    r.Capacity = r.RequiredCapacity + 0.0002;
    EXPECT_TRUE(WaterSelection::ReportContent(r));
}

} // namespace
