// SPDX-License-Identifier: GPL-3.0-or-later
// The mapping: a temperature rounded half up on its decimal text (a binary float would round 36.45 down),
// a first-day mark where a bleeding run begins, mucus from its computed value 2 and above, intercourse from
// sex.partner, no ovulation mark (drip has none to give), the note as the comment.
#include "journal/DripRows.h"

#include "journal/DayNumbers.h"
#include "journal/ImportFields.h"
#include "journal/ReasonText.h"

#include <array>
#include <map>
#include <set>

namespace plenta {

namespace {

enum Column : std::size_t {
    DateCell,
    TemperatureCell,
    TemperatureExcludeCell,
    BleedingCell,
    BleedingExcludeCell,
    MucusCell,
    MucusExcludeCell,
    SexPartnerCell,
    NoteCell,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> COLUMN_NAMES{
    "date",        "temperature.value", "temperature.exclude", "bleeding.value", "bleeding.exclude",
    "mucus.value", "mucus.exclude",     "sex.partner",         "note.value"};

constexpr std::size_t ABSENT = SIZE_MAX;

// One data row with its cells found through the header's column positions.
class DripRow {
public:
    DripRow(const CsvRow &row, const std::array<std::size_t, ColumnCount> &positions)
        : row_(row)
        , positions_(positions) {}

    std::string_view Cell(Column column) const {
        const std::size_t at = positions_[column];
        return at == ABSENT ? std::string_view() : std::string_view(row_.fields[at]);
    }

    // "true", "false" or an empty cell (false); anything else leaves `error` set.
    bool Flag(Column column, std::string &error) const {
        const std::string_view cell = Cell(column);
        if (cell != "true" && cell != "false" && !cell.empty()) {
            error = RowError(row_, ReasonText(PLENTA_TEXT("journal", "%1 ist '%2', weder true noch false"),
                                              {COLUMN_NAMES[column], cell}));
        }
        return cell == "true";
    }

    // A whole number or an empty cell (-1); anything else leaves `error` set.
    int Number(Column column, std::string &error) const {
        const std::string_view cell = Cell(column);
        if (cell.empty()) {
            return -1;
        }
        if (cell.size() > 3 || cell.find_first_not_of("0123456789") != std::string_view::npos) {
            error = RowError(row_, ReasonText(PLENTA_TEXT("journal", "%1 ist '%2', keine ganze Zahl"),
                                              {COLUMN_NAMES[column], cell}));
            return -1;
        }
        return std::stoi(std::string(cell));
    }

private:
    const CsvRow &row_;
    const std::array<std::size_t, ColumnCount> &positions_;
};

// Degrees as decimal text ("36.55") in tenths, rounded half up on the digits themselves.
std::optional<std::int32_t> RoundedTenths(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 3 || !digits(whole) || !digits(decimals) ||
        (point != std::string_view::npos && decimals.empty())) {
        return std::nullopt;
    }
    std::int32_t tenths = std::stoi(std::string(whole)) * 10 + (decimals.empty() ? 0 : decimals[0] - '0');
    if (decimals.size() > 1 && decimals[1] >= '5') {
        ++tenths;
    }
    return tenths;
}

std::string TenthsText(std::int32_t tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// The columns' positions; `error` names a missing or doubled column.
std::array<std::size_t, ColumnCount> FindColumns(const CsvRow &header, std::string &error) {
    std::array<std::size_t, ColumnCount> positions;
    positions.fill(ABSENT);
    for (std::size_t at = 0; at < header.fields.size(); ++at) {
        for (std::size_t column = 0; column < ColumnCount; ++column) {
            if (header.fields[at] != COLUMN_NAMES[column]) {
                continue;
            }
            if (positions[column] != ABSENT) {
                error = ReasonText(PLENTA_TEXT("journal", "die Kopfzeile nennt die Spalte '%1' zweimal"),
                                   {header.fields[at]});
            }
            positions[column] = at;
        }
    }
    for (const Column required : {DateCell, TemperatureCell}) {
        if (error.empty() && positions[required] == ABSENT) {
            error = ReasonText(
                PLENTA_TEXT(
                    "journal",
                    "die erste Zeile ist keine Kopfzeile von drips Export: ihr fehlt die Spalte '%1'"),
                {COLUMN_NAMES[required]});
        }
    }
    return positions;
}

// The temperature the day gets, or the reason it gets none.
std::optional<std::int32_t> DayTemperature(const DripRow &day, bool excluded, const ImportOptions &options,
                                           std::string &reason) {
    const std::string_view text = day.Cell(TemperatureCell);
    if (excluded || text.empty()) {
        if (!options.defaultTemperature) {
            reason = excluded ? ReasonText(PLENTA_TEXT(
                                    "journal", "die Temperatur des Tages ist als ausgeschlossen markiert"))
                              : ReasonText(PLENTA_TEXT("journal", "der Tag hat keine Temperatur"));
        }
        return options.defaultTemperature;
    }
    const std::optional<std::int32_t> tenths = RoundedTenths(text);
    if (!tenths) {
        reason = ReasonText(PLENTA_TEXT("journal", "die Temperatur '%1' ist keine Zahl"), {text});
    } else if (*tenths < TEMPERATURE_BOTTOM || *tenths > TEMPERATURE_TOP) {
        reason =
            ReasonText(PLENTA_TEXT("journal", "die Temperatur %1 liegt außerhalb von %2 bis %3"),
                       {TenthsText(*tenths), TenthsText(TEMPERATURE_BOTTOM), TenthsText(TEMPERATURE_TOP)});
        return std::nullopt;
    }
    return tenths;
}

} // namespace

void ConvertDripRows(const CsvTable &table, const ImportOptions &options, ImportedRecords &imported) {
    std::string &error = imported.error;
    const std::array<std::size_t, ColumnCount> positions = FindColumns(table.rows.front(), error);
    if (!error.empty()) {
        return;
    }
    // Every row is checked, and the bleeding days gathered, before any mark is given: a first day depends on
    // the calendar day before it, wherever that row stands.
    std::map<std::size_t, Date> dates;
    std::set<std::int64_t> bleedingDays;
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const CsvRow &row = table.rows[i];
        if (row.fields.size() != table.rows.front().fields.size()) {
            error = RowError(row, ReasonText(PLENTA_TEXT("journal", "%1 Felder, wo die Kopfzeile %2 hat"),
                                             {std::to_string(row.fields.size()),
                                              std::to_string(table.rows.front().fields.size())}));
            return;
        }
        const DripRow day(row, positions);
        const std::optional<Date> date = ParseImportDate(day.Cell(DateCell));
        if (!date) {
            error = RowError(row, ReasonText(PLENTA_TEXT("journal", "'%1' ist kein Datum JJJJ-MM-TT"),
                                             {day.Cell(DateCell)}));
            return;
        }
        const int bleeding = day.Number(BleedingCell, error);
        const bool bleedingExcluded = day.Flag(BleedingExcludeCell, error);
        day.Number(MucusCell, error);
        for (const Column flag : {TemperatureExcludeCell, MucusExcludeCell, SexPartnerCell}) {
            day.Flag(flag, error);
        }
        if (!error.empty()) {
            return;
        }
        dates[i] = *date;
        if (bleeding >= 1 && bleeding <= 3 && !bleedingExcluded) {
            bleedingDays.insert(DayNumber(*date));
        }
    }
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const CsvRow &row = table.rows[i];
        const DripRow day(row, positions);
        const std::string dateText(day.Cell(DateCell));
        std::string reason;
        const std::optional<std::int32_t> temperature =
            DayTemperature(day, day.Flag(TemperatureExcludeCell, error), options, reason);
        if (!temperature) {
            imported.skipped.push_back({row.line, dateText, reason});
            continue;
        }
        const std::int64_t dayNumber = DayNumber(dates[i]);
        std::uint8_t marks = 0;
        if (bleedingDays.contains(dayNumber) && !bleedingDays.contains(dayNumber - 1)) {
            marks |= MARK_FIRST_DAY;
        }
        if (day.Number(MucusCell, error) >= 2 && !day.Flag(MucusExcludeCell, error)) {
            marks |= MARK_MUCUS;
        }
        if (day.Flag(SexPartnerCell, error)) {
            marks |= MARK_INTERCOURSE;
        }
        // Control characters become blanks, as the comment field turns line breaks and tabs; none of them
        // belongs in a record that terminals and the window will show.
        std::string note(day.Cell(NoteCell));
        for (char &c : note) {
            c = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
        }
        note.erase(0, note.find_first_not_of(' '));
        note.erase(note.find_last_not_of(' ') + 1);
        AddImportedRecord(imported, row, dateText, dates[i], *temperature, marks,
                          ConvertComment(note, static_cast<std::size_t>(MAX_COMMENT_CHARS)));
    }
}

} // namespace plenta
