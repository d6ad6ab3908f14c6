// SPDX-License-Identifier: GPL-3.0-or-later
// Painted with QPainter on QPdfWriter, so the text is real PDF text a viewer can search, and the charts come
// from the same PaintChart the window uses: painted at the window's size, then enlarged by whole pixels.
#include "chart/CycleReport.h"

#include "chart/ChartLayout.h"
#include "chart/ChartPainter.h"
#include "chart/Picture.h"
#include "journal/CycleCounter.h"
#include "journal/DayNumbers.h"
#include "journal/JournalExport.h"
#include "journal/JournalScan.h"
#include "journal/ReportCycles.h"
#include "journal/StatisticsText.h"
#include <StringTable.h>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <optional>

namespace plenta {
namespace {

constexpr int PAGE_WIDTH = 2480; // A4 at REPORT_DPI
constexpr int PAGE_HEIGHT = 3508;
constexpr int MARGIN = REPORT_CHART_LEFT;
constexpr int BOTTOM = PAGE_HEIGHT - 200;
constexpr int TEXT_WIDTH = PAGE_WIDTH - 2 * MARGIN;
// The table's columns: date, cycle day, temperature, marks, comment.
constexpr int COLUMNS[] = {MARGIN, MARGIN + 330, MARGIN + 620, MARGIN + 920, MARGIN + 1320};
// The statistics' labels and numbers.
constexpr int STATISTICS_COLUMNS[] = {MARGIN, MARGIN + 600};

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

// The statistics as the statistics box words them in the current language, line by line.
QStringList StatisticsLines(const CycleStats &stats) {
    const auto text = [](StringId id) {
        return QCoreApplication::translate("StringTable", LoadText(id).data()).toStdString();
    };
    return Text(StatisticsText(stats, text(StringId::StatisticsFormat), text(StringId::NextPeriodUnknown)))
        .split(QLatin1Char('\n'));
}

// The window's chart area, painted exactly as the window paints it.
QImage ChartImage(const DayPointTable &table, const CycleStats &stats, const Picture &picture) {
    QImage window(WINDOW_WIDTH, WINDOW_HEIGHT, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    PaintChart(painter, MakeChartLayout(CHART_TOP), ChartInputs{table, stats, picture});
    painter.end();
    return window.copy(0, CHART_TOP, WINDOW_WIDTH, REPORT_CHART_ROWS);
}

// One cycle on its own, its days counted from its first day as the window would count them alone.
QImage CycleImage(const ReportCycle &cycle, Date today, const Picture &picture) {
    DayPointTable table;
    CycleStats stats;
    CycleCounter counter(table);
    for (const ExportRow &row : cycle.rows) {
        counter.Add(DayNumber(row.date), row.temperature, row.marks);
    }
    counter.Finish(today, cycle.rows.front().date, stats);
    return ChartImage(table, stats, picture);
}

QString MarkWords(std::uint8_t marks) {
    static constexpr std::pair<std::uint8_t, const char *> WORDS[] = {
        {MARK_FIRST_DAY, QT_TRANSLATE_NOOP("CycleReport", "Periode")},
        {MARK_MUCUS, QT_TRANSLATE_NOOP("CycleReport", "Schleim")},
        {MARK_OVULATION, QT_TRANSLATE_NOOP("CycleReport", "Eisprung")},
        {MARK_INTERCOURSE, QT_TRANSLATE_NOOP("CycleReport", "Verkehr")}};
    QStringList words;
    for (const auto &[mark, word] : WORDS) {
        if ((marks & mark) != 0) {
            words << QCoreApplication::translate("CycleReport", word);
        }
    }
    return words.join(QStringLiteral(", "));
}

// Writes lines top down and starts a new page when the next line would not fit.
class ReportPages {
public:
    ReportPages(QPdfWriter &writer, QPainter &painter)
        : writer_(writer)
        , painter_(painter) {}

    int Top() const { return top_; }
    void Skip(int pixels) { top_ += pixels; }

    void NewPage() {
        writer_.newPage();
        top_ = MARGIN;
    }

    void Ensure(int pixels) {
        if (top_ + pixels > BOTTOM) {
            NewPage();
        }
    }

    void Line(const QFont &font, const QStringList &cells, std::span<const int> columns) {
        painter_.setFont(font);
        const QFontMetrics metrics(font, &writer_);
        Ensure(metrics.height());
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int right = i + 1 < cells.size() ? columns[at + 1] : MARGIN + TEXT_WIDTH;
            const int width = right - columns[at] - 20;
            painter_.drawText(columns[at], top_ + metrics.ascent(),
                              metrics.elidedText(cells[i], Qt::ElideRight, width));
        }
        top_ += metrics.height() + metrics.height() / 4;
    }

    // The image enlarged `scale` times by the page itself: stored once at the window's size, and without
    // smoothing (no /Interpolate) a viewer repeats each pixel as a sharp square.
    void Image(int left, const QImage &image, int scale) {
        const QRect target(left, top_, image.width() * scale, image.height() * scale);
        Ensure(target.height());
        painter_.drawImage(target.translated(0, top_ - target.top()), image);
        top_ += target.height();
    }

private:
    QPdfWriter &writer_;
    QPainter &painter_;
    int top_ = MARGIN;
};

QFont ReportFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void WriteCycle(ReportPages &pages, const ReportCycle &cycle, Date today, const Picture &picture) {
    const QFont heading = ReportFont(13, true);
    const QFont body = ReportFont(9);
    pages.NewPage();
    const QString from = Text(IsoDate(cycle.rows.front().date));
    pages.Line(heading,
               {cycle.length == 0
                    ? QCoreApplication::translate("CycleReport", "Laufender Zyklus ab %1").arg(from)
                    : QCoreApplication::translate("CycleReport", "Zyklus ab %1, %2 Tage")
                          .arg(from)
                          .arg(cycle.length)},
               COLUMNS);
    pages.Skip(40);
    pages.Image(MARGIN, CycleImage(cycle, today, picture), REPORT_STRIP_SCALE);
    pages.Skip(60);
    const QFont head = ReportFont(9, true);
    pages.Line(head,
               {QCoreApplication::translate("CycleReport", "Datum"),
                QCoreApplication::translate("CycleReport", "Zyklustag"),
                QCoreApplication::translate("CycleReport", "Temperatur"),
                QCoreApplication::translate("CycleReport", "Zeichen"),
                QCoreApplication::translate("CycleReport", "Kommentar")},
               COLUMNS);
    for (const ExportRow &row : cycle.rows) {
        pages.Line(body,
                   {Text(IsoDate(row.date)), QString::number(row.cycleDay),
                    Text(TemperatureText(row.temperature)), MarkWords(row.marks), Text(row.comment)},
                   COLUMNS);
    }
}

} // namespace

ReportStatus WriteReport(const ReportRequest &request) {
    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(request.journal);
    const std::optional<JournalScan> scan = LoadJournal(request.journal, request.today, request.today);
    if (!rows || !scan) {
        return ReportStatus::JournalUnreadable;
    }
    const std::vector<ReportCycle> cycles = PickReportCycles(*rows, request.cycles);

    // QSaveFile writes beside the target and renames only after a complete, flushed write.
    QSaveFile file(QString::fromStdString(request.output.string()));
    if (!file.open(QIODevice::WriteOnly)) {
        return ReportStatus::OutputFailed;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(REPORT_DPI);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(QCoreApplication::translate("CycleReport", "Plenta: Zyklusbericht"));
        writer.setCreator(QStringLiteral("Plenta"));
        QPainter painter(&writer);
        // Without it the PDF engine stores pictures as JPEG, which smears the chart's one-pixel lines.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        ReportPages pages(writer, painter);
        const std::vector<ExportRow> &shown = cycles.empty() ? *rows : cycles.front().rows;
        QString span;
        if (!rows->empty()) {
            span = QCoreApplication::translate("CycleReport", "%1 bis %2")
                       .arg(Text(IsoDate(shown.empty() ? rows->front().date : shown.front().date)),
                            Text(IsoDate(rows->back().date)));
        }
        pages.Line(ReportFont(18, true), {QCoreApplication::translate("CycleReport", "Zyklusbericht")},
                   COLUMNS);
        pages.Line(ReportFont(11), {span}, COLUMNS);
        pages.Skip(60);
        for (const QString &line : StatisticsLines(scan->stats)) {
            const QStringList parts = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
            pages.Line(ReportFont(10), parts, STATISTICS_COLUMNS);
        }
        pages.Skip(REPORT_CHART_TOP - pages.Top());
        Picture picture = LoadPicture(request.picture);
        pages.Image(REPORT_CHART_LEFT, ChartImage(scan->table, scan->stats, picture), REPORT_CHART_SCALE);
        for (const ReportCycle &cycle : cycles) {
            WriteCycle(pages, cycle, request.today, picture);
        }
        ReleasePicture(picture);
        if (!painter.end()) {
            file.cancelWriting();
        }
    }
    return file.commit() ? ReportStatus::Written : ReportStatus::OutputFailed;
}

} // namespace plenta
