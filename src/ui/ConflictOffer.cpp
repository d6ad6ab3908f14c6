// SPDX-License-Identifier: GPL-3.0-or-later
// Asks once per start whether to merge the sync service's conflict copies, and reports what the merge did.
#include "ui/ConflictOffer.h"

#include "ui/ChangeTexts.h"
#include "ui/ModalBox.h"

#include "journal/ConflictCopies.h"
#include "journal/JournalMerge.h"
#include <StringTable.h>

#include <optional>
#include <vector>

namespace plenta {

namespace {

std::string Counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string MergeSummary(int added, int conflicts, int malformed) {
    std::string text = Counted(added, "Eintrag", "Einträge") + " übernommen!";
    if (conflicts > 0) {
        text +=
            "\n" + Counted(conflicts, "abweichender Eintrag", "abweichende Einträge") + " nicht übernommen.";
    }
    if (malformed > 0) {
        text += "\n" + Counted(malformed, "Zeile ist", "Zeilen sind") + " kein Eintrag.";
    }
    return text;
}

} // namespace

std::string ConflictQuestion(int copies) {
    return Counted(copies, "Konfliktkopie", "Konfliktkopien") + " der Datenbank gefunden!\n" +
           (copies == 1 ? "Sie enthält" : "Sie enthalten") +
           " Einträge, die der Datenbank fehlen.\nJetzt übernehmen?\n"
           "(Weicht ein Eintrag ab, bleibt der der Datenbank.)";
}

bool OfferConflictMerge(QWidget *owner, const std::filesystem::path &journal,
                        const std::filesystem::path &history, std::string_view caption,
                        const std::function<void()> &rescan) {
    const std::vector<ConflictCopy> copies = FindConflictCopies(journal);
    if (copies.empty()) {
        return false;
    }
    std::vector<std::filesystem::path> paths;
    for (const ConflictCopy &copy : copies) {
        paths.push_back(copy.path);
    }
    const std::optional<std::vector<CopyComparison>> comparisons = CompareWithJournal(journal, paths);
    if (!comparisons) {
        return false;
    }
    std::vector<std::filesystem::path> offered;
    for (const CopyComparison &comparison : *comparisons) {
        if (comparison.readable && comparison.counts.added > 0) {
            offered.push_back(comparison.path);
        }
    }
    if (offered.empty()) {
        return false;
    }
    if (AskYesNo(owner, ConflictQuestion(static_cast<int>(offered.size())), caption) == Answer::No) {
        return true;
    }
    ChangeRecording recording;
    recording.history = history;
    const MergeResult result = MergeIntoJournal(journal, offered, MergePreference::Journal, MergedFiles::Keep,
                                                Durability::Fsync, &recording);
    if (result.status != MergeStatus::Merged) {
        ShowMessageBox(owner, LoadText(StringId::AccessError), caption);
        return true;
    }
    rescan();
    ShowMessageBox(owner,
                   MergeSummary(result.report.counts.added, result.report.counts.conflicts,
                                static_cast<int>(result.malformed.size())) +
                       HistoryWarning(recording),
                   caption);
    return true;
}

} // namespace plenta
