// SPDX-License-Identifier: GPL-3.0-or-later
// The chart command's PNG: the window's rows 64 to 293, enlarged by whole pixels on request.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace plenta::test {
namespace {

const QColor BLACK(0, 0, 0);
const QColor LIGHT_GREEN(128, 255, 128);

// One first day on 1 January and the day after; today lies 60 cycle days on, so the today line falls right
// of the window and leaves the frame alone.
const std::string JOURNAL =
    "Tag,Temperatur,Attribut,Kommentar\r\n2026/01/01,36.5,1,\r\n2026/01/02,36.6,,\r\n";

class ChartExport : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(folder_ / "plenta.txt", JOURNAL); }

    QImage Chart(const std::string &picked, const std::string &scale = "1") {
        const std::string image = folder_ / ("chart-" + picked + "-" + scale + ".png");
        // No picture file: the strip shows the placeholder tile, the same on every machine. Without a runtime
        // folder (cron, ssh) a successful chart still says nothing on stderr.
        const ToolResult result =
            RunTool({"--journal", folder_ / "plenta.txt", "--today", "2026-03-01", "chart", "--out", image,
                     "--date", picked, "--picture", folder_ / "none.gif", "--scale", scale},
                    {{"XDG_RUNTIME_DIR", ""}});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        return QImage(QString::fromStdString(image));
    }

    std::vector<int> ColumnsOf(const QImage &image, int row, const QColor &colour) {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, row) == colour) {
                columns.push_back(x);
            }
        }
        return columns;
    }

    TempFolder folder_;
};

TEST_F(ChartExport, ImageStartsAtTheChartsTopLine) {
    // Picked before the first day: the picked-date line lies at the window's left edge, off the frame.
    const QImage image = Chart("2025-12-31");
    ASSERT_EQ(image.size(), QSize(240, 230));
    for (int x = 1; x <= 238; ++x) {
        EXPECT_EQ(image.pixelColor(x, 0), BLACK) << "frame top at x " << x;
    }
    // The base line over the picture strip, window row 204.
    for (int x = 0; x <= 237; ++x) {
        EXPECT_EQ(image.pixelColor(x, 204 - 64), BLACK) << "base line at x " << x;
    }
}

TEST_F(ChartExport, PickedDateLineRunsFromTheTopRow) {
    // Cycle day 10: the line's x is 3 + 7 * 9 + 3 + 2 = 69 in the window.
    const QImage image = Chart("2026-01-10");
    const std::vector<int> atTop = ColumnsOf(image, 0, LIGHT_GREEN);
    const std::vector<int> inside = ColumnsOf(image, 150 - 64, LIGHT_GREEN);
    ASSERT_FALSE(inside.empty());
    EXPECT_EQ(atTop, inside);
    for (int x : inside) {
        EXPECT_GE(x, 67);
        EXPECT_LE(x, 71);
    }
}

TEST_F(ChartExport, ScaleRepeatsEveryPixel) {
    const QImage plain = Chart("2026-01-10");
    const QImage large = Chart("2026-01-10", "3");
    ASSERT_EQ(large.size(), QSize(720, 690));
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb pixel = plain.pixel(x, y);
            if (large.pixel(3 * x, 3 * y) != pixel || large.pixel(3 * x + 2, 3 * y + 1) != pixel ||
                large.pixel(3 * x + 1, 3 * y + 2) != pixel) {
                FAIL() << "pixel " << x << ", " << y << " is not repeated 3 x 3";
            }
        }
    }
}

TEST_F(ChartExport, UnwritableOutputFails) {
    const ToolResult result =
        RunTool({"--journal", folder_ / "plenta.txt", "chart", "--out", folder_ / "absent" / "chart.png"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("kann das Bild"), std::string::npos) << result.err;
}

} // namespace
} // namespace plenta::test
