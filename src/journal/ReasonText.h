// SPDX-License-Identifier: GPL-3.0-or-later
// The journal library's reasons and notes in the program's language: each is a German source text marked with
// PLENTA_TEXT("journal", "...") and stored already translated, so that the tool shows it as it stands. The
// library chooses no language itself: the program installs its lookup, and without one the texts stay German.
#pragma once

#include <TranslatedText.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace plenta {

// The translation of a marked source text in its context, or the source itself.
using ReasonLookUp = std::string_view (*)(std::string_view context, std::string_view source);

// Installs the program's lookup; called once at start, before any other thread runs.
void SetReasonLookUp(ReasonLookUp lookUp);

// The text in the program's language with each "%1", "%2", ... replaced by the value of that position; the
// values (file names, the system's error texts, numbers) stay as they are.
std::string ReasonText(std::string_view german, std::initializer_list<std::string_view> values = {});

} // namespace plenta
