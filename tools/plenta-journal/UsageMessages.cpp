// SPDX-License-Identifier: GPL-3.0-or-later
// CLI11's errors are told apart by their English text, which names the option; the pattern of each is CLI11's
// own and pinned by the tests, so a new CLI11 that words one differently falls back to its own words.
#include "UsageMessages.h"

#include "UsageChecks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <regex>
#include <string_view>

namespace plenta {
namespace {

struct ErrorWording {
    const char *pattern; // CLI11's message; each group a value for "%1", "%2"
    const char *german;
};

const std::array<ErrorWording, 6> ERROR_WORDINGS{{
    {R"(^Exactly 1 option from \[(.*)\] is required$)",
     PLENTA_TEXT("plenta-journal", "genau eine der Optionen %1 ist nötig")},
    {R"(^(\S+) is required$)", PLENTA_TEXT("plenta-journal", "%1 fehlt")},
    {R"(^(\S+): At Most 1 required but received \d+$)",
     PLENTA_TEXT("plenta-journal", "%1 darf nur einmal stehen")},
    {R"(^(\S+): \d+ required \S+ missing$)", PLENTA_TEXT("plenta-journal", "%1 braucht einen Wert")},
    {R"(^(\S+) excludes (\S+)$)", PLENTA_TEXT("plenta-journal", "%1 und %2 schließen einander aus")},
    {R"(^The following arguments? (?:was|were) not expected: (.*)$)",
     PLENTA_TEXT("plenta-journal", "nicht erwartet: %1")},
}};

// CLI11 lists the words it did not expect last first, each after a space.
std::string InTheirOrder(const std::string &words) {
    std::string ordered;
    for (std::size_t end = words.size(); end != std::string::npos && end > 0;) {
        const std::size_t space = words.rfind(' ', end - 1);
        const std::size_t start = space == std::string::npos ? 0 : space + 1;
        ordered += (ordered.empty() ? "" : " ") + words.substr(start, end - start);
        end = space;
    }
    return ordered;
}

// "[--date,--all]" as a reader writes a list.
std::string Listed(std::string list) {
    for (std::size_t at = list.find(','); at != std::string::npos; at = list.find(',', at + 2)) {
        list.insert(at + 1, " ");
    }
    return list;
}

} // namespace

CLI::Validator WholeNumber(long low, std::optional<long> high) {
    const std::string from = std::to_string(low);
    const std::string to = high ? std::to_string(*high) : std::string();
    return CLI::Validator(
        [low, high, from, to](std::string &text) -> std::string {
            long value = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (error == std::errc() && end == text.data() + text.size() && value >= low &&
                (!high || value <= *high)) {
                return {};
            }
            return high
                       ? Said(PLENTA_TEXT("plenta-journal", "'%1' ist keine ganze Zahl von %2 bis %3"),
                              {text, from, to})
                       : Said(PLENTA_TEXT("plenta-journal", "'%1' ist keine ganze Zahl ab %2"), {text, from});
        },
        high ? "[" + from + " - " + to + "]" : ">= " + from);
}

CLI::Validator OneOf(std::initializer_list<const char *> words) {
    std::string listed;
    for (const char *word : words) {
        listed += (listed.empty() ? "" : ", ") + std::string(word);
    }
    const std::vector<std::string> allowed(words.begin(), words.end());
    return CLI::Validator(
        [allowed, listed](std::string &text) -> std::string {
            if (std::find(allowed.begin(), allowed.end(), text) != allowed.end()) {
                return {};
            }
            return Said(PLENTA_TEXT("plenta-journal", "'%1' ist keines von %2"), {text, listed});
        },
        "{" + listed + "}");
}

std::string ParseErrorText(const CLI::ParseError &error) {
    const std::string text = error.what();
    std::smatch values;
    for (const ErrorWording &wording : ERROR_WORDINGS) {
        if (!std::regex_match(text, values, std::regex(wording.pattern))) {
            continue;
        }
        const std::string first = dynamic_cast<const CLI::ExtrasError *>(&error) != nullptr
                                      ? InTheirOrder(values[1].str())
                                      : Listed(values[1].str());
        const std::string second = values.size() > 2 ? values[2].str() : std::string();
        return Said(wording.german, {first, second});
    }
    // A check of this tool (CLI11 puts the option's name before its reason) is in the tool's language
    // already.
    return text;
}

} // namespace plenta
