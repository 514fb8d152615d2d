#pragma once
// The page geometry of the reports: what is drawn where on one page of either
// output path, as a list of drawing operations that the renderers play and the
// tests read.
//
// Printer path: device pixels of a 600-dpi page, origin at the top left of the
// printable area. The layout was drawn for 600 dpi: its horizontal positions and
// bitmap boxes are fixed pixels, so every printer is driven at 600 dpi (or its
// painter scaled to it) and a page always looks the same.
// PDF path: pixels of the reporting window's screen; every length of the page
// is given in tenths of a millimetre and scaled on its own by Round(value / 254
// × pixels per inch).

#include "report/Report.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace Report {

// The report font: "Courier New", 10 points.
constexpr int FontPoints = 10;
// The resolution the printer layout is made for.
constexpr int PrinterDpi = 600;

// Printer line step: font size × 10 = 100 pixels on a page at least 3500 pixels
// high, otherwise font size × 5 = 50 (about 4.2 mm at 600 and 300 dpi).
int PrinterLineStep(int pageHeight);
// Printer body origin: font size × 2 = 20 pixels.
int PrinterOrigin();

// The PDF grid: body origin 290 and step 45 tenths of a millimetre, the title at 230.
constexpr int PdfOrigin = 290;
constexpr int PdfStep = 45;
constexpr int PdfTitleY = 230;

struct Op {
    enum class Kind {
        Text,  // `text` with the top left of its first character cell at rect.topLeft()
        Frame, // the rectangle outline from rect.topLeft() to rect.bottomRight() inclusive
        Image, // `file` stretched into rect, or at its own pixel size when rect has no size
    };
    Kind kind = Kind::Text;
    QRect rect;
    QString text;
    bool bold = false;
    QString file; // an image's file name in the program directory

    bool operator==(const Op& o) const {
        return kind == o.kind && rect == o.rect && text == o.text && bold == o.bold &&
               file == o.file;
    }
};

struct Page {
    int reportY = 0;    // the body origin the page was laid out with
    int reportStep = 0; // ... and the line step
    std::vector<Op> ops;

    // The texts of the page in drawing order.
    std::vector<QString> Texts() const;
};

// Page `page` (1-based) of the printer path on a printable area of `pageSize`
// pixels at 600 dpi: header frame, three header lines and logo, the page's body
// in the order of the content, and the footer "Str. page/pages".
Page PrinterPage(const Content& content, int page, QSize pageSize);

// Page `page` of the PDF path for a screen of `pixelsPerInch`: header, the
// page's body, and the footer when the PDF has two pages (or the content asks
// for one on a single page).
Page PdfPage(const Content& content, int page, int pixelsPerInch);

} // namespace Report
