// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialog rather than the desktop's, so that it is a QDialog that RunModal and the tests can hold.
#include "ui/ReportSaving.h"

#include "chart/CycleReport.h"
#include "journal/JournalExport.h"
#include "ui/ModalBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QString>

namespace plenta {

void SaveReport(QWidget &owner, const std::filesystem::path &journal, Date today) {
    QFileDialog dialog(
        &owner, QCoreApplication::translate("ReportSaving", REPORT_DIALOG_CAPTION),
        QDir::home().filePath(
            QStringLiteral("plenta-bericht-%1.pdf").arg(QString::fromStdString(IsoDate(today)))),
        QStringLiteral("PDF (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const ReportRequest request{
        journal, today, {}, dialog.selectedFiles().constFirst().toStdString(), DEFAULT_REPORT_CYCLES};
    const bool written = WriteReport(request) == ReportStatus::Written;
    const auto text = [](const char *source) {
        return QCoreApplication::translate("ReportSaving", source).toStdString();
    };
    ShowMessageBox(&owner, text(written ? REPORT_WRITTEN : REPORT_FAILED), text(REPORT_DIALOG_CAPTION));
}

} // namespace plenta
