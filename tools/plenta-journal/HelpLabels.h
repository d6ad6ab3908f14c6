// SPDX-License-Identifier: GPL-3.0-or-later
// CLI11's own words in --help (the usage line's badges, the group headings, REQUIRED and the help and version
// flags) in the tool's language.
#pragma once

#include <CLI/CLI.hpp>

namespace plenta {

// Before the options and commands are defined: the formatter's labels, the options' heading and the help and
// version flags, which every command inherits.
void LabelHelp(CLI::App &app, const std::string &version);

// After they are defined: the commands' heading, and the heading of the help flags the commands copied before
// the options' heading was set.
void LabelCommands(CLI::App &app);

} // namespace plenta
