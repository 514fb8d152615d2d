// "Dobór zaworu - woda" driven offscreen as a user drives it: the valve type
// dialog through "Wybór zaworu", typed inputs, "Oblicz", the report to PDF and
// to a printer, over the real generated valve data files.

#include "test_selection_support.h"

#include "app/HelpViewer.h"
#include "app/NumEdit.h"
#include "data/Convert.h"
#include "selection/Dobor_water.h"
#include "selection/WaterSelection.h"
#include "valves/Catalogue.h"
#include "valves/ValveData.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kIncomplete = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kNotFound =
    QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!");
const QString kNoFile = QStringLiteral("Brak pliku z danymi zaworu!");
const QString kNoData = QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!");
const QString kBadTemperature = QStringLiteral("Niepoprawna wartość temperatury zrzutowej!");
const QString kTemperatureRange = QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym"
                                                 "\rzakresem 0.1 - 149.9 st. C");

class DoborWater : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        window = new TfrmDoborWater(main.get());
        Connect(window, &Dane::WaterSelectionActive);
    }

    // Opened, SV10 at 5.0 bar chosen, the requirement typed, "Oblicz".
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

    TfrmDoborWater* window;
};

// ---- the form ------------------------------------------------------------------------

TEST_F(DoborWater, TabOrderOfTheInputs) {
    ShowAndActivate(window);
    Field(window, "Edit3")->setFocus();
    std::vector<QString> order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"Edit3", "Edit4", "Edit8", "Edit5", "Edit1"}));
    EXPECT_TRUE(warnings.empty());
}

TEST_F(DoborWater, OpensFromTheMenuWithTheDefaultsAndLocksTheMenus) {
    Dane::SteamSelectionActive = true;
    Dane::WaterCapacityActive = true;
    Find<QAction>(main.get(), QStringLiteral("Woda2"))->trigger(); // "Dobór" > "Woda"
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(Text(window, "Edit3"), " 0.0");
    EXPECT_EQ(Text(window, "Edit4"), "10.0");
    EXPECT_EQ(Text(window, "Edit8"), "0.00");
    EXPECT_EQ(Text(window, "Edit5"), "20.0");
    EXPECT_EQ(Text(window, "Edit1"), " 0.0");
    EXPECT_EQ(Text(window, "Edit11"), "");
    EXPECT_EQ(Text(window, "Edit6"), " 0.0");
    EXPECT_EQ(Results(), (std::vector<QString>{"", " 0.0", " 0.0"}));
    EXPECT_TRUE(Dane::WaterSelectionActive);
    EXPECT_FALSE(Dane::SteamSelectionActive);
    EXPECT_TRUE(Dane::WaterCapacityActive) << "the capacity flags are another group";
    EXPECT_FALSE(main->TopMenu(1)->menuAction()->isEnabled());
    EXPECT_FALSE(main->TopMenu(2)->menuAction()->isEnabled());
    EXPECT_EQ(Find<QPushButton>(window, "Button4")->text(), "Wydruk");
    Click(window, "Button2");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(main->TopMenu(1)->menuAction()->isEnabled());
    EXPECT_TRUE(main->TopMenu(2)->menuAction()->isEnabled());
}

// ---- "Oblicz" --------------------------------------------------------------------------

// SV10 at 5.0 bar, b1 = 10 %, 20 °C: 1/2" 5 999.5, 3/4" 8 529.0, 1" 15 184.0,
// 1 1/4" 24 298.1, 1 1/2" 29 488.4, 2" 45 729.7 kg/h.
TEST_F(DoborWater, SelectionBetweenTwoSizes) {
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV10"), QStringLiteral("5.0"));
    EXPECT_EQ(modalsShown, std::vector<QString>{"frmDobor"});
    EXPECT_EQ(Text(window, "Edit11"), "SV10");
    EXPECT_EQ(Text(window, "Edit6"), "5.0");
    EXPECT_EQ(Text(window, "Edit8"), "5.50");
    EXPECT_EQ(Dane::CardIndex, 0);
    Type(window, "Edit3", QStringLiteral("10000"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty()) << warnings.front().text.toStdString();
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "  20.0", " 15 184.0"}));

    const TDoborWaterData& r = Dane::DoborWaterData;
    EXPECT_EQ(r.RequiredCapacity, 10000);
    EXPECT_EQ(r.RelievingPressure, 5.5);
    EXPECT_EQ(r.SetPressure, 5);
    EXPECT_EQ(r.RelievingTemp, 20);
    EXPECT_EQ(r.ValveType, "SV10");
    EXPECT_EQ(r.ValveSize, "1\"");
    EXPECT_EQ(r.FlowDiameter, 20);
    EXPECT_EQ(r.AlphaLiquid10, 0.41);
    EXPECT_EQ(r.AlphaLiquid25, 0.48);
    EXPECT_EQ(r.Capacity, Obliczenia::WaterCapacity(20, 5.5, 10, 0, 20, 0.41, 0.48).value());
    EXPECT_EQ(window->LastSelection().Capacity, r.Capacity);
}

TEST_F(DoborWater, ExactlyOnASizesCapacityIsSelectedButTheReportRefuses) {
    const double m = Obliczenia::WaterCapacity(14, 5.5, 10, 0, 20, 0.47, 0.51).value();
    Select(QString::number(m, 'g', 17));
    ASSERT_EQ(Dane::DoborWaterData.RequiredCapacity, m) << "typed back exactly";
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Results(), (std::vector<QString>{"3/4\"", "  14.0", " 8 529.0"}));
    Click(window, "Button4");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoData});
    EXPECT_TRUE(modalsShown.size() == 1) << "no print dialog after the type dialog";
}

TEST_F(DoborWater, AboveTheLargestSizeKeepsThePreviousResultsButNotThePrint) {
    Select(QStringLiteral("10000"));
    const TDoborWaterData before = Dane::DoborWaterData;
    Type(window, "Edit3", QStringLiteral("45730"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNotFound});
    EXPECT_EQ(Dane::DoborWaterData.RequiredCapacity, 45730) << "the inputs go to the record";
    EXPECT_EQ(Dane::DoborWaterData.ValveSize, before.ValveSize);
    EXPECT_EQ(Dane::DoborWaterData.Capacity, before.Capacity);
    EXPECT_FALSE(window->LastCalculation()) << "the user's last calculation failed";
    EXPECT_EQ(Results(), (std::vector<QString>{"", "", ""})) << "the typing emptied them";
}

TEST_F(DoborWater, TheChecksInTheirOrder) {
    struct Case {
        const char* field;
        QString text;
        QString message; // empty: selected
    };
    const Case cases[] = {
        {"Edit4", "9.9", kIncomplete}, {"Edit4", "10", QString()},
        {"Edit3", "", kIncomplete},    {"Edit1", "5", kBackPressure},
        {"Edit1", "4.99", QString()},  {"Edit1", "5.2", kBackPressure},
    };
    Select(QStringLiteral("10000"));
    for (const Case& c : cases) {
        Type(window, "Edit3", QStringLiteral("10000"));
        Type(window, "Edit4", QStringLiteral("10"));
        Type(window, "Edit1", QStringLiteral("0"));
        Type(window, c.field, c.text);
        warnings.clear();
        Click(window, "Button1");
        EXPECT_EQ(WarningTexts(),
                  c.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.message})
            << c.field << " = " << c.text.toStdString();
        EXPECT_EQ(Text(window, "Edit2").isEmpty(), !c.message.isEmpty()) << c.field;
    }
}

TEST_F(DoborWater, WithoutAValveTypeTheDataAreIncomplete) {
    ShowAndActivate(window);
    Type(window, "Edit3", QStringLiteral("10000"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kIncomplete});
}

TEST_F(DoborWater, TheCoefficientAt25PercentAsTheValveHasIt) {
    struct Case {
        QString pressure, p1, size, capacity, alfac;
    };
    // SV20 1" at 5.0 bar has αc 0.30 / 0.26, at 6.0 bar 0.30 and no 25 % value.
    const Case cases[] = {{"5.0", "6.25", "1\"", " 10 264.6", "  0.26"},
                          {"6.0", "7.50", "1\"", " 12 974.5", "  0.30"}};
    for (const Case& c : cases) {
        Select(QStringLiteral("10000"), QStringLiteral("SV20"), c.pressure);
        Type(window, "Edit4", QStringLiteral("25"));
        EXPECT_EQ(Text(window, "Edit8"), c.p1);
        Click(window, "Button1");
        EXPECT_TRUE(warnings.empty());
        EXPECT_EQ(Results(), (std::vector<QString>{c.size, "  20.0", c.capacity}));
        TDoborWaterData printed = window->LastSelection();
        const auto report = WaterSelection::ReportContent(printed);
        ASSERT_TRUE(report);
        EXPECT_TRUE(report->elements[5].text.endsWith(QStringLiteral("alfac: ") + c.alfac))
            << report->elements[5].text.toStdString();
        EXPECT_EQ(Convert::ResultText(printed.Capacity, QLatin1Char('.')), c.capacity);
    }
}

TEST_F(DoborWater, TemperatureFieldShowsBothMessagesForATextThatIsNoNumber) {
    ShowAndActivate(window);
    Type(window, "Edit5", QStringLiteral("."));
    EXPECT_EQ(WarningTexts(), (std::vector<QString>{kBadTemperature, kTemperatureRange}));
    EXPECT_EQ(QApplication::focusWidget(), Field(window, "Edit5"));
    EXPECT_EQ(warnings.front().caption, "Uwaga!");

    for (const QString& outside : {QStringLiteral("0"), QStringLiteral("150")}) {
        warnings.clear();
        Type(window, "Edit5", outside);
        EXPECT_EQ(WarningTexts(), std::vector<QString>{kTemperatureRange}) << outside.toStdString();
    }
    warnings.clear();
    Type(window, "Edit5", QStringLiteral("149.9"));
    Type(window, "Edit5", QString());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(DoborWater, OtherFieldsNameTheirQuantity) {
    ShowAndActivate(window);
    const std::pair<const char*, QString> cases[] = {
        {"Edit3", QStringLiteral("Niepoprawna wartość wymaganej przepustowości!")},
        {"Edit4", QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!")},
        {"Edit1", QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!")}};
    for (const auto& [field, message] : cases) {
        warnings.clear();
        Type(window, field, QStringLiteral("1.2.3"));
        EXPECT_EQ(WarningTexts(), std::vector<QString>{message});
        Type(window, field, QStringLiteral("1"));
    }
}

TEST_F(DoborWater, ObliczRefusesAFieldThatStillHoldsNoNumber) {
    Select(QStringLiteral("10000"));
    const TDoborWaterData before = Dane::DoborWaterData;
    Field(window, "Edit3")->setText(QStringLiteral("1..2"));
    Find<QPushButton>(window, QStringLiteral("Button1"))->setFocus();
    warnings.clear();
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{"Niepoprawna wartość wymaganej przepustowości!"});
    EXPECT_EQ(QApplication::focusWidget(), Field(window, "Edit3"));
    EXPECT_EQ(Dane::DoborWaterData.RequiredCapacity, before.RequiredCapacity);
}

// ---- the data file -----------------------------------------------------------------------

TEST_F(DoborWater, ADataFileWithoutTheSetPressureFindsNothing) {
    Dane::ProgramDir = OwnProgramDir({});
    std::vector<ValveData::Record> at5;
    for (const ValveData::Record& r : ValveData::RecordsOf(*Catalogue::FindType("SV10")))
        if (r.setPressure == 5)
            at5.push_back(r);
    ASSERT_TRUE(ValveData::WriteFile(Dane::ProgramDir + "SV10", at5));
    Select(QStringLiteral("1000"), QStringLiteral("SV10"), QStringLiteral("6.0"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNotFound});
    warnings.clear();
    ChooseType(window, QStringLiteral("SV10"), QStringLiteral("5.0"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Text(window, "Edit2"), "1/2\"");
}

TEST_F(DoborWater, AnEmptyDataFileFindsNothingAMissingOneIsReported) {
    Dane::ProgramDir = OwnProgramDir({});
    QFile empty(Dane::ProgramDir + "SV10");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    Select(QStringLiteral("1000"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNotFound});
    warnings.clear();
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("5.0"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoFile});
    EXPECT_EQ(Dane::DoborWaterData.ValveSize, QString());
}

// ---- changes and reopening ------------------------------------------------------------------

// A change shows the new p1 and empties the results; the record takes b1, p
// and p1 only in "Oblicz".
TEST_F(DoborWater, ChangesClearTheResultsAndShowP1) {
    Select(QStringLiteral("10000"));
    Type(window, "Edit4", QStringLiteral("20"));
    EXPECT_EQ(Results(), (std::vector<QString>{"", "", ""}));
    EXPECT_EQ(Text(window, "Edit8"), "6.00");
    EXPECT_EQ(Dane::DoborWaterData.Overpressure, 10);
    EXPECT_EQ(Dane::DoborWaterData.RelievingPressure, 5.5);

    Click(window, "Button1");
    EXPECT_EQ(Dane::DoborWaterData.Overpressure, 20);
    EXPECT_DOUBLE_EQ(Dane::DoborWaterData.RelievingPressure, 6);
    ChooseType(window, QStringLiteral("SV10"), QStringLiteral("6.0"));
    EXPECT_EQ(Results(), (std::vector<QString>{"", "0.0", "0.0"}));
    EXPECT_EQ(Text(window, "Edit8"), "7.20");
    EXPECT_EQ(Dane::DoborWaterData.SetPressure, 5);

    // Another type at the same set pressure: the results are not of that type.
    Click(window, "Button1");
    ASSERT_FALSE(Text(window, "Edit2").isEmpty());
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("6.0"));
    EXPECT_EQ(Results(), (std::vector<QString>{"", "0.0", "0.0"}));

    const std::pair<const char*, const char*> inputs[] = {
        {"Edit3", "10001"}, {"Edit5", "21"}, {"Edit1", "0.5"}};
    for (const auto& [input, text] : inputs) {
        Click(window, "Button1");
        ASSERT_FALSE(Text(window, "Edit2").isEmpty()) << input;
        Type(window, input, QString::fromLatin1(text));
        EXPECT_EQ(Results(), (std::vector<QString>{"", "", ""})) << input;
    }
}

// The controls are built when the window is first needed: when it is shown, or
// when the valve type dialog fills it before it was ever shown.
TEST_F(DoborWater, ControlsAreBuiltWhenFirstNeeded) {
    EXPECT_FALSE(window->IsBuilt());
    EXPECT_EQ(window->findChild<QLineEdit*>(), nullptr);
    Dane::WaterSelectionActive = true;
    dobor->show();
    ClickItem(Find<QListWidget>(dobor, QStringLiteral("ListBox_typ")), QStringLiteral("SV20"));
    ClickItem(Find<QListWidget>(dobor, QStringLiteral("ListBox_Cisnienie")), QStringLiteral("6.0"));
    QTest::mouseClick(Find<QPushButton>(dobor, QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_TRUE(window->IsBuilt());
    EXPECT_EQ(Text(window, "Edit11"), "SV20");
    EXPECT_EQ(Text(window, "Edit6"), "6.0");
}

TEST_F(DoborWater, ReopeningShowsTheLastSelection) {
    Select(QStringLiteral("10000"));
    Type(window, "Edit5", QStringLiteral("35.25"));
    Click(window, "Button1");
    Click(window, "Button2");
    ASSERT_FALSE(window->isVisible());
    ShowAndActivate(window);
    EXPECT_EQ(Text(window, "Edit3"), "10000.0");
    EXPECT_EQ(Text(window, "Edit4"), "10.0");
    EXPECT_EQ(Text(window, "Edit8"), "5.50");
    EXPECT_EQ(Text(window, "Edit5"), "35.3");
    EXPECT_EQ(Text(window, "Edit11"), "SV10");
    EXPECT_EQ(Text(window, "Edit6"), " 5.0");
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "20.0", "15144.2"}));
    EXPECT_TRUE(warnings.empty());
}

// ---- the report ---------------------------------------------------------------------------------

TEST_F(DoborWater, PdfReportEndToEnd) {
    Dane::ProgramDir = OwnProgramDir(QStringList{"SV10"} + ReportFiles());
    Select(QStringLiteral("10000"));
    const QString pdf = SavePdf(window, QStringLiteral("woda.pdf"));
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(modalsShown, (std::vector<QString>{"frmDobor", "SaveDialog"}));
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    EXPECT_TRUE(cards.empty());

    const QStringList lines = PdfLines(pdf);
    for (const char* line : {
             "KALMO wersja 7.00",
             "DOBÓR ZAWORU BEZPIECZEŃSTWA - WODA",
             "Dane dobranego zaworu bezpieczeństwa",
             "Typ: PRX SV10 1\"",
             "Najmniejsza średnica kanału przepływowego d: 20.0 mm",
             "Powierzchnia kanału przepływowego A: 314.2 mm2",
             "Dopuszczony współczynnik wypływu dla cieczy alfac: 0.41",
             "Gęstość wody w warunkach zrzutowych gamma1: 998.6 kg/m3",
             "Przepustowość wymagana mw: 10000.0 kg/h",
             "Obliczona przepustowość zaworu bezpieczeństwa (masowa) m: 15184.0 kg/h",
             "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa) V: 15.20 m3/h",
         })
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    TDoborWaterData printed = window->LastSelection();
    ExpectInOrder(lines, *WaterSelection::ReportContent(printed));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Str. 1/1")));
    // The volume capacity is worked out while printing and kept in the record.
    EXPECT_NEAR(Dane::DoborWaterData.VolumeCapacity, 15.2048, 1e-4);
}

// After a selection the user picks another valve type: the report still
// describes the selection as a whole. A later refused "Oblicz" leaves nothing
// to print.
TEST_F(DoborWater, TheReportDescribesTheLastSelection) {
    Dane::ProgramDir = OwnProgramDir(QStringList{"SV10", "SV20"} + ReportFiles());
    Select(QStringLiteral("10000"));
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("10.0"));
    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("woda.pdf")));
    EXPECT_TRUE(warnings.empty());
    Type(window, "Edit4", QStringLiteral("9"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kIncomplete});
    warnings.clear();
    EXPECT_FALSE(QFileInfo::exists(SavePdf(window, QStringLiteral("odmowa.pdf"))));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{kNoData});
    for (const char* line :
         {"Typ: PRX SV10 1\"", "Powierzchnia kanału przepływowego A: 314.2 mm2",
          "Ciśnienie początku otwarcia p: 5.00 bar",
          "Przyrost ciśnienia początku otwarcia b1: 10.0 %", "Ciśnienie zrzutowe p1: 5.50 bar",
          "Obliczona przepustowość zaworu bezpieczeństwa (masowa) m: 15184.0 kg/h"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(Dane::CardIndex, 1) << "the dialog's last choice";
}

TEST_F(DoborWater, PrintedWithTheCardOfTheSelectedType) {
    Select(QStringLiteral("10000"));
    Dane::PrintMode = Dane::PrintResultsAndCard;
    ShowAndActivate(main.get());
    ShowAndActivate(window);
    EXPECT_EQ(Find<QPushButton>(window, "Button4")->text(), "Wydruk");
    const QString out = work + QStringLiteral("/printer.pdf");
    onModal = [out](QDialog* dialog) {
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        EXPECT_NE(print, nullptr);
        if (!print)
            return int(QDialog::Rejected);
        EXPECT_EQ(print->printer()->docName(), "KALMO - Dobór zaworu - woda");
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(out);
        return int(QDialog::Accepted);
    };
    Click(window, "Button4");
    onModal = nullptr;
    EXPECT_TRUE(warnings.empty());
    ASSERT_TRUE(QFileInfo(out).isFile());
    const QStringList lines = PdfLines(out);
    EXPECT_TRUE(lines.contains(QStringLiteral("Typ: PRX SV10 1\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Str. 1/1")));
    EXPECT_EQ(cards, std::vector<QString>{Dane::ProgramDir + "karta_SV10_zawor_bezp_102k11.pdf"});
}

// Run by ctest a second time under LC_ALL=pl_PL.UTF-8: the results take the
// decimal comma, the report takes the selection's own numbers.
TEST_F(DoborWater, PolishLocaleResultsWithACommaReportWithTheSelection) {
    if (QLocale::system().name() != QStringLiteral("pl_PL"))
        GTEST_SKIP() << "run by the dobor_polish_locale test";
    Dane::ProgramDir = OwnProgramDir(QStringList{"SV10"} + ReportFiles());
    Select(QStringLiteral("10000"));
    EXPECT_EQ(Results(), (std::vector<QString>{"1\"", "  20,0", " 15 184,0"}));
    EXPECT_EQ(Text(window, "Edit8"), "5.50");
    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("woda.pdf")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Najmniejsza średnica kanału przepływowego d: 20.0 mm")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Powierzchnia kanału przepływowego A: 314.2 mm2")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "Obliczona przepustowość zaworu bezpieczeństwa (objętościowa) V: 15.20 m3/h")));
}

} // namespace
