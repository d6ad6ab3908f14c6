// SPDX-License-Identifier: GPL-3.0-or-later
// A text in the user's language for the programs that run without Qt: the German source text, or its English
// translation from the table generated from plenta_en.ts.
#pragma once

#include "platform/UiLanguage.h"
#include <TranslatedText.h>

#include <string>
#include <string_view>

namespace plenta {

// The text in the given language.
std::string_view LocalText(UiLanguage language, std::string_view context, std::string_view source);

// The text in this process's language, chosen from its environment.
std::string_view LocalText(std::string_view context, std::string_view source);

} // namespace plenta
