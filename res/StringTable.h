// SPDX-License-Identifier: GPL-3.0-or-later
// The program's string table: every user-visible text by its resource id, in UTF-8, usable without Qt. The
// texts are German; the ones a user reads are marked for translation under the context "StringTable".
#pragma once

#include <TranslatedText.h>

#include <array>
#include <string_view>

namespace plenta {

enum class StringId : int {
    AppTitle = 128,
    AccessError = 61204,   // a rewrite of the journal failed
    EntrySaved = 61205,    // save, the date had no record
    EntryReplaced = 61206, // save, a record of the date was replaced
    DayUnits = 61207,      // units digits of the day numbers 1 to 34
    DatabaseError = 61208, // the journal cannot be opened or started
    InfoCaption = 61214,
    StatisticsFormat = 61215,
    DayTens = 61216, // tens digits of the day numbers 1 to 34
    EntryDeleted = 61218,
    HelpText = 61219,
    PicturePlaceholder = 61220,
    JournalHeader = 61221,
    // Not in the handheld's table: the statistics' last line while no cycle has been counted.
    NextPeriodUnknown = 61223,
    // Not in the handheld's table either: the outcomes of an undo.
    EntryRestored = 61224,
    NothingToUndo = 61225,
    UndoRefused = 61226,
    // The local history itself failed: the journal's change stands, or nothing was done.
    HistoryNotWritten = 61227,
    HistoryUnreadable = 61228,
};

struct StringEntry {
    StringId id;
    std::string_view text;
};

inline constexpr std::array<StringEntry, 19> STRING_TABLE{{
    {StringId::AppTitle, "Plenta"},
    {StringId::AccessError, PLENTA_TEXT("StringTable", "Fehler beim Datenbankzugriff!")},
    {StringId::EntrySaved, PLENTA_TEXT("StringTable", "Eintrag gespeichert!")},
    {StringId::EntryReplaced, PLENTA_TEXT("StringTable", "Eintrag ersetzt!")},
    {StringId::DayUnits, "1234567890123456789012345678901234"},
    {StringId::DatabaseError, PLENTA_TEXT("StringTable", "Fehler mit der Datenbank!")},
    {StringId::InfoCaption, PLENTA_TEXT("StringTable", "Plenta - Information")},
    {StringId::StatisticsFormat,
     PLENTA_TEXT("StringTable",
                 "Datenbank hat %d Einträge\nZeitraum:\t%d Tag(e)\nZyklen:\t\t%d\nDurchschnitt:\t%d "
                 "Tage\nNächste Periode in %d Tag(en)")},
    {StringId::DayTens, "0000000001111111111222222222233333"},
    {StringId::EntryDeleted, PLENTA_TEXT("StringTable", "Eintrag gelöscht!")},
    {StringId::HelpText,
     PLENTA_TEXT("StringTable",
                 "Action\tnächstes Feld\nRocker\t Änderungen\nAction (lang)\tSpeichern\nEscape "
                 "(lang)\tLöschen\n\nDoppeltap\tStatistik\nEscape,  dann Action\n\t Beenden\n")},
    {StringId::PicturePlaceholder,
     PLENTA_TEXT("StringTable", "Hier würde folgendes Bild mit\n%dx%d Pixeln angezeigt\nwerden :\n")},
    {StringId::JournalHeader, "Tag,Temperatur,Attribut,Kommentar\r\n"},
    {StringId::NextPeriodUnknown, PLENTA_TEXT("StringTable", "Nächste Periode: unbekannt")},
    {StringId::EntryRestored, PLENTA_TEXT("StringTable", "Eintrag wiederhergestellt!")},
    {StringId::NothingToUndo, PLENTA_TEXT("StringTable", "Nichts rückgängig zu machen!")},
    {StringId::UndoRefused,
     PLENTA_TEXT("StringTable", "Nicht rückgängig gemacht!\nInzwischen anderswo geändert:")},
    {StringId::HistoryNotWritten,
     PLENTA_TEXT("StringTable", "Nicht im Verlauf gespeichert:\nnicht rückgängig zu machen!")},
    {StringId::HistoryUnreadable, PLENTA_TEXT("StringTable", "Fehler beim Lesen des Verlaufs!")},
}};

// The text of a string id; an id the table does not hold gives the empty string, as a failed load would.
constexpr std::string_view LoadText(StringId id) {
    for (const StringEntry &entry : STRING_TABLE) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

} // namespace plenta
