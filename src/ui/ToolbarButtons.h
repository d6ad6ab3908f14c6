// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's constant button table and its tooltips, in display order from the left.
#pragma once

#include "chart/WindowBands.h"
#include "ui/Command.h"
#include <TranslatedText.h>

#include <array>
#include <string_view>

namespace plenta {

enum class ButtonStyle { Check, Push, Separator };

struct ToolbarButton {
    // Index into the image strip; separators show none.
    int image;
    Command command;
    ButtonStyle style;
    // The tooltip, translated under the context "Toolbar"; separators have none.
    std::string_view tip;
};

inline constexpr int TOOLBAR_IMAGE_SIZE = 26;
inline constexpr int TOOLBAR_WIDTH = WINDOW_WIDTH;

// Every button starts enabled and unchecked.
inline constexpr std::array<ToolbarButton, 9> TOOLBAR_BUTTONS{{
    {0, Command::FirstDay, ButtonStyle::Check, PLENTA_TEXT("Toolbar", "1st day")},
    {1, Command::Mucus, ButtonStyle::Check, PLENTA_TEXT("Toolbar", "Schleim")},
    {2, Command::Ovulation, ButtonStyle::Check, PLENTA_TEXT("Toolbar", "Eisprung")},
    {3, Command::Intercourse, ButtonStyle::Check, PLENTA_TEXT("Toolbar", "Sex")},
    {0, {}, ButtonStyle::Separator, {}},
    {4, Command::Save, ButtonStyle::Push, PLENTA_TEXT("Toolbar", "Speichern")},
    {5, Command::DeleteDay, ButtonStyle::Push, PLENTA_TEXT("Toolbar", "Delete All Entries of This Day")},
    {6, Command::About, ButtonStyle::Push, PLENTA_TEXT("Toolbar", "About - Exit")},
    {0, {}, ButtonStyle::Separator, {}},
}};

} // namespace plenta
