// Draws the report bitmaps into the program directory:
//   NNN.bmp, Res_NNN.bmp       the formula NNN for the printer and for PDF
//   prxlogo.bmp, Res_prxlogo.bmp  the producer's logo in the page header
//
// Usage: make_bitmaps <folder of NNN.txt formula sources> <program directory>
//
// A formula source holds comment lines ("# ..."), the printer box the report
// stretches the bitmap into ("box <width> <height>", 600-dpi pixels) and the
// formula in a small markup:
//   \frac{a}{b}   fraction            \sqrt{x}     square root
//   x_{i}  x^{n}  index and exponent  \paren{x}    parentheses as tall as x
//   \brack{x}     square brackets     {x}          grouping
// Blanks are ignored; = < ≥ + − · get their spaces. Latin and small Greek
// letters are set in italics, except in indices (β_{kr}, Ψ_{max}).
//
// The printer bitmap has exactly the box's size, so the 600-dpi printer draws
// it pixel for pixel; the "Res_" twin is the same formula set for a 96-dpi
// screen (the box × 96/600), the size the PDF page draws it at. Both are
// 8-bit grey bitmaps.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// ---- formula tree -------------------------------------------------------

struct Node {
    enum class Kind { Row, Glyphs, Frac, Sqrt, Paren, Brack, Scripts };
    Kind kind = Kind::Row;
    QString text; // Glyphs
    bool op = false;
    std::vector<Node> kids; // Row: items; Frac: num, den; Sqrt/Paren/Brack: body;
                            // Scripts: base, sub, sup (an empty Row when absent)
    bool hasSub = false;
    bool hasSup = false;
};

class Parser {
public:
    explicit Parser(const QString& text) : s_(text) {}

    Node Parse(QString* error) {
        Node row = Row();
        if (i_ < s_.size() && error)
            *error = QStringLiteral("unexpected '%1' at %2").arg(s_[i_]).arg(i_);
        return row;
    }

private:
    void Blanks() {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }

    bool Command(const char* name) {
        const QString n = QLatin1Char('\\') + QLatin1String(name);
        if (s_.mid(i_, n.size()) != n)
            return false;
        i_ += n.size();
        return true;
    }

    Node Group() {
        Blanks();
        if (i_ < s_.size() && s_[i_] == QLatin1Char('{')) {
            ++i_;
            Node row = Row();
            if (i_ < s_.size() && s_[i_] == QLatin1Char('}'))
                ++i_;
            return row;
        }
        // A single character.
        Node row;
        if (i_ < s_.size())
            row.kids.push_back(Glyph(s_[i_++]));
        return row;
    }

    static bool Latin(QChar c) { return c.isLetter() && c.unicode() < 0x250; }
    static bool Digit(QChar c) { return c.isDigit() || c == QLatin1Char('.'); }
    static bool Joins(QChar last, QChar next) {
        return (Latin(last) && Latin(next)) || (Digit(last) && Digit(next));
    }

    static Node Glyph(QChar c) {
        Node g;
        g.kind = Node::Kind::Glyphs;
        g.text = c;
        g.op = QStringLiteral("=<>≥≤+−·×").contains(c);
        return g;
    }

    Node Atom() {
        Node n;
        if (Command("frac")) {
            n.kind = Node::Kind::Frac;
            n.kids.push_back(Group());
            n.kids.push_back(Group());
        } else if (Command("sqrt")) {
            n.kind = Node::Kind::Sqrt;
            n.kids.push_back(Group());
        } else if (Command("paren")) {
            n.kind = Node::Kind::Paren;
            n.kids.push_back(Group());
        } else if (Command("brack")) {
            n.kind = Node::Kind::Brack;
            n.kids.push_back(Group());
        } else if (s_[i_] == QLatin1Char('{')) {
            n = Group();
        } else {
            n = Glyph(s_[i_++]);
            // A number or a run of Latin letters ("max", "kr") stays one piece.
            while (!n.op && i_ < s_.size() && Joins(n.text.back(), s_[i_]))
                n.text += s_[i_++];
        }
        return n;
    }

    Node Row() {
        Node row;
        for (;;) {
            Blanks();
            if (i_ >= s_.size() || s_[i_] == QLatin1Char('}'))
                break;
            Node atom = Atom();
            Blanks();
            if (i_ < s_.size() && (s_[i_] == QLatin1Char('_') || s_[i_] == QLatin1Char('^'))) {
                Node scripts;
                scripts.kind = Node::Kind::Scripts;
                scripts.kids = {atom, Node(), Node()};
                while (i_ < s_.size() &&
                       (s_[i_] == QLatin1Char('_') || s_[i_] == QLatin1Char('^'))) {
                    const bool sub = s_[i_++] == QLatin1Char('_');
                    (sub ? scripts.hasSub : scripts.hasSup) = true;
                    scripts.kids[sub ? 1 : 2] = Group();
                    Blanks();
                }
                atom = scripts;
            }
            row.kids.push_back(atom);
        }
        return row;
    }

    QString s_;
    int i_ = 0;
};

// ---- typesetting ----------------------------------------------------------

struct Box {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

class Typesetter {
public:
    Typesetter(qreal size, QString family) : size_(size), family_(std::move(family)) {}

    Box Measure(const Node& n, int level = 0, bool index = false) const {
        return Set(nullptr, n, level, index, 0, 0);
    }
    void Draw(QPainter& p, const Node& n, qreal x, qreal baseline) const {
        Set(&p, n, 0, false, x, baseline);
    }

private:
    qreal Size(int level) const { return size_ * (level == 0 ? 1.0 : level == 1 ? 0.7 : 0.55); }
    qreal Line(int level) const { return std::max<qreal>(1.0, 0.055 * Size(level)); }

    QFont Font(int level, bool italic) const {
        QFont f(family_);
        f.setPixelSize(std::max(1, qRound(Size(level))));
        f.setItalic(italic);
        // Screen-sized type is hinted to whole pixels; printer-sized type keeps its outlines.
        f.setHintingPreference(size_ < 30 ? QFont::PreferFullHinting : QFont::PreferNoHinting);
        return f;
    }

    static bool Italic(const QString& text, bool index) {
        if (index || text.isEmpty() || !text[0].isLetter())
            return false;
        const QChar c = text[0];
        const bool greek = c.unicode() >= 0x370 && c.unicode() < 0x400;
        return !greek || c.isLower();
    }

    Box Set(QPainter* p, const Node& n, int level, bool index, qreal x, qreal base) const {
        const qreal s = Size(level);
        const qreal axis = 0.27 * s; // height of the fraction bar above the baseline
        switch (n.kind) {
        case Node::Kind::Row: {
            Box b;
            for (const Node& k : n.kids) {
                const Box kb = Set(p, k, level, index, x + b.width, base);
                b.width += kb.width;
                b.ascent = std::max(b.ascent, kb.ascent);
                b.descent = std::max(b.descent, kb.descent);
            }
            return b;
        }
        case Node::Kind::Glyphs: {
            const QFont f = Font(level, Italic(n.text, index));
            const QFontMetricsF fm(f);
            const qreal space = n.op ? (level == 0 ? 0.25 * s : 0.12 * s) : 0;
            if (p) {
                p->setFont(f);
                p->drawText(QPointF(x + space, base), n.text);
            }
            return {fm.horizontalAdvance(n.text) + 2 * space + (f.italic() ? 0.04 * s : 0),
                    fm.ascent(), fm.descent()};
        }
        case Node::Kind::Frac: {
            const Box num = Measure(n.kids[0], level, index);
            const Box den = Measure(n.kids[1], level, index);
            const qreal gap = 0.14 * s;
            const qreal t = Line(level);
            const qreal pad = 0.12 * s;
            const qreal w = std::max(num.width, den.width) + 2 * pad;
            const qreal bar = base - axis;
            if (p) {
                Set(p, n.kids[0], level, index, x + (w - num.width) / 2,
                    bar - t / 2 - gap - num.descent);
                Set(p, n.kids[1], level, index, x + (w - den.width) / 2,
                    bar + t / 2 + gap + den.ascent);
                p->fillRect(QRectF(x + pad / 2, bar - t / 2, w - pad, t), Qt::black);
            }
            return {w, axis + t / 2 + gap + num.ascent + num.descent,
                    den.ascent + den.descent + gap + t / 2 - axis};
        }
        case Node::Kind::Sqrt: {
            const Box body = Measure(n.kids[0], level, index);
            const qreal t = Line(level);
            const qreal gap = 0.1 * s;
            const qreal rw = 0.55 * s;
            const qreal top = base - body.ascent - gap - t;
            const qreal bottom = base + body.descent;
            if (p) {
                const qreal mid = bottom - 0.42 * (bottom - top);
                QPainterPath path;
                path.moveTo(x + 0.05 * rw, mid + 0.06 * s);
                path.lineTo(x + 0.25 * rw, mid - 0.04 * s);
                path.lineTo(x + 0.55 * rw, bottom);
                path.lineTo(x + rw, top + t / 2);
                path.lineTo(x + rw + body.width + 0.08 * s, top + t / 2);
                p->save();
                p->setPen(QPen(Qt::black, t, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                p->setBrush(Qt::NoBrush);
                p->drawPath(path);
                p->restore();
                Set(p, n.kids[0], level, index, x + rw + 0.04 * s, base);
            }
            return {rw + body.width + 0.16 * s, body.ascent + gap + t, body.descent + 0.02 * s};
        }
        case Node::Kind::Paren:
        case Node::Kind::Brack: {
            const Box body = Measure(n.kids[0], level, index);
            const qreal t = 1.15 * Line(level);
            const qreal top = base - body.ascent - 0.04 * s;
            const qreal bottom = base + body.descent + 0.04 * s;
            const qreal h = bottom - top;
            const qreal pw = 0.22 * s + 0.06 * h;
            if (p) {
                p->save();
                p->setPen(QPen(Qt::black, t, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                p->setBrush(Qt::NoBrush);
                for (int side = 0; side < 2; ++side) {
                    // Left delimiter at x, right one mirrored after the body.
                    const qreal x0 = side == 0 ? x : x + pw + body.width + pw;
                    const qreal dir = side == 0 ? 1 : -1;
                    QPainterPath path;
                    if (n.kind == Node::Kind::Paren) {
                        path.moveTo(x0 + dir * 0.8 * pw, top);
                        path.cubicTo(x0 + dir * 0.1 * pw, top + 0.25 * h, x0 + dir * 0.1 * pw,
                                     bottom - 0.25 * h, x0 + dir * 0.8 * pw, bottom);
                    } else {
                        path.moveTo(x0 + dir * 0.75 * pw, top);
                        path.lineTo(x0 + dir * 0.3 * pw, top);
                        path.lineTo(x0 + dir * 0.3 * pw, bottom);
                        path.lineTo(x0 + dir * 0.75 * pw, bottom);
                    }
                    p->drawPath(path);
                }
                p->restore();
                Set(p, n.kids[0], level, index, x + pw, base);
            }
            return {body.width + 2 * pw, base - top, bottom - base};
        }
        case Node::Kind::Scripts: {
            const Box b = Set(p, n.kids[0], level, index, x, base);
            const int sl = level + 1;
            const Box sub = n.hasSub ? Measure(n.kids[1], sl, true) : Box();
            const Box sup = n.hasSup ? Measure(n.kids[2], sl, index) : Box();
            const qreal up = std::max(0.42 * s, b.ascent - 0.6 * s) + sup.descent;
            const qreal down = std::max(0.2 * s, b.descent - 0.1 * s);
            const qreal sx = x + b.width + 0.02 * s;
            if (p) {
                if (n.hasSub)
                    Set(p, n.kids[1], sl, true, sx, base + down);
                if (n.hasSup)
                    Set(p, n.kids[2], sl, index, sx + 0.04 * s, base - up);
            }
            return {b.width + 0.06 * s + std::max(sub.width, sup.width),
                    std::max(b.ascent, n.hasSup ? up + sup.ascent : 0.0),
                    std::max(b.descent, n.hasSub ? down + sub.descent : 0.0)};
        }
        }
        return {};
    }

    qreal size_;
    QString family_;
};

// ---- bitmaps --------------------------------------------------------------

QImage White(QSize size, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(Qt::white);
    return image;
}

QImage Grey(const QImage& image) {
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.push_back(qRgb(i, i, i));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

// The formula set as large as fits in `box`, at most `largest` pixels high type.
QImage Formula(const Node& formula, QSize box, qreal largest) {
    const QString family = QStringLiteral("Liberation Serif");
    const qreal marginX = 0.02 * box.width();
    const qreal marginY = 0.06 * box.height();
    qreal size = largest;
    Box b;
    for (;; size *= 0.97) {
        b = Typesetter(size, family).Measure(formula);
        if ((b.width <= box.width() - 2 * marginX &&
             b.ascent + b.descent <= box.height() - 2 * marginY) ||
            size < 4)
            break;
    }
    QImage image = White(box);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    const qreal baseline = (box.height() - (b.ascent + b.descent)) / 2 + b.ascent;
    Typesetter(size, family).Draw(p, formula, marginX, baseline);
    p.end();
    return Grey(image);
}

// The producer's mark: a valve symbol and "PRX" in a frame.
QImage Logo(QSize size) {
    QImage image = White(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor blue(0x1f, 0x3a, 0x7a);
    const qreal line = std::max<qreal>(1.0, h * 0.04);
    p.setPen(QPen(blue, line));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(line, line, w - 2 * line, h - 2 * line), h * 0.12, h * 0.12);

    // A safety valve: two triangles tip to tip, a stem and a spring cap.
    const qreal cx = w * 0.2;
    const qreal cy = h * 0.58;
    const qreal r = h * 0.2;
    QPainterPath valve;
    valve.moveTo(cx - 1.6 * r, cy - r);
    valve.lineTo(cx, cy);
    valve.lineTo(cx - 1.6 * r, cy + r);
    valve.closeSubpath();
    valve.moveTo(cx + 1.6 * r, cy - r);
    valve.lineTo(cx, cy);
    valve.lineTo(cx + 1.6 * r, cy + r);
    valve.closeSubpath();
    p.setBrush(blue);
    p.setPen(Qt::NoPen);
    p.drawPath(valve);
    p.fillRect(QRectF(cx - line, cy - 2.1 * r, 2 * line, 2.1 * r), blue);
    p.fillRect(QRectF(cx - 0.7 * r, cy - 2.5 * r, 1.4 * r, 0.45 * r), blue);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(h * 0.55)));
    p.setFont(font);
    p.setPen(blue);
    p.drawText(QRectF(w * 0.38, 0, w * 0.6, h), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("PRX"));
    p.end();
    return image;
}

// A box of the 600-dpi printer as a 96-dpi screen shows it.
QSize ScreenSize(QSize printerBox) {
    return QSize(std::max(1, qRound(printerBox.width() * 96.0 / 600)),
                 std::max(1, qRound(printerBox.height() * 96.0 / 600)));
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "BMP"))
        return true;
    std::fprintf(stderr, "make_bitmaps: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_bitmaps <formula folder> <program directory>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool ok = true;

    // 12-point type at most: 100 pixels at 600 dpi, 16 at 96 dpi.
    const QStringList files = sources.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QFile f(sources.filePath(file));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "make_bitmaps: cannot read %s\n", qPrintable(f.fileName()));
            ok = false;
            continue;
        }
        QSize box;
        QString markup;
        QTextStream in(&f);
        in.setEncoding(QStringConverter::Utf8);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1String("box "))) {
                const QStringList wh = line.mid(4).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (wh.size() == 2)
                    box = QSize(wh[0].toInt(), wh[1].toInt());
            } else {
                markup = line;
            }
        }
        QString error;
        const Node formula = Parser(markup).Parse(&error);
        if (box.isEmpty() || markup.isEmpty() || !error.isEmpty()) {
            std::fprintf(stderr, "make_bitmaps: %s: %s\n", qPrintable(file),
                         qPrintable(error.isEmpty() ? QStringLiteral("no box or formula") : error));
            ok = false;
            continue;
        }
        const QString name = QFileInfo(file).completeBaseName() + QStringLiteral(".bmp");
        ok &= Save(Formula(formula, box, 100), out.filePath(name));
        ok &= Save(Formula(formula, ScreenSize(box), 16),
                   out.filePath(QStringLiteral("Res_") + name));
    }

    // The logo's printer box: 417 × 223 pixels at 600 dpi.
    const QSize logo(417, 223);
    ok &= Save(Logo(logo), out.filePath(QStringLiteral("prxlogo.bmp")));
    ok &= Save(Logo(ScreenSize(logo)), out.filePath(QStringLiteral("Res_prxlogo.bmp")));
    return ok ? 0 : 1;
}
