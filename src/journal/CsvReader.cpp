// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the text with the quoting state; the line count follows every LF, quoted ones included, so a
// message names the line an editor shows.
#include "journal/CsvReader.h"

#include "journal/ReasonText.h"
namespace plenta {

namespace {

std::string LineError(std::size_t line, std::string_view what) {
    return ReasonText(PLENTA_TEXT("journal", "Zeile %1: %2"), {std::to_string(line), what});
}

} // namespace

CsvTable ReadCsv(std::string_view text) {
    CsvTable table;
    std::size_t line = 1;
    CsvRow row{line, {std::string()}};
    bool quoted = false;
    bool closed = false; // the current field's closing quote has been read
    bool any = false;    // the current row has a character, so it is no blank line
    const auto endRow = [&] {
        if (any) {
            table.rows.push_back(std::move(row));
        }
        row = CsvRow{line, {std::string()}};
        any = false;
        closed = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string &field = row.fields.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                closed = true;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
            continue;
        }
        if (c == ',') {
            row.fields.emplace_back();
            closed = false;
            any = true;
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            ++line;
            endRow();
        } else if (closed) {
            table.error =
                LineError(line, ReasonText(PLENTA_TEXT(
                                    "journal", "Text nach dem schließenden Anführungszeichen eines Felds")));
            return table;
        } else if (c == '"' && field.empty()) {
            quoted = true;
            any = true;
        } else {
            field += c;
            any = true;
        }
    }
    if (quoted) {
        table.error = LineError(
            row.line,
            ReasonText(PLENTA_TEXT("journal", "ein Feld in Anführungszeichen wird nie geschlossen")));
        return table;
    }
    endRow();
    return table;
}

} // namespace plenta
