// The toolbar's constant button table and its tooltips, in display order from the left.
#pragma once

#include "CommandIds.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace plenta {

inline constexpr std::uint8_t BUTTON_CHECKED = 1;
inline constexpr std::uint8_t BUTTON_ENABLED = 4;

enum class ButtonStyle { Check, Push, Separator };

struct ToolbarButton {
    int image; // index into the image strip; separators carry 0 and show none
    int command;
    std::uint8_t initialState;
    ButtonStyle style;
};

inline constexpr int TOOLBAR_IMAGE_SIZE = 26;
inline constexpr int TOOLBAR_IMAGE_COUNT = 7;
inline constexpr int TOOLBAR_WIDTH = 240;
inline constexpr int TOOLBAR_HEIGHT = 34;

inline constexpr std::array<ToolbarButton, 9> TOOLBAR_BUTTONS{{
    {0, IDM_FIRST_DAY, BUTTON_ENABLED, ButtonStyle::Check},
    {1, IDM_MUCUS, BUTTON_ENABLED, ButtonStyle::Check},
    {2, IDM_OVULATION, BUTTON_ENABLED, ButtonStyle::Check},
    {3, IDM_INTERCOURSE, BUTTON_ENABLED, ButtonStyle::Check},
    {0, 0, BUTTON_ENABLED, ButtonStyle::Separator},
    {4, IDM_SAVE, BUTTON_ENABLED, ButtonStyle::Push},
    {5, IDM_DELETE_DAY, BUTTON_ENABLED, ButtonStyle::Push},
    {6, IDM_ABOUT, BUTTON_ENABLED, ButtonStyle::Push},
    {0, 0, BUTTON_ENABLED, ButtonStyle::Separator},
}};

// One tip per non-separator button, in display order.
inline constexpr std::array<std::string_view, 7> TOOLBAR_TIPS{
    "1st day", "Schleim", "Eisprung", "Sex", "Speichern", "Delete All Entries of This Day", "About - Exit",
};

} // namespace plenta
