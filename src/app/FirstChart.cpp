// The first paint's chart drawn ahead; see FirstChart.h.
#include "app/FirstChart.h"

#include "app/InputPanel.h"

#include "chart/ChartPainter.h"
#include "platform/ThreadPlacement.h"

#include <QPainter>

#include <system_error>

namespace plenta {

namespace {

ChartLayout Unzoomed(ChartLayout layout) {
    layout.zoom = 1;
    return layout;
}

} // namespace

FirstChart::FirstChart(const DayPointTable &table, const CycleStats &stats, const ChartLayout &layout,
                       const Picture &picture)
    : table_(table)
    , stats_(stats)
    , layout_(Unzoomed(layout))
    , picture_(picture) {
    try {
        drawer_ = std::thread([this] { Draw(); });
        // Beside the main thread on its processor, the two would only take turns.
        KeepOffCallersProcessor(drawer_);
    } catch (const std::system_error &) {
        // Nothing drawn: the window draws the chart itself.
    }
}

FirstChart::~FirstChart() {
    if (drawer_.joinable()) {
        drawer_.join();
    }
}

void FirstChart::Draw() {
    // As the window draws a zoomed chart: onto the white the window is erased to, then shown pixel for pixel.
    QImage image(VISIBLE_DESKTOP.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, layout_, ChartInputs{table_, stats_, picture_});
    painter.end();
    image_ = image;
}

QImage FirstChart::TakeIfDrawnFrom(const DayPointTable &table, const CycleStats &stats,
                                   const ChartLayout &layout, const Picture &picture) {
    if (!drawer_.joinable()) {
        return QImage();
    }
    drawer_.join();
    const bool same = table == table_ && stats == stats_ && Unzoomed(layout) == layout_ &&
                      picture.surface.cacheKey() == picture_.surface.cacheKey() &&
                      picture.decoded == picture_.decoded && picture.path == picture_.path;
    QImage image = same ? image_ : QImage();
    image_ = QImage();
    return image;
}

} // namespace plenta
