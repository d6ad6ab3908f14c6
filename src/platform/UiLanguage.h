// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks, chosen from the locale environment without Qt, for the command-line tool
// and for the window's --help, which answer before Qt starts.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace plenta {

// German is the texts' own language; English is the one translation.
enum class UiLanguage { German, English };

// Reads one environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string_view>(std::string_view name)>;

// The locale that decides the messages' language: LC_ALL, else LC_MESSAGES, else LANG (the first one set and
// not empty), or "" when none is.
std::string_view MessagesLocale(const EnvironmentReader &environment);

// True for the C and POSIX locales (also "C.UTF-8") and for no locale at all: the journal's own language
// stays, and LANGUAGE is ignored there as the C library's message catalogues ignore it.
bool IsPlainLocale(std::string_view locale);

// The language of one locale or language name ("de_AT.UTF-8", "en-US", "fr"), when it is one Plenta has texts
// for; nullopt for any other.
std::optional<UiLanguage> LanguageOfName(std::string_view name);

// German under a plain locale; otherwise the first entry of LANGUAGE's colon list (or of the messages locale
// when LANGUAGE is unset or empty) that Plenta has texts for, and English when none has.
UiLanguage ChooseLanguage(const EnvironmentReader &environment);

// The same for this process's own environment.
UiLanguage ProcessLanguage();

} // namespace plenta
