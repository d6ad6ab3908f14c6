// SPDX-License-Identifier: GPL-3.0-or-later
// The zoomed window: the zoom a screen suggests, the chart's pixels against the chart export's, and the
// zoom keys with the remembered zoom.
#include "ShellFixture.h"

#include "app/WindowZoom.h"
#include "platform/ZoomSetting.h"
#include "ui/AboutBox.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/Zoom.h"

#include <QComboBox>
#include <QProcess>
#include <QToolButton>

namespace plenta {
namespace {

using test::HEADER;

TEST(ZoomForScreenTest, TheLargestZoomThatFitsSixtyPercent) {
    const std::pair<int, int> cases[] = {
        {600, 1},  {979, 1},  {980, 2},  {1040, 2}, {1080, 2}, {1440, 2},
        {1470, 3}, {2160, 4}, {9000, 4}, {0, 1},    {-1, 1},
    };
    for (const auto &[height, zoom] : cases) {
        EXPECT_EQ(ZoomForScreen(height), zoom) << height;
    }
}

class WindowZoomTest : public ShellFixture {
protected:
    QImage ExportedChart(int scale) {
        const QString out = root.filePath(QStringLiteral("chart-%1.png").arg(scale));
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QProcess tool;
        tool.start(PLENTA_JOURNAL_TOOL, {"--journal", QString::fromStdString(Journal().string()), "--today",
                                         today, "chart", "--out", out, "--date", today, "--picture",
                                         window->State().picture.path, "--scale", QString::number(scale)});
        EXPECT_TRUE(tool.waitForFinished(WAIT_LIMIT_MS));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

    // The window's rows below the form and the toolbar, as the screen shows them.
    QImage WindowChart(int zoom) {
        const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return whole.copy(0, 64 * zoom, 240 * zoom, (294 - 64) * zoom);
    }
};

TEST_F(WindowZoomTest, TheChartShowsTheExportsPixelsAtEveryZoom) {
    const QDate today = QDate::currentDate();
    std::string journal = HEADER;
    for (int day = 20; day >= 0; --day) {
        const QDate date = today.addDays(-day);
        journal += date.toString(QStringLiteral("yyyy/MM/dd")).toStdString() + ",36." +
                   std::to_string(day % 10) +
                   (day == 14      ? ",1,"
                    : day % 3 == 0 ? ",SX,"
                                   : ",,") +
                   "\r\n";
    }
    WriteJournal(journal);
    const qreal boxText = QApplication::font().pointSizeF();
    for (const int zoom : {2, 3, 1}) {
        ApplyZoom(*window, zoom);
        EXPECT_EQ(window->size(), QSize(240, 294) * zoom);
        EXPECT_EQ(window->Toolbar()->geometry(), QRect(0, 30 * zoom, 240 * zoom, 34 * zoom));
        EXPECT_EQ(window->Form()->font().pixelSize(), 12 * zoom);
        // The message boxes take the application's font; the About box has its own.
        EXPECT_EQ(QApplication::font().pointSizeF(), boxText * zoom);
        EXPECT_EQ(AboutBox(window, {}).font().pixelSize(), 11 * zoom);
        const QImage exported = ExportedChart(zoom);
        ASSERT_EQ(exported.size(), QSize(240, 230) * zoom);
        EXPECT_TRUE(WindowChart(zoom) == exported) << "zoom " << zoom;
    }
}

TEST_F(WindowZoomTest, TheKeysStepTheZoomAndItIsRemembered) {
    const std::filesystem::path settings =
        std::filesystem::path(root.path().toStdString()) / SETTINGS_FILE_NAME;
    constexpr Qt::KeyboardModifiers CTRL = Qt::ControlModifier;
    // Plus comes with Shift on most keyboards.
    constexpr Qt::KeyboardModifiers CTRL_SHIFT = Qt::ControlModifier | Qt::ShiftModifier;
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int zoom;
    } const steps[] = {
        {Qt::Key_Plus, CTRL_SHIFT, 2}, {Qt::Key_Plus, CTRL, 3},  {Qt::Key_Equal, CTRL, 4},
        {Qt::Key_Plus, CTRL, 4},       {Qt::Key_Minus, CTRL, 3}, {Qt::Key_0, CTRL, 1},
        {Qt::Key_Minus, CTRL, 1},      {Qt::Key_Plus, CTRL, 2},
    };
    window->Form()->CommentBox()->setFocus();
    for (const Step &step : steps) {
        QTest::keyClick(KeyTarget(), step.key, step.modifiers);
        EXPECT_EQ(window->size(), QSize(240, 294) * step.zoom) << step.key;
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << step.key;
        EXPECT_EQ(window->Toolbar()->Button(Command::Save)->iconSize(), QSize(26, 26) * step.zoom);
        EXPECT_EQ(ReadZoomSetting(settings.parent_path(), MIN_ZOOM, MAX_ZOOM), step.zoom) << step.key;
    }
    // The next start takes the remembered zoom; a zoom on the command line goes before it.
    application.reset();
    application = StartApplication(*qApp);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(application->mainWindow->size(), QSize(480, 588));
    application.reset();
    application = StartApplication(*qApp, {.zoom = 3, .holdPeriodMs = HOLD_PERIOD_MS});
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(application->mainWindow->size(), QSize(720, 882));
    EXPECT_EQ(ReadZoomSetting(settings.parent_path(), MIN_ZOOM, MAX_ZOOM), 2) << "the flag is not stored";
}

} // namespace
} // namespace plenta
