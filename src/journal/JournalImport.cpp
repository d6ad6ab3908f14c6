// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the file as a whole (regular, bounded, text, its header) before any row counts, and reads Plenta's
// own CSV; drip's rows are read in DripRows.
#include "journal/JournalImport.h"

#include "journal/CodePage.h"
#include "journal/CsvReader.h"
#include "journal/DripRows.h"
#include "journal/FileDescriptor.h"
#include "journal/ImportFields.h"
#include "journal/JournalExport.h"
#include "journal/ReasonText.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace plenta {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::size_t PLENTA_COLUMNS = 8;

// The text a spreadsheet would have run as a formula came out of the export behind one apostrophe.
std::string_view WithoutGuard(std::string_view field) {
    return !field.empty() && field.front() == '\'' ? field.substr(1) : field;
}

// "36.5" or "0.5": the export's TemperatureText, whole degrees and a tenths digit.
std::optional<std::int32_t> ParseTenths(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 2 || text.size() != point + 2) {
        return std::nullopt;
    }
    std::int32_t tenths = 0;
    for (const char c : text) {
        if (c != '.' && (c < '0' || c > '9')) {
            return std::nullopt;
        }
        tenths = c == '.' ? tenths : tenths * 10 + (c - '0');
    }
    return tenths;
}

void ConvertPlentaRows(const CsvTable &table, ImportedRecords &imported) {
    static constexpr std::array<std::uint8_t, 4> FLAGS{MARK_FIRST_DAY, MARK_MUCUS, MARK_OVULATION,
                                                       MARK_INTERCOURSE};
    std::string header;
    for (const std::string &field : table.rows.front().fields) {
        header += (header.empty() ? "" : ",") + field;
    }
    if (header != CSV_HEADER) {
        imported.error = ReasonText(
            PLENTA_TEXT("journal", "die erste Zeile ist nicht die Kopfzeile von Plentas CSV-Export (%1)"),
            {CSV_HEADER});
        return;
    }
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const CsvRow &row = table.rows[i];
        if (row.fields.size() != PLENTA_COLUMNS) {
            imported.error = RowError(
                row, ReasonText(PLENTA_TEXT("journal", "%1 Felder, wo die Kopfzeile %2 hat"),
                                {std::to_string(row.fields.size()), std::to_string(PLENTA_COLUMNS)}));
            return;
        }
        const std::string_view dateText = WithoutGuard(row.fields[0]);
        const std::optional<Date> date = ParseImportDate(dateText);
        if (!date) {
            imported.error = RowError(
                row, ReasonText(PLENTA_TEXT("journal", "'%1' ist kein Datum JJJJ-MM-TT"), {dateText}));
            return;
        }
        std::uint8_t marks = 0;
        for (std::size_t flag = 0; flag < FLAGS.size(); ++flag) {
            const std::string_view value = WithoutGuard(row.fields[2 + flag]);
            if (value != "0" && value != "1") {
                imported.error = RowError(
                    row, ReasonText(PLENTA_TEXT("journal", "das Zeichen '%1' ist weder 0 noch 1"), {value}));
                return;
            }
            marks |= value == "1" ? FLAGS[flag] : std::uint8_t{0};
        }
        const std::string_view temperatureText = WithoutGuard(row.fields[1]);
        const std::optional<std::int32_t> temperature = ParseTenths(temperatureText);
        const std::string_view comment = WithoutGuard(row.fields[6]);
        if (!temperature) {
            imported.skipped.push_back(
                {row.line, std::string(dateText),
                 ReasonText(
                     PLENTA_TEXT("journal",
                                 "die Temperatur '%1' ist keine Gradzahl mit einer Nachkommastelle wie 36.5"),
                     {temperatureText})});
        } else if (comment.find_first_of("\r\n") != std::string_view::npos) {
            imported.skipped.push_back(
                {row.line, std::string(dateText),
                 ReasonText(PLENTA_TEXT(
                     "journal",
                     "der Kommentar enthält einen Zeilenumbruch, den ein Eintrag nicht haben kann"))});
        } else {
            AddImportedRecord(imported, row, dateText, *date, *temperature, marks,
                              ConvertComment(comment, std::nullopt));
        }
    }
}

// The file's bytes: opened without blocking, a regular file of at most MAX_IMPORT_BYTES. Nothing, with
// `error` saying why, otherwise.
std::optional<std::string> ReadImportFile(const std::filesystem::path &file, std::string &error) {
    // O_NONBLOCK: a FIFO given by mistake answers at once instead of waiting for a writer.
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    const std::optional<std::size_t> size = fd.RegularSize();
    if (!size) {
        error = ReasonText(PLENTA_TEXT("journal", "keine reguläre Datei"));
        return std::nullopt;
    }
    if (*size > MAX_IMPORT_BYTES) {
        error =
            ReasonText(PLENTA_TEXT("journal", "größer als %1 MiB"), {std::to_string(MAX_IMPORT_BYTES >> 20)});
        return std::nullopt;
    }
    std::string bytes(*size, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0) {
            break; // the file shrank while it was read: what is there counts
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

ImportedRecords ConvertImport(std::string_view text, const ImportOptions &options) {
    ImportedRecords imported;
    if (text.starts_with(BYTE_ORDER_MARK)) {
        text.remove_prefix(BYTE_ORDER_MARK.size());
    }
    // A NUL never stands in a text export; a picture or an archive given by mistake has them early.
    if (text.find('\0') != std::string_view::npos) {
        imported.error =
            ReasonText(PLENTA_TEXT("journal", "die Datei enthält NUL-Bytes: sie ist kein CSV-Text"));
        return imported;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            imported.error = ReasonText(PLENTA_TEXT("journal", "die Datei ist kein UTF-8-Text (Byte %1)"),
                                        {std::to_string(pos + 1)});
            return imported;
        }
        pos += length;
    }
    const CsvTable table = ReadCsv(text);
    if (!table.error.empty()) {
        imported.error = table.error;
        return imported;
    }
    if (table.rows.empty()) {
        imported.error = ReasonText(PLENTA_TEXT("journal", "die Datei ist leer: keine Kopfzeile"));
        return imported;
    }
    if (options.format == ImportFormat::Drip) {
        ConvertDripRows(table, options, imported);
    } else {
        ConvertPlentaRows(table, imported);
    }
    return imported;
}

ImportResult ImportIntoJournal(const std::filesystem::path &journal, const std::filesystem::path &file,
                               const ImportOptions &options, MergePreference preference,
                               Durability durability, ChangeRecording *recording) {
    ImportResult result;
    std::string error;
    const std::optional<std::string> bytes = ReadImportFile(file, error);
    if (!bytes) {
        result.imported.error = ReasonText(PLENTA_TEXT("journal", "kann sie nicht lesen: %1"), {error});
        return result;
    }
    result.imported = ConvertImport(*bytes, options);
    if (!result.imported.error.empty()) {
        return result;
    }
    result.imported.records.path = file;
    result.merge =
        MergeReadRecords(journal, std::span(&result.imported.records, 1), preference, durability, recording);
    return result;
}

} // namespace plenta
