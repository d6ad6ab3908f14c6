// SPDX-License-Identifier: GPL-3.0-or-later
// Which desktop keys stand for the handheld's two hardware buttons. The handheld's own buttons send F23
// (virtual key 134, "Action") and F24 (virtual key 135, "Escape"); a desktop keyboard has neither, so Return
// and Enter act as Action and Escape as the Escape button. The desktop keys also type their character:
// Return and Enter the carriage return that steps through the form, Escape the escape character whose short
// press opens the About box.
#pragma once

#include <array>
#include <string_view>

namespace plenta {

enum class HandheldButton { Action, Escape };

// The character a key types besides standing for its button.
enum class KeyCharacter { None, Enter, Escape };

struct ButtonKey {
    // The key's portable name, as QKeySequence reads it.
    std::string_view name;
    HandheldButton button;
    KeyCharacter character;
};

inline constexpr std::array<ButtonKey, 5> BUTTON_KEYS{{
    {"F23", HandheldButton::Action, KeyCharacter::None},
    {"Return", HandheldButton::Action, KeyCharacter::Enter},
    {"Enter", HandheldButton::Action, KeyCharacter::Enter},
    {"F24", HandheldButton::Escape, KeyCharacter::None},
    {"Esc", HandheldButton::Escape, KeyCharacter::Escape},
}};

// How long a button is held before its hold command fires.
inline constexpr int HOLD_PERIOD_MS = 500;

} // namespace plenta
