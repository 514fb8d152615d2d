#include "report/ReportOutput.h"

#include "app/Messages.h"
#include "data/Dane.h"
#include "report/Layout.h"
#include "report/PdfLibrary.h"
#include "report/PrintService.h"
#include "report/ReportPainter.h"
#include "valves/Catalogue.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <vector>

namespace Report {

namespace {

CardPrinter& CardPrinterHandler() {
    static CardPrinter handler;
    return handler;
}

int ScreenPixelsPerInch(const QWidget* window) {
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QByteArray Record(const Content& content, int page, int pixelsPerInch, const Images& images) {
    const Page laid = PdfPage(content, page, pixelsPerInch);
    if (page == 1) {
        Dane::ReportY = laid.reportY;
        Dane::ReportStep = laid.reportStep;
    }
    QPicture picture;
    QPainter painter(&picture);
    PaintPage(painter, laid, images, pixelsPerInch);
    painter.end();
    return QByteArray(picture.data(), static_cast<int>(picture.size()));
}

// The printable area in pixels of the 600-dpi layout.
QSize LayoutPageSize(const QPrinter& printer) {
    return QSize(qRound(printer.width() * qreal(PrinterDpi) / printer.logicalDpiX()),
                 qRound(printer.height() * qreal(PrinterDpi) / printer.logicalDpiY()));
}

} // namespace

Outcome Output(QWidget* window, const Content& content) {
    if (Dane::PrintMode == Dane::CreatePdf)
        return SavePdf(window, content);
    return Print(window, content, Dane::PrintMode == Dane::PrintResultsAndCard);
}

void SetUpPrinter(QPrinter& printer, const QWidget* window) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (window)
        printer.setDocName(QStringLiteral("KALMO - ") + window->windowTitle().trimmed());
}

Outcome Print(QWidget* window, const Content& content, bool withCard) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, window);
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (Messages::ExecModal(&dialog, window) != QDialog::Accepted)
        return Outcome::Cancelled;
    QString error;
    if (!PrintOn(printer, content, &error)) {
        Messages::Warning(window, error);
        return Outcome::Failed;
    }
    // The card of the report's own valve, after the report's job has ended.
    if (withCard)
        PrintCard(CardOf(content));
    return Outcome::Printed;
}

bool PrintOn(QPrinter& printer, const Content& content, QString* error) {
    // The layout's pixels are 600-dpi pixels; a printer that keeps another
    // resolution gets its painter scaled to it.
    printer.setResolution(PrinterDpi);
    Images images;
    QString failed;
    if (!LoadImages(FilesOf(content, false), images, &failed)) {
        *error = MissingBitmapMessage(failed);
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = PrinterFailedMessage();
        return false;
    }
    const int pages = content.PrinterPages();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !printer.newPage()) {
            printer.abort();
            painter.end();
            *error = PrinterFailedMessage();
            return false;
        }
        const Page laid = PrinterPage(content, page, LayoutPageSize(printer));
        Dane::ReportY = laid.reportY;
        Dane::ReportStep = laid.reportStep;
        PaintPage(painter, laid, images, PrinterDpi);
    }
    if (!painter.end()) {
        *error = PrinterFailedMessage();
        return false;
    }
    return true;
}

Outcome SavePdf(QWidget* window, const Content& content) {
    QFileDialog dialog(window, content.saveDialogTitle);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Pliki PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (Messages::ExecModal(&dialog, window) != QDialog::Accepted)
        return Outcome::Cancelled;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return Outcome::Cancelled;
    QString error;
    if (!WritePdf(content, files.first(), ScreenPixelsPerInch(window), &error)) {
        Messages::Warning(window, error);
        return Outcome::Failed;
    }
    return Outcome::PdfWritten;
}

QByteArray RecordPdfPage(const Content& content, int page, int pixelsPerInch, QString* failedPath) {
    Images images;
    if (!LoadImages(FilesOf(content, true), images, failedPath))
        return QByteArray();
    return Record(content, page, pixelsPerInch, images);
}

bool WritePdf(const Content& content, const QString& path, int pixelsPerInch, QString* error) {
    Images images;
    QString failed;
    if (!LoadImages(FilesOf(content, true), images, &failed)) {
        *error = MissingBitmapMessage(failed);
        return false;
    }
    std::vector<QByteArray> pages;
    for (int page = 1; page <= content.PdfPages(); ++page)
        pages.push_back(Record(content, page, pixelsPerInch, images));

    PdfLibrary library;
    if (!library.Load()) {
        *error = PdfLibraryMessage(PdfLibrary::Path());
        return false;
    }
    if (library.BeginDoc(path) != DspdfOk) {
        *error = PdfWriteMessage(path);
        return false;
    }
    // Paper 2 (A4), portrait, no margins: the pages carry their own.
    bool ok = library.SetPage(2, 0, 0, 0) == DspdfOk;
    for (size_t i = 0; ok && i < pages.size(); ++i) {
        if (i > 0)
            ok = library.NewPage() == DspdfOk;
        ok = ok && library.PrintPageM(pages[i]) == DspdfOk;
    }
    // Always ended: after a failure it drops the unfinished file.
    ok = library.EndDoc() == DspdfOk && ok;
    if (!ok)
        *error = PdfWriteMessage(path);
    return ok;
}

void PrintCard(int cardIndex) {
    const QString file = Catalogue::CardFile(cardIndex);
    if (file.isEmpty())
        return;
    const QString path = Dane::ProgramDir + file;
    if (!QFileInfo(path).isFile())
        return;
    if (CardPrinterHandler()) {
        CardPrinterHandler()(path);
        return;
    }
    SendToPrintService(path);
}

void SetCardPrinter(CardPrinter printer) {
    CardPrinterHandler() = std::move(printer);
}

} // namespace Report
