#include "app/Messages.h"
#include "report/ReportOutput.h"
#include "report/ReportPainter.h"

#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace Report {

Outcome Preview(QWidget* window, const Content& content, bool withCard) {
    // As on paper: no page is shown without every bitmap at hand.
    Images images;
    QString failed;
    if (!LoadImages(FilesOf(content, false), images, &failed)) {
        Messages::Warning(window, MissingBitmapMessage(failed));
        return Outcome::Failed;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, window);
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("PrintPreview"));

    // The same slot draws the preview's pages and, after the dialog's print
    // button and its print dialog, the printed ones; the last drawing decides.
    QString error;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&content, &error](QPrinter* target) {
                         error.clear();
                         PrintOn(*target, content, &error);
                     });
    // The dialog closes with "accepted" only after it printed.
    if (Messages::ExecModal(&dialog, window) != QDialog::Accepted)
        return Outcome::Cancelled;
    if (!error.isEmpty()) {
        Messages::Warning(window, error);
        return Outcome::Failed;
    }
    if (withCard)
        PrintCard(CardOf(content));
    return Outcome::Printed;
}

} // namespace Report
