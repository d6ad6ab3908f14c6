// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's chart repaints: at once after a command, and later after a scan.
#include "ChartCanvas.h"

#include "ui/ChartRepaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace plenta::test {
namespace {

// A main window stand-in whose paintEvent only paints the chart, recording what it was asked to renew.
class ChartWindow : public QWidget {
public:
    explicit ChartWindow(QWidget *parent = nullptr)
        : QWidget(parent) {
        setFixedSize(240, 294);
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::white));
    }

    int paints = 0;
    QRegion renewed;
    DayPointTable table;
    CycleStats stats = QuietStats();
    Picture picture = BlankPicture();

protected:
    void paintEvent(QPaintEvent *event) override {
        ++paints;
        renewed = event->region();
        QPainter painter(this);
        PaintChart(painter, LAYOUT, ChartInputs{table, stats, picture});
    }
};

class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        window.paints = 0;
    }

    ChartWindow window;
};

// Qt posts pending repaints to the top-level window; delivering them paints what is invalid.
void PaintPending(QWidget &window) {
    QCoreApplication::sendPostedEvents(window.window(), QEvent::UpdateRequest);
}

TEST_F(ChartWindowTest, PaintChartRepaintsTheChartRectangleWithinTheCall) {
    PaintChart(window, LAYOUT);
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(window.renewed, QRegion(QRect(QPoint(1, 64), QPoint(237, 182))));
}

TEST_F(ChartWindowTest, InvalidateLeavesThePaintToTheEventLoop) {
    InvalidateChart(window, LAYOUT);
    EXPECT_EQ(window.paints, 0) << "invalidating does not paint";
    PaintPending(window);
    EXPECT_EQ(window.paints, 1) << "the event loop paints the pending region";
    EXPECT_TRUE(window.renewed.contains(QRect(QPoint(1, 64), QPoint(237, 182))));
    EXPECT_FALSE(window.renewed.contains(QPoint(120, 250))) << "the strip is left as it was";
    PaintPending(window);
    EXPECT_EQ(window.paints, 1) << "nothing pending, nothing painted";
}

} // namespace
} // namespace plenta::test
