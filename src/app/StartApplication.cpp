// Start-up in its fixed order.
#include "app/StartApplication.h"

#include "app/DesktopShortcuts.h"
#include "app/FirstChart.h"
#include "app/FontConfigPreload.h"
#include "app/KeyFilter.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/WindowZoom.h"

#include "chart/ChartLayout.h"
#include "chart/Picture.h"
#include "journal/JournalPaths.h"
#include "journal/JournalScan.h"
#include "platform/DeviceRoot.h"
#include "platform/LocalToday.h"
#include "ui/ConflictOffer.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/PickerDate.h"
#include "ui/ProgramImages.h"
#include "ui/Zoom.h"
#include <StringTable.h>

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace plenta {

Application::Application() = default;

Application::~Application() {
    // The filter refers to the window, so it goes first.
    if (appInstance != nullptr && keyFilter != nullptr) {
        appInstance->removeEventFilter(keyFilter.get());
    }
    keyFilter.reset();
    mainWindow.reset();
}

void LoadPathsAndPicture(ShellState &state) {
    const std::filesystem::path root = DeviceRoot();
    state.paths = ResolvePaths(ReadFileSyncPath(root), ModulePath(), root);
    state.picture = LoadPicture(state.paths.picturePath);
}

std::optional<FirstScan> ScanForToday(const ShellState &state) {
    // The date the form's date field starts with.
    const Date today = ToDate(QDate::currentDate());
    try {
        if (std::optional<JournalScan> scan = LoadJournal(state.paths.journalPath, today, LocalToday())) {
            return FirstScan{today, std::move(*scan)};
        }
    } catch (const std::bad_alloc &) {
        // The form's first rescan tries again, and keeps the empty results when memory still runs out.
    }
    return std::nullopt;
}

void InitialiseState(MainWindow &mainWindow, int layoutOffset, std::optional<FirstScan> firstScan) {
    ShellState &state = mainWindow.State();
    FillFormLists(mainWindow.Form());
    state.layout = MakeChartLayout(layoutOffset);
    CommandDispatcher *dispatcher = mainWindow.Dispatcher();
    if (dispatcher == nullptr) {
        return;
    }
    const EntryForm *form = mainWindow.Form();
    if (firstScan && form != nullptr && form->PickedDate() == firstScan->date) {
        dispatcher->ApplyScan(std::move(firstScan->scan));
    } else {
        dispatcher->Rescan();
    }
}

std::unique_ptr<Application> StartApplication(QApplication &app, std::optional<int> zoom) {
    auto application = std::make_unique<Application>();
    application->windowTitle = std::string(LoadText(StringId::AppTitle));
    const QString product = QString::fromStdString(application->windowTitle);

    application->instance = std::make_unique<SingleInstance>(SingleInstance::ServerNameFor(product));
    if (application->instance->Claim() == SingleInstance::Role::Second) {
        return nullptr;
    }
    application->appInstance = &app;
    QApplication::setWindowIcon(QIcon(ProgramIcon()));

    application->mainWindow = std::make_unique<MainWindow>();
    MainWindow &window = *application->mainWindow;
    window.setWindowTitle(product);
    // The start-up benchmark measures from process start to the first paint and asks the program to end
    // there.
    if (!qEnvironmentVariableIsEmpty("PLENTA_EXIT_AFTER_FIRST_PAINT")) {
        window.SetAfterFirstPaint(AfterFirstPaint::Exit);
    }
    const int startZoom = StartZoom(zoom);
    // A zoom left behind by an earlier window of this process is undone below as well.
    const bool zoomed = startZoom != MIN_ZOOM || CurrentZoom() != MIN_ZOOM;
    SetCurrentZoom(startZoom);
    // The window takes its size before its children are placed; nothing is laid out again later.
    window.FitToVisibleDesktop();

    // The picture needs no text, so it is decoded while the font configuration is still being read.
    LoadPathsAndPicture(window.State());
    // The toolbar shows no text either; it is made below the form's band before the form is.
    int layoutOffset = FORM_BAND;
    MainToolbar *toolbar = CreateMainToolbar(window, layoutOffset);
    // The scan needs no text either.
    std::optional<FirstScan> firstScan = ScanForToday(window.State());
    // The form lays out the first text.
    FontConfigPreload::Wait();
    if (firstScan) {
        window.SetFirstChart(std::make_unique<FirstChart>(firstScan->scan.table, firstScan->scan.stats,
                                                          MakeChartLayout(layoutOffset),
                                                          window.State().picture));
    }
    int formOffset = 0;
    EntryForm *form = CreateEntryForm(window, formOffset);
    window.AttachChildren(form, toolbar);
    InitialiseState(window, layoutOffset, std::move(firstScan));
    if (zoomed) {
        ApplyZoom(window, startZoom);
    }

    QObject::connect(application->instance.get(), &SingleInstance::activationRequested, &window,
                     &MainWindow::BringForward);
    application->keyFilter = std::make_unique<KeyFilter>(window, form);
    app.installEventFilter(application->keyFilter.get());
    InstallDesktopShortcuts(window);

    window.show();
    window.update();
    // Once the window is up, so that the offer's box stands over it.
    QTimer::singleShot(0, &window, [&window] {
        OfferConflictMerge(&window, window.State().paths.journalPath, window.State().paths.messageCaption,
                           [&window] {
                               if (CommandDispatcher *dispatcher = window.Dispatcher()) {
                                   dispatcher->Rescan();
                               }
                           });
    });
    return application;
}

} // namespace plenta
