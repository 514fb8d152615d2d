// make_images: draws the pictures the program shows and writes them into the
// directory given on the command line.
//
//   photo.jpg   the photograph of the about dialog: a spring-loaded safety valve
//   koniec.png  the picture of the exit dialog: a power symbol
//   kalmo.png   the program icon
//
// With --icons it writes the program icon instead, in each size given after the
// directory, as the desktop's icon theme lays it out:
// <directory>/<n>x<n>/apps/kalmo.png.
//
// Everything is drawn with QPainter primitives only (no fonts, no bitmaps, no
// randomness), so the output depends on nothing but this source.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// Three tones of a material: shadow, body colour and highlight.
struct Material {
    QColor dark;
    QColor base;
    QColor light;
};

const Material kBrass{QColor(0x5e, 0x42, 0x12), QColor(0xc4, 0x98, 0x3e), QColor(0xfb, 0xec, 0xb8)};
const Material kRed{QColor(0x4e, 0x08, 0x0a), QColor(0xbe, 0x1e, 0x24), QColor(0xff, 0x8a, 0x80)};
const Material kSteel{QColor(0x3c, 0x42, 0x4a), QColor(0x9e, 0xa6, 0xb0), QColor(0xf6, 0xf8, 0xfa)};
const Material kBlack{QColor(0x08, 0x08, 0x0a), QColor(0x2a, 0x2c, 0x30), QColor(0x9a, 0x9e, 0xa6)};

// The shading across a round part lit from the upper left: the gradient runs
// from `from` to `to` (across the axis of the part).
QLinearGradient roundShade(QPointF from, QPointF to, const Material& m) {
    QLinearGradient g(from, to);
    g.setColorAt(0.00, m.dark);
    g.setColorAt(0.12, m.base.darker(115));
    g.setColorAt(0.30, m.light);
    g.setColorAt(0.45, m.base.lighter(110));
    g.setColorAt(0.78, m.base.darker(140));
    g.setColorAt(0.93, m.dark);
    g.setColorAt(1.00, m.dark.lighter(150)); // reflected light at the far edge
    return g;
}

// A cylinder standing upright (axis vertical).
QLinearGradient uprightShade(const QRectF& r, const Material& m) {
    return roundShade(QPointF(r.left(), 0), QPointF(r.right(), 0), m);
}

// A cylinder lying down (axis horizontal).
QLinearGradient lyingShade(const QRectF& r, const Material& m) {
    return roundShade(QPointF(0, r.top()), QPointF(0, r.bottom()), m);
}

// A flat face of a hexagon: uniform tone with a gentle vertical fall-off.
QLinearGradient faceShade(const QRectF& r, QColor c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, c.lighter(112));
    g.setColorAt(1.0, c.darker(112));
    return g;
}

// A hexagonal nut or collar seen from the side, axis vertical: three faces,
// with the chamfered corners drawn as shallow arcs at top and bottom.
void drawHexUpright(QPainter& p, const QRectF& r, const Material& m) {
    const double w = r.width();
    const double face = w / 4.0; // the two side faces appear half as wide
    const double arc = r.height() * 0.12;
    const QRectF left(r.left(), r.top(), face, r.height());
    const QRectF mid(r.left() + face, r.top(), 2 * face, r.height());
    const QRectF right(r.right() - face, r.top(), face, r.height());

    QPainterPath outline;
    outline.moveTo(r.left(), r.top() + arc);
    outline.quadTo(r.left() + face * 0.5, r.top() - arc * 0.2, r.left() + face,
                   r.top() + arc * 0.2);
    outline.quadTo(r.center().x(), r.top() - arc * 0.9, r.right() - face, r.top() + arc * 0.2);
    outline.quadTo(r.right() - face * 0.5, r.top() - arc * 0.2, r.right(), r.top() + arc);
    outline.lineTo(r.right(), r.bottom() - arc);
    outline.quadTo(r.right() - face * 0.5, r.bottom() + arc * 0.2, r.right() - face,
                   r.bottom() - arc * 0.2);
    outline.quadTo(r.center().x(), r.bottom() + arc * 0.9, r.left() + face, r.bottom() - arc * 0.2);
    outline.quadTo(r.left() + face * 0.5, r.bottom() + arc * 0.2, r.left(), r.bottom() - arc);
    outline.closeSubpath();

    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(faceShade(left, m.base.darker(125)));
    p.drawRect(left);
    QLinearGradient midShade(mid.topLeft(), mid.topRight());
    midShade.setColorAt(0.0, m.light);
    midShade.setColorAt(0.55, m.base.lighter(115));
    midShade.setColorAt(1.0, m.base);
    p.setBrush(midShade);
    p.drawRect(mid);
    p.setBrush(faceShade(right, m.dark.lighter(130)));
    p.drawRect(right);
    // The edges between faces catch a little light.
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.6));
    p.drawLine(QPointF(mid.left(), r.top()), QPointF(mid.left(), r.bottom()));
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.6));
    p.drawLine(QPointF(mid.right(), r.top()), QPointF(mid.right(), r.bottom()));
    p.restore();

    p.setPen(QPen(m.dark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

// ---------------------------------------------------------------------------
// photo.jpg

constexpr int kPhotoW = 320;
constexpr int kPhotoH = 240;
constexpr int kPhotoOversample = 3;

void drawStudio(QPainter& p) {
    QLinearGradient wall(0, 0, 0, kPhotoH);
    wall.setColorAt(0.00, QColor(0xa9, 0xb6, 0xc6));
    wall.setColorAt(0.55, QColor(0xe3, 0xe8, 0xee));
    wall.setColorAt(0.80, QColor(0xf4, 0xf6, 0xf8));
    wall.setColorAt(1.00, QColor(0xdc, 0xe1, 0xe7));
    p.fillRect(QRectF(0, 0, kPhotoW, kPhotoH), wall);

    // The key light behind the subject.
    QRadialGradient glow(QPointF(150, 105), 170);
    glow.setColorAt(0.0, QColor(255, 255, 255, 170));
    glow.setColorAt(0.6, QColor(255, 255, 255, 40));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kPhotoW, kPhotoH), glow);

    // Darkened corners, as a lens gives them.
    QRadialGradient vignette(QPointF(kPhotoW / 2.0, kPhotoH / 2.0), 230);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(20, 30, 45, 90));
    p.fillRect(QRectF(0, 0, kPhotoW, kPhotoH), vignette);
}

// A soft elliptical shadow on the floor.
void drawShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, QColor(10, 15, 25, alpha));
    g.setColorAt(0.5, QColor(10, 15, 25, alpha / 2));
    g.setColorAt(1.0, QColor(10, 15, 25, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// The inlet: a male thread with a chamfered end.
void drawInlet(QPainter& p, double cx) {
    const QRectF r(cx - 19, 191, 38, 25);
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right(), r.top());
    body.lineTo(r.right(), r.bottom() - 3);
    body.lineTo(r.right() - 3, r.bottom());
    body.lineTo(r.left() + 3, r.bottom());
    body.lineTo(r.left(), r.bottom() - 3);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(uprightShade(r, kBrass));
    p.drawPath(body);

    // Thread crests: a light line with a dark root beneath, slightly helical.
    p.save();
    p.setClipPath(body);
    for (double y = r.top() + 2.5; y < r.bottom() + 2; y += 2.6) {
        p.setPen(QPen(QColor(60, 40, 10, 120), 0.9));
        p.drawLine(QPointF(r.left(), y + 0.9), QPointF(r.right(), y + 1.9));
        p.setPen(QPen(QColor(255, 245, 210, 90), 0.6));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y + 1.0));
    }
    p.restore();
    p.setPen(QPen(kBrass.dark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// The outlet: a branch on the right ending in a socket whose bore is seen at
// an angle.
void drawOutlet(QPainter& p, double cx) {
    const QRectF branch(cx + 10, 131, 66, 32);
    p.setPen(QPen(kBrass.dark, 0.7));
    p.setBrush(lyingShade(branch, kBrass));
    p.drawRect(branch);

    const QRectF socket(cx + 70, 122, 22, 50);
    p.setBrush(lyingShade(socket, kBrass));
    p.drawRect(socket);
    // A bead where the socket meets the branch.
    const QRectF bead(cx + 68, 124, 4, 46);
    p.setBrush(lyingShade(bead, kBrass));
    p.drawRoundedRect(bead, 1.5, 1.5);

    // The end face and the threaded bore.
    const QPointF end(socket.right(), socket.center().y());
    QLinearGradient ring(end.x(), socket.top(), end.x(), socket.bottom());
    ring.setColorAt(0.0, kBrass.light);
    ring.setColorAt(0.5, kBrass.base);
    ring.setColorAt(1.0, kBrass.base.darker(150));
    p.setBrush(ring);
    p.drawEllipse(end, 7.0, 25.0);
    QRadialGradient bore(end + QPointF(1.5, 4), 18);
    bore.setColorAt(0.0, QColor(0x10, 0x0a, 0x04));
    bore.setColorAt(0.7, QColor(0x3a, 0x28, 0x0c));
    bore.setColorAt(1.0, QColor(0x7a, 0x58, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(bore);
    p.drawEllipse(end, 4.8, 18.0);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(200, 160, 80, 110 - 25 * i), 0.6));
        p.drawEllipse(end + QPointF(0.6 * i, 0), 4.8 - 0.9 * i, 18.0 - 3.2 * i);
    }
}

// The cast body: a bulb between the inlet and the bonnet, merging into the
// outlet branch.
void drawBody(QPainter& p, double cx) {
    QPainterPath body;
    body.moveTo(cx - 21, 110);
    body.cubicTo(cx - 24, 124, cx - 43, 128, cx - 42, 148);
    body.cubicTo(cx - 41, 166, cx - 30, 172, cx - 27, 178);
    body.lineTo(cx + 27, 178);
    body.cubicTo(cx + 30, 172, cx + 38, 168, cx + 40, 160);
    body.lineTo(cx + 40, 134);
    body.cubicTo(cx + 38, 124, cx + 24, 124, cx + 21, 110);
    body.closeSubpath();

    QRadialGradient g(QPointF(cx - 6, 148), 50, QPointF(cx - 18, 136));
    g.setColorAt(0.00, kBrass.light);
    g.setColorAt(0.30, kBrass.base.lighter(112));
    g.setColorAt(0.70, kBrass.base.darker(135));
    g.setColorAt(0.92, kBrass.dark);
    g.setColorAt(1.00, kBrass.dark.lighter(140));
    p.setPen(QPen(kBrass.dark, 0.7));
    p.setBrush(g);
    p.drawPath(body);

    // A cast arrow showing the direction of flow, into the outlet.
    QPainterPath arrow;
    arrow.moveTo(cx - 9, 152.3);
    arrow.lineTo(cx + 9, 152.3);
    arrow.lineTo(cx + 9, 148.5);
    arrow.lineTo(cx + 19, 154.5);
    arrow.lineTo(cx + 9, 160.5);
    arrow.lineTo(cx + 9, 156.7);
    arrow.lineTo(cx - 9, 156.7);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 90)); // lit upper edge of the raised arrow
    p.drawPath(arrow.translated(-0.6, -0.6));
    p.setBrush(QColor(70, 45, 10, 110));
    p.drawPath(arrow.translated(0.6, 0.6));
    p.setBrush(QColor(0xb8, 0x8c, 0x36));
    p.drawPath(arrow);
}

// One turn of the spring: the half behind the spindle or the half in front.
QPainterPath springHalf(double cx, double y, double halfWidth, double pitch, bool front) {
    const double bulge = 4.2;
    QPainterPath path;
    if (front) {
        path.moveTo(cx - halfWidth, y);
        path.cubicTo(cx - halfWidth * 0.55, y + bulge + pitch * 0.25, cx + halfWidth * 0.55,
                     y + bulge + pitch * 0.25, cx + halfWidth, y + pitch / 2);
    } else {
        path.moveTo(cx + halfWidth, y + pitch / 2);
        path.cubicTo(cx + halfWidth * 0.55, y + pitch / 2 - bulge + pitch * 0.25,
                     cx - halfWidth * 0.55, y + pitch / 2 - bulge + pitch * 0.25, cx - halfWidth,
                     y + pitch);
    }
    return path;
}

// The bonnet: collar, two yoke pillars, the spring on its spindle and the cap.
void drawBonnet(QPainter& p, double cx) {
    // Yoke pillars.
    for (double x : {cx - 27.0, cx + 19.0}) {
        const QRectF pillar(x, 44, 8, 60);
        p.setPen(QPen(kBrass.dark, 0.6));
        p.setBrush(uprightShade(pillar, kBrass));
        p.drawRect(pillar);
    }

    // The spindle, behind the front of the spring.
    const QRectF spindle(cx - 2.6, 30, 5.2, 72);
    p.setPen(QPen(kSteel.dark, 0.5));
    p.setBrush(uprightShade(spindle, kSteel));

    // Spring: back halves, then the spindle, then the front halves.
    const double top = 50.5;
    const double pitch = 6.6;
    const int turns = 7;
    const double hw = 15.5;
    QPen back(QColor(0x30, 0x34, 0x3a), 3.0, Qt::SolidLine, Qt::RoundCap);
    p.setBrush(Qt::NoBrush);
    p.setPen(back);
    for (int i = 0; i < turns; ++i)
        p.drawPath(springHalf(cx, top + i * pitch, hw, pitch, false));
    p.setPen(QPen(kSteel.dark, 0.5));
    p.setBrush(uprightShade(spindle, kSteel));
    p.drawRect(spindle);
    p.setBrush(Qt::NoBrush);
    const QRectF span(cx - hw - 2, 0, 2 * hw + 4, 1);
    for (int i = 0; i < turns; ++i) {
        const QPainterPath half = springHalf(cx, top + i * pitch, hw, pitch, true);
        p.setPen(QPen(QBrush(uprightShade(span, kSteel)), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(half);
        p.setPen(QPen(QColor(255, 255, 255, 120), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(half.translated(0, -0.9));
    }

    // Spring plates.
    for (double y : {46.0, 97.5}) {
        const QRectF plate(cx - 19, y, 38, 4.5);
        p.setPen(QPen(kSteel.dark, 0.5));
        p.setBrush(uprightShade(plate, kSteel));
        p.drawRoundedRect(plate, 1.2, 1.2);
    }

    // The collar joining the bonnet to the body.
    drawHexUpright(p, QRectF(cx - 31, 101, 62, 13), kBrass);

    // The cap, painted red, with its rounded top seen slightly from above.
    const QRectF cap(cx - 30, 24, 60, 22);
    QPainterPath capPath;
    capPath.moveTo(cap.left(), cap.top() + 5);
    capPath.lineTo(cap.left(), cap.bottom() - 2);
    capPath.quadTo(cap.center().x(), cap.bottom() + 3, cap.right(), cap.bottom() - 2);
    capPath.lineTo(cap.right(), cap.top() + 5);
    capPath.closeSubpath();
    p.setPen(QPen(kRed.dark, 0.7));
    p.setBrush(uprightShade(cap, kRed));
    p.drawPath(capPath);
    // The top face.
    QLinearGradient topFace(cap.left(), cap.top(), cap.right(), cap.top() + 10);
    topFace.setColorAt(0.0, kRed.base.lighter(135));
    topFace.setColorAt(1.0, kRed.base);
    p.setBrush(topFace);
    p.drawEllipse(QPointF(cap.center().x(), cap.top() + 5), cap.width() / 2, 5.0);
    // Knurling on the cap's side.
    p.save();
    p.setClipPath(capPath);
    for (double x = cap.left() + 3; x < cap.right() - 1; x += 3.0) {
        p.setPen(QPen(QColor(0, 0, 0, 45), 0.8));
        p.drawLine(QPointF(x, cap.top() + 10), QPointF(x, cap.bottom() + 2));
    }
    p.restore();
    // The spindle nut on top.
    drawHexUpright(p, QRectF(cx - 7, 17, 14, 9), kSteel);
}

// The lifting lever: a red bar pivoting on a fork at the right of the cap and
// ending in a black grip on the left. The bar is drawn in its own frame: the
// pivot at the origin, the bar along the negative x axis.
void drawLever(QPainter& p, double cx) {
    const QPointF pivot(cx + 24, 21);
    const double length = 116;
    const double droop = 6.5; // degrees below the horizontal towards the grip

    // The fork holding the pivot pin.
    const QRectF fork(cx + 18, 15, 12, 14);
    p.setPen(QPen(kRed.dark, 0.6));
    p.setBrush(uprightShade(fork, kRed));
    p.drawRoundedRect(fork, 3, 3);

    p.save();
    p.translate(pivot);
    p.rotate(-droop);
    QPainterPath bar;
    bar.moveTo(5, -5.2);
    bar.lineTo(-length, -3.8);
    bar.lineTo(-length, 3.8);
    bar.lineTo(5, 5.2);
    bar.quadTo(11, 0, 5, -5.2);
    bar.closeSubpath();
    QLinearGradient barShade(0, -5, 0, 5);
    barShade.setColorAt(0.0, kRed.light);
    barShade.setColorAt(0.30, kRed.base.lighter(112));
    barShade.setColorAt(0.75, kRed.base.darker(140));
    barShade.setColorAt(1.0, kRed.dark);
    p.setPen(QPen(kRed.dark, 0.6));
    p.setBrush(barShade);
    p.drawPath(bar);

    // The grip.
    const QRectF grip(-length - 16, -5.8, 24, 11.6);
    QLinearGradient gripShade(0, grip.top(), 0, grip.bottom());
    gripShade.setColorAt(0.0, kBlack.light);
    gripShade.setColorAt(0.3, kBlack.base);
    gripShade.setColorAt(1.0, kBlack.dark);
    p.setPen(QPen(kBlack.dark, 0.5));
    p.setBrush(gripShade);
    p.drawRoundedRect(grip, 5.8, 5.8);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(grip.left() + 4, grip.top() + 2.4),
               QPointF(grip.right() - 5, grip.top() + 2.4));
    p.restore();

    // Pivot pin.
    QRadialGradient pin(pivot + QPointF(-0.8, -0.8), 3.2);
    pin.setColorAt(0.0, kSteel.light);
    pin.setColorAt(1.0, kSteel.dark);
    p.setPen(QPen(kSteel.dark, 0.4));
    p.setBrush(pin);
    p.drawEllipse(pivot, 2.6, 2.6);
}

QImage makePhoto() {
    QImage big(kPhotoW * kPhotoOversample, kPhotoH * kPhotoOversample, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPhotoOversample, kPhotoOversample);

    const double cx = 150;
    drawStudio(p);
    p.translate(0, 4); // sit the valve a little lower in the frame
    drawShadow(p, QPointF(cx + 8, 217), 110, 11, 120);
    drawShadow(p, QPointF(cx, 216), 34, 4, 140);
    drawInlet(p, cx);
    drawHexUpright(p, QRectF(cx - 30, 175, 60, 18), kBrass);
    drawOutlet(p, cx);
    drawBody(p, cx);
    drawBonnet(p, cx);
    drawLever(p, cx);
    p.end();

    return big.scaled(kPhotoW, kPhotoH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------------------
// koniec.png: a glossy red button with the power symbol.

QImage makeKoniec() {
    constexpr int size = 48;
    constexpr int os = 4;
    QImage big(size * os, size * os, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(os, os);

    const QPointF c(24, 23.5);
    // Drop shadow.
    QRadialGradient shadow(c + QPointF(0, 1.5), 23);
    shadow.setColorAt(0.80, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, 1.5), 23, 23);

    // Rim and face.
    QLinearGradient rim(0, 2, 0, 44);
    rim.setColorAt(0.0, QColor(0xe8, 0x6a, 0x60));
    rim.setColorAt(1.0, QColor(0x5a, 0x08, 0x08));
    p.setBrush(rim);
    p.drawEllipse(c, 21.5, 21.5);
    QRadialGradient face(c + QPointF(0, 8), 24, c + QPointF(0, 14));
    face.setColorAt(0.0, QColor(0xf2, 0x4a, 0x3c));
    face.setColorAt(0.55, QColor(0xc8, 0x1c, 0x1c));
    face.setColorAt(1.0, QColor(0x80, 0x0c, 0x0e));
    p.setBrush(face);
    p.drawEllipse(c, 19.5, 19.5);

    // The power symbol, with a faint shadow under it.
    auto symbol = [&](QPointF at, QColor colour) {
        QPen pen(colour, 4.0, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRectF ring(at.x() - 10.5, at.y() - 9.0, 21, 21);
        p.drawArc(ring, (90 + 38) * 16, (360 - 76) * 16);
        p.drawLine(at + QPointF(0, -12.5), at + QPointF(0, 0.5));
    };
    symbol(c + QPointF(0, 1.4), QColor(90, 0, 0, 130));
    symbol(c, QColor(0xff, 0xfb, 0xf5));

    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addEllipse(QPointF(c.x(), c.y() - 9.5), 15.5, 9.5);
    QLinearGradient glossShade(0, c.y() - 19, 0, c.y());
    glossShade.setColorAt(0.0, QColor(255, 255, 255, 150));
    glossShade.setColorAt(1.0, QColor(255, 255, 255, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(glossShade);
    p.drawPath(gloss);
    p.end();

    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------------------
// kalmo.png: a stylised safety valve with the letter K on a rounded square.

// The letter K as a filled outline, so that no font is needed.
QPainterPath letterK(const QRectF& r) {
    const double stem = r.width() * 0.30;
    const double w = r.width();
    const double h = r.height();
    const double x = r.left();
    const double y = r.top();
    const double arm = stem * 1.05; // horizontal thickness of the diagonals
    const double joinY = y + h * 0.56;

    QPainterPath k;
    k.addRect(QRectF(x, y, stem, h));
    QPolygonF upper;
    upper << QPointF(x + stem, joinY) << QPointF(x + w - arm, y) << QPointF(x + w, y)
          << QPointF(x + stem + arm * 0.55, joinY - h * 0.02) << QPointF(x + stem, joinY + h * 0.2);
    QPolygonF lower;
    lower << QPointF(x + stem + arm * 0.15, y + h * 0.42)
          << QPointF(x + stem + arm * 0.75, y + h * 0.38) << QPointF(x + w, y + h)
          << QPointF(x + w - arm * 1.05, y + h);
    k.addPolygon(upper);
    k.addPolygon(lower);
    return k.simplified();
}

// The icon is drawn on a 64-unit square and scaled to `size` pixels.
QImage makeIcon(int size = 64) {
    constexpr int os = 4;
    QImage big(size * os, size * os, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(os * size / 64.0, os * size / 64.0);

    // The tile.
    const QRectF tile(2, 2, 60, 60);
    QLinearGradient tileShade(tile.topLeft(), tile.bottomLeft());
    tileShade.setColorAt(0.0, QColor(0x3d, 0x78, 0xc0));
    tileShade.setColorAt(1.0, QColor(0x12, 0x2e, 0x62));
    p.setPen(QPen(QColor(0x0c, 0x20, 0x48), 1.0));
    p.setBrush(tileShade);
    p.drawRoundedRect(tile, 12, 12);
    QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(tile.adjusted(1, 1, -1, -tile.height() / 2), 11, 11);

    // The valve, drawn flat with a little shading: inlet, body, outlet,
    // spring and cap.
    const double cx = 40;
    p.setPen(QPen(kBrass.dark, 0.8));
    const QRectF inlet(cx - 6, 46, 12, 10);
    p.setBrush(uprightShade(inlet, kBrass));
    p.drawRect(inlet);
    const QRectF outlet(cx, 34, 18, 11);
    p.setBrush(lyingShade(outlet, kBrass));
    p.drawRect(outlet);
    const QRectF outletEnd(cx + 14, 31.5, 5, 16);
    p.setBrush(lyingShade(outletEnd, kBrass));
    p.drawRoundedRect(outletEnd, 1, 1);
    QRadialGradient bodyShade(QPointF(cx - 3, 36), 13);
    bodyShade.setColorAt(0.0, kBrass.light);
    bodyShade.setColorAt(0.6, kBrass.base);
    bodyShade.setColorAt(1.0, kBrass.dark);
    p.setBrush(bodyShade);
    p.drawEllipse(QPointF(cx, 39), 10.5, 10);
    const QRectF collar(cx - 8, 27, 16, 4);
    p.setBrush(uprightShade(collar, kBrass));
    p.drawRect(collar);

    // Spring as a zigzag.
    QPainterPath zig;
    zig.moveTo(cx - 6, 27);
    bool left = false;
    for (double y = 24.6; y > 13; y -= 2.4) {
        zig.lineTo(left ? cx - 6 : cx + 6, y);
        left = !left;
    }
    p.setPen(QPen(QColor(0xe8, 0xee, 0xf4), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(zig);

    const QRectF cap(cx - 8.5, 6, 17, 8);
    p.setPen(QPen(kRed.dark, 0.8));
    p.setBrush(uprightShade(cap, kRed));
    p.drawRoundedRect(cap, 2.5, 2.5);

    // The letter.
    const QPainterPath k = letterK(QRectF(8, 10, 17, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(k.translated(0.8, 1.0));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawPath(k);
    p.end();

    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------------------

// Writes `image` to `path` in `format` and reads it back to make sure the file
// is a decodable picture of the right size.
bool writeChecked(const QImage& image, const QString& path, const char* format, int quality) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
        return false;
    }
    const QImage back(path, format);
    if (back.isNull() || back.size() != image.size()) {
        std::fprintf(stderr, "make_images: %s does not read back correctly\n", qPrintable(path));
        return false;
    }
    return true;
}

// Passes Qt's messages on, except the note about a missing runtime directory
// that the headless platform prints on build machines.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:"))
        return;
    std::fprintf(stderr, "make_images: %s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(messageHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const bool icons = argc >= 3 && QByteArray(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: make_images <output directory>\n"
                             "       make_images --icons <output directory> <size>...\n");
        return 2;
    }
    const char* dir = argv[icons ? 2 : 1];
    const QDir out(QString::fromLocal8Bit(dir));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "make_images: cannot create %s\n", dir);
        return 1;
    }

    if (icons) {
        bool ok = true;
        for (int i = 3; i < argc; ++i) {
            const int size = std::atoi(argv[i]);
            const QString apps = QStringLiteral("%1x%1/apps").arg(size);
            if (size < 16 || !out.mkpath(apps)) {
                std::fprintf(stderr, "make_images: no icon of size %s\n", argv[i]);
                return 1;
            }
            ok = writeChecked(makeIcon(size), out.filePath(apps + "/kalmo.png"), "PNG", -1) && ok;
        }
        return ok ? 0 : 1;
    }

    bool ok = writeChecked(makePhoto(), out.filePath("photo.jpg"), "JPG", 90);
    ok = writeChecked(makeKoniec(), out.filePath("koniec.png"), "PNG", -1) && ok;
    ok = writeChecked(makeIcon(), out.filePath("kalmo.png"), "PNG", -1) && ok;
    return ok ? 0 : 1;
}
