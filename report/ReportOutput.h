#pragma once
// Producing a report. A window's print button checks that it has a result,
// builds the report's content (report/Report.h) and calls Output, which takes the
// path of the current print mode:
//  - modes 0 and 1: the print dialog, then the pages on the chosen printer at
//    600 dpi; in mode 1 the catalogue card of the report's valve follows;
//  - mode 2: the save dialog, then the pages recorded as pictures and written to
//    the chosen file through the PDF component.
// Every failure ends in a warning box ("Uwaga!") and leaves nothing half done:
// no print job is begun without every bitmap at hand, and a PDF file is put in
// place only when it is complete.

#include "report/Report.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace Report {

enum class Outcome {
    Printed,    // the pages went to the printer
    PdfWritten, // the PDF file is in place
    Cancelled,  // the print or save dialog was cancelled; nothing happened
    Failed,     // a warning box told why; nothing was printed or written
};

// The report in the current print mode. `window` owns the dialogs and the
// warning boxes, and its screen is the reference of the PDF pages.
Outcome Output(QWidget* window, const Content& content);

// The printer path: print dialog ("PrintDialog"), the pages, and the catalogue
// card when `withCard`. A cancelled dialog prints no card either.
Outcome Print(QWidget* window, const Content& content, bool withCard);

// The print preview ("PrintPreview": Qt's preview dialog in Polish, modal to
// `window` and above it): the pages of the printer path on an A4 printer, drawn
// by PrintOn. Its print button asks for a printer and prints them there,
// whatever the print mode, followed by the catalogue card when `withCard`.
// Printed when it printed; Cancelled when it was closed without printing;
// Failed when a bitmap is missing (nothing is shown then) or the printer failed.
Outcome Preview(QWidget* window, const Content& content, bool withCard);

// The PDF path: save dialog ("SaveDialog": the content's title, filter "Pliki
// PDF (*.pdf)", default suffix "pdf"; an existing file is replaced without a
// question), then WritePdf.
Outcome SavePdf(QWidget* window, const Content& content);

// The pages on a printer that is already set up (no dialog). The printer is
// driven at 600 dpi. False, with the message in *error, when a bitmap is
// missing or the printer fails; the job is then aborted.
bool PrintOn(QPrinter& printer, const Content& content, QString* error);

// A report's printer: A4 at the printer's resolution, the job named in the
// print queue by the window's caption.
void SetUpPrinter(QPrinter& printer, const QWidget* window);

// The PDF file without a dialog, pages recorded for a screen of `pixelsPerInch`.
// False, with the message in *error, when a bitmap is missing, the PDF component
// cannot be loaded or the file cannot be written.
bool WritePdf(const Content& content, const QString& path, int pixelsPerInch, QString* error);

// The picture of PDF page `page`, serialised as the component takes it.
// Empty when a bitmap of the page is missing (its path in *failedPath).
QByteArray RecordPdfPage(const Content& content, int page, int pixelsPerInch,
                         QString* failedPath = nullptr);

// Prints catalogue card `cardIndex` (0 to 5) from the program directory through
// the system's print service (report/PrintService.h: detached, no window).
// Nothing happens, and nothing is shown, for an index outside 0 to 5, a missing
// card file or a failing print service.
void PrintCard(int cardIndex);

// Tests record the card instead of printing it; an empty function restores the
// print service.
using CardPrinter = std::function<void(const QString& cardPath)>;
void SetCardPrinter(CardPrinter printer);

} // namespace Report
