// "Dobór zaworu - moc cieplna (para + woda)" driven offscreen: no area shown
// before a size is found, a selection with Ap + Aw in Edit10, and the two-page
// report written to PDF and read back.

#include "test_selection_support.h"

#include "data/Convert.h"
#include "selection/Dobor_mix.h"

namespace {

class DoborMix : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        window = new TfrmDoborMix(main.get());
        Connect(window, &Dane::MixSelectionActive);
    }

    TfrmDoborMix* window;
};

TEST_F(DoborMix, ShowsTheAreasOfAFoundSizeOnlyAndPrintsThem) {
    ShowAndActivate(window);
    EXPECT_EQ(Text(window, "Edit10"), " 0.0") << "not 3000.0 of the not-found mark";
    ChooseType(window, QStringLiteral("SV20"), QStringLiteral("6.0"));
    Type(window, "Edit3", QStringLiteral("300"));
    Click(window, "Button1");
    EXPECT_TRUE(warnings.empty());
    const TDoborMixData& r = Dane::DoborMixData;
    EXPECT_EQ(Text(window, "Edit2"), "1/2\"");
    EXPECT_EQ(Text(window, "Edit10"), Convert::ResultText(r.SteamArea + r.WaterArea));

    const QStringList lines = PdfLines(SavePdf(window, QStringLiteral("mieszanka.pdf")));
    EXPECT_TRUE(warnings.empty());
    ExpectInOrder(lines, *MixSelection::ReportContent(*window->LastCalculation()));

    // A failed search: the mark again, and nothing to print.
    Type(window, "Edit3", QStringLiteral("1000000"));
    Click(window, "Button1");
    EXPECT_TRUE(MixSelection::IsNotFound(r));
    Click(window, "Button2");
    ShowAndActivate(window);
    EXPECT_EQ(Text(window, "Edit10"), " 0.0");
}

} // namespace
