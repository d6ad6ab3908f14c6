// SPDX-License-Identifier: GPL-3.0-or-later
// The language rule over plain environment strings; the window applies the same rule to Qt's own reading of
// the locale, and a test holds the two together.
#include "platform/UiLanguage.h"

#include <array>
#include <cstdlib>
#include <string>

namespace plenta {

std::string_view MessagesLocale(const EnvironmentReader &environment) {
    for (const std::string_view name : std::array<std::string_view, 3>{"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::optional<std::string_view> value = environment(name); value && !value->empty()) {
            return *value;
        }
    }
    return {};
}

bool IsPlainLocale(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

std::optional<UiLanguage> LanguageOfName(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_-.@"));
    if (language == "de") {
        return UiLanguage::German;
    }
    if (language == "en") {
        return UiLanguage::English;
    }
    return std::nullopt;
}

UiLanguage ChooseLanguage(const EnvironmentReader &environment) {
    const std::string_view locale = MessagesLocale(environment);
    if (IsPlainLocale(locale)) {
        return UiLanguage::German;
    }
    const std::optional<std::string_view> languageList = environment("LANGUAGE");
    std::string_view list = languageList && !languageList->empty() ? *languageList : locale;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const std::optional<UiLanguage> language = LanguageOfName(list.substr(0, colon))) {
            return *language;
        }
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return UiLanguage::English;
}

UiLanguage ProcessLanguage() {
    return ChooseLanguage([](std::string_view name) -> std::optional<std::string_view> {
        const char *value = std::getenv(std::string(name).c_str());
        return value != nullptr ? std::optional<std::string_view>(value) : std::nullopt;
    });
}

} // namespace plenta
