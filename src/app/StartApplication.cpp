// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in its fixed order.
#include "app/StartApplication.h"

#include "app/DesktopShortcuts.h"
#include "app/FontConfigPreload.h"
#include "app/KeyFilter.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/WindowZoom.h"

#include "chart/ChartLayout.h"
#include "chart/Picture.h"
#include "journal/JournalPaths.h"
#include "platform/DeviceRoot.h"
#include "ui/AccessibleFactory.h"
#include "ui/ChartArea.h"
#include "ui/ConflictOffer.h"
#include "ui/ControlAccess.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/MissingOffer.h"
#include "ui/ProgramImages.h"
#include "ui/Translation.h"
#include "ui/Zoom.h"
#include <StringTable.h>

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace plenta {

namespace {

// The journal's, the history's and the picture's paths, and the picture.
void LoadPathsAndPicture(ShellState &state) {
    const std::filesystem::path root = DeviceRoot();
    state.paths = ResolvePaths(ReadFileSyncPath(root), ModulePath(), root);
    state.picture = LoadPicture(FindPicture(state.paths.pictureCandidates));
}

// Form lists, chart layout and the first scan, once the main window and its children exist and the paths are
// known.
void InitialiseState(MainWindow &mainWindow) {
    ShellState &state = mainWindow.State();
    FillFormLists(mainWindow.Form());
    state.layout = MakeChartLayout(CHART_TOP);
    if (CommandDispatcher *dispatcher = mainWindow.Dispatcher()) {
        dispatcher->Rescan();
    }
}

} // namespace

Application::Application() = default;

Application::~Application() {
    // The filter refers to the window, so it goes first.
    if (appInstance != nullptr && keyFilter != nullptr) {
        appInstance->removeEventFilter(keyFilter.get());
    }
    keyFilter.reset();
    mainWindow.reset();
}

std::unique_ptr<Application> StartApplication(QApplication &app, const LaunchSettings &settings) {
    auto application = std::make_unique<Application>();
    // Before the first widget, so every text is made in the user's language; German loads nothing.
    InstallTranslation(WindowLanguage());
    application->windowTitle = std::string(LoadText(StringId::AppTitle));
    const QString product = QString::fromStdString(application->windowTitle);

    application->instance = std::make_unique<SingleInstance>(SingleInstance::ServerNameFor(product));
    if (application->instance->Claim() == SingleInstance::Role::Second) {
        return nullptr;
    }
    application->appInstance = &app;
    QApplication::setWindowIcon(QIcon(ProgramIcon()));

    // Before any widget exists, as Qt keeps the first accessible interface it makes for a widget.
    InstallAccessibleFactory();
    application->mainWindow = std::make_unique<MainWindow>();
    MainWindow &window = *application->mainWindow;
    window.setWindowTitle(product);
    // The start-up benchmark measures from process start to the first paint and asks the program to end
    // there.
    if (!qEnvironmentVariableIsEmpty("PLENTA_EXIT_AFTER_FIRST_PAINT")) {
        window.SetAfterFirstPaint(AfterFirstPaint::Exit);
    }
    const int startZoom = StartZoom(settings.zoom);
    // A zoom left behind by an earlier window of this process is undone below as well.
    const bool zoomed = startZoom != MIN_ZOOM || CurrentZoom() != MIN_ZOOM;
    SetCurrentZoom(startZoom);
    // The window takes its size before its children are placed; nothing is laid out again later.
    window.FitToVisibleDesktop();

    // The picture needs no text, so it is decoded while the font configuration is still being read.
    LoadPathsAndPicture(window.State());
    // The toolbar shows no text either; it is made in its band below the form's before the form is.
    MainToolbar *toolbar = CreateMainToolbar(window);
    // The form lays out the first text.
    FontConfigPreload::Wait();
    EntryForm *form = CreateEntryForm(window);
    window.AttachChildren(form, toolbar);
    // Names and the Tab order cost a few assignments; what screen readers compute is made only when asked.
    OpenControls(form, toolbar, CreateChartArea(window, window.State()));
    InitialiseState(window);
    if (zoomed) {
        ApplyZoom(window, startZoom);
    }

    QObject::connect(application->instance.get(), &SingleInstance::activationRequested, &window,
                     &MainWindow::BringForward);
    application->keyFilter = std::make_unique<KeyFilter>(window, form, settings.holdPeriodMs);
    app.installEventFilter(application->keyFilter.get());
    InstallDesktopShortcuts(window);

    window.show();
    window.update();
    // Once the window is up and placed, so that an offer's box stands over it; queued, so the paint ends
    // first. One offer per start: vanished records wait while there are conflict copies to merge, whose
    // records the journal lacks as well.
    QObject::connect(
        &window, &MainWindow::firstPainted, &window,
        [&window] {
            const ShellState &state = window.State();
            const auto rescan = [&window] {
                if (CommandDispatcher *dispatcher = window.Dispatcher()) {
                    dispatcher->Rescan();
                }
            };
            if (!OfferConflictMerge(&window, state.paths.journalPath, state.paths.historyPath,
                                    state.paths.messageCaption, rescan)) {
                OfferMissingRestore(&window, state.paths.journalPath, state.paths.historyPath,
                                    state.paths.messageCaption, rescan);
            }
        },
        Qt::QueuedConnection);
    return application;
}

} // namespace plenta
