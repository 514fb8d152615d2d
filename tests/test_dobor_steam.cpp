// "Dobór zaworu - para wodna nasycona" driven offscreen as a user drives it,
// over the real generated valve data files and steam table.

#include "test_selection_support.h"

#include "app/HelpViewer.h"
#include "app/NumEdit.h"
#include "data/Convert.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"
#include "selection/SteamSelection.h"

#include <QGroupBox>
#include <QLabel>

namespace {

const QString kIncomplete = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kNotFound =
    QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!");
const QString kNoFile = QStringLiteral("Brak pliku z danymi zaworu!");

class DoborPara : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        // At start this window is created before the dialog.
        window = new TfrmDoborPara(main.get());
        Connect(window, &Dane::SteamSelectionActive);
    }

    void Select(const QString& required, const QString& type = QStringLiteral("SV10"),
                const QString& pressure = QStringLiteral("5.0")) {
        ShowAndActivate(window);
        ChooseType(window, type, pressure);
        Type(window, "Edit3", required);
        Click(window, "Button1");
    }

    std::vector<QString> Results() const {
        return {Text(window, "Edit2"), Text(window, "Edit7"), Text(window, "Edit10")};
    }

    TfrmDoborPara* window;
};

const std::vector<QString> kZero{"", "0.0", "0.0"};

// ---- the form ------------------------------------------------------------------------

TEST_F(DoborPara, TabOrderReachesTheSetPressure) {
    ShowAndActivate(window);
    Field(window, "Edit3")->setFocus();
    std::vector<QString> order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"Edit3", "Edit4", "Edit8", "Edit1", "Edit6"}));
}

TEST_F(DoborPara, OpensFromTheMenuWithTheDefaults) {
    Find<QAction>(main.get(), QStringLiteral("Parawodna2"))
        ->trigger(); // "Dobór" > "Para wodna nasycona"
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(Text(window, "Edit3"), " 0.0");
    EXPECT_EQ(Text(window, "Edit4"), "10.0");
    EXPECT_EQ(Text(window, "Edit8"), "0.00");
    EXPECT_EQ(Text(window, "Edit1"), " 0.0");
    EXPECT_EQ(Text(window, "Edit11"), "");
    EXPECT_EQ(Text(window, "Edit6"), " 0.0");
    EXPECT_EQ(Results(), (std::vector<QString>{"", " 0.0", " 0.0"}));
    EXPECT_TRUE(Dane::SteamSelectionActive);
}

// ---- "Oblicz" ------------------------------------------------------------------------

// SV10 at 5.0 bar, p1 = 5.5: 1/2" 146.7, 3/4" 288.9, 1" 686.1, 1 1/4" 937.8,
// 1 1/2" 1 740.1, 2" 2 222.1 kg/h.
TEST_F(DoborPara, SelectionBetweenTwoSizesWithTheHeatPower) {
    Select(QStringLiteral("500"));
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "  20.0", "  686.1"}));
    const TDoborSteamData& r = Dane::DoborSteamData;
    EXPECT_EQ(r.ValveSize, "1\"");
    EXPECT_EQ(r.AlphaGas, 0.64);
    EXPECT_EQ(r.Capacity, Obliczenia::SteamCapacity(20, 5.5, 0, 0.64).value());
    double p1 = 5.5;
    EXPECT_EQ(r.LatentHeat, Obliczenia::SatSteamLatentHeat(p1).value());
    p1 = 5.5;
    EXPECT_EQ(r.SaturationTemp, Obliczenia::SatSteamTemperature(p1).value());
    EXPECT_DOUBLE_EQ(r.HeatPower, r.LatentHeat * r.Capacity / 3600);
    // The report prints the same N.
    const auto report = SteamSelection::ReportContent(window->LastSelection());
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->elements.back().text.endsWith(Convert::FixedText(r.HeatPower, 6, 1) +
                                                      QStringLiteral(" kW")));
}

TEST_F(DoborPara, ExactlyOnASizesCapacityIsSelectedButTheReportRefuses) {
    const double m = Obliczenia::SteamCapacity(14, 5.5, 0, 0.55).value();
    Select(QString::number(m, 'g', 17));
    ASSERT_EQ(Dane::DoborSteamData.RequiredCapacity, m);
    EXPECT_EQ(Text(window, "Edit2"), "3/4\"");
    Click(window, "Button4");
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{"Nie wykonano obliczeń. Brak danych do wydruku!"});
}

TEST_F(DoborPara, RefusalsInTheirOrder) {
    Select(QStringLiteral("500"));
    const TDoborSteamData before = window->LastSelection();
    struct Case {
        const char* field;
        QString text, message;
    };
    const Case cases[] =
        {
            {"Edit3", "2223", kNotFound},  {"Edit4", "9.9", kIncomplete},
            {"Edit1", "5", kBackPressure}, {"Edit3", "", kIncomplete},
            {"Edit6", "7.0", kNotFound}, // typed: no SV10 record has 7.0 bar
        };
    for (const Case& c : cases) {
        ChooseType(window, QStringLiteral("SV10"), QStringLiteral("5.0"));
        Type(window, "Edit3", QStringLiteral("500"));
        Type(window, "Edit4", QStringLiteral("10"));
        Type(window, "Edit1", QStringLiteral("0"));
        Type(window, c.field, c.text);
        warnings.clear();
        Click(window, "Button1");
        EXPECT_EQ(WarningTexts(), std::vector<QString>{c.message}) << c.field;
        EXPECT_EQ(Results(), kZero) << c.field;
        EXPECT_EQ(Dane::DoborSteamData.Capacity, before.Capacity) << c.field;
        EXPECT_FALSE(window->LastCalculation()) << "nothing to print after a refusal";
    }
}

TEST_F(DoborPara, TheSetPressureFieldHasNoFilterAndNoExitCheck) {
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV10"), QStringLiteral("5.0"));
    Type(window, "Edit3", QStringLiteral("500"));
    Type(window, "Edit6", QStringLiteral("5,5x"));
    EXPECT_EQ(Text(window, "Edit6"), "5,5x");
    EXPECT_TRUE(warnings.empty());
    // Not a number: p = 0, p1 = 0, so the data are incomplete.
    EXPECT_EQ(Text(window, "Edit8"), "0.00");
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kIncomplete});
    warnings.clear();
    Type(window, "Edit6", QStringLiteral("6"));
    EXPECT_EQ(Text(window, "Edit8"), "6.60");
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Dane::DoborSteamData.SetPressure, 6);
    // At 6.0 bar: 3/4" about 336 kg/h, 1" about 761 kg/h.
    EXPECT_EQ(Text(window, "Edit2"), "1\"");
}

TEST_F(DoborPara, K1OutOfRangeEndsObliczAndKeepsThePreviousResults) {
    Select(QStringLiteral("500"));
    const TDoborSteamData before = Dane::DoborSteamData;
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("10.0"));
    Type(window, "Edit4", QStringLiteral("2000"));
    EXPECT_EQ(Text(window, "Edit8"), "210.00");
    warnings.clear();
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{Obliczenia::NoValueMessage(
                                  Obliczenia::NoValue::SteamPressureAbove200)});
    EXPECT_EQ(Dane::DoborSteamData.ValveSize, before.ValveSize);
    EXPECT_EQ(Dane::DoborSteamData.Capacity, before.Capacity);
    EXPECT_EQ(Dane::DoborSteamData.HeatPower, before.HeatPower);
    EXPECT_FALSE(window->LastCalculation());
}

TEST_F(DoborPara, WithoutTheSteamTableOrTheDataFile) {
    Dane::ProgramDir = OwnProgramDir({QStringLiteral("SV10")});
    Select(QStringLiteral("500"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{"Brak pliku \"PARA.DAT\" !"});
    EXPECT_EQ(Results(), kZero);
    EXPECT_EQ(Dane::DoborSteamData.Capacity, 0);
    warnings.clear();
    ChooseType(window, QStringLiteral("SV30"), QStringLiteral("3.0"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoFile});
}

TEST_F(DoborPara, EveryChangeShowsZeroResults) {
    Select(QStringLiteral("500"));
    for (const char* input : {"Edit3", "Edit4", "Edit1", "Edit6"}) {
        Click(window, "Button1");
        ASSERT_EQ(Text(window, "Edit2"), "1\"") << input;
        Type(window, input, Text(window, input).trimmed() + QStringLiteral("0"));
        Type(window, input, Text(window, input).chopped(1));
        EXPECT_EQ(Results(), kZero) << input;
    }
    Click(window, "Button1");
    Field(window, "Edit11")->setText(QStringLiteral("SV20"));
    EXPECT_EQ(Results(), kZero);
    // The overpressure shows the new p1; the record takes both in "Oblicz".
    Type(window, "Edit4", QStringLiteral("20"));
    EXPECT_EQ(Text(window, "Edit8"), "6.00");
    EXPECT_EQ(Dane::DoborSteamData.Overpressure, 10);
    EXPECT_EQ(Dane::DoborSteamData.RelievingPressure, 5.5);
}

TEST_F(DoborPara, ReopeningShowsTheLastSelection) {
    Select(QStringLiteral("500"));
    Click(window, "Button2");
    ShowAndActivate(window);
    EXPECT_EQ(Text(window, "Edit3"), "500.0");
    EXPECT_EQ(Text(window, "Edit8"), "5.50");
    EXPECT_EQ(Text(window, "Edit11"), "SV10");
    EXPECT_EQ(Text(window, "Edit6"), " 5.0");
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "20.0", "686.1"}));
}

// ---- the two windows and the dialog ----------------------------------------------------

TEST_F(DoborPara, TheDialogFillsTheSelectionWindowActivatedLast) {
    auto* water = new TfrmDoborWater(main.get());
    Connect(water, &Dane::WaterSelectionActive);
    ShowAndActivate(water);
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV30"), QStringLiteral("2.5"));
    EXPECT_EQ(Text(window, "Edit11"), "SV30");
    EXPECT_EQ(Text(water, "Edit11"), "");
    ShowAndActivate(water);
    ChooseType(water, QStringLiteral("SV20"), QStringLiteral("4.5"));
    EXPECT_EQ(Text(water, "Edit11"), "SV20");
    EXPECT_EQ(Text(water, "Edit6"), "4.5");
    EXPECT_EQ(Text(window, "Edit11"), "SV30");
    EXPECT_EQ(Text(window, "Edit6"), "2.5");
}

// The frame as a later window builds it: a control across "Dane" above its
// rows, the rows' labels for enabling them with their fields.
TEST_F(DoborPara, TheFrameTakesAControlAcrossDane) {
    class Window : public FormWindow {
    public:
        explicit Window(QWidget* main)
            : FormWindow(main, QStringLiteral("frmTest"), QStringLiteral("   Test"),
                         Group::Selection, &Dane::AirSelectionActive, 25) {}
        CapacityValveFields ValveFields() override { return {}; }
        SelectionValveFields ValveTypeFields() override {
            EnsureBuilt();
            return {typeField_, setPressureField_};
        }
        void Build() override {
            AddDataWidget(new QGroupBox(QStringLiteral("Sposób"), this));
            edit = AddNumericField(QStringLiteral("Edit9"), QStringLiteral("Niepoprawna!"));
            AddDataRow(
                {edit, QStringLiteral("Wydajność :"), QStringLiteral("[m3/min]"), 34, QString()});
            AddValveTypeGroup(NewField(QStringLiteral("Edit11")), NewField(QStringLiteral("Edit6")),
                              false);
            AddResultsGroup({{NewField(QStringLiteral("Edit10")), QStringLiteral("Przepustowość :"),
                              QStringLiteral("[kg/h]"), 0, QString()}},
                            {true});
            AddButtons();
        }
        void Button1Click() override {}
        NumEdit* edit = nullptr;
    };
    auto* w = new Window(main.get());
    Connect(w, &Dane::AirSelectionActive);
    ShowAndActivate(w);
    const auto* across = Find<QGroupBox>(w, QStringLiteral("GroupBox1"))->findChild<QGroupBox*>();
    ASSERT_NE(across, nullptr);
    EXPECT_EQ(across->title(), "Sposób");
    EXPECT_LT(across->geometry().bottom(), w->edit->geometry().top());
    const auto* label = Find<QLabel>(w, QStringLiteral("LabelEdit9"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Wydajność :");
    EXPECT_EQ(Find<QLabel>(w, QStringLiteral("UnitEdit9"))->text(), "[m3/min]");
    EXPECT_EQ(label->buddy(), w->edit);
    ChooseType(w, QStringLiteral("SV30"), QStringLiteral("3.0"));
    EXPECT_EQ(Text(w, "Edit11"), "SV30");
    EXPECT_TRUE(Dane::AirSelectionActive);
}

// ---- the report ------------------------------------------------------------------------

TEST_F(DoborPara, PdfReportCriticalFlow) {
    Select(QStringLiteral("500"));
    const QString pdf = SavePdf(window, QStringLiteral("para.pdf"));
    EXPECT_TRUE(warnings.empty());
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    const QStringList lines = PdfLines(pdf);
    for (const char* line : {
             "DOBÓR ZAWORU BEZPIECZEŃSTWA - PRZEPUSTOWOŚĆ (PRZEPŁYW PARY WODNEJ NASYCONEJ)",
             "Typ: PRX SV10 1\"",
             "Dopuszczony współczynnik wypływu dla par i gazów alfa: 0.64",
             "Wymagana przepustowość zaworu bezpieczeństwa mw: 500.00 kg/h",
             "Obliczony stosunek ciśnień abs. za i przed zaworem bezp. Beta: 0.154",
             "Współczynnik K1 zależny od właściwości czynnika K1: 0.525",
             "Obliczona wartość współczynnika K2 K2: 1.0",
             "Obliczona przepustowość zaworu bezpieczeństwa (masowa) m: 686.1 kg/h",
         })
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    ExpectInOrder(lines, *SteamSelection::ReportContent(window->LastSelection()));
}

TEST_F(DoborPara, PdfReportAtBetaExactly0543IsSubcritical) {
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("10.0"));
    Type(window, "Edit1", QStringLiteral("5.516"));
    Type(window, "Edit3", QStringLiteral("1000"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "  20.0", " 1 053.6"}));
    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("para.pdf")));
    for (const char* line : {
             "Ciśnienie odpływowe p2: 5.52 bar",
             "Obliczony stosunek ciśnień abs. za i przed zaworem bezp. Beta: 0.543",
             "Obliczona wartość współczynnika rozprężania adiabatycznego Psi: 0.471",
             "Współczynnik K1 zależny od właściwości czynnika K1: 0.518",
             "Obliczona wartość współczynnika K2 K2: 1.000",
             "Obliczona przepustowość zaworu bezpieczeństwa (masowa) m: 1053.6 kg/h",
         })
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    ExpectInOrder(lines, *SteamSelection::ReportContent(window->LastSelection()));
}

} // namespace
