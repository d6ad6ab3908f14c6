// Zooming the running window and remembering the zoom.
#include "WindowZoom.h"

#include "InputPanel.h"
#include "MainWindow.h"

#include <DeviceRoot.h>
#include <EntryForm.h>
#include <MainToolbar.h>
#include <Zoom.h>
#include <ZoomSetting.h>

#include <QApplication>
#include <QFont>
#include <QScreen>

namespace plenta {

namespace {

// The application font as it was before any zoom; the boxes' text is drawn at a multiple of it.
QFont UnzoomedApplicationFont() {
    static const QFont font = QApplication::font();
    return font;
}

void ZoomApplicationFont(int zoom) {
    QFont font = UnzoomedApplicationFont();
    if (font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize() * zoom);
    } else {
        font.setPointSizeF(font.pointSizeF() * zoom);
    }
    QApplication::setFont(font);
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
    // The first zoom keeps the font it finds, so that zoom 1 returns to exactly that font.
    UnzoomedApplicationFont();
    SetCurrentZoom(zoom);
    ZoomApplicationFont(zoom);
    window.State().layout.zoom = zoom;
    window.resize(VISIBLE_DESKTOP.size() * zoom);
    if (EntryForm *form = window.Form()) {
        form->SetZoom(zoom);
    }
    if (MainToolbar *toolbar = window.Toolbar()) {
        toolbar->SetZoom(zoom);
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
