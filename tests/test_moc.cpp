// "Dobór zaworu - moc cieplna (para wodna)" driven offscreen: its own form (the
// focus through the valve type group, read-only fields with tab stops, no help
// number of its own), a selection through the valve type dialog, the results
// a change empties, and the report written to PDF and read back.

#include "test_selection_support.h"

#include "app/HelpViewer.h"
#include "data/Convert.h"
#include "selection/Moc.h"

#include <QLabel>

namespace {

class Moc : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        window = new TfrmMoc(main.get());
        Connect(window, &Dane::PowerSelectionActive);
    }

    std::vector<QString> Results() const {
        return {Text(window, "Edit2"), Text(window, "Edit7"), Text(window, "Edit10")};
    }

    TfrmMoc* window;
};

TEST_F(Moc, FormFocusOrderAndHelp) {
    window->EnsureBuilt();
    EXPECT_EQ(window->windowTitle(), "   Dobór zaworu - moc cieplna (para wodna)");
    EXPECT_EQ(Help::HelpContextOf(window), 0);
    EXPECT_EQ(Help::HelpContextOf(Field(window, "Edit3")), 31);
    EXPECT_EQ(Find<QLabel>(window, QStringLiteral("LabelEdit3"))->text(), "Wymagana moc cieplna :");
    EXPECT_EQ(Find<QLabel>(window, QStringLiteral("UnitEdit3"))->text(), "[kW]");
    EXPECT_EQ(Find<QLabel>(window, QStringLiteral("LabelEdit10"))->text(), "Moc cieplna :");
    std::vector<QString> order;
    for (QWidget* w = Field(window, "Edit3"); order.size() < 10; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w->objectName());
    EXPECT_EQ(order, (std::vector<QString>{"Edit3", "Edit4", "Edit11", "Edit6", "Button3", "Edit8",
                                           "Edit1", "Edit2", "Edit7", "Edit10"}));
}

TEST_F(Moc, SelectsByHeatPowerAndPrintsIt) {
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV10"), QStringLiteral("5.0"));
    EXPECT_EQ(Text(window, "Edit8"), "5.50");
    Type(window, "Edit3", QStringLiteral("100"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    const TMocData& r = Dane::MocData;
    EXPECT_EQ(Results(), (std::vector<QString>{"3/4\"", Convert::ResultText(14),
                                               Convert::ResultText(r.HeatPower)}));
    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("moc.pdf")));
    EXPECT_TRUE(warnings.empty());
    ExpectInOrder(lines, *PowerSelection::ReportContent(*window->LastCalculation()));

    Type(window, "Edit1", QStringLiteral("1"));
    EXPECT_EQ(Results(), (std::vector<QString>{"", "0.0", "0.0"}));
    Type(window, "Edit3", QStringLiteral("."));
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{QStringLiteral("Niepoprawna wartość wymaganej mocy cieplnej!")});
}

// p1 is derived from p and b1, never typed: SV20 at 6.0 bar for 500 kW needs
// 1 1/4"; the 1" size (817.4 kW at p1 16.60) would cover it only with a "1"
// typed in front of p1.
TEST_F(Moc, RelievingPressureTakesNoTyping) {
    ShowAndActivate(window);
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("6.0"));
    Type(window, "Edit3", QStringLiteral("500"));
    QLineEdit* p1 = Field(window, "Edit8");
    p1->setFocus();
    p1->setCursorPosition(0);
    QTest::keyClicks(p1, QStringLiteral("1"));
    EXPECT_EQ(p1->text(), "6.60");
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Text(window, "Edit2"), "1 1/4\"");
    EXPECT_DOUBLE_EQ(Dane::MocData.RelievingPressure, 6.6);
}

} // namespace
