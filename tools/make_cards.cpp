// Writes the six catalogue cards ("karta_….pdf") into the program directory from
// the valve catalogue the calculations use, so a card always shows the values
// the program computes with: per valve type its sizes, flow diameters and
// areas, set pressures and certified discharge coefficients.
//
// Usage: make_cards <program directory>

#include "calc/Obliczenia.h"
#include "data/Convert.h"
#include "data/Vendor.h"
#include "valves/Catalogue.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Lengths in millimetres inside the 15 mm margins of an A4 page.
constexpr qreal kWidth = 180;
constexpr qreal kHeight = 267;

class Card {
public:
    // Without a painter the card only measures: it advances without drawing or
    // breaking pages.
    Card(QPdfWriter& writer, QPainter* painter) : writer_(writer), p_(painter) {
        if (p_)
            p_->setPen(QPen(Qt::black, Mm(0.2)));
    }

    qreal Height() const { return y_; }

    // Starts a new page unless `height` millimetres still fit on this one.
    void Keep(qreal height) { Room(std::min(height, kHeight)); }

    void Text(const QString& text, qreal points, bool bold = false, qreal indent = 0) {
        const QFont f = Font(points, bold);
        const qreal h = LineHeight(f);
        Room(h);
        if (p_) {
            p_->setFont(f);
            p_->drawText(Rect(indent, y_, kWidth - indent, h), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        }
        y_ += h;
    }

    void Space(qreal mm) { y_ += mm; }

    void Rule() {
        Room(2);
        if (p_)
            p_->drawLine(QPointF(0, Mm(y_ + 1)), QPointF(Mm(kWidth), Mm(y_ + 1)));
        y_ += 2;
    }

    // A table with a header row; the first column is wider.
    void Table(const QStringList& header, const std::vector<QStringList>& rows, qreal first) {
        const QFont body = Font(8.5, false);
        const QFont head = Font(8.5, true);
        const qreal h = LineHeight(body) + 1.2;
        const int cols = static_cast<int>(header.size());
        const qreal rest = (kWidth - first) / std::max(1, cols - 1);
        auto x = [&](int c) { return c == 0 ? 0.0 : first + rest * (c - 1); };
        auto w = [&](int c) { return c == 0 ? first : rest; };
        auto row = [&](const QStringList& cells, const QFont& font, bool shade) {
            Room(h);
            if (!p_) {
                y_ += h;
                return;
            }
            if (shade)
                p_->fillRect(Rect(0, y_, kWidth, h), QColor(0xe8, 0xec, 0xf4));
            p_->setFont(font);
            for (int c = 0; c < cols && c < cells.size(); ++c) {
                p_->drawRect(Rect(x(c), y_, w(c), h));
                p_->drawText(Rect(x(c) + 1, y_, w(c) - 2, h),
                             (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                             cells[c]);
            }
            y_ += h;
        };
        row(header, head, true);
        for (const QStringList& r : rows)
            row(r, body, false);
    }

private:
    static QFont Font(qreal points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // Millimetres in the writer's pixels.
    qreal Mm(qreal mm) const { return mm * writer_.resolution() / 25.4; }
    QRectF Rect(qreal x, qreal y, qreal w, qreal h) const {
        return QRectF(Mm(x), Mm(y), Mm(w), Mm(h));
    }

    // The height of a line of text [mm].
    qreal LineHeight(const QFont& f) const {
        return QFontMetricsF(f, &writer_).height() * 25.4 / writer_.resolution() + 0.6;
    }

    void Room(qreal h) {
        if (!p_ || y_ + h <= kHeight)
            return;
        writer_.newPage();
        y_ = 0;
    }

    QPdfWriter& writer_;
    QPainter* p_;
    qreal y_ = 0;
};

QString Number(double value, int decimals) {
    return Convert::FixedText(value, 0, decimals);
}

QString Alpha(double value) {
    return value > 0 ? Number(value, 2) : QStringLiteral("–");
}

void TypeSection(Card& card, const Catalogue::Type& type) {
    card.Text(QStringLiteral("Zawór bezpieczeństwa PRX ") + type.text, 13, true);
    card.Space(1);
    QStringList pressures;
    for (const QString& p : type.setPressureTexts)
        pressures << p;
    card.Text(QStringLiteral("Ciśnienia nastawy p [bar]: ") + pressures.join(QStringLiteral(", ")),
              9.5);
    card.Space(2);

    card.Text(QStringLiteral("Wielkości i kanał przepływowy"), 10, true);
    std::vector<QStringList> sizes;
    for (const Catalogue::Size& s : type.sizes)
        sizes.push_back(
            {s.text, s.flowDiameterText, Number(Obliczenia::FlowArea(s.flowDiameter), 2)});
    card.Table({QStringLiteral("Wielkość przyłącza"),
                QStringLiteral("Najmniejsza średnica kanału d [mm]"),
                QStringLiteral("Powierzchnia kanału A [mm2]")},
               sizes, 40);
    card.Space(3);

    // One table per coefficient: sizes down, set pressures across.
    struct Kind {
        const char* title;
        double Catalogue::Alphas::*value;
    };
    const Kind kinds[] = {
        {"Dopuszczony współczynnik wypływu dla par i gazów alfa", &Catalogue::Alphas::gas},
        {"Dopuszczony współczynnik wypływu dla cieczy alfac (przyrost ciśnienia 10 %)",
         &Catalogue::Alphas::liquid10},
        {"Dopuszczony współczynnik wypływu dla cieczy alfac (przyrost ciśnienia 25 %)",
         &Catalogue::Alphas::liquid25},
    };
    for (const Kind& kind : kinds) {
        card.Text(QString::fromUtf8(kind.title), 10, true);
        QStringList header{QStringLiteral("Wielkość \\ p [bar]")};
        for (const QString& p : type.setPressureTexts)
            header << p;
        std::vector<QStringList> rows;
        for (const Catalogue::Size& s : type.sizes) {
            QStringList row{s.text};
            for (const Catalogue::Alphas& a : s.alphas)
                row << Alpha(a.*kind.value);
            rows.push_back(row);
        }
        card.Table(header, rows, 32);
        card.Space(3);
    }
    card.Text(QStringLiteral("„–”: współczynnik nie został wyznaczony."), 8);
    card.Space(6);
}

bool WriteCard(const QString& path, int index) {
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("KALMO"));
    writer.setTitle(QStringLiteral("Karta katalogowa"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    Card card(writer, &painter);
    card.Text(Vendor::Name(), 11, true);
    card.Text(Vendor::Street() + QStringLiteral(", ") + Vendor::City() + QStringLiteral(", ") +
                  Vendor::Phone() + QStringLiteral(", ") + Vendor::Web(),
              8.5);
    card.Rule();
    card.Text(QStringLiteral("KARTA KATALOGOWA"), 16, true);
    card.Space(3);
    for (const Catalogue::Type& type : Catalogue::Types()) {
        if (type.cardIndex != index)
            continue;
        // A type's section stays on one page.
        Card measure(writer, nullptr);
        TypeSection(measure, type);
        card.Keep(measure.Height());
        TypeSection(card, type);
    }
    card.Text(QStringLiteral("Współczynniki wypływu wg świadectw badań typu; obliczenia "
                             "przepustowości wg WUDT-UC-WO:10.2003."),
              8);
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cards <program directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int i = 0; i < Catalogue::CardCount(); ++i) {
        const QString path = out.filePath(Catalogue::CardFile(i));
        if (!WriteCard(path, i)) {
            std::fprintf(stderr, "make_cards: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
