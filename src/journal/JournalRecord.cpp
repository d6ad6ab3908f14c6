// The journal line format. Readers work on the raw 1252 bytes; as the separators and the fixed fields are
// ASCII, byte offsets equal the character offsets the handheld used after its wide-character conversion.
#include "JournalRecord.h"

#include "CodePage.h"

#include <StringTable.h>

#include <algorithm>
#include <cstdio>

namespace plenta {

namespace {

constexpr std::size_t ATTRIBUTE_OFFSET = 16;
constexpr std::int64_t ATOI_LIMIT = 2147483647;

constexpr bool IsSeparator(char c) {
    return c == ';' || c == ',' || c == '\t' || c == ' ';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The first token from `pos` on, skipping leading separators; `pos` moves past it.
std::string_view NextToken(std::string_view text, std::size_t &pos) {
    while (pos < text.size() && IsSeparator(text[pos])) {
        ++pos;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && !IsSeparator(text[pos])) {
        ++pos;
    }
    return text.substr(begin, pos - begin);
}

} // namespace

std::int32_t AtoiAt(std::string_view line, std::size_t offset) {
    std::size_t pos = offset;
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
        negative = line[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    while (pos < line.size() && IsDigit(line[pos])) {
        value = std::min<std::int64_t>(value * 10 + (line[pos] - '0'), ATOI_LIMIT);
        ++pos;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t DateKey(std::string_view line) {
    const std::int64_t key = std::int64_t{AtoiAt(line, 0)} * 10000 + std::int64_t{AtoiAt(line, 5)} * 100 +
                             std::int64_t{AtoiAt(line, 8)};
    // Only a hand-made line reaches beyond 32 bits; saturating keeps its order among the others.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(key, INT32_MIN, INT32_MAX));
}

std::string_view StripLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::uint8_t MarksOf(std::string_view attribute) {
    std::uint8_t marks = 0;
    for (const char c : attribute) {
        switch (c) {
        case '1':
            marks |= MARK_FIRST_DAY;
            break;
        case 'S':
            marks |= MARK_MUCUS;
            break;
        case 'E':
            marks |= MARK_OVULATION;
            break;
        case 'X':
            marks |= MARK_INTERCOURSE;
            break;
        default:
            break;
        }
    }
    return marks;
}

std::optional<RecordFields> ReadRecord(std::string_view line) {
    if (line.size() < ATTRIBUTE_OFFSET || !IsDigit(line[11]) || !IsDigit(line[12]) || line[13] != '.' ||
        !IsDigit(line[14])) {
        return std::nullopt;
    }
    const std::int32_t year = AtoiAt(line, 0);
    const std::int32_t month = AtoiAt(line, 5);
    const std::int32_t day = AtoiAt(line, 8);
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    RecordFields fields;
    fields.date = Date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
    if (!fields.date.ok()) {
        return std::nullopt;
    }
    fields.dateKey = year * 10000 + month * 100 + day;
    fields.temperature = ((line[11] - '0') * 10 + (line[12] - '0')) * 10 + (line[14] - '0');

    std::size_t pos = ATTRIBUTE_OFFSET;
    if (pos < line.size() && !IsSeparator(line[pos])) {
        fields.attribute = NextToken(line, pos);
    }
    fields.comment = NextToken(line, pos);
    // The reader's attribute field holds four letters; the rest of a longer token is not part of it.
    fields.attribute = fields.attribute.substr(0, MAX_ATTRIBUTE_CHARS);
    fields.marks = MarksOf(fields.attribute);
    return fields;
}

std::string FormatRecord(Date date, std::int32_t temperature, std::string_view marksUtf8,
                         std::string_view commentUtf8) {
    static_assert(LoadText(StringId::RecordFormat) == "%04d/%02d/%02d,%d.%d,%s,%s\r\n");
    const std::string marks = Utf8ToCp1252(marksUtf8);
    const std::string comment = Utf8ToCp1252(commentUtf8);
    char head[32];
    std::snprintf(head, sizeof head, "%04d/%02d/%02d,%02d.%d,", static_cast<int>(date.year()),
                  static_cast<int>(static_cast<unsigned>(date.month())),
                  static_cast<int>(static_cast<unsigned>(date.day())), temperature / 10, temperature % 10);
    std::string record = head;
    record.reserve(record.size() + marks.size() + comment.size() + 3);
    record += marks;
    record += ',';
    record += comment;
    record += "\r\n";
    return record;
}

std::string RecordDatePrefix(Date date) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04d/%02d/%02d", static_cast<int>(date.year()),
                  static_cast<int>(static_cast<unsigned>(date.month())),
                  static_cast<int>(static_cast<unsigned>(date.day())));
    return prefix;
}

} // namespace plenta
