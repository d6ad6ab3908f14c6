// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the chart exactly as the main window paints it with the form and the toolbar above it, then cuts
// away the rows those two cover.
#include "ChartExport.h"
#include "FailureCause.h"
#include "ToolTranslator.h"
#include "UsageChecks.h"

#include "chart/ChartLayout.h"
#include "chart/ChartPainter.h"
#include "chart/Picture.h"
#include "journal/JournalScan.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>

namespace plenta {
namespace {

QtMessageHandler previousHandler = nullptr;

// Qt asks for the user's runtime folder, which the painter never uses; without XDG_RUNTIME_DIR (cron, ssh
// without a login session, CI) it notes a fallback that changes nothing here, and a successful chart would
// print that note. Only that note is dropped; every other message of Qt still reaches stderr.
void DropRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    previousHandler(type, context, message);
}

QImage PaintWindow(const JournalScan &scan, const Picture &picture) {
    QImage window(WINDOW_WIDTH, WINDOW_HEIGHT, QImage::Format_RGB32);
    window.fill(Qt::white); // the main window's background, which the first paint finds erased
    QPainter painter(&window);
    PaintChart(painter, MakeChartLayout(CHART_TOP), ChartInputs{scan.table, scan.stats, picture});
    painter.end();
    return window;
}

// Fonts and image plugins need an application object; offscreen keeps the tool usable over ssh and in CI.
std::unique_ptr<QGuiApplication> MakeApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(DropRuntimeFolderNote);
    static int argc = 1;
    static char name[] = "plenta-journal";
    static char *argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    // The placeholder under the chart and the report's words follow the tool's language.
    static ToolTranslator translator;
    QCoreApplication::installTranslator(&translator);
    return application;
}

} // namespace

ExitCode RunReport(const ReportRequest &request) {
    const std::unique_ptr<QGuiApplication> application = MakeApplication();
    switch (WriteReport(request)) {
    case ReportStatus::JournalUnreadable:
        return Fail(ExitCode::Failure,
                    Said(PLENTA_TEXT("plenta-journal", "kann das Tagebuch '%1' nicht öffnen (fehlt, "
                                                       "ist unlesbar oder von einem anderen "
                                                       "Programm gesperrt)"),
                         {request.journal.string()}));
    case ReportStatus::OutputFailed:
        return Fail(ExitCode::Failure,
                    Said(PLENTA_TEXT("plenta-journal", "kann den Bericht '%1' nicht schreiben"),
                         {request.output.string()}));
    case ReportStatus::Written:
        break;
    }
    return ExitCode::Success;
}

ExitCode RunChart(const ChartRequest &request) {
    LoadFailure failure;
    const std::optional<JournalScan> scan =
        LoadJournal(request.journal, request.picked, request.today, &failure);
    if (!scan) {
        return CannotOpenJournal(request.journal, failure.file, failure.reason);
    }
    const std::unique_ptr<QGuiApplication> application = MakeApplication();

    Picture picture = LoadPicture(request.picture);
    const QImage window = PaintWindow(*scan, picture);
    ReleasePicture(picture);

    QImage chart = window.copy(0, CHART_TOP, WINDOW_WIDTH, WINDOW_HEIGHT - CHART_TOP);
    if (request.scale > 1) {
        chart = chart.scaled(chart.width() * request.scale, chart.height() * request.scale,
                             Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    if (!chart.save(QString::fromStdString(request.output.string()), "PNG")) {
        return Fail(ExitCode::Failure,
                    Said(PLENTA_TEXT("plenta-journal", "kann das Bild '%1' nicht schreiben"),
                         {request.output.string()}));
    }
    return ExitCode::Success;
}

} // namespace plenta
