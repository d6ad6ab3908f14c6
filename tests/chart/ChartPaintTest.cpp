// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel probes of one painted chart: bands, grid and frame, curves and markers, histograms, day lines, texts.
#include "ChartCanvas.h"

#include "chart/ChartDrawing.h"
#include "chart/ChartGlyphs.h"
#include "chart/ChartText.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <set>
#include <string>
#include <utility>

namespace plenta::test {
namespace {

// y = 67 lies between grid lines; the x values avoid the column lines 1, 8, ... 232.
TEST(ChartBands, ShadeTheirColumnsUpToTheEdges) {
    struct Bands {
        int mucusFirst, mucusLast, average, longest;
    };
    struct Case {
        const char *name;
        Bands bands;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {"days 1 to 6 rose",
         {34, 0, 0, 0},
         {{2, 67, ROSE}, {42, 67, ROSE}, {42, 182, ROSE}, {44, 67, WHITE}, {42, 63, WHITE}}},
        {"mucus 12 to 16 shades days 12 to 15",
         {12, 16, 0, 0},
         {{77, 67, WHITE},
          {79, 67, PALE_YELLOW},
          {105, 67, PALE_YELLOW},
          {105, 182, PALE_YELLOW},
          {107, 67, WHITE}}},
        {"mucus over the rose band",
         {3, 5, 0, 0},
         {{14, 67, ROSE}, {16, 67, PALE_YELLOW}, {28, 67, PALE_YELLOW}, {30, 67, ROSE}}},
        {"one mucus day, no band", {14, 14, 0, 0}, {{93, 67, WHITE}, {86, 67, WHITE}}},
        {"no mucus mark, no band", {34, 0, 0, 0}, {{93, 67, WHITE}, {230, 67, WHITE}}},
        {"before any scan, no band", {0, 0, 0, 0}, {{44, 67, WHITE}}},
        {"silver beyond the average, grey beyond the longest",
         {34, 0, 28, 30},
         {{196, 67, WHITE},
          {198, 67, SILVER},
          {210, 67, SILVER},
          {212, 67, GREY},
          {237, 67, GREY},
          {237, 182, GREY},
          {239, 67, WHITE}}},
        {"no counted cycle, no silver", {34, 0, 28, 0}, {{198, 67, WHITE}, {237, 67, WHITE}}},
        {"no average, only grey", {34, 0, 0, 30}, {{198, 67, WHITE}, {212, 67, GREY}}},
        {"negative longest, only silver", {34, 0, 28, -5}, {{198, 67, SILVER}, {237, 67, SILVER}}},
        {"beyond the frame, nothing", {34, 0, 40, 40}, {{237, 67, WHITE}}},
    };
    for (const Case &c : cases) {
        CycleStats stats = QuietStats();
        stats.mucusFirstDay = c.bands.mucusFirst;
        stats.mucusLastDay = c.bands.mucusLast;
        stats.averageCycleLength = c.bands.average;
        stats.longestCycle = c.bands.longest;
        ExpectProbes(Paint(DayPointTable{}, stats), c.probes, c.name);
    }
}

TEST(ChartGrid, LinesFrameAndBaseLineLeaveOutTheirLastPixel) {
    const QImage chart = Paint(DayPointTable{}, QuietStats());
    // Column x = 0 shows only the horizontal grid lines, 37.5 down to 35.6.
    for (int y = 56; y < 200; ++y) {
        const bool gridRow = y >= 64 && y <= 178 && (y - 64) % 6 == 0;
        EXPECT_EQ(At(chart, 0, y), gridRow ? GRID : WHITE) << "y " << y;
    }
    // Row 101 lies between grid lines (and above the label's glyphs): frame, column lines, rose band.
    for (int x = 30; x < 240; ++x) {
        QRgb expected = WHITE;
        if (x == 1 || x == 238) {
            expected = BLACK;
        } else if (x <= 232 && (x - 1) % 7 == 0) {
            expected = GRID;
        } else if (x <= 42) {
            expected = ROSE;
        }
        EXPECT_EQ(At(chart, x, 101), expected) << "x " << x;
    }
    ExpectProbes(chart,
                 {{0, 64, GRID},
                  {1, 64, BLACK},
                  {238, 64, BLACK},
                  {1, 183, BLACK},
                  {238, 183, BLACK},
                  {120, 64, BLACK},
                  {120, 183, BLACK},
                  {237, 70, GRID}, // a horizontal line ends one pixel before the frame's right edge at 238
                  {239, 70, WHITE},
                  {8, 65, GRID},
                  {8, 182, GRID},
                  {239, 183, WHITE},
                  {0, 204, BLACK},
                  {237, 204, BLACK},
                  {238, 204, WHITE}}, // the base line's last pixel is left out
                 "grid");
}

// Points lie on grid lines: 36.5 at y = 124, 37.0 at y = 94, 36.0 at y = 154; days 10, 11, 12 at x = 67, 74,
// 81, right of the temperature labels. The first days at x = 4 are joined to nothing there.
TEST(ChartCurves, JoinConsecutiveDaysGreyAndTheCurrentCycleBlack) {
    constexpr std::uint8_t FIRST = MARK_FIRST_DAY;
    struct Case {
        const char *name;
        DayPointTable table;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {"earlier cycle grey, current black and 2 pixels wide",
         MakeTable({{1, 360, FIRST},
                    {10, 360},
                    {11, 360},
                    {12, 360},
                    {1, 370, FIRST},
                    {10, 370},
                    {11, 370},
                    {12, 370}}),
         {{68, 154, GREY},
          {71, 154, GREY},
          {81, 154, GREY},
          {67, 154, GRID},
          {68, 153, WHITE},
          {68, 94, BLACK},
          {81, 94, BLACK},
          {68, 93, BLACK},
          {81, 93, BLACK},
          {67, 94, GRID},
          {67, 93, WHITE},
          {82, 93, WHITE},
          {81, 95, WHITE}}},
        {"the last point a first day: the black curve still shows the cycle it ends",
         MakeTable({{1, 360, FIRST}, {10, 360}, {11, 360}, {12, 360}, {1, 370, FIRST}}),
         {{75, 154, BLACK}, {75, 153, BLACK}, {68, 153, BLACK}, {67, 153, WHITE}}},
        {"no first day before the last point: no black curve",
         MakeTable({{0, 360}, {0, 360}, {10, 370}, {11, 370}, {1, 365, FIRST}}),
         {{70, 94, GREY}, {74, 94, GREY}, {70, 93, WHITE}}},
        {"a missing day breaks the curve",
         MakeTable({{1, 360, FIRST}, {10, 360}, {11, 360}, {13, 360}, {14, 360}}),
         {{74, 154, BLACK}, {80, 154, GRID}, {88, 154, GRID}, {89, 154, BLACK}, {95, 154, BLACK}}},
        {"day 0 joins a following day 1, leaving the window",
         MakeTable({{0, 365}, {1, 365, FIRST}, {2, 365}, {3, 365}}),
         {{0, 124, GREY}, {1, 124, GREY}, {4, 124, GREY}, {5, 124, BLACK}, {5, 123, BLACK}, {4, 123, ROSE}}},
        {"a steep join gets its second pixel on the left",
         MakeTable({{1, 360, FIRST}, {10, 365}, {11, 370}}),
         {{74, 94, BLACK}, {73, 94, BLACK}, {75, 94, GRID}, {67, 124, GRID}, {66, 124, GRID}}},
    };
    for (const Case &c : cases) {
        ExpectProbes(Paint(c.table, QuietStats()), c.probes, c.name);
    }
}

// Lines in every direction cover their first pixel and leave out their last, one pixel per major step, each
// within half a pixel of the straight line between the two points (joins of the chart are 7 across).
TEST(ChartDrawing, LinesLeaveOutTheirLastPixelInEveryDirection) {
    const QPoint centre(50, 50);
    const QPoint ends[] = {{60, 50}, {40, 50}, {50, 60}, {50, 40}, {57, 57}, {43, 43}, {60, 46},
                           {42, 56}, {53, 39}, {47, 63}, {51, 50}, {50, 49}, {57, 95}, {43, 5},
                           {57, 63}, {43, 37}, {57, 52}, {43, 48}, {57, 68}, {56, 99}};
    for (const QPoint end : ends) {
        QImage image(101, 101, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawLine(painter, QLine(centre, end), BLACK);
        }
        const QPoint d = end - centre;
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        EXPECT_EQ(At(image, centre.x(), centre.y()), BLACK) << end.x() << "," << end.y();
        EXPECT_EQ(At(image, end.x(), end.y()), WHITE) << end.x() << "," << end.y();
        EXPECT_EQ(CountOf(image, image.rect(), BLACK), steps) << end.x() << "," << end.y();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                // Distance from the line along the minor axis, which bounds the perpendicular distance.
                const QPoint p = QPoint(x, y) - centre;
                const double off = std::abs(d.y()) > std::abs(d.x()) ? p.x() - double(d.x()) * p.y() / d.y()
                                                                     : p.y() - double(d.y()) * p.x() / d.x();
                if (At(image, x, y) == BLACK) {
                    EXPECT_LE(std::abs(off), 0.5) << end.x() << "," << end.y() << " at " << x << "," << y;
                }
            }
        }
    }
    QImage image(101, 101, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawLine(painter, QLine(centre, centre), BLACK);
    }
    EXPECT_EQ(CountOf(image, image.rect(), BLACK), 0) << "a line of no length draws nothing";
}

TEST(ChartCurves, NoCurveForNoneOrOnePoint) {
    const QImage empty = Paint(DayPointTable{}, QuietStats());
    const DayPointTable singles[] = {
        MakeTable({{1, 367, MARK_FIRST_DAY}}),
        MakeTable({{14, 367, MARK_OVULATION}}),
        MakeTable({{2, 367, MARK_MUCUS}}),
    };
    for (const DayPointTable &table : singles) {
        EXPECT_EQ(Paint(table, QuietStats()), empty);
    }
}

TEST(ChartMarkers, ACircleOfSevenPixelsCentredOnThePoint) {
    // The worked point: cycle day 14 at 36.7 lies at (95, 112), not joined to the point before it.
    const DayPointTable table = MakeTable({{1, 365, MARK_FIRST_DAY}, {12, 366}, {14, 367, MARK_OVULATION}});
    const QImage chart = Paint(table, QuietStats());
    int left = 240, right = -1, top = 294, bottom = -1;
    for (int y = 100; y < 125; ++y) {
        for (int x = 84; x < 106; ++x) {
            if (At(chart, x, y) == BLACK) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_EQ(QRect(QPoint(left, top), QPoint(right, bottom)), QRect(QPoint(92, 109), QPoint(98, 115)));
    ExpectProbes(chart,
                 {{95, 112, YELLOW},
                  {92, 112, BLACK},
                  {98, 112, BLACK},
                  {95, 109, BLACK},
                  {95, 115, BLACK},
                  {93, 111, YELLOW},
                  {97, 113, YELLOW},
                  {92, 109, BLACK, Expect::IsNot}},
                 "marker");
}

TEST(ChartMarkers, FillByMarkOnlyFromTheCurrentCycleStart) {
    constexpr std::uint8_t FIRST = MARK_FIRST_DAY, MUCUS = MARK_MUCUS, OVULATION = MARK_OVULATION;
    struct Case {
        const char *name;
        DayPointTable table;
        Probe centre;
    };
    const Case cases[] = {
        {"ovulation yellow", MakeTable({{1, 360, FIRST}, {14, 367, OVULATION}}), {95, 112, YELLOW}},
        {"mucus pale yellow", MakeTable({{1, 360, FIRST}, {14, 367, MUCUS}}), {95, 112, PALE_YELLOW}},
        {"both: yellow", MakeTable({{1, 360, FIRST}, {14, 367, MUCUS | OVULATION}}), {95, 112, YELLOW}},
        {"no mark, no marker", MakeTable({{1, 360, FIRST}, {14, 367, MARK_INTERCOURSE}}), {95, 112, GRID}},
        {"earlier cycle, no marker",
         MakeTable({{1, 360, FIRST}, {14, 367, MUCUS}, {1, 360, FIRST}, {2, 360}}),
         {95, 112, GRID}},
        {"the current cycle's first day, no marker",
         MakeTable({{1, 367, FIRST | MUCUS}, {3, 360}}),
         {4, 112, PALE_YELLOW, Expect::IsNot}},
        {"38.0 above the chart", MakeTable({{1, 360, FIRST}, {14, 380, MUCUS}}), {95, 34, PALE_YELLOW}},
        {"35.0 below it, over the strip",
         MakeTable({{1, 360, FIRST}, {14, 350, MUCUS}}),
         {95, 214, PALE_YELLOW}},
    };
    for (const Case &c : cases) {
        ExpectProbes(Paint(c.table, QuietStats()), {c.centre}, c.name);
    }
}

TEST(ChartHistograms, OvulationBarsWidenWithTheirCountUpToTheColumn) {
    // Day 5's column lies between the lines at 29 and 36; its bar is centred on x = 33.
    struct Case {
        std::uint16_t count;
        int first, width;
    };
    const Case cases[] = {{0, 0, 0},  {1, 33, 1}, {2, 32, 2}, {3, 32, 3},  {4, 31, 4},
                          {5, 31, 5}, {6, 30, 6}, {7, 30, 6}, {500, 30, 6}};
    for (const Case &c : cases) {
        CycleStats stats = QuietStats();
        stats.ovulationCounts[5] = c.count;
        const QImage chart = Paint(DayPointTable{}, stats);
        EXPECT_EQ(CountOf(chart, QRect(28, 101, 10, 1), YELLOW), c.width) << c.count;
        if (c.width > 0) {
            EXPECT_EQ(At(chart, c.first, 101), YELLOW) << c.count;
            EXPECT_EQ(At(chart, c.first + c.width - 1, 101), YELLOW) << c.count;
            EXPECT_EQ(At(chart, 33, 65), YELLOW) << c.count;  // from top + 1
            EXPECT_EQ(At(chart, 33, 181), YELLOW) << c.count; // to bottom - 2
            EXPECT_EQ(At(chart, 33, 182), ROSE) << c.count;
        }
    }
}

TEST(ChartHistograms, IntercourseMarksStepRightAndWrapAfterSeven) {
    // Day 20's column starts at x = 134; the marks' cells start at bottom - 12 = 171.
    const QRect column(128, 165, 30, 18);
    auto inkSpan = [&](std::uint16_t count) {
        CycleStats stats = QuietStats();
        stats.intercourseCounts[20] = count;
        const QImage chart = Paint(DayPointTable{}, stats);
        int left = 240, right = -1;
        for (int y = column.top(); y <= column.bottom(); ++y) {
            for (int x = column.left(); x <= column.right(); ++x) {
                if (At(chart, x, y) == BLACK) {
                    left = std::min(left, x), right = std::max(right, x);
                }
            }
        }
        return std::pair{left, right};
    };
    EXPECT_EQ(inkSpan(0).second, -1);
    const auto [left, right] = inkSpan(1);
    ASSERT_GE(left, 134);
    ASSERT_LT(right, 141);
    const std::pair<std::uint16_t, int> widening[] = {{2, 1}, {3, 2}, {7, 6}, {8, 6}, {9, 6}, {1000, 6}};
    for (const auto &[count, extra] : widening) {
        EXPECT_EQ(inkSpan(count), std::pair(left, right + extra)) << count;
    }
    CycleStats seven = QuietStats(), eight = QuietStats();
    seven.intercourseCounts[20] = 7;
    eight.intercourseCounts[20] = 8;
    EXPECT_EQ(Paint(DayPointTable{}, seven), Paint(DayPointTable{}, eight))
        << "the eighth mark lies on the first";
}

TEST(ChartDayLines, PickedDateAndTodayFromTheLow16BitsOfTheirCycleDays) {
    struct Case {
        const char *name;
        std::pair<std::int32_t, std::int32_t> days; // picked, today
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {"day 10: picked covers 68 and 69, today 70 and 71",
         {10, 10},
         {{67, 101, LIGHT_GREEN, Expect::IsNot},
          {68, 101, LIGHT_GREEN},
          {69, 101, LIGHT_GREEN},
          {70, 101, NAVY},
          {71, 101, NAVY},
          {72, 101, NAVY, Expect::IsNot},
          {68, 64, LIGHT_GREEN},
          {68, 182, LIGHT_GREEN},
          {68, 183, BLACK},
          {71, 64, NAVY},
          {71, 182, NAVY}}},
        {"day 0: picked at x = -1 is not visible, today at x = 1 covers 0 and 1",
         {0, 0},
         {{0, 101, NAVY}, {1, 101, NAVY}, {2, 101, ROSE}, {0, 64, NAVY}, {0, 183, WHITE}}},
        {"only the low 16 bits count", {65536 + 10, 65536 + 10}, {{68, 101, LIGHT_GREEN}, {71, 101, NAVY}}},
        {"negative days lie far right", {-1, -1}, {{0, 101, WHITE}, {1, 101, BLACK}}},
        {"day 35 lies right of the window", {35, 35}, {{239, 101, WHITE}, {238, 101, BLACK}}},
    };
    for (const Case &c : cases) {
        CycleStats stats = QuietStats();
        stats.selectedCycleDay = c.days.first;
        stats.todayCycleDay = c.days.second;
        ExpectProbes(Paint(DayPointTable{}, stats), c.probes, c.name);
    }
}

// The black pixels of a rectangle, as positions relative to its top-left corner.
std::set<std::pair<int, int>> InkIn(const QImage &image, QRect box) {
    std::set<std::pair<int, int>> ink;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (At(image, x, y) == BLACK) {
                ink.emplace(x - box.left(), y - box.top());
            }
        }
    }
    return ink;
}

// The same text drawn alone on white, top-left of its first cell at `topLeft`.
QImage Reference(QPoint topLeft, const QString &text) {
    QImage image(240, 294, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(ChartFont());
    painter.setPen(Qt::black);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
    return image;
}

TEST(ChartTexts, TemperatureLabelsAndDayNumbersSitInTheirCells) {
    const QImage chart = Paint(DayPointTable{}, QuietStats());
    const char *labels[] = {"37.4", "37.2", "37.0", "36.8", "36.6", "36.4", "36.2", "36.0", "35.8", "35.6"};
    for (int k = 0; k < 10; ++k) {
        const QPoint cell(2, 64 + 12 * k);
        // Rows 1 to 10 of the cell: the frame runs along the first cell's top and the last cell's bottom.
        const QRect box(cell + QPoint(0, 1), QSize(30, 10));
        const auto ink = InkIn(chart, box);
        EXPECT_FALSE(ink.empty()) << labels[k];
        EXPECT_EQ(ink, InkIn(Reference(cell, QString::fromLatin1(labels[k])), box)) << labels[k];
    }
}

// The user's locale never reaches the chart: a German one, whose decimal separator is a comma, paints exactly
// the C locale's pixels.
TEST(ChartTexts, AGermanLocalePaintsTheCLocalesPixels) {
    const DayPointTable table = MakeTable({{1, 365, 8}, {14, 372, 2}, {15, 368, 1}});
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const QImage plain = Paint(table, QuietStats());
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "no German locale: run scripts/install-deps.sh";
    const QImage german = Paint(table, QuietStats());
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_TRUE(german == plain);
}

// The chart draws its characters from its own bitmaps; each must be what the font itself draws, the marks'
// 'x' too, and in the pen's colour.
TEST(ChartTexts, EveryGlyphIsTheFontsOwnDrawing) {
    for (const ChartGlyph &glyph : CHART_GLYPHS) {
        QImage drawn(240, 294, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setPen(Qt::black);
        GlyphBatch batch;
        batch.Add(QPoint(10, 10), std::string_view(&glyph.character, 1));
        batch.Draw(painter);
        painter.end();
        const QRect box(0, 0, 40, 40);
        EXPECT_FALSE(InkIn(drawn, box).empty()) << glyph.character;
        EXPECT_EQ(InkIn(drawn, box), InkIn(Reference(QPoint(10, 10), QString(QChar(glyph.character))), box))
            << glyph.character;
    }
}

// Ink moved so that its top-left-most extent is at (0, 0): the digit's shape wherever it stands.
std::set<std::pair<int, int>> Shape(const std::set<std::pair<int, int>> &ink) {
    int left = INT_MAX, top = INT_MAX;
    for (const auto &[x, y] : ink) {
        left = std::min(left, x), top = std::min(top, y);
    }
    std::set<std::pair<int, int>> shape;
    for (const auto &[x, y] : ink) {
        shape.emplace(x - left, y - top);
    }
    return shape;
}

// Under the frame's bottom line (y 183) a blank row, then in each day column its tens digit, a blank row and
// its units digit, whole and inside the column, all above the base line at 204.
TEST(ChartTexts, DayNumbersStandClearOfTheFrameOneDigitPerColumn) {
    const QImage chart = Paint(DayPointTable{}, QuietStats());
    EXPECT_EQ(CountOf(chart, QRect(1, 183, 237, 1), BLACK), 237) << "the frame's bottom line";
    EXPECT_EQ(CountOf(chart, QRect(0, 184, 240, 1), BLACK), 0) << "no ink touches the frame";
    EXPECT_EQ(CountOf(chart, QRect(0, 204, 238, 1), BLACK), 238) << "the base line";
    for (int day = 1; day <= 34; ++day) {
        const int left = 1 + 7 * (day - 1);
        // The column less its grid line, from below the frame to above the base line.
        const QRect column(left + 1, 184, 6, 20);
        EXPECT_EQ(CountOf(chart, QRect(left, 184, 1, 20), BLACK), 0) << "ink on the line before day " << day;
        std::set<std::pair<int, int>> tens, units;
        // Rows after the first blank row below the tens' ink belong to the units.
        bool belowTens = false;
        for (int y = column.top(); y <= column.bottom(); ++y) {
            const auto row = InkIn(chart, QRect(column.left(), y, column.width(), 1));
            belowTens = belowTens || (row.empty() && !tens.empty());
            for (const auto &[x, unused] : row) {
                (belowTens ? units : tens).emplace(x, y);
            }
        }
        const QRect cell(QPoint(0, 0), QSize(20, 20));
        EXPECT_EQ(Shape(tens), Shape(InkIn(Reference(QPoint(2, 2), QString::number(day / 10)), cell))) << day;
        EXPECT_EQ(Shape(units), Shape(InkIn(Reference(QPoint(2, 2), QString::number(day % 10)), cell)))
            << day;
    }
}

} // namespace
} // namespace plenta::test
