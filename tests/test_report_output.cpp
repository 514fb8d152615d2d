// The two report paths end to end, offscreen: PDF files through the PDF
// component, pages on a printer that writes a PDF file, the catalogue card, and
// every failure with its warning box. The files are read back with poppler's
// tools.

#include "GuiTest.h"
#include "ReportSample.h"

#include "capacity/FlowWaterCalc.h"
#include "data/Dane.h"
#include "report/Layout.h"
#include "report/PdfLibrary.h"
#include "report/ReportOutput.h"
#include "report/ReportPainter.h"
#include "selection/WymiennikSelection.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cmath>
#include <functional>

#include <sys/stat.h>

using namespace Report;

namespace {

QString Tool(const char* path) {
    return QString::fromLocal8Bit(path);
}

// The standard output of a poppler tool; fails the test when it is missing.
QString Run(const QString& program, const QStringList& args) {
    if (!QFileInfo(program).isExecutable()) {
        ADD_FAILURE() << "poppler-utils (" << program.toStdString() << ") is needed";
        return QString();
    }
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of one page (0 = all), every run of blanks made one blank: the
// reader guesses blanks from the gaps between words. The exact texts are the
// layout's, checked without a PDF.
QString PdfText(const QString& pdf, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << pdf << QStringLiteral("-");
    QStringList lines = Run(Tool(KALMO_PDFTOTEXT), args).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    return lines.join(QLatin1Char('\n'));
}

QString PdfInfo(const QString& pdf) {
    return Run(Tool(KALMO_PDFINFO), {pdf});
}

QString PdfFonts(const QString& pdf) {
    return Run(Tool(KALMO_PDFFONTS), {pdf});
}

struct Word {
    double xMin, yMin, xMax, yMax; // points
    QString text;
};

std::vector<Word> PdfWords(const QString& pdf) {
    static const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> words;
    const QString html = Run(Tool(KALMO_PDFTOTEXT), {QStringLiteral("-bbox"), pdf, "-"});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

const Word* FindWord(const std::vector<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ReportOutputTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work = QStringLiteral(KALMO_TEST_WORK_DIR "/") + QString::fromUtf8(info->name());
        QDir(work).removeRecursively();
        QDir().mkpath(work);
        SetCardPrinter([this](const QString& card) { cards.push_back(card); });
        PdfLibrary::SetCallObserver([this](const QString& entry) { calls.push_back(entry); });
    }
    void TearDown() override {
        SetCardPrinter(nullptr);
        PdfLibrary::SetCallObserver(nullptr);
        GuiTest::TearDown();
    }

    QString Path(const QString& name) const { return work + QLatin1Char('/') + name; }

    // A program directory of the test's own with copies of the build's bitmaps
    // (all but `leaveOut`) and without the PDF component.
    QString BitmapsOnlyDir(const QString& leaveOut = QString()) const {
        const QString dir = Path(QStringLiteral("program"));
        QDir().mkpath(dir);
        const QDir build(Dane::ProgramDir);
        for (const QString& f : build.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            if (f != leaveOut)
                QFile::copy(build.filePath(f), dir + QLatin1Char('/') + f);
        return dir + QLatin1Char('/');
    }

    // Answers the save dialog with `file`.
    void SaveAs(const QString& file) {
        onModal = [this, file](QDialog* dialog) {
            auto* save = qobject_cast<QFileDialog*>(dialog);
            EXPECT_NE(save, nullptr);
            if (!save)
                return int(QDialog::Rejected);
            saveTitle = save->windowTitle();
            saveFilters = save->nameFilters();
            saveSuffix = save->defaultSuffix();
            saveOverwriteAsks = !save->testOption(QFileDialog::DontConfirmOverwrite);
            saveAccept = save->acceptMode();
            save->selectFile(file);
            return int(QDialog::Accepted);
        };
    }

    // Answers the print dialog: the printer writes a PDF file.
    void PrintTo(const QString& file) {
        onModal = [file](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            EXPECT_NE(print, nullptr);
            if (!print)
                return int(QDialog::Rejected);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(file);
            return int(QDialog::Accepted);
        };
    }

    QString work;
    std::vector<QString> cards;
    std::vector<QString> calls;
    QString saveTitle, saveSuffix;
    QStringList saveFilters;
    bool saveOverwriteAsks = true;
    QFileDialog::AcceptMode saveAccept = QFileDialog::AcceptOpen;
};

const std::vector<QString> kTwoPageCalls{QStringLiteral("BeginDoc"),   QStringLiteral("SetPage"),
                                         QStringLiteral("PrintPageM"), QStringLiteral("NewPage"),
                                         QStringLiteral("PrintPageM"), QStringLiteral("EndDoc")};

} // namespace

// ---- the report font -----------------------------------------------------------

TEST_F(ReportOutputTest, FontIsCourierNewOrItsMetricTwin) {
    const QFontInfo info(ReportFont());
    EXPECT_TRUE(info.family() == QStringLiteral("Courier New") ||
                info.family() == QStringLiteral("Liberation Mono"))
        << info.family().toStdString();
    EXPECT_TRUE(info.fixedPitch());
    EXPECT_EQ(info.pointSize(), 10);
    EXPECT_FALSE(info.bold());
}

TEST_F(ReportOutputTest, FontKeepsCourierNewWidths) {
    // Courier New's glyphs, bold ones too, are 1229/2048 em wide (0.6 em): 10-point
    // type is 6 points a character (50 pixels at 600 dpi).
    const double em = 1229.0 / 2048 * 1000;
    QFont regular = ReportFont();
    regular.setPixelSize(1000);
    QFont bold = regular;
    bold.setBold(true);
    for (const QFont& font : {regular, bold}) {
        const QFontMetricsF metrics(font);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("M")), em, 0.05);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("ł")), em, 0.05);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("Obliczenia ")), 11 * em, 0.5);
    }
}

// ---- PDF path ---------------------------------------------------------------------

TEST_F(ReportOutputTest, PdfTwoPagesEndToEnd) {
    Dane::PrintMode = Dane::CreatePdf;
    const QString pdf = Path(QStringLiteral("raport.pdf"));
    SaveAs(pdf);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::PdfWritten);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(calls, kTwoPageCalls);
    EXPECT_EQ(modalsShown, std::vector<QString>{QStringLiteral("SaveDialog")});
    ASSERT_TRUE(QFileInfo(pdf).isFile());
    EXPECT_TRUE(cards.empty()); // no card on the PDF path

    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    const QString one = PdfText(pdf, 1);
    const QString two = PdfText(pdf, 2);
    EXPECT_TRUE(one.contains(QStringLiteral("KALMO wersja 7.00"))) << one.toStdString();
    EXPECT_TRUE(one.contains(HeaderLine2().simplified()));
    EXPECT_TRUE(one.contains(HeaderLine3().simplified()));
    EXPECT_TRUE(
        one.contains(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA")));
    EXPECT_TRUE(one.contains(QStringLiteral("Dane zaworu bezpieczeństwa")));
    EXPECT_TRUE(one.contains(QStringLiteral("Typ: PRX SV20.N w Tandor 50DN20 3/4\"")));
    EXPECT_TRUE(one.contains(QStringLiteral("adiabatycznego Psimax: 0.484")));
    EXPECT_TRUE(one.contains(QStringLiteral("Str. 1/2")));
    EXPECT_FALSE(one.contains(QStringLiteral("Str. 2/2")));
    // Page 2: its own header, the K2 block the printer keeps on page 1, the result.
    EXPECT_TRUE(two.contains(QStringLiteral("KALMO wersja 7.00")));
    EXPECT_TRUE(two.contains(QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień")));
    EXPECT_TRUE(two.contains(QStringLiteral("m: 2013.2 kg/h")));
    EXPECT_TRUE(two.contains(QStringLiteral("Str. 2/2")));
    EXPECT_FALSE(two.contains(QStringLiteral("WYNIKI OBLICZEŃ")));

    const QString fonts = PdfFonts(pdf);
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(LiberationMono|CourierNew)"))));
    EXPECT_TRUE(
        fonts.contains(QRegularExpression(QStringLiteral("(LiberationMono|CourierNew)[-,]Bold"))))
        << fonts.toStdString();
}

// Screens of 96, 120 and 144 pixels per inch: the page is recorded in the
// screen's pixels, the text stays 10 points and the page A4.
class PdfOnAScreen : public ReportOutputTest, public ::testing::WithParamInterface<int> {};

TEST_P(PdfOnAScreen, TextIsTenPointsAndTheHeaderWhereItBelongs) {
    const int ppi = GetParam();
    const QString pdf = Path(QStringLiteral("a.pdf"));
    QString error;
    ASSERT_TRUE(WritePdf(SampleReport(), pdf, ppi, &error)) << error.toStdString();
    const std::vector<Word> words = PdfWords(pdf);
    // "Obliczenia" (header line 2) is 10 characters of 6 points.
    const Word* w = FindWord(words, QStringLiteral("Obliczenia"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->xMax - w->xMin, 60.0, 0.3);
    // At x = 6.7 mm: Round(67 / 254 × ppi) screen pixels (25 at 96 ppi, 18.75 points).
    EXPECT_NEAR(w->xMin, std::nearbyint(67 / 254.0 * ppi) * 72 / ppi, 0.2);
    // Everything on the A4 page.
    for (const Word& word : words) {
        EXPECT_LT(word.xMax, 595.3) << word.text.toStdString();
        EXPECT_LT(word.yMax, 841.9) << word.text.toStdString();
    }
    EXPECT_TRUE(PdfInfo(pdf).contains(QStringLiteral("(A4)")));
}

INSTANTIATE_TEST_SUITE_P(Report, PdfOnAScreen, ::testing::Values(96, 120, 144));

TEST_F(ReportOutputTest, PdfOnePageHasNoFooterAndOneCallForItsPage) {
    const QString pdf = Path(QStringLiteral("one.pdf"));
    QString error;
    ASSERT_TRUE(WritePdf(OnePageSample(), pdf, 96, &error));
    EXPECT_EQ(calls,
              (std::vector<QString>{QStringLiteral("BeginDoc"), QStringLiteral("SetPage"),
                                    QStringLiteral("PrintPageM"), QStringLiteral("EndDoc")}));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("m: 14342.5 kg/h")));
    EXPECT_FALSE(text.contains(QStringLiteral("Str.")));
    EXPECT_EQ(Dane::ReportY, 290);
    EXPECT_EQ(Dane::ReportStep, 45);
}

TEST_F(ReportOutputTest, SaveDialogAsTheWindowAsks) {
    Dane::PrintMode = Dane::CreatePdf;
    Content r = OnePageSample();
    r.saveDialogTitle = Content::SaveTitleImperative();
    SaveAs(Path(QStringLiteral("wynik")));
    EXPECT_EQ(Output(nullptr, r), Outcome::PdfWritten);
    EXPECT_EQ(saveTitle, QStringLiteral("Zapisz wyniki obliczeń w pliku PDF"));
    EXPECT_EQ(saveFilters, QStringList{QStringLiteral("Pliki PDF (*.pdf)")});
    EXPECT_EQ(saveSuffix, QStringLiteral("pdf"));
    EXPECT_EQ(saveAccept, QFileDialog::AcceptSave);
    EXPECT_FALSE(saveOverwriteAsks);
    // The default extension is added.
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("wynik.pdf"))).isFile());
}

TEST_F(ReportOutputTest, CancelledSaveDialogWritesNothing) {
    Dane::PrintMode = Dane::CreatePdf;
    onModal = [](QDialog*) { return int(QDialog::Rejected); };
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Cancelled);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(QDir(work).isEmpty());
}

TEST_F(ReportOutputTest, UnwritableTargetWarnsAndLeavesNoFile) {
    Dane::PrintMode = Dane::CreatePdf;
    // A "folder" that is a file: not even root can write there.
    QFile blocker(Path(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString pdf = Path(QStringLiteral("plik/raport.pdf"));
    SaveAs(pdf);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, PdfWriteMessage(pdf));
    EXPECT_EQ(warnings[0].caption, QStringLiteral("Uwaga!"));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(QDir(work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("plik")});
}

TEST_F(ReportOutputTest, ExistingFileSurvivesAFailedWrite) {
    const QString pdf = Path(QStringLiteral("stary.pdf"));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the report of yesterday");
    old.close();

    PdfLibrary library;
    ASSERT_TRUE(library.Load());
    ASSERT_EQ(library.BeginDoc(pdf), DspdfOk);
    ASSERT_EQ(library.SetPage(2, 0, 0, 0), DspdfOk);
    EXPECT_EQ(library.PrintPageM(RecordPdfPage(OnePageSample(), 1, 96)), DspdfOk);
    ASSERT_EQ(library.NewPage(), DspdfOk);
    EXPECT_EQ(library.PrintPageM(QByteArray("not a recorded page")), DspdfPage);
    EXPECT_EQ(library.EndDoc(), DspdfFailed);

    EXPECT_EQ(ReadAll(pdf), QByteArray("the report of yesterday"));
    // No temporary file left beside it.
    EXPECT_EQ(QDir(work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("stary.pdf")});
}

TEST_F(ReportOutputTest, ExistingFileIsReplacedByASuccessfulWrite) {
    const QString pdf = Path(QStringLiteral("stary.pdf"));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the report of yesterday");
    old.close();
    QString error;
    ASSERT_TRUE(WritePdf(SampleReport(), pdf, 96, &error));
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF-"));
    EXPECT_EQ(QDir(work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("stary.pdf")});
}

// A target that exists and is no regular file (a pipe, a folder) is refused
// and left as it is, from the save dialog too; a symbolic link is written
// through and stays a link, a dangling one included.
TEST_F(ReportOutputTest, TargetsThatAreNoRegularFileAreLeftAlone) {
    QFile real(Path(QStringLiteral("real.pdf")));
    ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    real.write("the report of yesterday");
    real.close();
    ASSERT_EQ(mkfifo(QFile::encodeName(Path(QStringLiteral("pipe.pdf"))).constData(), 0644), 0);
    ASSERT_TRUE(QDir(work).mkdir(QStringLiteral("folder.pdf")));
    ASSERT_TRUE(QFile::link(QStringLiteral("real.pdf"), Path(QStringLiteral("link.pdf"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("gone.pdf"), Path(QStringLiteral("dangling.pdf"))));

    const struct {
        const char* target;
        const char* writes; // the file the PDF lands in; nullptr: refused
    } cases[] = {
        {"pipe.pdf", nullptr},
        {"folder.pdf", nullptr},
        {"link.pdf", "real.pdf"},
        {"dangling.pdf", "gone.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const QString target = Path(QString::fromLatin1(c.target));
        QString error;
        EXPECT_EQ(WritePdf(SampleReport(), target, 96, &error), c.writes != nullptr);
        if (c.writes) {
            EXPECT_TRUE(ReadAll(Path(QString::fromLatin1(c.writes))).startsWith("%PDF-"));
            EXPECT_TRUE(QFileInfo(target).isSymLink());
        } else {
            EXPECT_EQ(error, PdfWriteMessage(target));
        }
    }
    // The window's save dialog takes the same way.
    Dane::PrintMode = Dane::CreatePdf;
    SaveAs(Path(QStringLiteral("pipe.pdf")));
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{PdfWriteMessage(Path(QStringLiteral("pipe.pdf")))});

    struct stat pipe;
    ASSERT_EQ(stat(QFile::encodeName(Path(QStringLiteral("pipe.pdf"))).constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    EXPECT_TRUE(QDir(Path(QStringLiteral("folder.pdf"))).isEmpty());
    // No temporary file left behind.
    EXPECT_EQ(QDir(work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              (QStringList{"dangling.pdf", "folder.pdf", "gone.pdf", "link.pdf", "pipe.pdf",
                           "real.pdf"}));
}

struct OrderCase {
    const char* name;
    std::function<int(PdfLibrary&, const QString& pdf)> calls; // returns the last call's result
    int result;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.name;
}

class ComponentOrder : public ReportOutputTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(ComponentOrder, RefusesCallsOutOfOrderAndWritesNothing) {
    PdfLibrary library;
    ASSERT_TRUE(library.Load());
    const QString pdf = Path(QStringLiteral("x.pdf"));
    EXPECT_EQ(GetParam().calls(library, pdf), GetParam().result);
    library.EndDoc();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(QDir(work).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Report, ComponentOrder,
    ::testing::Values(OrderCase{"EndDocFirst",
                                [](PdfLibrary& l, const QString&) { return l.EndDoc(); },
                                DspdfOrder},
                      OrderCase{"PageBeforeSetPage",
                                [](PdfLibrary& l, const QString& pdf) {
                                    l.BeginDoc(pdf);
                                    return l.PrintPageM(RecordPdfPage(OnePageSample(), 1, 96));
                                },
                                DspdfOrder},
                      OrderCase{"NewPageBeforeAPage",
                                [](PdfLibrary& l, const QString& pdf) {
                                    l.BeginDoc(pdf);
                                    l.SetPage(2, 0, 0, 0);
                                    return l.NewPage();
                                },
                                DspdfOrder},
                      OrderCase{"TwoPicturesOnOnePage",
                                [](PdfLibrary& l, const QString& pdf) {
                                    l.BeginDoc(pdf);
                                    l.SetPage(2, 0, 0, 0);
                                    l.PrintPageM(RecordPdfPage(OnePageSample(), 1, 96));
                                    return l.PrintPageM(RecordPdfPage(OnePageSample(), 1, 96));
                                },
                                DspdfOrder},
                      OrderCase{"NoPage",
                                [](PdfLibrary& l, const QString& pdf) {
                                    l.BeginDoc(pdf);
                                    l.SetPage(2, 0, 0, 0);
                                    return l.EndDoc();
                                },
                                DspdfNoPages},
                      OrderCase{"EmptyPage",
                                [](PdfLibrary& l, const QString& pdf) {
                                    l.BeginDoc(pdf);
                                    l.SetPage(2, 0, 0, 0);
                                    return l.PrintPageM(QByteArray());
                                },
                                DspdfPage}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

TEST_F(ReportOutputTest, ComponentThatCannotBeLoadedWarnsAndWritesNothing) {
    Dane::PrintMode = Dane::CreatePdf;
    Dane::ProgramDir = BitmapsOnlyDir();
    const QString pdf = Path(QStringLiteral("raport.pdf"));
    SaveAs(pdf);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{PdfLibraryMessage(Dane::ProgramDir + "libdspdf.so")});
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(ReportOutputTest, ComponentWithoutAnEntryPointIsNotUsed) {
    // A library that loads but is not the component.
    Dane::ProgramDir = BitmapsOnlyDir();
    QFile::link(QStringLiteral("/lib/x86_64-linux-gnu/libz.so.1"),
                Dane::ProgramDir + QStringLiteral("libdspdf.so"));
    if (!QFileInfo::exists(Dane::ProgramDir + QStringLiteral("libdspdf.so")))
        GTEST_SKIP() << "no libz.so.1 to stand in";
    QString error;
    EXPECT_FALSE(WritePdf(SampleReport(), Path(QStringLiteral("r.pdf")), 96, &error));
    EXPECT_EQ(error, PdfLibraryMessage(Dane::ProgramDir + "libdspdf.so"));
    EXPECT_TRUE(calls.empty());
}

TEST_F(ReportOutputTest, MissingPdfBitmapEndsTheReportAndTheNextOneWorks) {
    Dane::PrintMode = Dane::CreatePdf;
    const QString build = Dane::ProgramDir;
    Dane::ProgramDir = BitmapsOnlyDir(QStringLiteral("Res_008.bmp"));
    const QString pdf = Path(QStringLiteral("raport.pdf"));
    SaveAs(pdf);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{MissingBitmapMessage(Dane::ProgramDir + "Res_008.bmp")});
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(calls.empty());

    Dane::ProgramDir = build;
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::PdfWritten);
    EXPECT_TRUE(QFileInfo(pdf).isFile());
}

TEST_F(ReportOutputTest, UnreadableBitmapCountsAsMissing) {
    Dane::ProgramDir = BitmapsOnlyDir(QStringLiteral("Res_003.bmp"));
    QFile broken(Dane::ProgramDir + QStringLiteral("Res_003.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really");
    broken.close();
    QString error;
    EXPECT_FALSE(WritePdf(OnePageSample(), Path(QStringLiteral("r.pdf")), 96, &error));
    EXPECT_EQ(error, MissingBitmapMessage(Dane::ProgramDir + "Res_003.bmp"));
}

// ---- printer path ----------------------------------------------------------------

TEST_F(ReportOutputTest, PrinterTwoPages) {
    const QString out = Path(QStringLiteral("druk.pdf"));
    PrintTo(out);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Printed);
    EXPECT_EQ(modalsShown, std::vector<QString>{QStringLiteral("PrintDialog")});
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(cards.empty()); // print mode 0
    EXPECT_TRUE(PdfInfo(out).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString one = PdfText(out, 1);
    const QString two = PdfText(out, 2);
    EXPECT_TRUE(one.contains(QStringLiteral("KALMO wersja 7.00")));
    EXPECT_TRUE(
        one.contains(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA")));
    // The printer keeps the K2 block on page 1.
    EXPECT_TRUE(one.contains(QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień")));
    EXPECT_TRUE(one.contains(QStringLiteral("Str. 1/2")));
    EXPECT_TRUE(two.contains(QStringLiteral("KALMO wersja 7.00")));
    EXPECT_TRUE(two.contains(QStringLiteral("m: 2013.2 kg/h")));
    EXPECT_TRUE(two.contains(QStringLiteral("Str. 2/2")));
    EXPECT_EQ(Dane::ReportStep, 100);
    EXPECT_EQ(Dane::ReportY, 20);
}

TEST_F(ReportOutputTest, PrinterOnePageHasItsFooter) {
    const QString out = Path(QStringLiteral("druk.pdf"));
    PrintTo(out);
    EXPECT_EQ(Output(nullptr, OnePageSample()), Outcome::Printed);
    EXPECT_TRUE(PdfText(out).contains(QStringLiteral("Str. 1/1")));
}

TEST_F(ReportOutputTest, PrinterIsDrivenAt600Dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path(QStringLiteral("druk.pdf")));
    QString error;
    ASSERT_TRUE(PrintOn(printer, OnePageSample(), &error));
    EXPECT_EQ(printer.resolution(), 600);
    // Header line 1 at x 160 device pixels: 19.2 points whatever the printer.
    const Word* kalmo = nullptr;
    const std::vector<Word> words = PdfWords(Path(QStringLiteral("druk.pdf")));
    kalmo = FindWord(words, QStringLiteral("KALMO"));
    ASSERT_NE(kalmo, nullptr);
    const double margin = printer.pageLayout().paintRectPoints().left();
    EXPECT_NEAR(kalmo->xMin - margin, (160 + 26 * 50) * 72.0 / 600, 0.2);
    EXPECT_NEAR(FindWord(words, QStringLiteral("Obliczenia"))->xMax -
                    FindWord(words, QStringLiteral("Obliczenia"))->xMin,
                60.0, 0.3);
}

TEST_F(ReportOutputTest, PageIsTheSameOnA1200DpiDevice) {
    // A device that stays at 1200 dpi gets the painter scaled: same page.
    const Content r = SampleReport();
    Images images;
    ASSERT_TRUE(LoadImages(FilesOf(r, false), images, nullptr));
    std::vector<std::vector<Word>> results;
    for (int dpi : {600, 1200}) {
        const QString file = Path(QStringLiteral("page%1.pdf").arg(dpi));
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(dpi);
        QPainter painter(&writer);
        PaintPage(painter, PrinterPage(r, 1, QSize(4960, 7016)), images, PrinterDpi);
        painter.end();
        results.push_back(PdfWords(file));
    }
    ASSERT_EQ(results[0].size(), results[1].size());
    ASSERT_FALSE(results[0].empty());
    for (size_t i = 0; i < results[0].size(); ++i) {
        EXPECT_EQ(results[0][i].text, results[1][i].text);
        EXPECT_NEAR(results[0][i].xMin, results[1][i].xMin, 0.05);
        EXPECT_NEAR(results[0][i].yMin, results[1][i].yMin, 0.05);
        EXPECT_NEAR(results[0][i].xMax, results[1][i].xMax, 0.05);
    }
}

TEST_F(ReportOutputTest, PrintingTwiceGivesTheSamePages) {
    std::vector<std::vector<Word>> results;
    for (const char* name : {"first.pdf", "second.pdf"}) {
        PrintTo(Path(QString::fromLatin1(name)));
        EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Printed);
        results.push_back(PdfWords(Path(QString::fromLatin1(name))));
    }
    ASSERT_EQ(results[0].size(), results[1].size());
    for (size_t i = 0; i < results[0].size(); ++i) {
        EXPECT_EQ(results[0][i].text, results[1][i].text);
        EXPECT_DOUBLE_EQ(results[0][i].xMin, results[1][i].xMin);
        EXPECT_DOUBLE_EQ(results[0][i].yMin, results[1][i].yMin);
    }
}

TEST_F(ReportOutputTest, MissingPrinterBitmapPrintsNothingAndTheNextReportPrints) {
    const QString build = Dane::ProgramDir;
    Dane::ProgramDir = BitmapsOnlyDir(QStringLiteral("008.bmp"));
    const QString out = Path(QStringLiteral("druk.pdf"));
    PrintTo(out);
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{MissingBitmapMessage(Dane::ProgramDir + "008.bmp")});
    EXPECT_FALSE(QFileInfo::exists(out));

    Dane::ProgramDir = build;
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Printed);
    EXPECT_TRUE(PdfText(out).contains(QStringLiteral("Str. 2/2")));
}

TEST_F(ReportOutputTest, PrinterThatCannotStartWarnsAndPrintsNoCard) {
    Dane::PrintMode = Dane::PrintResultsAndCard;
    QFile blocker(Path(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrintTo(Path(QStringLiteral("plik/druk.pdf")));
    EXPECT_EQ(Output(nullptr, SampleReport()), Outcome::Failed);
    EXPECT_EQ(WarningTexts(), std::vector<QString>{PrinterFailedMessage()});
    EXPECT_TRUE(cards.empty());
}

// ---- catalogue card -----------------------------------------------------------------

struct CardModeCase {
    const char* name;
    int mode;
    bool accept;
    bool card;
};
void PrintTo(const CardModeCase& c, std::ostream* os) {
    *os << c.name;
}
class CardAfterReport : public ReportOutputTest,
                        public ::testing::WithParamInterface<CardModeCase> {};

TEST_P(CardAfterReport, OnlyInModeOneAfterAPrintedReport) {
    Dane::PrintMode = GetParam().mode;
    const QString out = Path(QStringLiteral("out.pdf"));
    if (!GetParam().accept)
        onModal = [](QDialog*) { return int(QDialog::Rejected); };
    else if (GetParam().mode == Dane::CreatePdf)
        SaveAs(out);
    else
        PrintTo(out);
    Output(nullptr, SampleReport());
    if (GetParam().card)
        EXPECT_EQ(cards,
                  std::vector<QString>{Dane::ProgramDir + "karta_40_50_zesp_bezp_092k8.pdf"});
    else
        EXPECT_TRUE(cards.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Report, CardAfterReport,
    ::testing::Values(CardModeCase{"Mode0", Dane::PrintResults, true, false},
                      CardModeCase{"Mode1", Dane::PrintResultsAndCard, true, true},
                      CardModeCase{"Mode1Cancelled", Dane::PrintResultsAndCard, false, false},
                      CardModeCase{"Mode2", Dane::CreatePdf, true, false}),
    [](const ::testing::TestParamInfo<CardModeCase>& info) { return info.param.name; });

TEST_F(ReportOutputTest, CardOfTheReportsValveNotOfTheLastChoice) {
    Dane::PrintMode = Dane::PrintResultsAndCard;
    Dane::CardIndex = 0; // a capacity window chose "SV10" last
    PrintTo(Path(QStringLiteral("out.pdf")));
    Output(nullptr, SampleReport());
    EXPECT_EQ(cards, std::vector<QString>{Dane::ProgramDir + "karta_40_50_zesp_bezp_092k8.pdf"});
}

TEST_F(ReportOutputTest, CardOfTheLastChoiceWhenTheReportNamesNoType) {
    Dane::PrintMode = Dane::PrintResultsAndCard;
    Dane::CardIndex = 2;
    Content r = OnePageSample();
    r.valveType.clear();
    PrintTo(Path(QStringLiteral("out.pdf")));
    Output(nullptr, r);
    EXPECT_EQ(cards,
              std::vector<QString>{Dane::ProgramDir + "karta_SV30new_armatura_zabezp_072k11.pdf"});
}

TEST_F(ReportOutputTest, CardOutsideTheTableOrMissingPrintsNothing) {
    PrintCard(-1);
    PrintCard(6);
    Dane::ProgramDir = Path(QStringLiteral("empty/"));
    PrintCard(0);
    EXPECT_TRUE(cards.empty());
}

TEST_F(ReportOutputTest, CardGoesToLpDetachedWithoutAWindow) {
    // A stand-in "lp" on the PATH that notes its arguments.
    SetCardPrinter(nullptr);
    const QString bin = Path(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString note = Path(QStringLiteral("lp.args"));
    QFile lp(bin + QStringLiteral("/lp"));
    ASSERT_TRUE(lp.open(QIODevice::WriteOnly));
    lp.write(
        QStringLiteral("#!/bin/sh\necho \"$@\" > %1.tmp && mv %1.tmp %1\n").arg(note).toUtf8());
    lp.close();
    lp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ":" + path);
    PrintCard(1);
    qputenv("PATH", path);
    for (int i = 0; i < 200 && !QFileInfo::exists(note); ++i)
        QThread::msleep(50);
    EXPECT_EQ(ReadAll(note), (Dane::ProgramDir + "karta_SV20_zawor_bezp_102k11.pdf\n").toUtf8());
}

TEST_F(ReportOutputTest, CardWithoutAPrintServiceIsSilent) {
    SetCardPrinter(nullptr);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", Path(QStringLiteral("nowhere")).toLocal8Bit());
    PrintCard(0);
    qputenv("PATH", path);
    EXPECT_TRUE(warnings.empty());
}

// ---- the print preview ---------------------------------------------------------

namespace {

// One report of each family: the water capacity window's (one page) and the
// water-water exchanger's selection (its valve found in the build's SV20 file).
struct PreviewCase {
    const char* family;
    std::function<Content()> report;
};
const PreviewCase kPreviewCases[] = {
    {"Capacity", WaterCapacityReport},
    {"Selection",
     [] {
         TWymiennikData s;
         s.NetworkPressure = 16;
         s.PermissiblePressure = 4;
         s.ValveType = QStringLiteral("SV20");
         s.SetPressure = 4;
         s.CoilExchanger = false;
         s.CoilDiameter = 20;
         s.ValveCount = 3;
         s.InstallationVolume = 2;
         EXPECT_TRUE(Calculation<TWymiennikData>::Oblicz(s).Succeeded());
         return Calculation<TWymiennikData>::Print(s).value();
     }},
};

void PrintTo(const PreviewCase& c, std::ostream* os) {
    *os << c.family;
}

class PreviewOfTheReport : public ReportOutputTest,
                           public ::testing::WithParamInterface<PreviewCase> {};

} // namespace

// The preview draws the printer path: its pages, drawn onto a printer that
// writes a PDF file, are those PrintOn prints, page for page.
TEST_P(PreviewOfTheReport, ShowsThePagesOfThePrinterPath) {
    const Content content = GetParam().report();
    const auto pdfPrinter = [](QPrinter& printer, const QString& file) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    };
    QPrinter printed(QPrinter::HighResolution);
    pdfPrinter(printed, Path("printed.pdf"));
    QString error;
    ASSERT_TRUE(PrintOn(printed, content, &error)) << error.toStdString();

    int previewPages = 0;
    onModal = [&](QDialog* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        EXPECT_NE(preview, nullptr);
        if (!preview)
            return int(QDialog::Rejected);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        pages->updatePreview();
        previewPages = pages->pageCount();
        QPrinter shown(QPrinter::HighResolution);
        pdfPrinter(shown, Path("previewed.pdf"));
        emit preview->paintRequested(&shown);
        return int(QDialog::Rejected);
    };
    EXPECT_EQ(Preview(nullptr, content, true), Outcome::Cancelled);
    EXPECT_EQ(modalsShown, std::vector<QString>{QStringLiteral("PrintPreview")});
    EXPECT_EQ(previewPages, content.PrinterPages());
    for (int page = 1; page <= content.PrinterPages() + 1; ++page)
        EXPECT_EQ(PdfText(Path("previewed.pdf"), page), PdfText(Path("printed.pdf"), page))
            << "page " << page;
    EXPECT_TRUE(cards.empty()) << "closed without printing: no card";
}

// Its print button prints whatever the print mode; the card follows in mode 1.
TEST_P(PreviewOfTheReport, PrintedFromThePreviewTheCardFollowsWhenAsked) {
    for (bool withCard : {false, true}) {
        cards.clear();
        onModal = [](QDialog*) { return int(QDialog::Accepted); };
        EXPECT_EQ(Preview(nullptr, GetParam().report(), withCard), Outcome::Printed);
        EXPECT_EQ(cards.size(), withCard ? 1u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, PreviewOfTheReport, ::testing::ValuesIn(kPreviewCases),
                         [](const auto& info) { return std::string(info.param.family); });

TEST_F(ReportOutputTest, PreviewWithAMissingBitmapShowsNothingAndSaysWhich) {
    Dane::ProgramDir = BitmapsOnlyDir(LogoFile(false));
    EXPECT_EQ(Preview(nullptr, OnePageSample(), true), Outcome::Failed);
    EXPECT_TRUE(modalsShown.empty());
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{MissingBitmapMessage(Dane::ProgramDir + LogoFile(false))});
}
