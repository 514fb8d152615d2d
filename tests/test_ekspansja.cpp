// The thermal expansion window driven offscreen: the fields each mode enables,
// the exit checks of its temperatures, the results and what empties them, and
// its report in both modes written to PDF and read back.

#include "test_selection_support.h"

#include "selection/Ekspansja.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class Ekspansja : public SelectionWindowTest {
protected:
    TfrmEkspansja* Open() {
        auto* w = new TfrmEkspansja(main.get());
        Connect(w, &Dane::ExpansionSelectionActive);
        ShowAndActivate(w);
        return w;
    }
    static void ChooseMode(QWidget* window, int item) {
        QTest::mouseClick(Find<QRadioButton>(window, QStringLiteral("RadioGroup1Item%1").arg(item)),
                          Qt::LeftButton, {}, QPoint(4, 4));
    }
    static QSpinBox* Spin(QWidget* window) {
        return Find<QSpinBox>(window, QStringLiteral("SpinEdit1"));
    }
    std::vector<QString> Results(const QWidget* window) const {
        return {Text(window, "Edit1"), Text(window, "Edit2"), Text(window, "Edit3"),
                Text(window, "Edit4")};
    }
    // pdop 6 bar and SV20 at 4.0 bar, the inputs of the mode in the order of
    // the form (Tab from a field enters the next), then "Oblicz".
    void Enter(QWidget* window, int mode) {
        ChooseMode(window, mode);
        if (mode == EkspansjaSelection::Direct) {
            Type(window, "Edit5", QStringLiteral("100000"));
            Type(window, "Edit6", QStringLiteral("6"));
            Type(window, "Edit7", QStringLiteral("80"));
        } else {
            Type(window, "Edit6", QStringLiteral("6"));
            Type(window, "Edit10", QStringLiteral("1"));
            Type(window, "Edit11", QStringLiteral("10"));
            Type(window, "Edit12", QStringLiteral("80"));
            Type(window, "Edit13", QStringLiteral("60"));
        }
        ChooseType(window, QStringLiteral("SV20"), QStringLiteral("4.0"), "Button4");
        Click(window, "Button1");
    }
};

TEST_F(Ekspansja, ModesEnableTheirFieldsAndEmptyTemperaturesAreOutOfRange) {
    TfrmEkspansja* window = Open();
    const char* direct[] = {"Edit5", "Edit7"};
    const char* indirect[] = {"Edit10", "Edit11", "Edit12", "Edit13"};
    for (const int mode : {1, 0}) {
        ChooseMode(window, mode);
        for (const char* name : direct)
            EXPECT_EQ(Field(window, name)->isEnabled(), mode == 0) << name;
        for (const char* name : indirect)
            EXPECT_EQ(Field(window, name)->isEnabled(), mode == 1) << name;
        EXPECT_EQ(Spin(window)->isEnabled(), mode == 1);
        EXPECT_EQ(Find<QLabel>(window, QStringLiteral("UnitSpinEdit1"))->isEnabled(), mode == 1);
        EXPECT_TRUE(Field(window, "Edit6")->isEnabled());
    }
    // Leaving a temperature empty: its range message, the focus back in it.
    const struct {
        int mode;
        const char* field;
        QString message;
    } empty[] = {
        {0, "Edit7",
         QStringLiteral("Wartość temperatury wody w zbiorniku poza dopuszczalnym zakresem "
                        "<5;150> st. C!")},
        {1, "Edit11",
         QStringLiteral("Wartość temperatury poza dopuszczalnym zakresem 5 - 130 st. C!")},
        {1, "Edit12",
         QStringLiteral("Wartość temperatury poza dopuszczalnym zakresem 5 - 130 st. C!")},
    };
    for (const auto& c : empty) {
        ChooseMode(window, c.mode);
        warnings.clear();
        Field(window, c.field)->setFocus();
        QTest::keyClick(Field(window, c.field), Qt::Key_Tab);
        EXPECT_EQ(WarningTexts(), std::vector<QString>{c.message}) << c.field;
        EXPECT_TRUE(Field(window, c.field)->hasFocus()) << c.field;
        // Held there until it holds a temperature.
        QTest::keyClicks(Field(window, c.field), QStringLiteral("20"));
    }
}

TEST_F(Ekspansja, ResultsShowFourDecimalsForTheFlowAndChangesEmptyThem) {
    TfrmEkspansja* window = Open();
    Enter(window, EkspansjaSelection::Indirect);
    ASSERT_TRUE(warnings.empty()) << WarningTexts().front().toStdString();
    const TEkspansjaData& r = *window->LastCalculation();
    const std::vector<QString> found = Results(window);
    EXPECT_EQ(found, (std::vector<QString>{Convert::ResultTextWithDecimals(r.RequiredCapacity, 4),
                                           r.ValveSize, Convert::ResultText(r.Capacity),
                                           Convert::ResultText(r.FlowDiameter)}));
    EXPECT_EQ(found[0].section('.', 1).size(), 4);
    // The results may be typed into, but Tab passes them by.
    EXPECT_FALSE(Field(window, "Edit3")->isReadOnly());
    EXPECT_EQ(Field(window, "Edit3")->focusPolicy(), Qt::ClickFocus);

    // The mode keeps them, a new valve type empties those of the valve, an
    // input of either mode or the additive all four.
    ChooseMode(window, 0);
    EXPECT_EQ(Results(window), found);
    ChooseMode(window, 1);
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("4.5"), "Button4");
    EXPECT_EQ(Results(window), (std::vector<QString>{found[0], {}, {}, {}}));
    Click(window, "Button1");
    Spin(window)->setValue(20);
    EXPECT_EQ(Results(window), std::vector<QString>(4));
    Click(window, "Button1");
    Type(window, "Edit13", QStringLiteral("30"));
    EXPECT_EQ(Results(window), std::vector<QString>(4));

    // A text no exit check saw is refused with its field's message.
    Field(window, "Edit10")->setText(QStringLiteral("1..5"));
    Click(window, "Button1");
    EXPECT_EQ(WarningTexts().back(),
              QStringLiteral("Niepoprawna wartość ilości wody w instalacji!"));
}

// The report is the last selection's: its mode and additive, whatever the
// window shows at print time.
TEST_F(Ekspansja, ReportOfEachModePrintsTheLastSelection) {
    TfrmEkspansja* window = Open();
    Spin(window)->setValue(30);
    Enter(window, EkspansjaSelection::Indirect);
    ChooseMode(window, 0);
    Spin(window)->setValue(0);
    const TEkspansjaData indirect = *window->LastCalculation();
    QStringList lines = PdfLines(SavePdf(window, QStringLiteral("indirect.pdf"), "Button2"));
    ExpectInOrder(lines, *EkspansjaSelection::ReportContent(indirect));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Procentowa zawartość substancji przeciw zamarzaniu w wodzie S: 30 %")));
    EXPECT_TRUE(lines.filter(QStringLiteral("Str.")).isEmpty());

    Enter(window, EkspansjaSelection::Direct);
    const TEkspansjaData direct = *window->LastCalculation();
    lines = PdfLines(SavePdf(window, QStringLiteral("direct.pdf"), "Button2"));
    ExpectInOrder(lines, *EkspansjaSelection::ReportContent(direct));
    EXPECT_TRUE(lines.contains(QStringLiteral("Typ: PRX SV20 ") + direct.ValveSize));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Ilość ciepła doprowadzona do zbiornika w ciągu godziny H: 100000 kJ")));
    EXPECT_TRUE(warnings.empty()) << WarningTexts().front().toStdString();
}

} // namespace
