// Report content and page layout, without any paint device: the texts, the
// places of every element on both paths, the step rule and the footers.

#include "QStringPrinter.h"

#include "data/Dane.h"
#include "report/Layout.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Report;

namespace {

// Two pages on both paths, broken at different places, as the air capacity
// report does: the printer keeps the K2 block on page 1, the PDF moves it.
Content TwoPageReport() {
    Content r;
    r.valveType = QStringLiteral("SV20");
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    r.Text(Line(7), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"), Style::Bold);
    r.Text(Line(8), Line(1), QStringLiteral("Typ: PRX SV20  1/2\""));
    r.Bitmap(Line(27), Line(20), 7, 879, 270);
    r.Text(Line(51), TitleY(2),
           QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"));
    r.Bitmap(Line(52), Line(0, 2), 8, 378, 222);
    r.Text(Line(11, 2), Line(19, 2), QStringLiteral("m: 2013.2 kg/h"), Style::Bold);
    r.Text(Line(12, 2), Nowhere(), QStringLiteral("printer only"));
    r.Text(Nowhere(), PdfY(1350, 2), QStringLiteral("pdf only"));
    return r;
}

Content OnePageReport() {
    Content r;
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    r.Text(Line(9), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"), Style::Bold);
    r.Bitmap(Line(25), Line(16), 3, 1095, 165);
    return r;
}

Op TextAt(int x, int y, const QString& text, bool bold = false) {
    Op op;
    op.kind = Op::Kind::Text;
    op.rect = QRect(x, y, 0, 0);
    op.text = text;
    op.bold = bold;
    return op;
}

Op ImageAt(QRect rect, const QString& file) {
    Op op;
    op.kind = Op::Kind::Image;
    op.rect = rect;
    op.file = file;
    return op;
}

Op FrameFrom(QPoint topLeft, QPoint bottomRight) {
    Op op;
    op.kind = Op::Kind::Frame;
    op.rect = QRect(topLeft, bottomRight);
    return op;
}

bool Has(const Page& page, const Op& op) {
    return std::find(page.ops.begin(), page.ops.end(), op) != page.ops.end();
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { Dane::ResetDefaults(); }
};

// An A4 printable area at 600 dpi.
const QSize A4At600(4760, 6800);

} // namespace

// ---- content ---------------------------------------------------------------

TEST_F(ReportTest, TitleIsPrinterLineAndPdfTitlePosition) {
    const Content r = OnePageReport();
    EXPECT_EQ(r.title, QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    ASSERT_FALSE(r.elements.empty());
    EXPECT_EQ(r.elements[0].text, r.title);
    EXPECT_EQ(r.elements[0].printer, Line(5));
    EXPECT_EQ(r.elements[0].pdf, (Place{1, 0, 230}));
    EXPECT_FALSE(r.elements[0].bold);
}

TEST_F(ReportTest, ElementsKeepTheirPlacesAndStyle) {
    const Content r = TwoPageReport();
    const Element& bold = r.elements[1];
    EXPECT_TRUE(bold.bold);
    EXPECT_EQ(bold.printer, (Place{1, 7, -1}));
    EXPECT_EQ(bold.pdf, (Place{1, 0, -1}));
    const Element& bitmap = r.elements[3];
    EXPECT_TRUE(bitmap.IsBitmap());
    EXPECT_EQ(bitmap.bitmap, 7);
    EXPECT_EQ(bitmap.box, QSize(879, 270));
    EXPECT_TRUE(bitmap.text.isEmpty());
    EXPECT_FALSE(Nowhere().Drawn());
}

TEST_F(ReportTest, PagesOfEachPath) {
    EXPECT_EQ(OnePageReport().PrinterPages(), 1);
    EXPECT_EQ(OnePageReport().PdfPages(), 1);
    EXPECT_EQ(TwoPageReport().PrinterPages(), 2);
    EXPECT_EQ(TwoPageReport().PdfPages(), 2);
    // The steam capacity report: one printed page, two PDF pages.
    Content r = OnePageReport();
    r.Text(Line(60), TitleY(2),
           QStringLiteral("Największa moc cieplna zabezpieczanego urządzenia"));
    EXPECT_EQ(r.PrinterPages(), 1);
    EXPECT_EQ(r.PdfPages(), 2);
    EXPECT_EQ(Content().PrinterPages(), 1);
}

TEST_F(ReportTest, SaveDialogTitles) {
    EXPECT_EQ(Content().saveDialogTitle, QStringLiteral("Zapis wyników obliczeń w pliku PDF"));
    EXPECT_EQ(Content::SaveTitleImperative(), QStringLiteral("Zapisz wyniki obliczeń w pliku PDF"));
}

TEST_F(ReportTest, HeaderLines) {
    EXPECT_EQ(HeaderLine1(), QStringLiteral("                          KALMO   wersja 7.00"));
    Dane::ProgramVersion = QStringLiteral("7.01");
    EXPECT_EQ(HeaderLine1(), QStringLiteral("                          KALMO   wersja 7.01"));
    EXPECT_EQ(HeaderLine2(), QStringLiteral("Obliczenia przepustowości zaworów bezpieczeństwa "
                                            "zgodnie z WUDT-UC-WO:10.2003"));
    EXPECT_TRUE(HeaderLine3().startsWith(QStringLiteral("PRAXIMA")));
}

TEST_F(ReportTest, VendorLineEndsLeftOfTheLogo) {
    // 10-point type is 6 points (50 printer pixels, 2.117 mm) a character. The
    // logo starts at x 4280 on the printer (the line at 160) and at 178.3 mm in
    // the PDF (the line at 6.7 mm).
    const int chars = static_cast<int>(HeaderLine3().size());
    EXPECT_LE(160 + 50 * chars, 4280);
    EXPECT_LE(67 + chars * 254 * 6 / 720.0, 1783);
}

struct FooterCase {
    int page, pages;
    const char* text;
};
void PrintTo(const FooterCase& c, std::ostream* os) {
    *os << c.text;
}
class Footer : public ::testing::TestWithParam<FooterCase> {};
TEST_P(Footer, Text) {
    EXPECT_EQ(FooterText(GetParam().page, GetParam().pages), QString::fromUtf8(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Report, Footer,
                         ::testing::Values(FooterCase{1, 1, "Str. 1/1"},
                                           FooterCase{1, 2, "Str. 1/2"},
                                           FooterCase{2, 2, "Str. 2/2"}));

TEST_F(ReportTest, BitmapFileNames) {
    EXPECT_EQ(BitmapFile(3, false), QStringLiteral("003.bmp"));
    EXPECT_EQ(BitmapFile(3, true), QStringLiteral("Res_003.bmp"));
    EXPECT_EQ(BitmapFile(37, true), QStringLiteral("Res_037.bmp"));
    EXPECT_EQ(LogoFile(false), QStringLiteral("prxlogo.bmp"));
    EXPECT_EQ(LogoFile(true), QStringLiteral("Res_prxlogo.bmp"));
}

TEST_F(ReportTest, FilesOfAPathLogoFirstEachOnce) {
    Content r = TwoPageReport();
    r.Bitmap(Line(40), Nowhere(), 23, 576, 102); // printer only
    r.Bitmap(Line(45), Line(30), 7, 879, 270);   // 007 again
    EXPECT_EQ(FilesOf(r, false),
              (std::vector<QString>{QStringLiteral("prxlogo.bmp"), QStringLiteral("007.bmp"),
                                    QStringLiteral("008.bmp"), QStringLiteral("023.bmp")}));
    EXPECT_EQ(FilesOf(r, true),
              (std::vector<QString>{QStringLiteral("Res_prxlogo.bmp"),
                                    QStringLiteral("Res_007.bmp"), QStringLiteral("Res_008.bmp")}));
}

struct CardCase {
    const char* type;
    int chosen; // CardIndex left by the last choice dialog
    int card;
};
void PrintTo(const CardCase& c, std::ostream* os) {
    *os << '"' << c.type << "\" after card " << c.chosen;
}
class Card : public ::testing::TestWithParam<CardCase> {};
TEST_P(Card, OfTheReportsOwnValve) {
    Dane::ResetDefaults();
    Dane::CardIndex = GetParam().chosen;
    Content r;
    r.valveType = QString::fromUtf8(GetParam().type);
    EXPECT_EQ(CardOf(r), GetParam().card);
}
INSTANTIATE_TEST_SUITE_P(Report, Card,
                         ::testing::Values(CardCase{"SV10", 5, 0}, CardCase{"SV20", 0, 1},
                                           CardCase{"SV30", 0, 2}, CardCase{"SV20.N", 0, 3},
                                           CardCase{"SV20.N w Tandor 50DN20", 0, 4},
                                           CardCase{"SV20.N w centrum bezpieczeństwa SC70", 2, 5},
                                           // No type of the catalogue: the card chosen last.
                                           CardCase{"", 3, 3}, CardCase{"SV99", 2, 2},
                                           CardCase{"sv10", 4, 4}));

TEST_F(ReportTest, Messages) {
    EXPECT_EQ(NoDataMessage(), QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!"));
    EXPECT_EQ(MissingBitmapMessage(QStringLiteral("/p/003.bmp")),
              QStringLiteral("Brak pliku \"/p/003.bmp\" lub plik jest uszkodzony!\r"
                             "Wydruk został przerwany."));
    EXPECT_EQ(PdfWriteMessage(QStringLiteral("/x/a.pdf")),
              QStringLiteral("Nie można zapisać pliku \"/x/a.pdf\"!\rPlik PDF nie został "
                             "utworzony."));
    EXPECT_TRUE(PdfLibraryMessage(QStringLiteral("/p/libdspdf.so"))
                    .contains(QStringLiteral("\"/p/libdspdf.so\"")));
}

// ---- printer layout ----------------------------------------------------------

struct StepCase {
    int pageHeight;
    int step;
};
void PrintTo(const StepCase& c, std::ostream* os) {
    *os << "page height " << c.pageHeight;
}
class PrinterStep : public ::testing::TestWithParam<StepCase> {};
TEST_P(PrinterStep, FollowsThePageHeight) {
    EXPECT_EQ(PrinterLineStep(GetParam().pageHeight), GetParam().step);
    const Page page = PrinterPage(Content(), 1, QSize(4760, GetParam().pageHeight));
    EXPECT_EQ(page.reportStep, GetParam().step);
    EXPECT_EQ(page.reportY, 20);
}
INSTANTIATE_TEST_SUITE_P(Report, PrinterStep,
                         ::testing::Values(StepCase{3499, 50}, StepCase{3500, 100},
                                           StepCase{3300, 50}, StepCase{6800, 100},
                                           StepCase{7016, 100}));

TEST_F(ReportTest, PrinterHeaderAtStep100) {
    const Page page = PrinterPage(OnePageReport(), 1, A4At600);
    ASSERT_GE(page.ops.size(), 5u);
    // Frame (120, 60)-(4720, 460), the right and bottom edges excluded.
    EXPECT_EQ(page.ops[0], FrameFrom(QPoint(120, 60), QPoint(4719, 459)));
    EXPECT_EQ(page.ops[1],
              TextAt(160, 120, QStringLiteral("                          KALMO   wersja 7.00")));
    EXPECT_EQ(page.ops[2], TextAt(160, 220, HeaderLine2()));
    EXPECT_EQ(page.ops[3], TextAt(160, 320, HeaderLine3()));
    EXPECT_EQ(page.ops[4], ImageAt(QRect(4280, 120, 417, 223), QStringLiteral("prxlogo.bmp")));
}

TEST_F(ReportTest, PrinterHeaderAtStep50) {
    const Page page = PrinterPage(OnePageReport(), 1, QSize(2360, 3400));
    EXPECT_EQ(page.ops[0], FrameFrom(QPoint(120, 60), QPoint(4719, 259)));
    EXPECT_EQ(page.ops[1].rect.topLeft(), QPoint(160, 70));
    EXPECT_EQ(page.ops[3].rect.topLeft(), QPoint(160, 170));
    EXPECT_EQ(page.ops[4].rect, QRect(4280, 70, 417, 223));
}

TEST_F(ReportTest, PrinterBodyLinesBitmapsAndFooter) {
    const Page page = PrinterPage(OnePageReport(), 1, A4At600);
    EXPECT_TRUE(Has(page, TextAt(120, 520, OnePageReport().title)));
    EXPECT_TRUE(Has(page, TextAt(120, 920, QStringLiteral("Dane zaworu bezpieczeństwa"), true)));
    // "003.bmp" stretched from x 120 to 1215, from the top of line 25 down 165 pixels.
    EXPECT_TRUE(Has(page, ImageAt(QRect(120, 2520, 1095, 165), QStringLiteral("003.bmp"))));
    EXPECT_EQ(page.ops.back(), TextAt(4760 - 500, 6800 - 250, QStringLiteral("Str. 1/1")));
}

TEST_F(ReportTest, PrinterPagesSplitTheBody) {
    const Content r = TwoPageReport();
    const Page one = PrinterPage(r, 1, A4At600);
    const Page two = PrinterPage(r, 2, A4At600);
    EXPECT_EQ(one.Texts(),
              (std::vector<QString>{HeaderLine1(), HeaderLine2(), HeaderLine3(), r.title,
                                    QStringLiteral("Dane zaworu bezpieczeństwa"),
                                    QStringLiteral("Typ: PRX SV20  1/2\""), r.elements[4].text,
                                    QStringLiteral("Str. 1/2")}));
    // Page 2 draws the header again and has no title.
    EXPECT_EQ(two.Texts(),
              (std::vector<QString>{HeaderLine1(), HeaderLine2(), HeaderLine3(),
                                    QStringLiteral("m: 2013.2 kg/h"),
                                    QStringLiteral("printer only"), QStringLiteral("Str. 2/2")}));
    EXPECT_TRUE(Has(two, TextAt(120, 1120, QStringLiteral("m: 2013.2 kg/h"), true)));
    EXPECT_TRUE(Has(one, ImageAt(QRect(120, 5220, 378, 222), QStringLiteral("008.bmp"))));
    EXPECT_EQ(two.ops[0], one.ops[0]);
}

TEST_F(ReportTest, LayingOutTwiceGivesTheSamePage) {
    const Content r = TwoPageReport();
    EXPECT_EQ(PrinterPage(r, 1, A4At600).ops, PrinterPage(r, 1, A4At600).ops);
    EXPECT_EQ(PdfPage(r, 2, 96).ops, PdfPage(r, 2, 96).ops);
}

// ---- PDF layout ----------------------------------------------------------------

TEST_F(ReportTest, PdfHeaderAt96PixelsPerInch) {
    const Page page = PdfPage(OnePageReport(), 1, 96);
    EXPECT_EQ(page.reportY, 290);
    EXPECT_EQ(page.reportStep, 45);
    // (50, 26)-(2050, 200) tenths of a millimetre: 19, 10, 775, 76 pixels.
    EXPECT_EQ(page.ops[0], FrameFrom(QPoint(19, 10), QPoint(774, 75)));
    EXPECT_EQ(page.ops[1], TextAt(25, 20, HeaderLine1())); // (67, 52)
    EXPECT_EQ(page.ops[2], TextAt(25, 36, HeaderLine2())); // (67, 96)
    EXPECT_EQ(page.ops[3], TextAt(25, 53, HeaderLine3())); // (67, 139)
    // The logo at its own size at (1783, 52).
    EXPECT_EQ(page.ops[4], ImageAt(QRect(674, 20, 0, 0), QStringLiteral("Res_prxlogo.bmp")));
}

TEST_F(ReportTest, PdfBodyOnItsGrid) {
    const Page page = PdfPage(OnePageReport(), 1, 96);
    EXPECT_TRUE(Has(page, TextAt(19, 87, OnePageReport().title))); // y = 230
    // Line 0 at 290, line 16 at 290 + 45 × 16 = 1010.
    EXPECT_TRUE(Has(page, TextAt(19, 110, QStringLiteral("Dane zaworu bezpieczeństwa"), true)));
    EXPECT_TRUE(Has(page, ImageAt(QRect(19, 382, 0, 0), QStringLiteral("Res_003.bmp"))));
}

TEST_F(ReportTest, PdfOnePageHasNoFooter) {
    const Page page = PdfPage(OnePageReport(), 1, 96);
    for (const QString& text : page.Texts())
        EXPECT_FALSE(text.startsWith(QStringLiteral("Str.")));
}

TEST_F(ReportTest, PdfOnePageFooterWhenAsked) {
    Content r = OnePageReport();
    r.pdfFooterOnOnePage = true;
    // (1850, 290 + 57 × 45 = 2855).
    EXPECT_EQ(PdfPage(r, 1, 96).ops.back(), TextAt(699, 1079, QStringLiteral("Str. 1/1")));
}

TEST_F(ReportTest, PdfTwoPagesWithFootersAndTheirOwnBreak) {
    const Content r = TwoPageReport();
    const Page one = PdfPage(r, 1, 96);
    const Page two = PdfPage(r, 2, 96);
    EXPECT_EQ(one.ops.back(), TextAt(699, 1079, QStringLiteral("Str. 1/2")));
    EXPECT_EQ(two.ops.back(), TextAt(699, 1079, QStringLiteral("Str. 2/2")));
    // Page 2 opens at the title position, has its header and draws what the
    // printer left out.
    EXPECT_TRUE(Has(two, TextAt(19, 87, r.elements[4].text)));
    EXPECT_TRUE(Has(two, ImageAt(QRect(19, 110, 0, 0), QStringLiteral("Res_008.bmp"))));
    EXPECT_TRUE(Has(two, TextAt(19, 510, QStringLiteral("pdf only"))));
    for (const QString& text : two.Texts())
        EXPECT_NE(text, QStringLiteral("printer only"));
    EXPECT_EQ(two.Texts()[0], HeaderLine1());
}

struct ScaleCase {
    int ppi;
    QPoint title;  // (50, 230)
    QPoint footer; // (1850, 2855)
};
void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.ppi << " ppi";
}
class PdfScale : public ::testing::TestWithParam<ScaleCase> {};
TEST_P(PdfScale, EveryLengthScaledOnItsOwn) {
    Content r = OnePageReport();
    r.pdfFooterOnOnePage = true;
    const Page page = PdfPage(r, 1, GetParam().ppi);
    EXPECT_TRUE(Has(page, TextAt(GetParam().title.x(), GetParam().title.y(), r.title)));
    EXPECT_EQ(page.ops.back().rect.topLeft(), GetParam().footer);
}
INSTANTIATE_TEST_SUITE_P(Report, PdfScale,
                         ::testing::Values(ScaleCase{96, {19, 87}, {699, 1079}},
                                           ScaleCase{120, {24, 109}, {874, 1349}},
                                           ScaleCase{144, {28, 130}, {1049, 1619}}));
