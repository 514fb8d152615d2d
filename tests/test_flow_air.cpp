// "Przepustowość - powietrze" (TfrmFlow_air) driven as a user drives it, with
// its two-page report; and which capacity window the valve choice dialog fills.

#include "test_capacity_fixture.h"

#include "app/HelpViewer.h"

namespace {

const QString kMissing = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kAirRange =
    QStringLiteral("Temperatura powietrza musi mieścić się w zakresie od -23.15 do 76.85 °C !");

class FlowAir : public CapacityWindowTest {
protected:
    // "SV10" 1/2" at 5.0 bar (d 12, α 0.38), b1 10 %, t1 20 °C.
    void ComputeExample(const QString& p2 = QStringLiteral("0")) {
        OpenAir();
        ChooseValve(air, "SV10", "1/2\"", "5.0");
        Type(air, "Edit3", "10");
        Type(air, "Edit10", "20");
        Type(air, "Edit8", p2);
        Click(air, "Button1");
    }
};

TEST_F(FlowAir, TabOrder) {
    OpenAir();
    EXPECT_EQ(
        TabOrder(air, "Edit3"),
        QStringList({"Edit3", "Edit4", "Edit10", "Edit8", "Edit11", "Edit12", "Edit5", "Edit1",
                     "Edit6", "Button3", "Edit2", "Edit7", "Button1", "Button4", "Button2"}));
}

TEST_F(FlowAir, ComputesTheChosenValve) {
    ComputeExample();
    ASSERT_TRUE(warnings.empty());
    EXPECT_EQ(Text(air, "Edit4"), "5.50");
    EXPECT_EQ(Text(air, "Edit2"), "  232.3");
    EXPECT_EQ(Text(air, "Edit7"), "  179.6");
    EXPECT_NEAR(Dane::FlowAirData.Capacity, 232.292, 0.001);
    EXPECT_DOUBLE_EQ(Dane::FlowAirData.VolumeCapacity, 0.773 * Dane::FlowAirData.Capacity);
}

TEST_F(FlowAir, TemperatureOutsideTheAirTablesIsRefused) {
    ComputeExample();
    const double before = Dane::FlowAirData.Capacity;
    Type(air, "Edit10", "80");
    EXPECT_TRUE(warnings.empty()) << "no range check on leaving the field";
    Click(air, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kAirRange});
    EXPECT_EQ(Dane::FlowAirData.RelievingTemp, 80.0);
    EXPECT_EQ(Dane::FlowAirData.Capacity, before);
    EXPECT_EQ(Text(air, "Edit2"), "");
    warnings.clear();
    Type(air, "Edit10", "76.85");
    Click(air, "Button1");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(FlowAir, TemperatureOfZeroIsMissingData) {
    OpenAir();
    ChooseValve(air, "SV10", "1/2\"", "5.0");
    Type(air, "Edit10", "0");
    EXPECT_TRUE(warnings.empty());
    Click(air, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kMissing});
}

// A new b1 shows its p1; the record and the report keep those of "Oblicz".
TEST_F(FlowAir, OverpressureChangeLeavesTheRecordAndTheReport) {
    ComputeExample();
    Type(air, "Edit3", "20");
    EXPECT_EQ(Text(air, "Edit4"), "6.00");
    EXPECT_EQ(Text(air, "Edit2"), "");
    EXPECT_EQ(Dane::FlowAirData.Overpressure, 10.0);
    EXPECT_EQ(Dane::FlowAirData.RelievingPressure, 5.5);
    const Report::Content r = Capacity::ReportContent(*air->LastCalculation());
    EXPECT_TRUE(r.elements[7].text.endsWith(QStringLiteral("b1:   10.0 %")));
    EXPECT_TRUE(r.elements[8].text.endsWith(QStringLiteral("p1:   5.50 bar")));
}

TEST_F(FlowAir, ReopeningShowsTheMassCapacityWithTwoDecimals) {
    ComputeExample();
    Click(air, "Button2");
    OpenAir();
    EXPECT_EQ(Text(air, "Edit2"), "232.29");
    EXPECT_EQ(Text(air, "Edit7"), "179.56");
    EXPECT_EQ(Text(air, "Edit5"), "12.00");
    EXPECT_EQ(Text(air, "Edit6"), "0.38");
    EXPECT_EQ(Text(air, "Edit4"), "5.50");
}

// A valve chosen but never computed is gone when the window is reopened; the
// relieving pressure shown (and computed with) is the record's, not one made of
// the new valve's set pressure.
TEST_F(FlowAir, ReopeningAfterAnUncomputedValveShowsTheRecord) {
    ComputeExample();
    ChooseValve(air, "SV20", "1\"", "8.0");
    EXPECT_EQ(Text(air, "Edit4"), "8.80");
    Click(air, "Button2");
    OpenAir();
    EXPECT_EQ(Text(air, "Edit11"), "SV10");
    EXPECT_EQ(Text(air, "Edit1"), "5.00");
    EXPECT_EQ(Text(air, "Edit3"), "10.0");
    EXPECT_EQ(Text(air, "Edit4"), "5.50");
    EXPECT_EQ(Dane::FlowAirData.RelievingPressure, 5.5);
    Click(air, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Text(air, "Edit2"), "  232.3");
}

TEST_F(FlowAir, CriticalReportTwoPagesOnBothPaths) {
    REQUIRE_PDFTOTEXT();
    ComputeExample();
    const std::vector<QString> pdf = PrintPdf(air, QStringLiteral("powietrze.pdf"));
    EXPECT_EQ(saveTitle, "Zapisz wyniki obliczeń w pliku PDF");
    ASSERT_EQ(pdf.size(), 2u);
    for (const char* line :
         {"Typ: PRX SV10  1/2\"", "Czynnik roboczy:  powietrze", "Mr:  28.96 kg/kmol",
          "T1:  293.2 K", "K1:  0.831", "Beta:  0.154", "Beta kryt:  0.528",
          "Współczynnik rozprężania adiabatycznego", "Str. 1/2"})
        EXPECT_TRUE(HasLine(pdf[0], QString::fromUtf8(line))) << line << pdf[0].toStdString();
    for (const char* line : {"K2:  1.0", "Tr:   2.21", "Pr:   0.17", "Z:   1.00", "m:  232.3 kg/h",
                             "v: 0.773 Nm3/kg", "V:  179.6 Nm3/h", "Str. 2/2"})
        EXPECT_TRUE(HasLine(pdf[1], QString::fromUtf8(line))) << line << pdf[1].toStdString();

    Dane::PrintMode = Dane::PrintResultsAndCard;
    const QString file = work.filePath(QStringLiteral("druk.pdf"));
    PrintTo(file);
    Click(air, "Button4");
    onModal = nullptr;
    const std::vector<QString> printed = PdfPages(file);
    ASSERT_EQ(printed.size(), 2u);
    // The printer keeps K2, Tr and Pr on page 1.
    EXPECT_TRUE(HasLine(printed[0], QStringLiteral("Pr:   0.17")));
    EXPECT_TRUE(HasLine(printed[0], QStringLiteral("Str. 1/2")));
    EXPECT_TRUE(HasLine(printed[1], QStringLiteral("Z:   1.00")));
    EXPECT_TRUE(HasLine(printed[1], QStringLiteral("Str. 2/2")));
    EXPECT_EQ(cards, std::vector<QString>{Dane::ProgramDir +
                                          QStringLiteral("karta_SV10_zawor_bezp_102k11.pdf")});
}

TEST_F(FlowAir, SubcriticalReport) {
    REQUIRE_PDFTOTEXT();
    ComputeExample(QStringLiteral("4"));
    ASSERT_TRUE(warnings.empty());
    const std::vector<QString> pdf = PrintPdf(air, QStringLiteral("powietrze.pdf"));
    ASSERT_EQ(pdf.size(), 2u);
    EXPECT_TRUE(HasLine(pdf[0], QStringLiteral("Beta:  0.769")));
    for (const char* line : {"Psi:  0.416", "K2:   0.860", "m:  199.8 kg/h", "V:  154.5 Nm3/h"})
        EXPECT_TRUE(HasLine(pdf[1], QString::fromUtf8(line))) << line << pdf[1].toStdString();
}

// ---- the active-window flags --------------------------------------------------------

TEST_F(FlowAir, ValveDialogFillsOnlyTheWindowActivatedLast) {
    OpenWater();
    Click(water, "Button2");
    OpenAir();
    EXPECT_TRUE(Dane::AirCapacityActive);
    EXPECT_FALSE(Dane::WaterCapacityActive);
    ChooseValve(air, "SV20", "1\"", "8.0");
    EXPECT_EQ(Text(air, "Edit11"), "SV20");
    EXPECT_EQ(Text(air, "Edit6"), "0.54");
    EXPECT_EQ(Text(water, "Edit11"), "") << "the water window keeps its fields";
    EXPECT_EQ(Text(steam, "Edit11"), "");
    Click(air, "Button2");

    OpenSteam();
    EXPECT_TRUE(Dane::SteamCapacityActive);
    EXPECT_FALSE(Dane::AirCapacityActive);
    ChooseValve(steam, "SV10", "1/2\"", "5.0");
    EXPECT_EQ(Text(steam, "Edit11"), "SV10");
    EXPECT_EQ(Text(steam, "Edit6"), "0.38");
    EXPECT_EQ(Text(air, "Edit11"), "SV20");
    EXPECT_EQ(Text(water, "Edit11"), "");
    Click(steam, "Button2");

    OpenWater();
    ChooseValve(water, "SV10", "1/2\"", "5.0");
    EXPECT_EQ(Text(water, "Edit6"), "0.45");
    EXPECT_EQ(Text(water, "Edit8"), "0.48");
    EXPECT_EQ(Text(air, "Edit11"), "SV20");
    EXPECT_EQ(Text(steam, "Edit12"), "1/2\"");
}

TEST_F(FlowAir, OnlyOneCapacityWindowAtATime) {
    OpenAir();
    for (int position : {1, 2})
        EXPECT_FALSE(main->TopMenu(position)->menuAction()->isEnabled());
    Click(air, "Button2");
    EXPECT_FALSE(air->isVisible());
    for (int position : {1, 2})
        EXPECT_TRUE(main->TopMenu(position)->menuAction()->isEnabled());
}

} // namespace
