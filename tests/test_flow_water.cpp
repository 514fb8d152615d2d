// "Przepustowość - woda" (TfrmFlow_water) driven as a user drives it, with its report.

#include "test_capacity_fixture.h"

#include "app/HelpViewer.h"
#include "capacity/CapacityCalc.h"

namespace {

const QString kOverpressure =
    QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
const QString kMissing = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kRange = QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\rzakresem "
                                      "0.1 - 149.9 st. C");
const QString kNoData = QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!");

class FlowWater : public CapacityWindowTest {
protected:
    // "SV10" 1/2" at 5.0 bar (d 12, αc 0.45 and 0.48), b1 10 %, t1 20 °C, p2 0.
    void ComputeExample() {
        OpenWater();
        ChooseValve(water, "SV10", "1/2\"", "5.0");
        Type(water, "Edit3", "10");
        Type(water, "Edit10", "20");
        Type(water, "Edit9", "0");
        Click(water, "Button1");
    }
};

TEST_F(FlowWater, TabOrder) {
    OpenWater();
    EXPECT_EQ(TabOrder(water, "Edit3"),
              QStringList({"Edit3", "Edit4", "Edit5", "Edit6", "Button3", "Edit11", "Edit12",
                           "Edit1", "Edit8", "Edit10", "Edit9", "Edit2", "Edit7", "Button1",
                           "Button4", "Button2"}));
}

TEST_F(FlowWater, FirstShowingShowsTheDefaults) {
    OpenWater();
    EXPECT_EQ(Text(water, "Edit3"), "10.0");
    EXPECT_EQ(Text(water, "Edit10"), "20.0");
    EXPECT_EQ(Text(water, "Edit4"), "0.00");
    EXPECT_EQ(Text(water, "Edit9"), "0.00");
    EXPECT_EQ(Text(water, "Edit11"), "");
    EXPECT_EQ(Text(water, "Edit5"), "0.00");
    EXPECT_EQ(Text(water, "Edit2"), " 0.0");
    EXPECT_EQ(Text(water, "Edit7"), "0.00");
    EXPECT_EQ(Button(water, "Button4")->text(), "Wydruk");
    EXPECT_TRUE(Dane::WaterCapacityActive);
    EXPECT_FALSE(main->TopMenu(1)->menuAction()->isEnabled()) << "the calculation menus lock";
}

TEST_F(FlowWater, ComputesTheChosenValve) {
    ComputeExample();
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Text(water, "Edit4"), "5.50");
    EXPECT_EQ(Text(water, "Edit2"), " 5 999.5");
    EXPECT_EQ(Text(water, "Edit7"), "  6.0");
    const TFlowWaterData& d = Dane::FlowWaterData;
    EXPECT_EQ(d.ValveType, "SV10");
    EXPECT_EQ(d.ValveSize, "1/2\"");
    EXPECT_EQ(d.FlowDiameter, 12);
    EXPECT_EQ(d.SetPressure, 5);
    EXPECT_EQ(d.RelievingPressure, 5.5);
    EXPECT_EQ(d.AlphaLiquid10, 0.45);
    EXPECT_EQ(d.AlphaLiquid25, 0.48);
    EXPECT_NEAR(d.Capacity, 5999.523, 0.001);
    EXPECT_NEAR(d.VolumeCapacity, 6.00775, 1e-5);
}

TEST_F(FlowWater, OverpressureChangeShowsP1WithoutTouchingTheRecord) {
    OpenWater();
    ChooseValve(water, "SV10", "1/2\"", "5.0");
    Type(water, "Edit3", "25");
    EXPECT_EQ(Text(water, "Edit4"), "6.25");
    EXPECT_DOUBLE_EQ(Dane::ScratchRelievingPressure, 6.25);
    EXPECT_EQ(Dane::FlowWaterData.Overpressure, 10.0);
    EXPECT_EQ(Dane::FlowWaterData.RelievingPressure, 0.0);
}

// The checks of "Oblicz" in their order, with what the user typed.
struct CheckCase {
    const char* name;
    bool chooseValve;
    const char* b1;
    const char* t1;
    const char* p2;
    std::vector<QString> messages;
};

// Test names show the case's name.
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class FlowWaterChecks : public FlowWater, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FlowWaterChecks, InTheirOrder) {
    const CheckCase& c = GetParam();
    OpenWater();
    if (c.chooseValve)
        ChooseValve(water, "SV10", "1/2\"", "5.0");
    Type(water, "Edit3", c.b1);
    Type(water, "Edit10", c.t1);
    Type(water, "Edit9", c.p2);
    ASSERT_TRUE(warnings.empty());
    Click(water, "Button1");
    EXPECT_EQ(WarningTexts(), c.messages);
    EXPECT_EQ(Text(water, "Edit2").isEmpty(), !c.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FlowWater, FlowWaterChecks,
    ::testing::Values(
        // b1 first, even with no valve and no temperature.
        CheckCase{"OverpressureBelowTen", false, "9.9", "", "0", {kOverpressure}},
        CheckCase{"NoValve", false, "10", "20", "0", {kMissing}},
        CheckCase{"NoTemperature", true, "10", "", "0", {kMissing}},
        CheckCase{"BackPressureEqualToSetPressure", true, "10", "20", "5", {kBackPressure}},
        // p2 between p = 5.0 and p1 = 5.5: refused, the test is against p.
        CheckCase{"BackPressureBetweenSetAndRelieving", true, "10", "20", "5.2", {kBackPressure}},
        CheckCase{"BackPressureJustBelowSetPressure", true, "10", "20", "4.99", {}},
        CheckCase{"NoBackPressure", true, "10", "20", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlowWater, TemperatureOfZeroTypedOrEmpty) {
    OpenWater();
    ChooseValve(water, "SV10", "1/2\"", "5.0");
    Type(water, "Edit10", "0");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kRange});
    EXPECT_EQ(QApplication::focusWidget(), Field(water, "Edit10"));
    warnings.clear();
    Type(water, "Edit10", "");
    EXPECT_TRUE(warnings.empty()) << "an empty field passes";
    Click(water, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kMissing});
}

TEST_F(FlowWater, TextThatIsNoNumberIsRefusedBeforeTheRecord) {
    ComputeExample();
    // Put there without leaving the field: "Oblicz" itself refuses it.
    Field(water, "Edit9")->setText(QStringLiteral("1..5"));
    water->Button1Click();
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!")});
    EXPECT_EQ(QApplication::focusWidget(), Field(water, "Edit9"));
    EXPECT_EQ(Dane::FlowWaterData.BackPressure, 0.0);
    EXPECT_NEAR(Dane::FlowWaterData.Capacity, 5999.523, 0.001);
}

TEST_F(FlowWater, ReopeningShowsTheLastInputsAndResultsInFixedPoint) {
    ComputeExample();
    Click(water, "Button2");
    EXPECT_FALSE(water->isVisible());
    EXPECT_TRUE(main->TopMenu(1)->menuAction()->isEnabled());
    OpenWater();
    EXPECT_EQ(Text(water, "Edit3"), "10.0");
    EXPECT_EQ(Text(water, "Edit10"), "20.0");
    EXPECT_EQ(Text(water, "Edit4"), "5.50");
    EXPECT_EQ(Text(water, "Edit9"), "0.00");
    EXPECT_EQ(Text(water, "Edit11"), "SV10");
    EXPECT_EQ(Text(water, "Edit12"), "1/2\"");
    EXPECT_EQ(Text(water, "Edit5"), "12.00");
    EXPECT_EQ(Text(water, "Edit1"), "5.00");
    EXPECT_EQ(Text(water, "Edit6"), "0.45");
    EXPECT_EQ(Text(water, "Edit8"), "0.48");
    EXPECT_EQ(Text(water, "Edit2"), "5999.5");
    EXPECT_EQ(Text(water, "Edit7"), "6.01");
}

TEST_F(FlowWater, PrintBeforeAnyCalculationRefuses) {
    OpenWater();
    Click(water, "Button4");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoData});
    EXPECT_TRUE(modalsShown.empty()) << "no print dialog";
}

// The one-page report of the example, as the PDF reads back.
TEST_F(FlowWater, PdfOfTheCalculation) {
    REQUIRE_PDFTOTEXT();
    Dane::PrintMode = Dane::CreatePdf;
    ComputeExample();
    EXPECT_EQ(Button(water, "Button4")->text(), "Utwórz PDF");
    const std::vector<QString> pages = PrintPdf(water, QStringLiteral("woda.pdf"));
    EXPECT_EQ(saveTitle, "Zapis wyników obliczeń w pliku PDF");
    ASSERT_EQ(pages.size(), 1u);
    const QString& p = pages[0];
    for (const char* line : {
             "WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA",
             "Dane zaworu bezpieczeństwa",
             "Typ: PRX SV10  1/2\"",
             "d:   12.0 mm",
             "A:  113.1 mm2",
             "alfa:   0.45",
             "p:   5.00 bar",
             "b1:   10.0 %",
             "p1:   5.50 bar",
             "p2:   0.00 bar",
             "Czynnik roboczy:  woda",
             "t1:   20.0 C",
             "gamma1:  998.6 kg/m3",
             "Obliczona przepustowość zaworu bezpieczeństwa  (masowa)",
             "m: 5999.5 kg/h",
             "V:    6.0 m3/h",
         })
        EXPECT_TRUE(HasLine(p, QString::fromUtf8(line))) << line << "\n" << p.toStdString();
    EXPECT_FALSE(p.contains(QStringLiteral("Str."))) << "a one-page PDF has no footer";
    EXPECT_TRUE(cards.empty());
}

// A change empties the results, a refused "Oblicz" and a new valve change the
// record, yet the report is the last successful calculation as a whole.
TEST_F(FlowWater, ReportIsTheLastSuccessfulCalculation) {
    REQUIRE_PDFTOTEXT();
    ComputeExample();
    Type(water, "Edit3", "30");
    EXPECT_EQ(Text(water, "Edit2"), "");
    EXPECT_EQ(Text(water, "Edit7"), "");
    ChooseValve(water, "SV20", "3/4\"", "6.0");
    // Changes after a success still print that success.
    const std::vector<QString> pages = PrintPdf(water, QStringLiteral("woda.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("Typ: PRX SV10  1/2\"")));
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("d:   12.0 mm")));
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("b1:   10.0 %")));
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("m: 5999.5 kg/h")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("SV20")));
    // A refused "Oblicz": the record took the refused inputs, and there is
    // nothing to print.
    Type(water, "Edit3", "9.9");
    Click(water, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kOverpressure});
    EXPECT_EQ(Dane::FlowWaterData.ValveType, "SV20");
    EXPECT_EQ(Dane::FlowWaterData.Overpressure, 9.9);
    EXPECT_FALSE(water->LastCalculation());
    warnings.clear();
    Click(water, "Button4");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoData});
}

TEST_F(FlowWater, TwentyFivePercentCoefficientInTheReport) {
    OpenWater();
    ChooseValve(water, "SV10", "1/2\"", "5.0");
    Type(water, "Edit3", "25");
    Click(water, "Button1");
    EXPECT_EQ(Text(water, "Edit2"), " 6 822.0");
    const Report::Content r = Capacity::ReportContent(*water->LastCalculation());
    EXPECT_TRUE(r.elements[5].text.endsWith(QStringLiteral("alfa:   0.48")));
    ChooseValve(water, "SV20", "3/4\"", "6.0"); // no 25 % coefficient
    Click(water, "Button1");
    EXPECT_EQ(Text(water, "Edit8"), "0.00");
    EXPECT_TRUE(Capacity::ReportContent(*water->LastCalculation())
                    .elements[5]
                    .text.endsWith(QStringLiteral("alfa:   0.20")));
}

// Print mode 1: the printed page with its footer, then the catalogue card of
// the calculation's valve.
TEST_F(FlowWater, PrintedPageThenTheCard) {
    REQUIRE_PDFTOTEXT();
    OpenWater();
    ChooseValve(water, "SV20", "3/4\"", "6.0");
    Click(water, "Button1");
    ASSERT_TRUE(warnings.empty());
    Dane::PrintMode = Dane::PrintResultsAndCard;
    const QString file = work.filePath(QStringLiteral("druk.pdf"));
    PrintTo(file);
    Click(water, "Button4");
    onModal = nullptr;
    EXPECT_EQ(modalsShown.back(), QStringLiteral("PrintDialog"));
    const std::vector<QString> pages = PdfPages(file);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("Typ: PRX SV20  3/4\"")));
    EXPECT_TRUE(HasLine(pages[0], QStringLiteral("Str. 1/1")));
    EXPECT_EQ(cards, std::vector<QString>{Dane::ProgramDir +
                                          QStringLiteral("karta_SV20_zawor_bezp_102k11.pdf")});
}

} // namespace
