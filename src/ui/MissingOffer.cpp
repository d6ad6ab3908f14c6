// SPDX-License-Identifier: GPL-3.0-or-later
// Asks once per start whether to restore the records that vanished from the journal, and reports.
#include "ui/MissingOffer.h"

#include "ui/ChangeTexts.h"
#include "ui/ModalBox.h"

#include <StringTable.h>

#include <optional>
#include <system_error>

namespace plenta {

std::string MissingQuestion(const std::vector<MissingDate> &missing) {
    std::vector<Date> dates;
    for (const MissingDate &day : missing) {
        dates.push_back(day.date);
    }
    const bool one = missing.size() == 1;
    return std::to_string(missing.size()) +
           (one ? " gespeicherter Eintrag fehlt" : " gespeicherte Einträge fehlen") + " der Datenbank!\n" +
           DateListText(dates) + "\nEin anderes Programm hat " + (one ? "ihn" : "sie") +
           " entfernt.\nJetzt wiederherstellen?";
}

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
        std::string text =
            std::to_string(count) + (count == 1 ? " Eintrag" : " Einträge") + " wiederhergestellt!";
        if (count > 0) {
            text += "\n" + DateListText(result.dates);
        }
        text += HistoryWarning(recording);
        ShowMessageBox(owner, text, caption);
        break;
    }
    case RestoreStatus::HistoryUnreadable:
        ShowMessageBox(owner, LoadText(StringId::HistoryUnreadable), caption);
        break;
    case RestoreStatus::AccessError:
        ShowMessageBox(owner, LoadText(StringId::AccessError), caption);
        break;
    }
    return true;
}

} // namespace plenta
