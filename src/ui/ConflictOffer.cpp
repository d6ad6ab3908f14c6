// SPDX-License-Identifier: GPL-3.0-or-later
// Asks once per start whether to merge the sync service's conflict copies, and reports what the merge did.
#include "ui/ConflictOffer.h"

#include "ui/ChangeTexts.h"
#include "ui/ModalBox.h"
#include "ui/Translation.h"

#include "journal/ConflictCopies.h"
#include "journal/JournalMerge.h"
#include <StringTable.h>

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace plenta {

namespace {

// One line with its count, in the singular's or the plural's own wording, in the window's language.
std::string Counted(int count, const char *one, const char *many) {
    return CountedText("ConflictOffer", static_cast<std::size_t>(count), one, many);
}

std::string MergeSummary(int added, int conflicts, int malformed) {
    std::string text = Counted(added, QT_TRANSLATE_NOOP("ConflictOffer", "%1 Eintrag übernommen!"),
                               QT_TRANSLATE_NOOP("ConflictOffer", "%1 Einträge übernommen!"));
    if (conflicts > 0) {
        text +=
            "\n" + Counted(conflicts,
                           QT_TRANSLATE_NOOP("ConflictOffer", "%1 abweichender Eintrag nicht übernommen."),
                           QT_TRANSLATE_NOOP("ConflictOffer", "%1 abweichende Einträge nicht übernommen."));
    }
    if (malformed > 0) {
        text += "\n" + Counted(malformed, QT_TRANSLATE_NOOP("ConflictOffer", "%1 Zeile ist kein Eintrag."),
                               QT_TRANSLATE_NOOP("ConflictOffer", "%1 Zeilen sind kein Eintrag."));
    }
    return text;
}

} // namespace

std::string ConflictQuestion(int copies) {
    return Counted(
        copies,
        QT_TRANSLATE_NOOP("ConflictOffer",
                          "%1 Konfliktkopie der Datenbank gefunden!\nSie enthält Einträge, die der "
                          "Datenbank fehlen.\nJetzt übernehmen?\n(Weicht ein Eintrag ab, bleibt der "
                          "der Datenbank.)"),
        QT_TRANSLATE_NOOP("ConflictOffer",
                          "%1 Konfliktkopien der Datenbank gefunden!\nSie enthalten Einträge, die "
                          "der Datenbank fehlen.\nJetzt übernehmen?\n(Weicht ein Eintrag ab, bleibt "
                          "der der Datenbank.)"));
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
        ShowMessageBox(owner, TextUtf8(StringId::AccessError), caption);
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
