// SPDX-License-Identifier: GPL-3.0-or-later
// What the tool says about a command line CLI11 refuses: the checks of numbers and choices with messages in
// the tool's language, and CLI11's own errors said again in it.
#pragma once

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <optional>
#include <string>

namespace plenta {

// A whole number from `low` to `high` (no upper end without one). CLI11's own checks read numbers as
// doubles and would print their range as a 300-digit number.
CLI::Validator WholeNumber(long low, std::optional<long> high = std::nullopt);

// One of the given words.
CLI::Validator OneOf(std::initializer_list<const char *> words);

// CLI11's error in the tool's language, the option it names kept as it is; a rare error without its own text
// stays in CLI11's words.
std::string ParseErrorText(const CLI::ParseError &error);

} // namespace plenta
