// The first paint's chart drawn on a second thread: the window's own pixels, and only for unchanged inputs.
#include "app/FirstChart.h"

#include "ChartCanvas.h"

#include <functional>

namespace plenta {
namespace {

using namespace test;

struct Inputs {
    DayPointTable table =
        MakeTable({{1, 363, MARK_FIRST_DAY}, {2, 362}, {14, 366, MARK_MUCUS}, {15, 368, MARK_INTERCOURSE}});
    CycleStats stats = QuietStats();
    ChartLayout layout = LAYOUT;
    Picture picture = BlankPicture();
};

TEST(FirstChart, DrawsThePixelsTheWindowPaints) {
    const Inputs in;
    FirstChart chart(in.table, in.stats, in.layout, in.picture);
    const QImage drawn = chart.TakeIfDrawnFrom(in.table, in.stats, in.layout, in.picture);
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), Paint(in.table, in.stats, in.picture));
}

TEST(FirstChart, IsGivenOnlyForTheInputsItWasDrawnFrom) {
    const struct {
        const char *name;
        std::function<void(Inputs &)> change;
        bool given;
    } cases[] = {
        {"nothing changed", [](Inputs &) {}, true},
        {"another zoom", [](Inputs &in) { in.layout.zoom = 2; }, true},
        {"a point more",
         [](Inputs &in) {
             in.table.points[in.table.count++] = DayPoint{16, 369, 0};
         },
         false},
        {"other statistics", [](Inputs &in) { in.stats.todayCycleDay = 15; }, false},
        {"another layout", [](Inputs &in) { in.layout = MakeChartLayout(30); }, false},
        {"another picture", [](Inputs &in) { in.picture = Picture(); }, false},
    };
    for (const auto &c : cases) {
        const Inputs drawnFrom;
        FirstChart chart(drawnFrom.table, drawnFrom.stats, drawnFrom.layout, drawnFrom.picture);
        Inputs now = drawnFrom;
        c.change(now);
        EXPECT_EQ(!chart.TakeIfDrawnFrom(now.table, now.stats, now.layout, now.picture).isNull(), c.given)
            << c.name;
        EXPECT_TRUE(
            chart.TakeIfDrawnFrom(drawnFrom.table, drawnFrom.stats, drawnFrom.layout, drawnFrom.picture)
                .isNull())
            << c.name << ": given once only";
    }
}

} // namespace
} // namespace plenta
