// SPDX-License-Identifier: GPL-3.0-or-later
// Zooming the running window and remembering the zoom.
#include "app/WindowZoom.h"

#include "app/InputPanel.h"
#include "app/MainWindow.h"

#include "platform/DeviceRoot.h"
#include "platform/ZoomSetting.h"
#include "ui/ChartArea.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/Zoom.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QToolTip>

namespace plenta {

namespace {

// The application's and the tooltips' fonts as they were before any zoom; the boxes' and the tooltips' text
// is drawn at a multiple of them.
struct UnzoomedFonts {
    QFont application = QApplication::font();
    QFont toolTip = QToolTip::font();
};

const UnzoomedFonts &Unzoomed() {
    static const UnzoomedFonts fonts;
    return fonts;
}

QFont Times(QFont font, int zoom) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize() * zoom);
    } else {
        font.setPointSizeF(font.pointSizeF() * zoom);
    }
    return font;
}

} // namespace

int StartZoom(std::optional<int> commandLineZoom) {
    if (commandLineZoom) {
        return ClampZoom(*commandLineZoom);
    }
    if (const std::optional<int> remembered = ReadZoomSetting(DeviceRoot(), MIN_ZOOM, MAX_ZOOM)) {
        return *remembered;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? ZoomForScreen(screen->availableGeometry().height()) : MIN_ZOOM;
}

void ApplyZoom(MainWindow &window, int zoom) {
    zoom = ClampZoom(zoom);
    // The first zoom keeps the fonts it finds, so that zoom 1 returns to exactly those fonts.
    const UnzoomedFonts &fonts = Unzoomed();
    SetCurrentZoom(zoom);
    QApplication::setFont(Times(fonts.application, zoom));
    QToolTip::setFont(Times(fonts.toolTip, zoom));
    window.State().layout.zoom = zoom;
    window.setFixedSize(VISIBLE_DESKTOP * zoom);
    if (EntryForm *form = window.Form()) {
        form->SetZoom(zoom);
    }
    if (MainToolbar *toolbar = window.Toolbar()) {
        toolbar->SetZoom(zoom);
    }
    if (ChartArea *chart = window.findChild<ChartArea *>(QString(), Qt::FindDirectChildrenOnly)) {
        chart->SetZoom(zoom);
    }
    window.update();
}

void StepZoom(MainWindow &window, int step) {
    const int zoom = step == 0 ? MIN_ZOOM : ClampZoom(CurrentZoom() + step);
    if (zoom == CurrentZoom()) {
        return;
    }
    ApplyZoom(window, zoom);
    // A zoom that cannot be remembered still applies to this run.
    WriteZoomSetting(DeviceRoot(), zoom);
}

} // namespace plenta
