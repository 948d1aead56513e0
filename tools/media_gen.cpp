// Draws every picture and synthesises every sound Tizbin ships, so the media folder can be
// rebuilt from source at any time and nothing has to be downloaded or kept as a binary blob.
//
// Only QtCore and QtGui are used, and no text is drawn with fonts: font lookup needs a running
// QGuiApplication and would make the output depend on which fonts the machine has. Everything
// is built from paths and gradients, so the same source always gives the same bytes.

#include "media_gen.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// One ink colour for all outlines keeps the picture set looking like a family.
const QColor kInk(40, 36, 52);
constexpr double kOutline = 2.2;

void SetError(QString *error, const QString &message) {
    if (error)
        *error = message;
}

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath Circle(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath Ellipse(const QRectF &rect) {
    QPainterPath path;
    path.addEllipse(rect);
    return path;
}

QPainterPath Rect(const QRectF &rect, double radius = 0) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(rect, radius, radius);
    else
        path.addRect(rect);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Line(QPointF from, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

// A filled shape with the shared ink outline.
void Shape(QPainter &p, const QPainterPath &path, const QBrush &fill, double outline = kOutline) {
    if (outline > 0)
        p.setPen(QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

// A coloured line that still gets an ink edge: a wide ink stroke under a narrower coloured one.
void Stroke(QPainter &p, const QPainterPath &path, const QColor &color, double width,
            double outline = kOutline) {
    p.setBrush(Qt::NoBrush);
    if (outline > 0) {
        p.setPen(QPen(kInk, width + 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Plain ink line, for details drawn on top of a fill.
void Ink(QPainter &p, const QPainterPath &path, double width = 1.6, const QColor &color = kInk) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Soft white highlight that fades downwards; gives flat shapes a hint of gloss.
void Gloss(QPainter &p, const QRectF &rect, int alpha = 130) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(rect);
}

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

// ---------------------------------------------------------------------------------------------
// The 64x64 picture set used by the recognition exercises. Each picture has its own silhouette
// and main colour, because the reader sees it only for a flash.

void DrawApple(QPainter &p) {
    QPainterPath stem;
    stem.moveTo(32, 21);
    stem.quadTo(32, 12, 36, 6);
    Stroke(p, stem, QColor(120, 75, 40), 3.0);

    QPainterPath leaf;
    leaf.moveTo(35, 14);
    leaf.quadTo(39, 4, 53, 5);
    leaf.quadTo(47, 16, 35, 14);
    Shape(p, leaf, QColor(70, 180, 60));

    QPainterPath body;
    body.moveTo(32, 20);
    body.cubicTo(40, 13, 56, 15, 56, 33);
    body.cubicTo(55, 48, 45, 60, 38, 59);
    body.cubicTo(35, 58.5, 34, 57, 32, 57);
    body.cubicTo(30, 57, 29, 58.5, 26, 59);
    body.cubicTo(19, 60, 9, 48, 8, 33);
    body.cubicTo(8, 15, 24, 13, 32, 20);
    body.closeSubpath();
    Shape(p, body, QColor(222, 45, 40));
    Gloss(p, QRectF(14, 24, 8, 14), 150);
}

void DrawSun(QPainter &p) {
    const QPointF c(32, 32);
    QPainterPath rays;
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30.0;
        rays.addPath(Polygon({Polar(c, 17, a - 11), Polar(c, 30, a), Polar(c, 17, a + 11)}));
    }
    Shape(p, rays, QColor(250, 140, 30));

    QRadialGradient g(QPointF(27, 27), 20);
    g.setColorAt(0, QColor(255, 245, 140));
    g.setColorAt(1, QColor(255, 205, 30));
    Shape(p, Circle(32, 32, 17), g);
}

void DrawMoon(QPainter &p) {
    const QPainterPath moon = Circle(30, 34, 24).subtracted(Circle(42, 24, 20));
    Shape(p, moon, QColor(250, 225, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 190, 70));
    p.drawEllipse(QPointF(15, 36), 3, 3);
    p.drawEllipse(QPointF(24, 50), 2.5, 2.5);
    p.drawEllipse(QPointF(14, 26), 1.8, 1.8);
}

void DrawStar(QPainter &p) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const QPointF pt = Polar(QPointF(32, 35), (i % 2) ? 12 : 29, -90 + i * 36.0);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    Shape(p, star, QColor(255, 205, 35));
    Gloss(p, QRectF(26, 14, 8, 14), 140);
}

void DrawHeart(QPainter &p) {
    QPainterPath heart;
    heart.moveTo(32, 57);
    heart.cubicTo(20, 47, 5, 37, 5, 23);
    heart.cubicTo(5, 14, 12, 8, 19.5, 8);
    heart.cubicTo(26, 8, 30, 12, 32, 17);
    heart.cubicTo(34, 12, 38, 8, 44.5, 8);
    heart.cubicTo(52, 8, 59, 14, 59, 23);
    heart.cubicTo(59, 37, 44, 47, 32, 57);
    heart.closeSubpath();
    Shape(p, heart, QColor(232, 40, 90));
    Gloss(p, QRectF(11, 14, 9, 12), 160);
}

void DrawHouse(QPainter &p) {
    Shape(p, Rect(QRectF(40, 11, 7, 16)), QColor(180, 70, 50));
    Shape(p, Rect(QRectF(13, 30, 38, 27)), QColor(248, 228, 170));
    Shape(p, Polygon({{6, 33}, {32, 8}, {58, 33}}), QColor(200, 62, 45));
    Shape(p, Rect(QRectF(27, 40, 10, 17)), QColor(150, 95, 55));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(34.5, 49), 1.2, 1.2);
    for (double x : {16.5, 40.5}) {
        Shape(p, Rect(QRectF(x, 37, 7.5, 7.5)), QColor(140, 200, 245), 1.8);
        Ink(p, Line({x + 3.75, 37}, {x + 3.75, 44.5}), 1.2);
        Ink(p, Line({x, 40.75}, {x + 7.5, 40.75}), 1.2);
    }
}

void DrawTree(QPainter &p) {
    Shape(p, Polygon({{27, 59}, {29, 36}, {35, 36}, {37, 59}}), QColor(140, 90, 50));
    const QPainterPath crown = Circle(32, 20, 14)
                                   .united(Circle(19, 30, 11))
                                   .united(Circle(45, 30, 11))
                                   .united(Circle(32, 35, 12));
    Shape(p, crown, QColor(60, 170, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 210, 110));
    p.drawEllipse(QPointF(25, 17), 4, 3);
    p.drawEllipse(QPointF(16, 28), 3, 2.4);
    p.drawEllipse(QPointF(40, 22), 2.6, 2.1);
}

void DrawFish(QPainter &p) {
    QPainterPath fin;
    fin.moveTo(29, 22);
    fin.quadTo(35, 7, 48, 20);
    fin.closeSubpath();
    Shape(p, fin, QColor(230, 105, 30));

    QPainterPath body;
    body.moveTo(59, 32);
    body.cubicTo(53, 16, 31, 16, 19, 32);
    body.cubicTo(31, 48, 53, 48, 59, 32);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(23, 32);
    tail.lineTo(5, 18);
    tail.quadTo(11, 32, 5, 46);
    tail.closeSubpath();
    Shape(p, body.united(tail), QColor(250, 145, 40));

    QPainterPath gill;
    gill.moveTo(40, 23);
    gill.quadTo(35, 32, 40, 41);
    Ink(p, gill);
    Ink(p, Line({59, 32}, {54.5, 34}));
    Shape(p, Circle(47.5, 28, 4), Qt::white, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(48.5, 28), 2, 2);
}

void DrawCar(QPainter &p) {
    const QPainterPath car =
        Rect(QRectF(4, 30, 56, 16), 6).united(Polygon({{13, 31}, {21, 15}, {43, 15}, {52, 31}}));
    Shape(p, car, QColor(45, 115, 215));
    const QColor glass(190, 225, 250);
    Shape(p, Polygon({{19.5, 30}, {24, 19.5}, {31, 19.5}, {31, 30}}), glass, 1.6);
    Shape(p, Polygon({{34, 30}, {34, 19.5}, {41, 19.5}, {46.5, 30}}), glass, 1.6);
    for (double x : {18.0, 46.0}) {
        Shape(p, Circle(x, 46, 7.5), QColor(50, 50, 58));
        Shape(p, Circle(x, 46, 3), QColor(200, 200, 210), 1.2);
    }
    Shape(p, Circle(56.5, 35.5, 2.3), QColor(255, 230, 90), 1.2);
    Shape(p, Rect(QRectF(4.5, 33.5, 3, 4)), QColor(230, 60, 50), 1.2);
}

void DrawBoat(QPainter &p) {
    Stroke(p, Line({32, 6}, {32, 41}), QColor(130, 80, 40), 2.4);
    Shape(p, Polygon({{35, 8}, {35, 38}, {57, 38}}), QColor(252, 252, 252));
    Shape(p, Polygon({{29, 13}, {29, 38}, {11, 38}}), QColor(235, 80, 70));
    Shape(p, Polygon({{4, 40}, {60, 40}, {51, 52}, {13, 52}}), QColor(165, 98, 50));
    Ink(p, Line({9, 45}, {55, 45}), 1.4);
    QPainterPath waves;
    waves.moveTo(4, 57);
    for (int i = 0; i < 6; ++i) {
        const double x = 4 + i * 9.3;
        waves.quadTo(x + 2.3, 53.5, x + 4.65, 57);
        waves.quadTo(x + 7, 60.5, x + 9.3, 57);
    }
    Stroke(p, waves, QColor(60, 150, 235), 2.6, 1.6);
}

void DrawUmbrella(QPainter &p) {
    QPainterPath handle;
    handle.moveTo(32, 30);
    handle.lineTo(32, 53);
    handle.cubicTo(32, 60, 23, 60, 23, 53);
    Stroke(p, handle, QColor(110, 80, 60), 3.0);
    Stroke(p, Line({32, 7}, {32, 2.5}), QColor(110, 80, 60), 2.0);

    QPainterPath canopy;
    canopy.moveTo(5, 33);
    canopy.cubicTo(5, 15, 19, 6, 32, 6);
    canopy.cubicTo(45, 6, 59, 15, 59, 33);
    canopy.quadTo(52.25, 27, 45.5, 33);
    canopy.quadTo(38.75, 27, 32, 33);
    canopy.quadTo(25.25, 27, 18.5, 33);
    canopy.quadTo(11.75, 27, 5, 33);
    canopy.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(135, 65, 200));
    p.drawPath(canopy);

    // Alternate panels in a lighter shade so it reads as a ribbed canopy.
    QPainterPath leftRib;
    leftRib.moveTo(32, 6);
    leftRib.quadTo(21, 12, 18.5, 33);
    QPainterPath rightRib;
    rightRib.moveTo(32, 6);
    rightRib.quadTo(43, 12, 45.5, 33);
    QPainterPath lightPanels = leftRib;
    lightPanels.lineTo(32, 40);
    lightPanels.lineTo(32, 6);
    lightPanels.closeSubpath();
    QPainterPath outer = rightRib;
    outer.lineTo(64, 40);
    outer.lineTo(64, 0);
    outer.closeSubpath();
    lightPanels.addPath(outer);
    p.save();
    p.setClipPath(canopy);
    p.setBrush(QColor(185, 125, 235));
    p.drawPath(lightPanels);
    p.restore();

    Ink(p, leftRib, 1.5);
    Ink(p, rightRib, 1.5);
    Ink(p, Line({32, 6}, {32, 33}), 1.5);
    Shape(p, canopy, Qt::NoBrush);
}

void DrawCup(QPainter &p) {
    QPainterPath steam;
    steam.moveTo(24, 15);
    steam.cubicTo(20, 11, 28, 8, 24, 3);
    steam.moveTo(33, 15);
    steam.cubicTo(29, 11, 37, 8, 33, 3);
    Stroke(p, steam, QColor(250, 250, 252), 2.0, 1.4);

    Shape(p, Ellipse(QRectF(36, 27, 19, 21)).subtracted(Ellipse(QRectF(40.5, 32, 10, 11))),
          QColor(30, 165, 165));
    QPainterPath body;
    body.moveTo(11, 22);
    body.lineTo(45, 22);
    body.lineTo(43, 50);
    body.quadTo(42.5, 57, 36, 57);
    body.lineTo(20, 57);
    body.quadTo(13.5, 57, 13, 50);
    body.closeSubpath();
    Shape(p, body, QColor(30, 175, 175));
    Shape(p, Ellipse(QRectF(11, 18, 34, 8)), QColor(130, 220, 215));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 65, 35));
    p.drawEllipse(QRectF(14.5, 19.6, 27, 4.8));
    Gloss(p, QRectF(16, 28, 6, 20), 120);
}

void DrawKey(QPainter &p) {
    const QPainterPath key = Circle(17, 32, 12.5)
                                 .subtracted(Circle(17, 32, 5))
                                 .united(Rect(QRectF(27, 28.5, 32, 7), 1.5))
                                 .united(Rect(QRectF(44, 34, 5, 9)))
                                 .united(Rect(QRectF(52, 34, 5, 6.5)));
    Shape(p, key, QColor(228, 172, 60));
    p.setPen(QPen(QColor(255, 240, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 23, 18, 18), 100 * 16, 70 * 16);
    p.drawLine(QPointF(31, 30.8), QPointF(55, 30.8));
}

void DrawBell(QPainter &p) {
    Shape(p, Circle(32, 10, 4), QColor(250, 200, 40));
    Shape(p, Circle(32, 52, 5), QColor(150, 90, 30));
    QPainterPath body;
    body.moveTo(12, 47);
    body.cubicTo(17, 42, 17, 36, 17, 28);
    body.cubicTo(17, 18, 24, 12.5, 32, 12.5);
    body.cubicTo(40, 12.5, 47, 18, 47, 28);
    body.cubicTo(47, 36, 47, 42, 52, 47);
    body.closeSubpath();
    Shape(p, body, QColor(250, 200, 40));
    Shape(p, Rect(QRectF(9, 44, 46, 7), 3.5), QColor(228, 165, 30));
    Gloss(p, QRectF(21, 19, 6, 20), 170);
}

void DrawFlower(QPainter &p) {
    QPainterPath stem;
    stem.moveTo(32, 36);
    stem.quadTo(30, 48, 32, 61);
    Stroke(p, stem, QColor(60, 160, 60), 3.0);
    QPainterPath leaves;
    leaves.moveTo(31, 51);
    leaves.quadTo(20, 40, 12, 45);
    leaves.quadTo(20, 56, 31, 51);
    leaves.moveTo(32.5, 47);
    leaves.quadTo(43, 36, 52, 41);
    leaves.quadTo(43, 52, 32.5, 47);
    Shape(p, leaves, QColor(80, 180, 70));

    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(32, 24);
        p.rotate(i * 60.0 + 30);
        Shape(p, Ellipse(QRectF(-6, -20, 12, 16)), QColor(235, 90, 175));
        p.restore();
    }
    Shape(p, Circle(32, 24, 6.5), QColor(255, 210, 40));
}

void DrawLeaf(QPainter &p) {
    Stroke(p, Line({13, 51}, {5, 59}), QColor(90, 140, 40), 3.0);
    QPainterPath blade;
    blade.moveTo(12, 52);
    blade.cubicTo(6, 30, 24, 8, 58, 6);
    blade.cubicTo(58, 38, 36, 58, 12, 52);
    blade.closeSubpath();
    Shape(p, blade, QColor(125, 205, 60));
    const QColor vein(60, 135, 40);
    QPainterPath mid;
    mid.moveTo(12, 52);
    mid.quadTo(30, 34, 53, 11);
    Ink(p, mid, 2.0, vein);
    Ink(p, Line({22, 42}, {19, 32}), 1.5, vein);
    Ink(p, Line({22, 42}, {32, 46}), 1.5, vein);
    Ink(p, Line({32, 32}, {30, 21}), 1.5, vein);
    Ink(p, Line({32, 32}, {43, 36}), 1.5, vein);
    Ink(p, Line({42, 22}, {42, 13}), 1.5, vein);
    Ink(p, Line({42, 22}, {51, 25}), 1.5, vein);
}

void DrawCloud(QPainter &p) {
    const QPainterPath cloud = Circle(20, 38, 10)
                                   .united(Circle(32, 29, 14))
                                   .united(Circle(46, 36, 11))
                                   .united(Rect(QRectF(9, 34, 48, 16), 8));
    QLinearGradient g(0, 15, 0, 50);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(195, 220, 250));
    Shape(p, cloud, g);
}

void DrawLightning(QPainter &p) {
    Shape(p, Polygon({{33, 3}, {47, 3}, {37, 24}, {51, 24}, {21, 61}, {28, 35}, {13, 35}}),
          QColor(255, 225, 40));
    Ink(p, Line({35.5, 7}, {27, 26}), 1.6, QColor(255, 250, 200));
}

void DrawBook(QPainter &p) {
    Shape(p, Rect(QRectF(16, 10, 38, 50), 3), QColor(250, 245, 225));
    Ink(p, Line({19, 57.5}, {51, 57.5}), 1.0);
    Ink(p, Line({51, 13}, {51, 55}), 1.0);
    Shape(p, Polygon({{38, 52}, {38, 63}, {41, 60}, {44, 63}, {44, 52}}), QColor(220, 50, 50), 1.6);
    Shape(p, Rect(QRectF(10, 5, 38, 50), 3), QColor(40, 150, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 110, 75));
    p.drawRect(QRectF(11.1, 6.1, 6, 47.8));
    Ink(p, Line({17, 6}, {17, 54}), 1.6);
    Shape(p, Rect(QRectF(23, 15, 19, 9), 1.5), QColor(250, 245, 225), 1.4);
    Ink(p, Line({26, 19.5}, {39, 19.5}), 1.2);
}

void DrawClock(QPainter &p) {
    const QPointF c(32, 32);
    Shape(p, Circle(32, 32, 27), QColor(60, 100, 205));
    Shape(p, Circle(32, 32, 21.5), QColor(255, 255, 255), 1.6);
    for (int i = 0; i < 12; ++i) {
        const bool quarter = (i % 3) == 0;
        Ink(p, Line(Polar(c, quarter ? 15 : 17, i * 30.0), Polar(c, 19.5, i * 30.0)),
            quarter ? 2.2 : 1.3);
    }
    // Ten past ten: the classic clock-face pose, both hands clearly visible.
    Ink(p, Line(c, Polar(c, 10, -150)), 3.0);
    Ink(p, Line(c, Polar(c, 15.5, -30)), 2.2);
    Shape(p, Circle(32, 32, 2.6), QColor(230, 60, 50), 1.0);
}

void DrawBalloon(QPainter &p) {
    QPainterPath string;
    string.moveTo(32, 46);
    string.cubicTo(27, 52, 37, 56, 31, 62);
    Ink(p, string, 1.6);
    const QColor blue(60, 165, 235);
    Shape(p, Polygon({{28, 48}, {36, 48}, {32, 42}}), blue, 1.6);
    Shape(p, Ellipse(QRectF(14, 4, 36, 41)), blue);
    p.save();
    p.translate(23, 17);
    p.rotate(-30);
    Gloss(p, QRectF(-4, -7, 8, 14), 190);
    p.restore();
}

void DrawKite(QPainter &p) {
    const QPointF top(32, 3), right(50, 17), bottom(32, 43), left(14, 17), mid(32, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 60, 60));
    p.drawPath(Polygon({top, mid, left}));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(Polygon({top, right, mid}));
    p.setBrush(QColor(50, 120, 220));
    p.drawPath(Polygon({mid, right, bottom}));
    p.setBrush(QColor(70, 180, 80));
    p.drawPath(Polygon({left, mid, bottom}));
    Shape(p, Polygon({top, right, bottom, left}), Qt::NoBrush);
    Ink(p, Line(top, bottom));
    Ink(p, Line(left, right));

    QPainterPath tail;
    tail.moveTo(bottom);
    tail.cubicTo(26, 49, 40, 53, 34, 62);
    Ink(p, tail, 1.6);
    // Bow ties on the tail: two small triangles meeting at a knot.
    const QColor bows[] = {QColor(230, 60, 60), QColor(50, 120, 220)};
    const QPointF knots[] = {{31.2, 48.6}, {35.1, 55.1}};
    for (int i = 0; i < 2; ++i) {
        const QPointF b = knots[i];
        QPainterPath bow = Polygon({b, {b.x() - 5.5, b.y() - 3.5}, {b.x() - 5.5, b.y() + 3.5}});
        bow.addPath(Polygon({b, {b.x() + 5.5, b.y() - 3.5}, {b.x() + 5.5, b.y() + 3.5}}));
        Shape(p, bow, bows[i], 1.4);
    }
}

void DrawMushroom(QPainter &p) {
    QPainterPath stem;
    stem.moveTo(24, 36);
    stem.lineTo(40, 36);
    stem.cubicTo(41, 46, 43, 52, 42, 56);
    stem.quadTo(32, 61, 22, 56);
    stem.cubicTo(21, 52, 23, 46, 24, 36);
    stem.closeSubpath();
    Shape(p, stem, QColor(245, 230, 200));

    QPainterPath cap;
    cap.moveTo(5, 37);
    cap.cubicTo(5, 15, 19, 6, 32, 6);
    cap.cubicTo(45, 6, 59, 15, 59, 37);
    cap.cubicTo(48, 42, 16, 42, 5, 37);
    cap.closeSubpath();
    Shape(p, cap, QColor(225, 45, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(19, 22), 4.5, 4);
    p.drawEllipse(QPointF(35, 13), 4, 3.2);
    p.drawEllipse(QPointF(47, 26), 3.8, 3.5);
    p.drawEllipse(QPointF(31, 29), 3, 2.7);
    p.drawEllipse(QPointF(11, 33), 2, 2);
}

void DrawIceCream(QPainter &p) {
    const QPainterPath cone = Polygon({{19, 31}, {45, 31}, {32, 62}});
    Shape(p, cone, QColor(225, 170, 95));
    p.save();
    p.setClipPath(cone);
    for (int i = -4; i < 6; ++i) {
        Ink(p, Line({10.0 + i * 6, 30}, {40.0 + i * 6, 62}), 1.1, QColor(170, 115, 55));
        Ink(p, Line({54.0 - i * 6, 30}, {24.0 - i * 6, 62}), 1.1, QColor(170, 115, 55));
    }
    p.restore();

    QPainterPath drip;
    drip.moveTo(16, 26);
    drip.lineTo(48, 26);
    drip.lineTo(48, 32);
    drip.quadTo(44, 38, 40, 32);
    drip.quadTo(36, 38, 32, 32);
    drip.quadTo(28, 38, 24, 32);
    drip.quadTo(20, 38, 16, 32);
    drip.closeSubpath();
    Shape(p, Circle(32, 21, 14).united(drip), QColor(250, 150, 190));

    const struct {
        double x1, y1, x2, y2;
        QColor color;
    } sprinkles[] = {
        {23, 17, 26, 15, QColor(60, 140, 230)},  {35, 14, 38, 15.5, QColor(255, 210, 40)},
        {40, 22, 42, 25, QColor(70, 180, 80)},   {27, 26, 30, 27, QColor(255, 210, 40)},
        {21, 23, 21.5, 26, QColor(70, 180, 80)}, {33, 21, 35, 23, QColor(60, 140, 230)},
    };
    for (const auto &s : sprinkles)
        Ink(p, Line({s.x1, s.y1}, {s.x2, s.y2}), 2.0, s.color);

    Ink(p, Line({33, 5}, {38, 1.5}), 1.6);
    Shape(p, Circle(32, 8, 4.5), QColor(210, 25, 40), 1.8);
}

void DrawPencil(QPainter &p) {
    p.save();
    p.translate(32, 32);
    // Tip pointing down-left, the way a pencil lies in a right hand.
    p.rotate(-45);
    Shape(p, Rect(QRectF(24, -6.5, 8.5, 13), 3), QColor(240, 130, 150));
    Shape(p, Rect(QRectF(18, -6.5, 6, 13)), QColor(190, 195, 205));
    Ink(p, Line({21, -6.5}, {21, 6.5}), 1.1);
    Shape(p, Rect(QRectF(-20, -6.5, 38, 13)), QColor(250, 195, 40));
    Ink(p, Line({-20, -2.2}, {18, -2.2}), 1.1, QColor(205, 140, 20));
    Ink(p, Line({-20, 2.2}, {18, 2.2}), 1.1, QColor(205, 140, 20));
    Shape(p, Polygon({{-20, -6.5}, {-33, 0}, {-20, 6.5}}), QColor(238, 205, 155));
    Shape(p, Polygon({{-28.5, -2.25}, {-33, 0}, {-28.5, 2.25}}), QColor(60, 60, 70), 1.4);
    p.restore();
}

void DrawButterfly(QPainter &p) {
    QPainterPath antennae;
    antennae.moveTo(31, 16);
    antennae.quadTo(27, 8, 21, 6);
    antennae.moveTo(33, 16);
    antennae.quadTo(37, 8, 43, 6);
    Ink(p, antennae, 1.6);
    Shape(p, Circle(21, 6, 2), kInk, 0);
    Shape(p, Circle(43, 6, 2), kInk, 0);

    QPainterPath upper;
    upper.moveTo(31, 28);
    upper.cubicTo(22, 7, 3, 5, 4, 18);
    upper.cubicTo(5, 30, 20, 34, 31, 30);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(31, 32);
    lower.cubicTo(18, 32, 7, 40, 11, 50);
    lower.cubicTo(15, 59, 28, 51, 31, 36);
    lower.closeSubpath();
    const QTransform mirror(-1, 0, 0, 1, 64, 0);
    for (const QTransform &t : {QTransform(), mirror}) {
        Shape(p, t.map(lower), QColor(120, 180, 250));
        Shape(p, t.map(upper), QColor(70, 95, 225));
        Shape(p, t.map(Circle(14, 17, 3.6)), QColor(255, 215, 50), 1.2);
        Shape(p, t.map(Circle(23, 24, 2.2)), QColor(255, 215, 50), 1.2);
        Shape(p, t.map(Circle(17, 46, 2.5)), Qt::white, 1.2);
    }
    Shape(p, Rect(QRectF(29.5, 15, 5, 37), 2.5), QColor(70, 50, 45));
    Shape(p, Circle(32, 15, 3.6), QColor(70, 50, 45));
}

using PictureFn = void (*)(QPainter &);

// Order is part of the program's data: picture N is referred to by number, so append only.
const PictureFn kPictures[] = {
    DrawApple,  DrawSun,      DrawMoon,     DrawStar,      DrawHeart,     DrawHouse, DrawTree,
    DrawFish,   DrawCar,      DrawBoat,     DrawUmbrella,  DrawCup,       DrawKey,   DrawBell,
    DrawFlower, DrawLeaf,     DrawCloud,    DrawLightning, DrawBook,      DrawClock, DrawBalloon,
    DrawKite,   DrawMushroom, DrawIceCream, DrawPencil,    DrawButterfly,
};

// ---------------------------------------------------------------------------------------------
// Interface pictures.

QImage DrawBall() {
    QImage image = NewCanvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(32, 32), 29, QPointF(24, 20));
    face.setColorAt(0, QColor(255, 246, 150));
    face.setColorAt(0.55, QColor(255, 208, 30));
    face.setColorAt(1, QColor(230, 160, 0));
    p.setPen(QPen(QColor(160, 105, 0), 1.6));
    p.setBrush(face);
    p.drawEllipse(QRectF(3, 3, 58, 58));

    const QColor eye(70, 45, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(eye);
    p.drawEllipse(QRectF(21, 19, 6.5, 11));
    p.drawEllipse(QRectF(36.5, 19, 6.5, 11));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(23.6, 22.3), 1.4, 1.8);
    p.drawEllipse(QPointF(39.1, 22.3), 1.4, 1.8);

    QPainterPath smile;
    smile.moveTo(17, 37);
    smile.quadTo(32, 54, 47, 37);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(eye, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(smile);

    // The gloss goes on last so it sits over the eyes like a reflection on a real ball.
    QLinearGradient shine(0, 6, 0, 30);
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(13, 6, 38, 22));
    return image;
}

QImage DrawFixation() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 3, 0, 45);
    g.setColorAt(0, QColor(190, 225, 250));
    g.setColorAt(1, QColor(160, 205, 245));
    p.setPen(QPen(QColor(105, 155, 210), 1.6));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3.5, 3.5, 41, 41), 9, 9);
    return image;
}

QImage DrawEscKey() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The key's skirt, visible mostly below the top face, gives the 3-D edge.
    QLinearGradient skirt(0, 3, 0, 45);
    skirt.setColorAt(0, QColor(190, 190, 196));
    skirt.setColorAt(1, QColor(135, 135, 142));
    p.setPen(QPen(QColor(80, 80, 88), 1.4));
    p.setBrush(skirt);
    p.drawRoundedRect(QRectF(2.5, 3, 43, 42), 7, 7);
    QLinearGradient top(0, 5, 0, 37);
    top.setColorAt(0, QColor(248, 248, 250));
    top.setColorAt(1, QColor(218, 218, 224));
    p.setPen(QPen(QColor(150, 150, 158), 1.0));
    p.setBrush(top);
    p.drawRoundedRect(QRectF(6, 5, 36, 32), 5, 5);

    // "Esc" from strokes: no font, so the key looks the same on every machine.
    QPainterPath letters;
    letters.moveTo(18, 15);
    letters.lineTo(12, 15);
    letters.lineTo(12, 27);
    letters.lineTo(18, 27);
    letters.moveTo(12, 21);
    letters.lineTo(16.5, 21);
    letters.moveTo(26, 20.3);
    letters.cubicTo(25, 18.6, 20.5, 18.6, 20.6, 21);
    letters.cubicTo(20.7, 23.2, 26, 22.4, 26, 24.9);
    letters.cubicTo(26, 27.6, 21, 27.6, 20.2, 25.7);
    const QRectF c(28.8, 19, 8, 8);
    letters.arcMoveTo(c, 45);
    letters.arcTo(c, 45, 270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(55, 55, 65), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);
    return image;
}

void PaintRoundButton(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(24, 24), 22, QPointF(18, 15));
    g.setColorAt(0, QColor(120, 180, 245));
    g.setColorAt(0.6, QColor(45, 110, 210));
    g.setColorAt(1, QColor(25, 70, 165));
    p.setPen(QPen(QColor(15, 45, 115), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2.5, 2.5, 43, 43));
    QLinearGradient shine(0, 4, 0, 24);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(9, 4, 30, 19));
}

// The symbol gets a faint dark copy one pixel lower so the white reads on the glossy top.
void PaintButtonSymbol(QPainter &p, const QPainterPath &symbol) {
    p.setPen(QPen(QColor(10, 35, 90, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(10, 35, 90, 90));
    p.drawPath(symbol.translated(0, 1));
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(symbol);
}

QImage DrawPlay() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    PaintRoundButton(p);
    // Nudged right of centre: a triangle's visual centre is its centroid, not its box.
    PaintButtonSymbol(p, Polygon({{19, 14}, {19, 34}, {35, 24}}));
    return image;
}

QImage DrawPause() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    PaintRoundButton(p);
    QPainterPath bars = Rect(QRectF(16, 14, 5.5, 20), 1.2);
    bars.addPath(Rect(QRectF(26.5, 14, 5.5, 20), 1.2));
    PaintButtonSymbol(p, bars);
    return image;
}

QImage DrawDisc() {
    QImage image = NewCanvas(128, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(64, 64), 60, QPointF(46, 40));
    g.setColorAt(0, QColor(255, 215, 130));
    g.setColorAt(0.55, QColor(250, 145, 35));
    g.setColorAt(1, QColor(205, 85, 10));
    p.setPen(QPen(QColor(165, 65, 0), 2.0));
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, 120, 120));
    QLinearGradient shine(0, 10, 0, 60);
    shine.setColorAt(0, QColor(255, 255, 255, 175));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(24, 10, 80, 48));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(92, 96), 5, 3.5);
    return image;
}

// One page of the open book; side is -1 for the left page, +1 for the right.
QPainterPath BookPage(double spineX, double side, double topInner, double topOuter,
                      double bottomOuter, double bottomInner, double width) {
    const double outer = spineX + side * width;
    QPainterPath page;
    page.moveTo(spineX, topInner);
    page.cubicTo(spineX + side * width * 0.2, topInner - 12, spineX + side * width * 0.6,
                 topOuter - 6, outer, topOuter);
    page.lineTo(outer, bottomOuter);
    page.cubicTo(spineX + side * width * 0.6, bottomOuter - 6, spineX + side * width * 0.2,
                 bottomInner - 12, spineX, bottomInner);
    page.closeSubpath();
    return page;
}

QImage DrawMenu() {
    QImage image = NewCanvas(215, 202);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor deep(25, 62, 145);
    const double cx = 107.5;

    // Soft glow instead of a hard background, so the picture sits on any shade of the theme.
    QRadialGradient glow(QPointF(cx, 101), 104);
    glow.setColorAt(0, QColor(225, 238, 255, 230));
    glow.setColorAt(0.7, QColor(215, 232, 255, 120));
    glow.setColorAt(1, QColor(215, 232, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, 101), 104, 100);

    // The line of sight: a pale beam from the eye down onto the pages.
    QLinearGradient beam(0, 84, 0, 140);
    beam.setColorAt(0, QColor(110, 170, 245, 150));
    beam.setColorAt(1, QColor(110, 170, 245, 0));
    p.setBrush(beam);
    p.drawPath(Polygon({{cx - 14, 84}, {cx + 14, 84}, {cx + 70, 140}, {cx - 70, 140}}));

    // Book: blue cover behind two white pages.
    p.setPen(QPen(deep, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(40, 95, 190));
    p.drawPath(
        BookPage(cx, -1, 136, 126, 190, 198, 96).united(BookPage(cx, 1, 136, 126, 190, 198, 96)));
    for (double side : {-1.0, 1.0}) {
        QLinearGradient paper(cx, 0, cx + side * 88, 0);
        paper.setColorAt(0, QColor(212, 226, 248));
        paper.setColorAt(0.25, QColor(248, 251, 255));
        paper.setColorAt(1, QColor(255, 255, 255));
        p.setPen(QPen(deep, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(paper);
        p.drawPath(BookPage(cx, side, 128, 118, 180, 190, 88));
        // Lines of text following the curl of the page. Our text runs right to left, so the
        // short last line of the paragraph hugs the right-hand edge of each page.
        p.setPen(QPen(QColor(140, 175, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            const double dy = 12 + i * 10;
            QPainterPath line;
            line.moveTo(cx + side * 10, 128 + dy - 6);
            line.cubicTo(cx + side * 26, 128 + dy - 13, cx + side * 55, 118 + dy - 6,
                         cx + side * 78, 118 + dy);
            if (i == 4) {
                // Keep the spine end on the left page, the outer end on the right one.
                const double from = side < 0 ? 0.0 : 0.45, to = side < 0 ? 0.55 : 1.0;
                QPainterPath part;
                for (int k = 0; k <= 20; ++k) {
                    const QPointF pt = line.pointAtPercent(from + (to - from) * k / 20.0);
                    if (k == 0)
                        part.moveTo(pt);
                    else
                        part.lineTo(pt);
                }
                line = part;
            }
            p.drawPath(line);
        }
    }
    p.setPen(QPen(deep, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, 128), QPointF(cx, 190));

    // The eye.
    QPainterPath eye;
    eye.moveTo(cx - 64, 56);
    eye.quadTo(cx, 2, cx + 64, 56);
    eye.quadTo(cx, 110, cx - 64, 56);
    eye.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.save();
    p.setClipPath(eye);
    QRadialGradient iris(QPointF(cx, 56), 25, QPointF(cx - 7, 49));
    iris.setColorAt(0, QColor(120, 185, 250));
    iris.setColorAt(0.7, QColor(45, 115, 215));
    iris.setColorAt(1, QColor(20, 65, 160));
    p.setPen(QPen(deep, 1.5));
    p.setBrush(iris);
    p.drawEllipse(QPointF(cx, 56), 25, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 28, 70));
    p.drawEllipse(QPointF(cx, 56), 10.5, 10.5);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QPointF(cx - 8, 47), 5.5, 5.5);
    p.drawEllipse(QPointF(cx + 8, 64), 2.2, 2.2);
    p.restore();
    p.setPen(QPen(deep, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eye);

    // Short rays over the lid: the "sharp" in sharp sight. Each stands on the lid's normal, a
    // fixed gap above it, so the fan follows the curve of the lid.
    const QPointF lid0(cx - 64, 56), lid1(cx, 2), lid2(cx + 64, 56);
    p.setPen(QPen(QColor(45, 110, 210), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (double t : {0.22, 0.36, 0.5, 0.64, 0.78}) {
        const double u = 1 - t;
        const QPointF on = u * u * lid0 + 2 * u * t * lid1 + t * t * lid2;
        const QPointF tangent = 2 * u * (lid1 - lid0) + 2 * t * (lid2 - lid1);
        const double len = std::hypot(tangent.x(), tangent.y());
        const QPointF normal(tangent.y() / len, -tangent.x() / len);
        // Tilt the outer rays further out than the lid alone would, for a livelier fan.
        const double tilt = (t - 0.5) * 1.4;
        const QPointF dir(normal.x() * std::cos(tilt) - normal.y() * std::sin(tilt),
                          normal.x() * std::sin(tilt) + normal.y() * std::cos(tilt));
        const double reach = (t == 0.5) ? 15 : 12;
        p.drawLine(on + dir * 6, on + dir * (6 + reach));
    }
    return image;
}

QImage DrawStrip() {
    // Drawn pixel by pixel: the colour and the alpha fade along the strip, and the edge rows are
    // fainter so the strip looks soft rather than like a ruled line.
    const int width = 400, height = 5;
    QImage image = NewCanvas(width, height);
    const double rowAlpha[height] = {0.35, 0.8, 1.0, 0.8, 0.35};
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;     // 0..1 along the strip
            const double d = std::abs(u - 0.5) * 2; // 0 at centre, 1 at the ends
            const double fade = std::pow(std::max(0.0, 1.0 - d), 1.3);
            const int r = static_cast<int>(std::lround(30 + 100 * d));
            const int g = static_cast<int>(std::lround(90 + 85 * d));
            const int b = static_cast<int>(std::lround(195 + 45 * d));
            const int a = static_cast<int>(std::lround(255 * fade * rowAlpha[y]));
            line[x] = qRgba(r, g, b, a);
        }
    }
    return image;
}

void PaintIconDisc(QPainter &p, const QColor &light, const QColor &dark, const QColor &edge) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 3, 0, 45);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(QPen(edge, 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 42, 42));
}

QImage DrawIconAbout() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    PaintIconDisc(p, QColor(80, 150, 235), QColor(30, 90, 190), QColor(20, 60, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 14.5), 3.6, 3.6);
    QPainterPath stem;
    stem.moveTo(19.5, 21);
    stem.lineTo(27, 21);
    stem.lineTo(27, 33.5);
    stem.lineTo(29.5, 33.5);
    stem.lineTo(29.5, 37);
    stem.lineTo(18.5, 37);
    stem.lineTo(18.5, 33.5);
    stem.lineTo(21, 33.5);
    stem.lineTo(21, 24.5);
    stem.lineTo(19.5, 24.5);
    stem.closeSubpath();
    p.setPen(QPen(Qt::white, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(stem);
    return image;
}

QImage DrawIconContact() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    PaintIconDisc(p, QColor(80, 150, 235), QColor(30, 90, 190), QColor(20, 60, 140));
    const QRectF letter(11.5, 15, 25, 18);
    p.setPen(QPen(QColor(20, 60, 140), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(letter, 2, 2);
    QPainterPath flap;
    flap.moveTo(12.5, 16.5);
    flap.lineTo(24, 26);
    flap.lineTo(35.5, 16.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 100, 200), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flap);
    p.setPen(QPen(QColor(150, 185, 235), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 31.5), QPointF(20.5, 25));
    p.drawLine(QPointF(35, 31.5), QPointF(27.5, 25));
    return image;
}

QImage DrawIconExit() {
    QImage image = NewCanvas(48, 48);
    QPainter p(&image);
    PaintIconDisc(p, QColor(245, 95, 85), QColor(195, 35, 35), QColor(140, 20, 20));
    p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // Open at the top where the bar goes through, as on every power button.
    p.drawArc(QRectF(14, 15, 20, 20), 125 * 16, 290 * 16);
    p.drawLine(QPointF(24, 11.5), QPointF(24, 24));
    return image;
}

bool SavePng(const QImage &image, const QString &path, QString *error) {
    if (!image.save(path, "PNG")) {
        SetError(error, QStringLiteral("Could not write %1").arg(path));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Sounds: 16-bit mono PCM at 44.1 kHz, which every audio back end plays without conversion.

constexpr int kRate = 44100;

void Put16(QByteArray &out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void Put32(QByteArray &out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xffff));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Scales the signal so its loudest sample is `peak` of full scale, then writes a canonical
// 44-byte RIFF/WAVE header and the samples, all little-endian whatever the host.
bool WriteWav(const QString &path, std::vector<double> signal, double peak, QString *error) {
    double maxAbs = 0;
    for (double s : signal)
        maxAbs = std::max(maxAbs, std::abs(s));
    const double scale = maxAbs > 0 ? peak / maxAbs : 0;

    const auto dataBytes = static_cast<std::uint32_t>(signal.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    Put32(out, 16);        // fmt chunk size
    Put16(out, 1);         // PCM
    Put16(out, 1);         // mono
    Put32(out, kRate);     // sample rate
    Put32(out, kRate * 2); // byte rate
    Put16(out, 2);         // block align
    Put16(out, 16);        // bits per sample
    out.append("data", 4);
    Put32(out, dataBytes);
    for (double s : signal) {
        const long v = std::lround(std::clamp(s * scale, -1.0, 1.0) * 32767.0);
        Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        SetError(error, QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

// Raised-cosine ramp from 0 to 1 over `length` seconds; smoother than linear, so no clicks.
double Ramp(double t, double length) {
    if (t <= 0)
        return 0;
    if (t >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(kPi * t / length);
}

std::vector<double> Tick() {
    // 30 ms: a 2 kHz ping with a hint of a higher partial, rising in under a millisecond and
    // dying away fast, so it marks the beat without sounding like a tone.
    const double duration = 0.030;
    const int n = static_cast<int>(duration * kRate);
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = Ramp(t, 0.0008) * std::exp(-t / 0.0045) * Ramp(duration - t, 0.003);
        s[i] = env * (std::sin(2 * kPi * 2000 * t) +
                      0.3 * std::exp(-t / 0.002) * std::sin(2 * kPi * 4300 * t));
    }
    return s;
}

struct Partial {
    double ratio; // frequency relative to the note
    double gain;
    double decayScale; // higher partials die sooner, as they do on a real chime
};

struct Note {
    double start; // seconds
    double freq;  // Hz
    double decay; // exponential time constant, seconds
};

std::vector<double> Chime(const std::vector<Note> &notes, const std::vector<Partial> &timbre,
                          double duration) {
    const int n = static_cast<int>(duration * kRate);
    std::vector<double> s(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0;
        for (const Note &note : notes) {
            const double local = t - note.start;
            if (local <= 0)
                continue;
            const double attack = Ramp(local, 0.006);
            for (const Partial &part : timbre) {
                v += part.gain * attack * std::exp(-local * part.decayScale / note.decay) *
                     std::sin(2 * kPi * note.freq * part.ratio * local);
            }
        }
        // Whole-sound fades so the file starts and ends on silence.
        s[i] = v * Ramp(t, 0.004) * Ramp(duration - t, 0.030);
    }
    return s;
}

struct SoundFile {
    const char *name;
    std::vector<double> (*make)();
};

const std::vector<Partial> kMellow = {{1, 1.0, 1}, {2, 0.22, 1.6}, {3, 0.06, 2.2}};
const std::vector<Partial> kBell = {{1, 1.0, 1}, {2.76, 0.35, 1.8}, {5.40, 0.12, 2.8}};
const std::vector<Partial> kRound = {{1, 1.0, 1}, {2, 0.30, 1.4}, {3, 0.22, 1.8}};

// Each dialog kind gets its own contour so it can be told apart without looking.
std::vector<double> InfoSound() {
    return Chime({{0, 659.26, 0.10}, {0.11, 880.0, 0.09}}, kMellow, 0.32);
}

std::vector<double> AsteriskSound() {
    return Chime({{0, 1318.5, 0.085}, {0.045, 1975.5, 0.05}}, kBell, 0.30);
}

std::vector<double> QuestionSound() {
    return Chime({{0, 523.25, 0.07}, {0.08, 659.26, 0.07}, {0.16, 880.0, 0.09}}, kMellow, 0.38);
}

std::vector<double> WarningSound() {
    return Chime({{0, 880.0, 0.06}, {0.13, 880.0, 0.07}}, kRound, 0.30);
}

std::vector<double> ErrorSound() {
    return Chime({{0, 329.63, 0.10}, {0.14, 261.63, 0.12}}, kRound, 0.38);
}

} // namespace

bool GenerateMedia(const QString &mediaDir, QString *error) {
    const QDir root(mediaDir);
    for (const char *sub : {"pic64", "ui", "sound"}) {
        if (!root.mkpath(QLatin1String(sub))) {
            SetError(error,
                     QStringLiteral("Could not create %1").arg(root.filePath(QLatin1String(sub))));
            return false;
        }
    }

    int number = 1;
    for (PictureFn draw : kPictures) {
        QImage image = NewCanvas(64, 64);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            draw(p);
        }
        if (!SavePng(image, root.filePath(QStringLiteral("pic64/%1.png").arg(number)), error))
            return false;
        ++number;
    }

    const struct {
        const char *name;
        QImage (*draw)();
    } ui[] = {
        {"ball", DrawBall},
        {"fixation", DrawFixation},
        {"esc", DrawEscKey},
        {"play", DrawPlay},
        {"pause", DrawPause},
        {"disc", DrawDisc},
        {"menu", DrawMenu},
        {"strip", DrawStrip},
        {"icon_about", DrawIconAbout},
        {"icon_contact", DrawIconContact},
        {"icon_exit", DrawIconExit},
    };
    for (const auto &item : ui) {
        const QString path =
            root.filePath(QStringLiteral("ui/%1.png").arg(QLatin1String(item.name)));
        if (!SavePng(item.draw(), path, error))
            return false;
    }

    const SoundFile sounds[] = {
        {"tik", Tick},       {"warning", WarningSound},   {"error", ErrorSound},
        {"info", InfoSound}, {"question", QuestionSound}, {"asterisk", AsteriskSound},
    };
    for (const SoundFile &sound : sounds) {
        // The beat click may be a little louder than the dialog chimes: it is much shorter.
        const double peak = (sound.make == Tick) ? 0.55 : 0.40;
        const QString path =
            root.filePath(QStringLiteral("sound/%1.wav").arg(QLatin1String(sound.name)));
        if (!WriteWav(path, sound.make(), peak, error))
            return false;
    }
    return true;
}
