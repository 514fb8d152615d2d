// "Dobór zaworu - powietrze" driven offscreen: the two modes and the fields they
// enable, the compressor output shown as kg/h while it is typed, a selection in
// each mode, and the two-page report written to PDF and read back.

#include "test_selection_support.h"

#include "selection/Dobor_air.h"

#include <QLabel>
#include <QRadioButton>

namespace {

class DoborAir : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        window = new TfrmDoborAir(main.get());
        Connect(window, &Dane::AirSelectionActive);
    }

    void ChooseMode(int mode) {
        QTest::mouseClick(Find<QRadioButton>(window, QStringLiteral("RadioGroup1Item%1").arg(mode)),
                          Qt::LeftButton, {}, QPoint(4, 4));
    }

    std::vector<QString> Results() const {
        return {Text(window, "Edit2"), Text(window, "Edit7"), Text(window, "Edit10")};
    }

    TfrmDoborAir* window;
};

TEST_F(DoborAir, ModesEnableTheirFieldAndConvertTheOutput) {
    ShowAndActivate(window);
    EXPECT_TRUE(Field(window, "Edit9")->isEnabled());
    EXPECT_FALSE(Field(window, "Edit3")->isEnabled());
    EXPECT_FALSE(Find<QLabel>(window, QStringLiteral("LabelEdit3"))->isEnabled());
    Type(window, "Edit9", QStringLiteral("1"));
    EXPECT_EQ(Text(window, "Edit3"), "72.30");

    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("6.0"));
    Type(window, "Edit9", QStringLiteral("2"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Results()[0], "1/2\"");
    EXPECT_DOUBLE_EQ(Dane::DoborAirData.CompressorMassFlow, 144.6);

    // Switching the mode keeps the results; the other field is not read.
    ChooseMode(AirSelection::RequiredCapacity);
    EXPECT_FALSE(Field(window, "Edit9")->isEnabled());
    EXPECT_TRUE(Field(window, "Edit3")->isEnabled());
    EXPECT_EQ(Results()[0], "1/2\"");
    Type(window, "Edit3", QStringLiteral("500"));
    Type(window, "Edit9", QStringLiteral("0"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Results()[0], "3/4\"");
    EXPECT_EQ(Dane::DoborAirData.Mode, AirSelection::RequiredCapacity);
    EXPECT_EQ(Dane::DoborAirData.CompressorOutput, 2) << "not read in this mode";

    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("powietrze.pdf")));
    EXPECT_TRUE(warnings.empty());
    ExpectInOrder(lines, *AirSelection::ReportContent(*window->LastCalculation()));
    EXPECT_TRUE(lines.contains(QStringLiteral("Str. 2/2")));
}

} // namespace
