// "Przepustowość - para wodna nasycona" (TfrmPara) driven as a user drives it,
// with its report.

#include "test_capacity_fixture.h"

#include "app/HelpViewer.h"
#include "calc/Obliczenia.h"
#include "data/Convert.h"

namespace {

const QString kOverpressure =
    QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
const QString kMissing = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kAbove200 =
    QStringLiteral("Ciśnienie pary przekracza 200 bar - poza zakresem współczynnika K1 !");

class FlowSteam : public CapacityWindowTest {
protected:
    // "SV10" 1/2" at 5.0 bar (d 12, α 0.38), b1 10 %: p1 5.50, critical flow to
    // the atmosphere.
    void ComputeExample(const QString& p2 = QStringLiteral("0")) {
        OpenSteam();
        ChooseValve(steam, "SV10", "1/2\"", "5.0");
        Type(steam, "Edit3", "10");
        Type(steam, "Edit8", p2);
        Click(steam, "Button1");
    }
};

TEST_F(FlowSteam, TabOrder) {
    OpenSteam();
    EXPECT_EQ(
        TabOrder(steam, "Edit3"),
        QStringList({"Edit3", "Edit4", "Edit8", "Edit11", "Edit12", "Edit5", "Edit1", "Edit6",
                     "Button3", "Edit2", "Edit7", "Edit10", "Button1", "Button4", "Button2"}));
}

TEST_F(FlowSteam, ExampleIsCriticalFlow) {
    OpenSteam();
    ChooseValve(steam, "SV10", "1/2\"", "5.0");
    EXPECT_EQ(Text(steam, "Edit4"), "5.50");
    Type(steam, "Edit8", "0");
    Click(steam, "Button1");
    ASSERT_TRUE(warnings.empty());
    const TFlowSteamData& d = Dane::FlowSteamData;
    // m = 10 · K1(5.5) = 0.525 · 1.0 · 0.38 · π·12²/4 · 0.65 MPa
    EXPECT_NEAR(d.Capacity, 146.659, 0.001);
    EXPECT_EQ(Text(steam, "Edit2"), "  146.7");
    double p1 = 5.5;
    const double r = Obliczenia::SatSteamLatentHeat(p1).value();
    EXPECT_NEAR(d.HeatPower, d.Capacity * r / 3600, 1e-9);
    EXPECT_EQ(Text(steam, "Edit10"), Convert::ResultText(d.HeatPower, '.'));
    EXPECT_EQ(Text(steam, "Edit7"), Convert::ResultText(d.VolumeCapacity, '.'));
    ASSERT_TRUE(steam->LastCalculation());
    const Report::Content report = Capacity::ReportContent(*steam->LastCalculation());
    EXPECT_EQ(report.elements[18].text,
              "Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta:  0.154");
    EXPECT_EQ(report.elements[30].text,
              "Obliczona wartość współczynnika K2                                  K2:  1.0");
}

struct CheckCase {
    const char* name;
    const char* b1;
    const char* p2;
    std::vector<QString> messages;
};

// Test names show the case's name.
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class FlowSteamChecks : public FlowSteam, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FlowSteamChecks, InTheirOrder) {
    const CheckCase& c = GetParam();
    OpenSteam();
    ChooseValve(steam, "SV10", "1/2\"", "5.0");
    Type(steam, "Edit3", c.b1);
    Type(steam, "Edit8", c.p2);
    Click(steam, "Button1");
    EXPECT_EQ(WarningTexts(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    FlowSteam, FlowSteamChecks,
    ::testing::Values(CheckCase{"OverpressureBelowTen", "9.9", "0", {kOverpressure}},
                      CheckCase{"BackPressureEqualToSetPressure", "10", "5", {kBackPressure}},
                      CheckCase{"BackPressureJustBelowSetPressure", "10", "4.9", {}},
                      // An overpressure of 4000 % instead of 40 %: p1 = 205 bar.
                      CheckCase{"RelievingPressureAbove200Bar", "4000", "0", {kAbove200}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlowSteam, NothingChosenIsMissingData) {
    OpenSteam();
    Click(steam, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kMissing});
}

TEST_F(FlowSteam, OverpressureChangeKeepsThePowerUntilTheNextCalculation) {
    ComputeExample();
    const QString power = Text(steam, "Edit10");
    Type(steam, "Edit3", "20");
    EXPECT_EQ(Text(steam, "Edit4"), "6.00");
    EXPECT_EQ(Text(steam, "Edit2"), "");
    EXPECT_EQ(Text(steam, "Edit7"), "");
    EXPECT_EQ(Text(steam, "Edit10"), power);
    Type(steam, "Edit8", "1");
    EXPECT_EQ(Text(steam, "Edit10"), power);
    Click(steam, "Button1");
    EXPECT_NE(Text(steam, "Edit10"), power);
}

TEST_F(FlowSteam, NewValveEmptiesTheCapacities) {
    ComputeExample();
    ChooseValve(steam, "SV20", "1\"", "8.0");
    EXPECT_EQ(Text(steam, "Edit2"), "");
    EXPECT_EQ(Text(steam, "Edit7"), "");
    EXPECT_EQ(Text(steam, "Edit4"), "8.80");
}

TEST_F(FlowSteam, ReopeningShowsFixedPointWithoutThousands) {
    OpenSteam();
    ChooseValve(steam, "SV10", "2\"", "6.0");
    Click(steam, "Button1");
    ASSERT_TRUE(warnings.empty());
    const TFlowSteamData& d = Dane::FlowSteamData;
    EXPECT_EQ(Text(steam, "Edit2"), " 3 028.8");
    Click(steam, "Button2");
    OpenSteam();
    EXPECT_EQ(Text(steam, "Edit2"), "3028.8");
    EXPECT_EQ(Text(steam, "Edit7"), Convert::FixedText(d.VolumeCapacity, 4, 2));
    EXPECT_EQ(Text(steam, "Edit10"), Convert::FixedText(d.HeatPower, 4, 1));
    EXPECT_FALSE(Text(steam, "Edit10").contains(' '));
    EXPECT_EQ(Text(steam, "Edit3"), "10.0");
    EXPECT_EQ(Text(steam, "Edit4"), "6.60");
    EXPECT_EQ(Text(steam, "Edit8"), "0.00");
    EXPECT_EQ(Text(steam, "Edit5"), "42.00");
    EXPECT_EQ(Text(steam, "Edit1"), "6.00");
    EXPECT_EQ(Text(steam, "Edit6"), "0.55");
    EXPECT_EQ(Text(steam, "Edit11"), "SV10");
    EXPECT_EQ(Text(steam, "Edit12"), "2\"");
}

// K1 and the steam table have no value above 200 bar: refused before any
// lookup (even without a steam table), the previous results untouched.
TEST_F(FlowSteam, RelievingPressureAbove200BarLeavesThePreviousResults) {
    ComputeExample();
    const TFlowSteamData before = Dane::FlowSteamData;
    const QString m = Text(steam, "Edit2"), power = Text(steam, "Edit10");
    Dane::ProgramDir = work.path() + QStringLiteral("/");
    Type(steam, "Edit3", "4000");
    EXPECT_EQ(Text(steam, "Edit4"), "205.00");
    Click(steam, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kAbove200});
    EXPECT_EQ(Dane::FlowSteamData.RelievingPressure, 205.0) << "the inputs are stored";
    EXPECT_EQ(Dane::FlowSteamData.Capacity, before.Capacity);
    EXPECT_EQ(Dane::FlowSteamData.HeatPower, before.HeatPower);
    EXPECT_EQ(Dane::FlowSteamData.SaturationTemp, before.SaturationTemp);
    EXPECT_EQ(Text(steam, "Edit10"), power);
}

TEST_F(FlowSteam, MissingSteamTableLeavesThePreviousResults) {
    ComputeExample();
    const TFlowSteamData before = Dane::FlowSteamData;
    Dane::ProgramDir = work.path() + QStringLiteral("/");
    Type(steam, "Edit8", "1");
    Click(steam, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{QStringLiteral("Brak pliku \"PARA.DAT\" !")});
    EXPECT_EQ(Dane::FlowSteamData.BackPressure, 1.0);
    EXPECT_EQ(Dane::FlowSteamData.Capacity, before.Capacity);
    EXPECT_EQ(Dane::FlowSteamData.LatentHeat, before.LatentHeat);
    EXPECT_EQ(Dane::FlowSteamData.VolumeCapacity, before.VolumeCapacity);
    EXPECT_EQ(steam->LastCalculation()->BackPressure, 0.0);
}

// Critical flow: one printed page; the PDF puts the heat power on page 2.
TEST_F(FlowSteam, CriticalReportOnBothPaths) {
    REQUIRE_PDFTOTEXT();
    ComputeExample();
    const std::vector<QString> pdf = PrintPdf(steam, QStringLiteral("para.pdf"));
    EXPECT_EQ(saveTitle, "Zapis wyników obliczeń w pliku PDF");
    ASSERT_EQ(pdf.size(), 2u);
    const TFlowSteamData& d = *steam->LastCalculation();
    for (const QString& line :
         {QStringLiteral("Typ: PRX SV10  1/2\""), QStringLiteral("A: 113.10 mm2"),
          QStringLiteral("alfa:   0.38"), QStringLiteral("Czynnik roboczy:  para wodna nasycona"),
          QStringLiteral("T1: ") + Convert::FixedText(d.SaturationTemp, 6, 1) + " K",
          QStringLiteral("Beta:  0.154"), QStringLiteral("Beta kryt:  0.543"),
          QStringLiteral("Psimax:  0.471"), QStringLiteral("K1:  0.525"),
          QStringLiteral("K2:  1.0"), QStringLiteral("m:  146.7 kg/h"), QStringLiteral("Str. 1/2")})
        EXPECT_TRUE(HasLine(pdf[0], line)) << line.toStdString() << "\n" << pdf[0].toStdString();
    EXPECT_TRUE(
        HasLine(pdf[1], QStringLiteral("Największa moc cieplna zabezpieczanego urządzenia")));
    EXPECT_TRUE(HasLine(pdf[1], QStringLiteral("N: ") + Convert::FixedText(d.HeatPower, 6, 1) +
                                    QStringLiteral(" kW")));
    EXPECT_TRUE(HasLine(pdf[1], QStringLiteral("Str. 2/2")));

    Dane::PrintMode = Dane::PrintResults;
    const QString file = work.filePath(QStringLiteral("druk.pdf"));
    PrintTo(file);
    Click(steam, "Button4");
    onModal = nullptr;
    const std::vector<QString> printed = PdfPages(file);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_TRUE(HasLine(printed[0], QStringLiteral("N: ")));
    EXPECT_TRUE(HasLine(printed[0], QStringLiteral("Str. 1/1")));
    EXPECT_TRUE(cards.empty()) << "print mode 0";
}

// p2 just below p: subcritical, with the line "Współczynnik rozprężania
// adiabatycznego" before its formula on both paths.
TEST_F(FlowSteam, SubcriticalReport) {
    REQUIRE_PDFTOTEXT();
    ComputeExample(QStringLiteral("4.9"));
    ASSERT_TRUE(warnings.empty());
    const std::vector<QString> pdf = PrintPdf(steam, QStringLiteral("para.pdf"));
    ASSERT_EQ(pdf.size(), 2u);
    for (const char* line :
         {"Beta:  0.908", "Psimax:  0.471", "Współczynnik rozprężania adiabatycznego\n",
          "Psi:  0.287", "K2:  0.609", "m:   89.4 kg/h"})
        EXPECT_TRUE(HasLine(pdf[0], QString::fromUtf8(line))) << line << pdf[0].toStdString();
    EXPECT_TRUE(HasLine(pdf[1], QStringLiteral("Przepustowość zaworu bezpieczeństwa "
                                               "(objętościowa)")));
}

} // namespace
