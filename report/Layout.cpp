#include "report/Layout.h"

#include "data/Convert.h"

namespace Report {

namespace {

Op TextOp(int x, int y, const QString& text, bool bold = false) {
    Op op;
    op.kind = Op::Kind::Text;
    op.rect = QRect(x, y, 0, 0);
    op.text = text;
    op.bold = bold;
    return op;
}

// The rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded, as
// the printer's rectangle call draws it.
Op FrameOp(int x1, int y1, int x2, int y2) {
    Op op;
    op.kind = Op::Kind::Frame;
    op.rect = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    return op;
}

Op ImageOp(const QRect& rect, const QString& file) {
    Op op;
    op.kind = Op::Kind::Image;
    op.rect = rect;
    op.file = file;
    return op;
}

} // namespace

int PrinterLineStep(int pageHeight) {
    return pageHeight >= 3500 ? FontPoints * 10 : FontPoints * 5;
}

int PrinterOrigin() {
    return FontPoints * 2;
}

std::vector<QString> Page::Texts() const {
    std::vector<QString> texts;
    for (const Op& op : ops)
        if (op.kind == Op::Kind::Text)
            texts.push_back(op.text);
    return texts;
}

Page PrinterPage(const Content& content, int page, QSize pageSize) {
    Page out;
    const int step = PrinterLineStep(pageSize.height());
    const int y0 = PrinterOrigin();
    out.reportY = y0;
    out.reportStep = step;

    out.ops.push_back(FrameOp(120, y0 + 40, 4720, y0 + 40 + 4 * step));
    out.ops.push_back(TextOp(160, y0 + 1 * step, HeaderLine1()));
    out.ops.push_back(TextOp(160, y0 + 2 * step, HeaderLine2()));
    out.ops.push_back(TextOp(160, y0 + 3 * step, HeaderLine3()));
    // The logo stretched into (4280, y0 + step) to (4697, y0 + step + 223).
    out.ops.push_back(ImageOp(QRect(4280, y0 + step, 4697 - 4280, 223), LogoFile(false)));

    for (const Element& e : content.elements) {
        if (e.printer.page != page)
            continue;
        const int y = y0 + e.printer.line * step;
        if (e.IsBitmap())
            out.ops.push_back(ImageOp(QRect(QPoint(120, y), e.box), BitmapFile(e.bitmap, false)));
        else
            out.ops.push_back(TextOp(120, y, e.text, e.bold));
    }

    out.ops.push_back(TextOp(pageSize.width() - 500, pageSize.height() - 250,
                             FooterText(page, content.PrinterPages())));
    return out;
}

Page PdfPage(const Content& content, int page, int pixelsPerInch) {
    const auto px = [pixelsPerInch](int tenthsOfMm) {
        return Convert::ScaleToPixels(tenthsOfMm, pixelsPerInch);
    };
    Page out;
    out.reportY = PdfOrigin;
    out.reportStep = PdfStep;

    out.ops.push_back(FrameOp(px(50), px(26), px(2050), px(200)));
    out.ops.push_back(TextOp(px(67), px(52), HeaderLine1()));
    out.ops.push_back(TextOp(px(67), px(96), HeaderLine2()));
    out.ops.push_back(TextOp(px(67), px(139), HeaderLine3()));
    out.ops.push_back(ImageOp(QRect(px(1783), px(52), 0, 0), LogoFile(true)));

    for (const Element& e : content.elements) {
        if (e.pdf.page != page)
            continue;
        const int y = e.pdf.pdfY >= 0 ? e.pdf.pdfY : PdfOrigin + PdfStep * e.pdf.line;
        if (e.IsBitmap())
            out.ops.push_back(ImageOp(QRect(px(50), px(y), 0, 0), BitmapFile(e.bitmap, true)));
        else
            out.ops.push_back(TextOp(px(50), px(y), e.text, e.bold));
    }

    const int pages = content.PdfPages();
    if (pages > 1 || content.pdfFooterOnOnePage)
        out.ops.push_back(TextOp(px(1850), px(PdfOrigin + 57 * PdfStep), FooterText(page, pages)));
    return out;
}

} // namespace Report
