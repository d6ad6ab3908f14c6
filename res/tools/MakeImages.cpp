// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the toolbar strip (182 x 26, seven 26 x 26 images, 16 colours), the program icon (32 x 32, 16 x
// 16), the launcher icons (48 to 256 pixels and plenta.svg, smooth, from one 64-unit drawing) and the picture
// under the chart that comes with the package (plenta.gif, 240 x 90, 16 colours) once; the files are checked
// in under res/images. Not part of the build; to redraw them:
//   g++ -std=c++20 -fPIC MakeImages.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make-images
//   QT_QPA_PLATFORM=offscreen /tmp/make-images ../images
#include "GifWriter.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <array>

namespace {

// The sixteen colours of the classic VGA palette, which the handheld's 16-colour bitmaps use.
const QList<QRgb> VGA = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                         0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                         0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

const QColor NAVY(0, 0, 128);
const QColor GREY(128, 128, 128);
const QColor SILVER(192, 192, 192);
const QColor RED(255, 0, 0);
const QColor YELLOW(255, 255, 0);
const QColor WHITE(255, 255, 255);
const QColor GREEN(0, 128, 0);
const QColor LIME(0, 255, 0);
const QColor BLACK(0, 0, 0);

constexpr int SIZE = 26;

void Letter(QPainter &p, const QRect &cell, const QString &text, int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(NAVY);
    p.drawText(cell, Qt::AlignCenter, text);
}

void Frame(QPainter &p, const QRect &cell) {
    p.setPen(GREY);
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
}

void FirstDay(QPainter &p, const QRect &cell) {
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            p.setPen((x + y) % 2 == 0 ? RED : WHITE);
            p.drawPoint(cell.left() + x, cell.top() + y);
        }
    }
    Letter(p, cell, QStringLiteral("1."), 16);
    Frame(p, cell);
}

void Mucus(QPainter &p, const QRect &cell) {
    p.fillRect(cell, WHITE);
    p.setPen(YELLOW);
    for (int y = 1; y < SIZE; y += 3) {
        for (int x = 1 + (y / 3) % 2; x < SIZE; x += 3) {
            p.drawPoint(cell.left() + x, cell.top() + y);
        }
    }
    Letter(p, cell, QStringLiteral("S"), 18);
    Frame(p, cell);
}

void Ovulation(QPainter &p, const QRect &cell) {
    p.fillRect(cell, YELLOW);
    Letter(p, cell, QStringLiteral("E"), 18);
    Frame(p, cell);
}

void Intercourse(QPainter &p, const QRect &cell) {
    p.fillRect(cell, SILVER);
    Letter(p, cell, QStringLiteral("x"), 18);
    Frame(p, cell);
}

void OutlinedShape(QPainter &p, const QPainterPath &shape, const QColor &fill) {
    p.setPen(QPen(BLACK, 1));
    p.setBrush(fill);
    p.drawPath(shape);
}

void Tick(QPainter &p, const QRect &cell) {
    p.fillRect(cell, SILVER);
    QPainterPath tick;
    const QPoint o = cell.topLeft();
    tick.moveTo(o + QPoint(3, 13));
    tick.lineTo(o + QPoint(7, 9));
    tick.lineTo(o + QPoint(11, 14));
    tick.lineTo(o + QPoint(20, 3));
    tick.lineTo(o + QPoint(23, 7));
    tick.lineTo(o + QPoint(11, 22));
    tick.closeSubpath();
    OutlinedShape(p, tick, LIME);
}

void Cross(QPainter &p, const QRect &cell) {
    p.fillRect(cell, SILVER);
    QPainterPath cross;
    const QPoint o = cell.topLeft();
    const std::array<QPoint, 12> corners{{{4, 7},
                                          {7, 4},
                                          {13, 10},
                                          {19, 4},
                                          {22, 7},
                                          {16, 13},
                                          {22, 19},
                                          {19, 22},
                                          {13, 16},
                                          {7, 22},
                                          {4, 19},
                                          {10, 13}}};
    cross.moveTo(o + corners[0]);
    for (std::size_t i = 1; i < corners.size(); ++i) {
        cross.lineTo(o + corners[i]);
    }
    cross.closeSubpath();
    OutlinedShape(p, cross, RED);
}

void NightSky(QPainter &p, const QRect &cell, bool withName) {
    p.fillRect(cell, NAVY);
    const int s = cell.width();
    // The moon: a yellow disc with a navy disc cut out of it.
    p.setPen(Qt::NoPen);
    p.setBrush(YELLOW);
    p.drawEllipse(QRect(cell.left() + s * 11 / 20, cell.top() + s / 10, s * 7 / 20, s * 7 / 20));
    p.setBrush(NAVY);
    p.drawEllipse(QRect(cell.left() + s * 13 / 20, cell.top() + s / 20, s * 7 / 20, s * 7 / 20));
    p.setPen(WHITE);
    for (const QPoint star : {QPoint(3, 3), QPoint(9, 6), QPoint(6, 11), QPoint(13, 2), QPoint(18, 12)}) {
        p.drawPoint(cell.left() + star.x() * s / 26, cell.top() + star.y() * s / 26);
    }
    if (withName) {
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(YELLOW);
        p.drawText(QRect(cell.left(), cell.top() + 15, s, 11), Qt::AlignCenter, QStringLiteral("Plenta"));
    } else {
        // The icon shows a red temperature curve under the moon instead of the name.
        p.setPen(QPen(RED, s >= 32 ? 2 : 1));
        p.drawPolyline(
            QPolygon({cell.topLeft() + QPoint(s / 8, s * 3 / 4), cell.topLeft() + QPoint(s / 3, s * 4 / 5),
                      cell.topLeft() + QPoint(s / 2, s * 3 / 4), cell.topLeft() + QPoint(s * 5 / 8, s / 2),
                      cell.topLeft() + QPoint(s * 7 / 8, s * 9 / 20)}));
    }
}

QImage SixteenColours(const QImage &image) {
    return image.convertToFormat(QImage::Format_Indexed8, VGA, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    QPainter p(&image);
    NightSky(p, QRect(0, 0, size, size), false);
    p.end();
    return SixteenColours(image);
}

// The launcher icon in a 64 x 64 design space: the same night sky, moon, stars and curve as the small icon,
// drawn smooth. The PNG sizes and the SVG come from these numbers alone.
struct Circle {
    double x;
    double y;
    double r;
};
constexpr Circle MOON{46.4, 17.6, 11.2};
constexpr Circle MOON_SHADOW{52.8, 14.4, 11.2};
constexpr std::array<Circle, 5> STARS{
    {{7.4, 7.4, 1.4}, {22.2, 14.8, 1.4}, {14.8, 27.1, 1.4}, {32, 4.9, 1.4}, {44.3, 29.5, 1.4}}};
constexpr std::array<QPointF, 5> CURVE{{{8, 48}, {21.3, 51.2}, {32, 48}, {40, 32}, {56, 28.8}}};
constexpr double CURVE_WIDTH = 4;

QImage LauncherIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.fillRect(QRectF(0, 0, 64, 64), NAVY);
    p.setPen(Qt::NoPen);
    const auto disc = [&p](const Circle &c, const QColor &colour) {
        p.setBrush(colour);
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
    };
    disc(MOON, YELLOW);
    disc(MOON_SHADOW, NAVY);
    for (const Circle &star : STARS) {
        disc(star, WHITE);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(RED, CURVE_WIDTH, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(CURVE.data(), static_cast<int>(CURVE.size()));
    p.end();
    return image;
}

QString LauncherSvg() {
    const auto circle = [](const Circle &c, const char *fill) {
        return QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
            .arg(c.x)
            .arg(c.y)
            .arg(c.r)
            .arg(QLatin1String(fill));
    };
    QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                       "viewBox=\"0 0 64 64\">\n  <rect width=\"64\" height=\"64\" fill=\"#000080\"/>\n");
    svg += circle(MOON, "#ffff00") + circle(MOON_SHADOW, "#000080");
    for (const Circle &star : STARS) {
        svg += circle(star, "#ffffff");
    }
    QString points;
    for (const QPointF &point : CURVE) {
        points += QStringLiteral("%1%2,%3").arg(points.isEmpty() ? "" : " ").arg(point.x()).arg(point.y());
    }
    svg += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"%2\" "
                          "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n</svg>\n")
               .arg(points)
               .arg(CURVE_WIDTH);
    return svg;
}

// The night sky of the icon stretched over the strip: moon, stars, a row of dark hills and the temperature
// curve's red over them, in the toolbar's sixteen colours.
QImage StripPicture() {
    QImage image(240, 90, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), NAVY);
    p.setPen(Qt::NoPen);
    p.setBrush(YELLOW);
    p.drawEllipse(QRect(184, 10, 30, 30));
    p.setBrush(NAVY);
    p.drawEllipse(QRect(194, 4, 30, 30));
    p.setPen(WHITE);
    for (const QPoint star :
         {QPoint(12, 9), QPoint(37, 22), QPoint(58, 6), QPoint(83, 17), QPoint(109, 8), QPoint(131, 25),
          QPoint(152, 12), QPoint(228, 44), QPoint(20, 38), QPoint(96, 34)}) {
        p.drawPoint(star);
    }
    p.setPen(QPen(RED, 2));
    p.drawPolyline(QPolygon({QPoint(10, 56), QPoint(40, 60), QPoint(70, 57), QPoint(100, 61), QPoint(125, 46),
                             QPoint(155, 42), QPoint(185, 44), QPoint(215, 40), QPoint(232, 52)}));
    p.setPen(Qt::NoPen);
    p.setBrush(GREEN);
    p.drawPolygon(QPolygon({QPoint(0, 90), QPoint(0, 74), QPoint(45, 64), QPoint(90, 72), QPoint(140, 62),
                            QPoint(190, 70), QPoint(240, 63), QPoint(240, 90)}));
    p.end();
    return SixteenColours(image);
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QImage strip(7 * SIZE, SIZE, QImage::Format_RGB32);
    QPainter p(&strip);
    const auto cell = [](int i) {
        return QRect(i * SIZE, 0, SIZE, SIZE);
    };
    FirstDay(p, cell(0));
    Mucus(p, cell(1));
    Ovulation(p, cell(2));
    Intercourse(p, cell(3));
    Tick(p, cell(4));
    Cross(p, cell(5));
    NightSky(p, cell(6), true);
    p.end();
    bool saved = SixteenColours(strip).save(folder + QStringLiteral("/toolbar.png")) &&
                 Icon(32).save(folder + QStringLiteral("/plenta-32.png")) &&
                 Icon(16).save(folder + QStringLiteral("/plenta-16.png"));
    for (const int size : {48, 64, 128, 256}) {
        saved = saved && LauncherIcon(size).save(folder + QStringLiteral("/plenta-%1.png").arg(size));
    }
    saved = saved && gif::WriteGif(StripPicture(), folder + QStringLiteral("/plenta.gif"));
    QFile svg(folder + QStringLiteral("/plenta.svg"));
    saved = saved && svg.open(QIODevice::WriteOnly) && svg.write(LauncherSvg().toUtf8()) > 0;
    return saved ? 0 : 1;
}
