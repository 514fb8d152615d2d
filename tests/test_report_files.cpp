// The report's external files in the build's program directory: every formula
// bitmap a report draws, with the size its printer box and the PDF page expect,
// the logo, the PDF component and the catalogue cards.

#include "GuiTest.h"

#include "data/Dane.h"
#include "report/Report.h"
#include "valves/Catalogue.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>

#include <cmath>

namespace {

// The printer box of each formula bitmap, as the reports stretch it (600-dpi
// pixels; where a report gives the right edge, the width is that edge − 120).
struct BitmapCase {
    int number;
    int width, height;
};

const BitmapCase kReportBitmaps[] = {
    {1, 1251, 222}, {2, 1083, 147}, {3, 1095, 165}, {4, 471, 225},   {5, 357, 225},
    {6, 696, 267},  {7, 879, 270},  {8, 378, 222},  {9, 942, 276},   {10, 573, 270},
    {11, 456, 240}, {15, 676, 236}, {16, 453, 216}, {17, 258, 105},  {18, 825, 339},
    {19, 624, 105}, {20, 270, 99},  {21, 243, 195}, {22, 297, 87},   {23, 576, 102},
    {24, 249, 195}, {25, 366, 192}, {26, 429, 81},  {27, 1098, 132}, {28, 1038, 105},
    {29, 504, 222}, {30, 525, 108}, {32, 780, 183}, {33, 786, 189},  {34, 393, 192},
    {36, 993, 219}, {37, 984, 237},
};

void PrintTo(const BitmapCase& c, std::ostream* os) {
    *os << c.number << ": " << c.width << " x " << c.height;
}

QImage Load(const QString& file) {
    QImageReader reader(Dane::ProgramDir + file);
    EXPECT_EQ(reader.format(), QByteArray("bmp")) << file.toStdString();
    return reader.read();
}

class ReportFiles : public GuiTest {};
class FormulaBitmap : public GuiTest, public ::testing::WithParamInterface<BitmapCase> {};

} // namespace

TEST_P(FormulaBitmap, PrinterBitmapFillsItsBoxAndTheScreenTwinMatches) {
    const BitmapCase c = GetParam();
    const QImage printer = Load(Report::BitmapFile(c.number, false));
    ASSERT_FALSE(printer.isNull());
    EXPECT_EQ(printer.size(), QSize(c.width, c.height));
    // The PDF draws the twin at its own size on a 96-dpi screen: the printer box
    // at 96/600, so both pages show the formula equally large.
    const QImage screen = Load(Report::BitmapFile(c.number, true));
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen.size(), QSize(qRound(c.width * 0.16), qRound(c.height * 0.16)));
    // Not blank: some ink.
    int dark = 0;
    const QImage grey = printer.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            dark += qGray(grey.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);
}

INSTANTIATE_TEST_SUITE_P(
    Report, FormulaBitmap, ::testing::ValuesIn(kReportBitmaps),
    [](const ::testing::TestParamInfo<BitmapCase>& info) {
        return QStringLiteral("B%1").arg(info.param.number, 3, 10, QLatin1Char('0')).toStdString();
    });

TEST_F(ReportFiles, EveryNumberFrom001To037Exists) {
    for (int n = 1; n <= 37; ++n) {
        EXPECT_FALSE(Load(Report::BitmapFile(n, false)).isNull()) << n;
        EXPECT_FALSE(Load(Report::BitmapFile(n, true)).isNull()) << n;
    }
}

TEST_F(ReportFiles, LogoFillsItsBox) {
    EXPECT_EQ(Load(Report::LogoFile(false)).size(), QSize(417, 223));
    // At (1783, 52) tenths of a millimetre it must end inside the header frame
    // (2050, 200): 67 × 36 pixels are 17.7 × 9.5 mm.
    EXPECT_EQ(Load(Report::LogoFile(true)).size(), QSize(67, 36));
}

TEST_F(ReportFiles, PdfComponentIsBesideTheProgram) {
    EXPECT_TRUE(QFileInfo(Dane::ProgramDir + QStringLiteral("libdspdf.so")).isFile());
}

TEST_F(ReportFiles, CatalogueCardsArePdfFilesOfTheirTypes) {
    for (int card = 0; card < Catalogue::CardCount(); ++card) {
        const QString path = Dane::ProgramDir + Catalogue::CardFile(card);
        ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        QProcess p;
        p.start(QStringLiteral(KALMO_PDFTOTEXT), {QStringLiteral("-layout"), path, "-"});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const Catalogue::Type& type : Catalogue::Types()) {
            if (type.cardIndex != card)
                continue;
            EXPECT_TRUE(text.contains(type.text))
                << path.toStdString() << " lacks " << type.text.toStdString();
            for (const Catalogue::Size& size : type.sizes)
                EXPECT_TRUE(text.contains(size.text)) << size.text.toStdString();
        }
    }
}
