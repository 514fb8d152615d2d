#include "report/ReportPainter.h"

#include "data/Dane.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

namespace Report {

QFont ReportFont() {
    static const bool substitutesSet = [] {
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("Nimbus Mono PS"), QStringLiteral("FreeMono")});
        return true;
    }();
    Q_UNUSED(substitutesSet);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(FontPoints);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool LoadImages(const std::vector<QString>& files, Images& images, QString* failedPath) {
    for (const QString& file : files) {
        if (images.count(file))
            continue;
        const QString path = Dane::ProgramDir + file;
        QImageReader reader(path);
        QImage image = reader.read();
        if (image.isNull()) {
            if (failedPath)
                *failedPath = path;
            return false;
        }
        images.emplace(file, std::move(image));
    }
    return true;
}

namespace {

// A font given in pixels is whole pixels. 10 points are 5/36 × units-per-inch
// layout units, rarely a whole number (13.33 at 96 dpi, which a picture would
// round to 13 and so print 9.75 points), so text is set at `factor` times that
// size through a painter scaled down by the same factor.
int TextFactor(int unitsPerInch) {
    int factor = 1;
    while ((factor * FontPoints * unitsPerInch) % 72 != 0)
        ++factor;
    return factor;
}

} // namespace

void PaintPage(QPainter& painter, const Page& page, const Images& images, int unitsPerInch) {
    painter.save();
    const QPaintDevice* device = painter.device();
    painter.scale(qreal(device->logicalDpiX()) / unitsPerInch,
                  qreal(device->logicalDpiY()) / unitsPerInch);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);

    const int factor = TextFactor(unitsPerInch);
    QFont regular = ReportFont();
    regular.setPixelSize(factor * FontPoints * unitsPerInch / 72);
    QFont bold = regular;
    bold.setBold(true);
    const qreal ascent = QFontMetricsF(regular).ascent();
    const qreal boldAscent = QFontMetricsF(bold).ascent();

    for (const Op& op : page.ops) {
        switch (op.kind) {
        case Op::Kind::Text:
            painter.save();
            painter.translate(op.rect.topLeft());
            painter.scale(1.0 / factor, 1.0 / factor);
            painter.setFont(op.bold ? bold : regular);
            painter.drawText(QPointF(0, op.bold ? boldAscent : ascent), op.text);
            painter.restore();
            break;
        case Op::Kind::Frame:
            // Outline pixels from the top left to the bottom right corner, both included.
            painter.drawRect(QRect(op.rect.topLeft(), op.rect.size() - QSize(1, 1)));
            break;
        case Op::Kind::Image: {
            const QImage& image = images.at(op.file);
            if (op.rect.isEmpty())
                painter.drawImage(op.rect.topLeft(), image);
            else
                painter.drawImage(op.rect, image);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace Report
