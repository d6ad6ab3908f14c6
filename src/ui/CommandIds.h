// The command identifiers that the toolbar, the key filter and the About box send to the main window.
#pragma once

#include <DialogTemplates.h>

#include <cstdint>

namespace plenta {

inline constexpr int IDM_MUCUS = 32771;
inline constexpr int IDM_OVULATION = 32772;
inline constexpr int IDM_FIRST_DAY = 32773;
inline constexpr int IDM_INTERCOURSE = 32774;
inline constexpr int IDM_SAVE = 32775;
inline constexpr int IDM_DELETE_DAY = 32781;
inline constexpr int IDM_ABOUT = 32782;
// Desktop keyboard commands that the handheld reached only through the About box or a double tap.
inline constexpr int IDM_KEY_HELP = 32783;
inline constexpr int IDM_STATISTICS = 32784;
inline constexpr int IDC_TOOLBAR = 2;

// A command travels as a 32-bit parameter whose low half is the identifier; the high half carries nothing.
constexpr int CommandIdOf(std::uint32_t commandParameter) {
    return static_cast<int>(commandParameter & 0xFFFFu);
}

} // namespace plenta
