#pragma once
// A report is data: the pages a calculation window prints, as its body lines and
// formula bitmaps with their places on the two output paths. A window's report
// routine builds one of these from its record and hands it to Report::Output
// (report/ReportOutput.h); the layout (report/Layout.h) and the renderers turn it
// into printed pages or a PDF file.
//
// The two paths have their own grids and may break the pages differently:
//  - printer: printer line n of a page stands at ReportY + n × ReportStep
//    (device pixels of a 600-dpi page, x = 120);
//  - PDF: PDF line k stands at 290 + 45 × k tenths of a millimetre (x = 50), and
//    a few elements take an absolute y instead, above all the title position
//    y = 230, where page 2 of a PDF puts its first line.
// An element may be drawn on one path only.

#include <QSize>
#include <QString>

#include <vector>

namespace Report {

// Where an element stands on one path.
struct Place {
    int page = 0;  // 1 or 2; 0 = not drawn on this path
    int line = 0;  // line of the page's grid
    int pdfY = -1; // PDF path: an absolute y [0.1 mm] instead of the line; -1 = use the line

    bool Drawn() const { return page > 0; }
    bool operator==(const Place& o) const {
        return page == o.page && line == o.line && pdfY == o.pdfY;
    }
};

// Line `line` of page `page` of the path's grid.
Place Line(int line, int page = 1);
// The PDF title position, y = 230: the title on page 1, the first line of page 2.
Place TitleY(int page = 1);
// A PDF position given as y in tenths of a millimetre.
Place PdfY(int y, int page = 1);
// Not drawn on this path.
Place Nowhere();

enum class Style { Normal, Bold };

struct Element {
    QString text;      // a body line: label, value and unit as one string; empty for a bitmap
    bool bold = false; // drawn in bold type
    int bitmap = 0;    // formula bitmap number 1 to 37; 0 for a text line
    QSize box;         // printer rectangle of a bitmap [600-dpi printer pixels], left edge at x 120
    Place printer;
    Place pdf;

    bool IsBitmap() const { return bitmap > 0; }
};

struct Content {
    // The report's title ("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA").
    QString title;
    // Type text of the report's own valve; it selects the catalogue card printed
    // after the report in print mode 1.
    QString valveType;
    // Title of the save dialog of the PDF path.
    QString saveDialogTitle = SaveTitle();
    // A one-page PDF normally has no footer; a few reports carry "Str. 1/1" there too.
    bool pdfFooterOnOnePage = false;
    std::vector<Element> elements;

    // The title line: printer line `printerLine` of page 1 and the PDF title position.
    void Title(const QString& text, int printerLine = 5);
    // A body line.
    void Text(Place printer, Place pdf, const QString& text, Style style = Style::Normal);
    // Formula bitmap `number`: on the printer "NNN.bmp" stretched into width ×
    // height printer pixels (a right edge E given for x 120 makes the width E − 120);
    // in the PDF "Res_NNN.bmp" at its own size.
    void Bitmap(Place printer, Place pdf, int number, int width, int height);

    // Pages of each path: the highest page an element is placed on, at least 1.
    int PrinterPages() const;
    int PdfPages() const;

    // The two save-dialog titles the windows use.
    static QString SaveTitle();           // "Zapis wyników obliczeń w pliku PDF"
    static QString SaveTitleImperative(); // "Zapisz wyniki obliczeń w pliku PDF"
};

// Header lines of every page.
QString HeaderLine1(); // "                          KALMO   wersja " + ProgramVersion
QString
HeaderLine2(); // "Obliczenia przepustowości zaworów bezpieczeństwa zgodnie z WUDT-UC-WO:10.2003"
QString HeaderLine3(); // the vendor's name, address and telephone

// "Str. 1/2".
QString FooterText(int page, int pages);

// File names in the program directory.
QString BitmapFile(int number, bool pdf); // "003.bmp" / "Res_003.bmp"
QString LogoFile(bool pdf);               // "prxlogo.bmp" / "Res_prxlogo.bmp"

// Every bitmap a path of the report draws, the logo first, each once.
std::vector<QString> FilesOf(const Content& content, bool pdf);

// The catalogue card of the report's valve: the card of its type text, or the
// last card chosen in a choice dialog (CardIndex) when the type matches none.
int CardOf(const Content& content);

// The report routines' messages.
QString NoDataMessage(); // "Nie wykonano obliczeń. Brak danych do wydruku!"
QString MissingBitmapMessage(const QString& path);
QString PrinterFailedMessage();
QString PdfLibraryMessage(const QString& libraryPath);
QString PdfWriteMessage(const QString& pdfPath);

} // namespace Report
