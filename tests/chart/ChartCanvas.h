// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers: builds scan results, paints the chart onto a white 240 x 294 image and reads its pixels.
#pragma once

#include "chart/ChartPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace plenta::test {

// The chart's colours, written out here so that a wrong colour in the painter shows up as a failing probe.
inline constexpr QRgb WHITE = qRgb(255, 255, 255);
inline constexpr QRgb GRID = qRgb(208, 208, 208);
inline constexpr QRgb GREY = qRgb(127, 127, 127);
inline constexpr QRgb BLACK = qRgb(0, 0, 0);
inline constexpr QRgb NAVY = qRgb(0, 0, 128);
inline constexpr QRgb LIGHT_GREEN = qRgb(128, 255, 128);
inline constexpr QRgb ROSE = qRgb(255, 192, 192);
inline constexpr QRgb PALE_YELLOW = qRgb(255, 255, 192);
inline constexpr QRgb SILVER = qRgb(192, 192, 192);
inline constexpr QRgb YELLOW = qRgb(255, 255, 0);

enum class Expect { Is, IsNot };

// One pixel that must (or must not) have a colour.
struct Probe {
    int x;
    int y;
    QRgb colour;
    Expect expect = Expect::Is;
};

// One point of a test table: cycle day, temperature in tenths, marks.
struct TestPoint {
    int cycleDay;
    int temperature;
    std::uint8_t marks = 0;
};

inline DayPointTable MakeTable(std::initializer_list<TestPoint> points) {
    DayPointTable table;
    for (const TestPoint &point : points) {
        table.points[static_cast<std::size_t>(table.count++)] =
            DayPoint{static_cast<std::uint8_t>(point.cycleDay), static_cast<std::uint16_t>(point.temperature),
                     point.marks};
    }
    return table;
}

// The statistics of a scan without mucus, cycles or marks whose picked date and today lie far right of the
// window, so that neither day line shows unless a test asks for it.
inline CycleStats QuietStats() {
    CycleStats stats;
    stats.mucusFirstDay = 34;
    stats.mucusLastDay = 0;
    stats.selectedCycleDay = 100;
    stats.todayCycleDay = 100;
    return stats;
}

// A decoded all-white picture, so the strip adds nothing unless a test gives its own.
inline Picture BlankPicture() {
    Picture picture;
    picture.surface = QImage(PICTURE_STRIP_WIDTH, PICTURE_STRIP_HEIGHT, QImage::Format_RGB32);
    picture.surface.fill(Qt::white);
    picture.decoded = true;
    return picture;
}

inline const ChartLayout LAYOUT = MakeChartLayout(64);

// The main window's 240 x 294 client area, erased to white and painted once.
inline QImage Paint(const DayPointTable &table, const CycleStats &stats,
                    const Picture &picture = BlankPicture()) {
    QImage canvas(240, 294, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    PaintChart(painter, LAYOUT, ChartInputs{table, stats, picture});
    return canvas;
}

inline QRgb At(const QImage &image, int x, int y) {
    return image.pixel(x, y);
}

inline void ExpectProbes(const QImage &image, std::initializer_list<Probe> probes, const char *caseName) {
    for (const Probe &probe : probes) {
        const QRgb actual = image.pixel(probe.x, probe.y);
        if (probe.expect == Expect::Is) {
            EXPECT_EQ(actual, probe.colour) << caseName << " at (" << probe.x << ", " << probe.y << ")";
        } else {
            EXPECT_NE(actual, probe.colour) << caseName << " at (" << probe.x << ", " << probe.y << ")";
        }
    }
}

inline int CountOf(const QImage &image, QRect box, QRgb colour) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            count += At(image, x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

} // namespace plenta::test
