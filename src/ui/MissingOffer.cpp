// SPDX-License-Identifier: GPL-3.0-or-later
// Asks once per start whether to restore the records that vanished from the journal, and reports.
#include "ui/MissingOffer.h"

#include "journal/MissingRecords.h"

#include "ui/ChangeTexts.h"
#include "ui/ModalBox.h"

#include "ui/Translation.h"

#include <StringTable.h>

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <system_error>

namespace plenta {

namespace {

// The question with the list of days in its place "%2".
std::string WithDays(const std::string &question, const std::vector<Date> &dates) {
    return QString::fromStdString(question).arg(QString::fromStdString(DateListText(dates))).toStdString();
}

// The box's question: how many entries and of which days.
std::string MissingQuestion(const std::vector<MissingDate> &missing) {
    std::vector<Date> dates;
    for (const MissingDate &day : missing) {
        dates.push_back(day.date);
    }
    return WithDays(
        CountedText(
            "MissingOffer", missing.size(),
            QT_TRANSLATE_NOOP("MissingOffer", "%1 gespeicherter Eintrag fehlt der Datenbank!\n%2\nEin "
                                              "anderes Programm hat ihn entfernt.\nJetzt wiederherstellen?"),
            QT_TRANSLATE_NOOP("MissingOffer", "%1 gespeicherte Einträge fehlen der Datenbank!\n%2\nEin "
                                              "anderes Programm hat sie entfernt.\nJetzt wiederherstellen?")),
        dates);
}

} // namespace

bool OfferMissingRestore(QWidget *owner, const std::filesystem::path &journal,
                         const std::filesystem::path &history, std::string_view caption,
                         const std::function<void()> &rescan) {
    // Without a history Plenta has written nothing here yet, and the journal is not read at all: the start
    // stays as cheap as before.
    std::error_code unknown;
    if (std::filesystem::symlink_status(history, unknown).type() == std::filesystem::file_type::not_found) {
        return false;
    }
    const std::optional<std::vector<MissingDate>> missing = FindMissingRecords(journal, history);
    if (!missing || missing->empty()) {
        return false;
    }
    if (AskYesNo(owner, MissingQuestion(*missing), caption) == Answer::No) {
        return true;
    }
    ChangeRecording recording;
    recording.history = history;
    const RestoreResult result = RestoreMissingRecords(journal, std::nullopt, recording);
    switch (result.status) {
    case RestoreStatus::Restored:
    case RestoreStatus::NothingMissing: {
        rescan();
        const std::size_t count = result.dates.size();
        std::string text = CountedText("MissingOffer", count,
                                       QT_TRANSLATE_NOOP("MissingOffer", "%1 Eintrag wiederhergestellt!"),
                                       QT_TRANSLATE_NOOP("MissingOffer", "%1 Einträge wiederhergestellt!"));
        if (count > 0) {
            text += "\n" + DateListText(result.dates);
        }
        text += HistoryWarning(recording);
        ShowMessageBox(owner, text, caption);
        break;
    }
    case RestoreStatus::HistoryUnreadable:
        ShowMessageBox(owner, TextUtf8(StringId::HistoryUnreadable), caption);
        break;
    case RestoreStatus::AccessError:
        ShowMessageBox(owner, TextUtf8(StringId::AccessError), caption);
        break;
    }
    return true;
}

} // namespace plenta
