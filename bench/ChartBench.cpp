// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the chart with 800 points into an offscreen image of the main window's client area.
#include "BenchMain.h"
#include "JournalGenerator.h"
#include "ScratchDir.h"

#include "chart/ChartPainter.h"
#include "journal/JournalScan.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace plenta::bench {
namespace {

constexpr int RECORDS = 800;
constexpr int CLIENT_WIDTH = 240;
constexpr int CLIENT_HEIGHT = 294;

// The scan results of a full table, as the window has them after start-up, and the strip picture.
struct PaintFixture {
    JournalScan scan;
    Picture picture = LoadPicture(PLENTA_BENCH_PICTURE);
    bool ready = false;

    PaintFixture() {
        ScratchDir dir;
        const std::filesystem::path journal = dir.path() / "plenta.txt";
        const std::vector<SyntheticRecord> records = SyntheticRecords(RECORDS);
        if (!dir.path().empty() && WriteFileBytes(journal, JournalBytes(records))) {
            const Date today{std::chrono::sys_days{records.back().date} + std::chrono::days{3}};
            if (std::optional<JournalScan> loaded = LoadJournal(journal, records.back().date, today)) {
                scan = std::move(*loaded);
                ready = scan.table.count == RECORDS && picture.decoded;
            }
        }
    }
};

// The painter is made afresh for every paint, as a paint event makes it.
void BM_PaintChart(benchmark::State &state) {
    const PaintFixture fixture;
    if (!fixture.ready) {
        state.SkipWithError("no 800-point scan or no strip picture to paint");
        return;
    }
    const ChartLayout layout = MakeChartLayout(64);
    const ChartInputs inputs{fixture.scan.table, fixture.scan.stats, fixture.picture};
    QImage image(CLIENT_WIDTH, CLIENT_HEIGHT, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, layout, inputs);
    }
    state.SetItemsProcessed(state.iterations() * RECORDS);
}

BENCHMARK(BM_PaintChart)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace plenta::bench

int main(int argc, char **argv) {
    // Text needs a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    return plenta::bench::RunBenchmarks(argc, argv);
}
