// The two heat-exchanger windows driven offscreen: the exchanger kind and the
// fields it enables, the results each change empties, the checks "Oblicz" makes
// of texts no field exit checked, and the reports written to PDF and read back.

#include "test_selection_support.h"

#include "selection/Para_woda.h"
#include "selection/Wymiennik.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace {

// A window's form names: its inputs and its results, the required flow first.
struct Form {
    const char* name;
    std::function<FormWindow*(QWidget*)> make;
    bool* flag;
    const char *network, *permissible, *coil, *plate;
    std::vector<const char*> results; // M, size, d, m
    const char* volume;               // the installation's volume, if the window asks for it
    const char* found;                // a network pressure for which a size is found [bar]
};

void PrintTo(const Form& f, std::ostream* os) {
    *os << f.name;
}

const Form kForms[] = {
    {"Wymiennik",
     [](QWidget* main) { return new TfrmWymiennik(main); },
     &Dane::ExchangerSelectionActive,
     "Edit1",
     "Edit2",
     "Edit4",
     "Edit5",
     {"Edit7", "Edit8", "Edit9", "Edit10"},
     "Edit3",
     "4"},
    {"ParaWoda",
     [](QWidget* main) { return new TfrmPara_woda(main); },
     &Dane::SteamWaterSelectionActive,
     "Edit5",
     "Edit6",
     "Edit7",
     "Edit8",
     {"Edit1", "Edit2", "Edit4", "Edit3"},
     nullptr,
     "9"},
};

class Exchanger : public SelectionWindowTest {
protected:
    template <class W> W* Open() {
        auto* w = new W(main.get());
        Connect(w, std::is_same_v<W, TfrmWymiennik> ? &Dane::ExchangerSelectionActive
                                                    : &Dane::SteamWaterSelectionActive);
        ShowAndActivate(w);
        return w;
    }
    void ChooseKind(QWidget* window, int item) {
        QTest::mouseClick(Find<QRadioButton>(window, QStringLiteral("RadioGroup1Item%1").arg(item)),
                          Qt::LeftButton, {}, QPoint(4, 4));
    }
    // pnsc, pdinst, a coil of 20 mm and SV20 at 4.0 bar, then "Oblicz".
    void Enter(QWidget* window, const Form& f, const QString& network) {
        Type(window, f.network, network);
        Type(window, f.permissible, QStringLiteral("4"));
        Type(window, f.coil, QStringLiteral("20"));
        if (f.volume)
            Type(window, f.volume, QStringLiteral("2"));
        ChooseType(window, QStringLiteral("SV20"), QStringLiteral("4.0"), "Button4");
        Click(window, "Button1");
    }
    std::vector<QString> Results(const QWidget* window, const Form& f) const {
        std::vector<QString> texts;
        for (const char* name : f.results)
            texts.push_back(Text(window, name));
        return texts;
    }
};

class Exchangers : public Exchanger, public ::testing::WithParamInterface<Form> {};

TEST_P(Exchangers, KindEnablesItsFieldAndChangesEmptyTheResultsTheyConcern) {
    const Form& f = GetParam();
    QWidget* window = f.make(main.get());
    Connect(static_cast<FormWindow*>(window), f.flag);
    ShowAndActivate(window);
    ChooseKind(window, 1);
    EXPECT_FALSE(Field(window, f.coil)->isEnabled());
    EXPECT_TRUE(Field(window, f.plate)->isEnabled());
    ChooseKind(window, 0);
    EXPECT_TRUE(Field(window, f.coil)->isEnabled());
    EXPECT_FALSE(Find<QLabel>(window, QStringLiteral("Label") + f.plate)->isEnabled());

    Enter(window, f, QString::fromLatin1(f.found));
    EXPECT_TRUE(warnings.empty());
    const std::vector<QString> found = Results(window, f);
    for (const QString& text : found)
        EXPECT_FALSE(text.isEmpty());
    const std::vector<QString> valveEmptied = {found[0], QString(), QString(), QString()};
    // The kind, the count and the set pressure keep the required flow.
    ChooseKind(window, 1);
    EXPECT_EQ(Results(window, f), found);
    ChooseKind(window, 0);
    Find<QSpinBox>(window, QStringLiteral("SpinEdit1"))->setValue(3);
    EXPECT_EQ(Results(window, f), valveEmptied);
    Click(window, "Button1");
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("4.5"), "Button4");
    EXPECT_EQ(Results(window, f), valveEmptied);
    Type(window, f.permissible, QStringLiteral("5"));
    EXPECT_EQ(Results(window, f), std::vector<QString>(4));
}

INSTANTIATE_TEST_SUITE_P(Windows, Exchangers, ::testing::ValuesIn(kForms));

TEST_F(Exchanger, WaterWaterObliczChecksWhatNoFieldExitChecked) {
    auto* window = Open<TfrmWymiennik>();
    const Form& f = kForms[0];
    Enter(window, f, QStringLiteral("4"));
    // Texts set without leaving their field, as a window closed by its box.
    Field(window, "Edit12")->setText(QString());
    Click(window, "Button1");
    Field(window, "Edit12")->setText(QStringLiteral("20"));
    Field(window, "Edit3")->setText(QStringLiteral("1..2"));
    Click(window, "Button1");
    Type(window, "Edit3", QStringLiteral("1000"));
    Type(window, f.permissible, QStringLiteral("3.99"));
    Click(window, "Button1");
    EXPECT_EQ(warnings,
              (std::vector<Box>{
                  {QStringLiteral("Wartość temperatury obliczeniowej wody sieciowej\rpoza "
                                  "dopuszczalnym zakresem 0.1 - 149.9 st. C"),
                   QStringLiteral("Uwaga!")},
                  {QStringLiteral("Niepoprawna wartość pojemności instalacji ogrzewania wodnego!"),
                   QStringLiteral("Uwaga!")},
                  {QStringLiteral("Ciśnienie nastawy zaworu jest wyższe niż ciśnienie "
                                  "dopuszczalne instalacji!"),
                   QStringLiteral("Błąd!")}}));
    // Case a for 1000 m³: no size, the required flow stays shown.
    warnings.clear();
    Type(window, f.permissible, QStringLiteral("4"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{QStringLiteral(
                                  "Nie znaleziono zaworu posiadającego wymaganą przepustowość!")});
    EXPECT_EQ(Results(window, f),
              (std::vector<QString>{QStringLiteral("1 584 000.0"), {}, {}, {}}));
    // Shown again, it refills only the network water temperature.
    Dane::WymiennikData.NetworkWaterTemp = 55;
    window->hide();
    ShowAndActivate(window);
    EXPECT_EQ(Text(window, "Edit12"), "55.0");
    EXPECT_EQ(Text(window, "Edit3"), "1000");
}

TEST_F(Exchanger, SteamWaterEndsBeforeTheWalkWhenTheNetworkIsNotAbove) {
    auto* window = Open<TfrmPara_woda>();
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("4.0"), "Button4");
    // Without the type's data file: a walk would say "Brak pliku z danymi zaworu!".
    Dane::ProgramDir = OwnProgramDir({});
    Type(window, "Edit5", QStringLiteral("4"));
    Type(window, "Edit6", QStringLiteral("4"));
    Type(window, "Edit7", QStringLiteral("20"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts(), std::vector<QString>{ParaWodaSelection::NetworkNotAboveMessage()});
    EXPECT_EQ(Text(window, "Edit1"), "");
}

// The report is the last selection's, whatever changed in the window since;
// each case of each window written to PDF and read back.
TEST_F(Exchanger, ReportsPrintTheLastSelection) {
    auto* water = Open<TfrmWymiennik>();
    int written = 0;
    auto expect = [&](FormWindow* window, const Report::Content& report,
                      std::initializer_list<const char*> wanted) {
        const QStringList lines =
            PdfLines(SavePdf(window, QStringLiteral("report%1.pdf").arg(++written), "Button2"));
        ExpectInOrder(lines, report);
        for (const char* line : wanted)
            EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    };
    // Case b, a plate, three valves; printed after the kind and the type changed.
    ChooseKind(water, 1);
    Find<QSpinBox>(water, QStringLiteral("SpinEdit1"))->setValue(3);
    Type(water, "Edit12", QStringLiteral("130"));
    Enter(water, kForms[0], QStringLiteral("16"));
    ChooseKind(water, 0);
    ChooseType(water, QStringLiteral("SV10"), QStringLiteral("4.0"), "Button4");
    expect(water, *WymiennikSelection::ReportContent(*water->LastCalculation()),
           {"Typ: PRX SV20 1 1/4\"", "Rodzaj wymiennika: płytowy",
            "Powierzchnia przekroju \"A\" wymiennika płytowego Aw: 0.000100 m2",
            "Przepustowość całkowita wybranych zaworów m: 43775.5 kg/h", "Str. 1/1"});
    // Case a, a coil, one valve.
    Find<QSpinBox>(water, QStringLiteral("SpinEdit1"))->setValue(1);
    Enter(water, kForms[0], QStringLiteral("4"));
    expect(water, *WymiennikSelection::ReportContent(*water->LastCalculation()),
           {"Rodzaj wymiennika: wężownicowy dw= 20 mm",
            "Obliczona wartość wymaganej przepustowości zaworu M: 3168.0 kg/h",
            "Warunek m>M jest spełniony. Zawór bezpieczeństwa ma wystarczającą przepustowość."});

    // The wall's critical branch with a coil, the subcritical one with a plate.
    auto* steam = Open<TfrmPara_woda>();
    Enter(steam, kForms[1], QStringLiteral("9"));
    expect(steam, *ParaWodaSelection::ReportContent(*steam->LastCalculation()),
           {"Rodzaj wymiennika: wężownicowy dw: 20.00 mm", "Str. 1/2", "Str. 2/2"});
    ChooseKind(steam, 1);
    Type(steam, "Edit8", QStringLiteral("0.0002"));
    Enter(steam, kForms[1], QStringLiteral("5"));
    expect(steam, *ParaWodaSelection::ReportContent(*steam->LastCalculation()),
           {"Rodzaj wymiennika: płytowy", "Maksymalna wartość współczynnika rozprężania "
                                          "adiabatycznego Psimax: 0.471"});
    EXPECT_TRUE(warnings.empty());
}

} // namespace
