// SPDX-License-Identifier: GPL-3.0-or-later
// The two dialog templates (entry form 128, About box 100) as data: controls, identifiers, texts and
// rectangles in dialog units. The widgets are built from these tables, so the layout lives in one place.
#pragma once

#include "PlentaVersion.h"
#include "TranslatedText.h"

#include <array>
#include <string_view>

namespace plenta {

enum class ControlKind { Static, Icon, DatePicker, DropDownList, DropDownCombo, DefaultButton, Button };

struct DialogRect {
    int x;
    int y;
    int width;
    // For combo boxes the height of the dropped-down list.
    int height;
};

struct DialogControl {
    ControlKind kind;
    std::string_view text;
    DialogRect rect;
};

struct DialogTemplate {
    std::string_view caption;
    std::string_view fontFamily;
    DialogRect rect;
};

// The entry form's controls as EntryForm::Control names them.
inline constexpr int IDC_DATE = 1000;
inline constexpr int IDC_TEMPERATURE = 1001;
inline constexpr int IDC_COMMENT = 1002;

// The one-row entry form; template order is also the tab order.
inline constexpr DialogTemplate ENTRY_FORM_TEMPLATE{"", "Tahoma", {0, 0, 108, 12}};
inline constexpr std::array<DialogControl, 4> ENTRY_FORM_CONTROLS{{
    {ControlKind::Static, "°C", {64, 2, 9, 8}},
    {ControlKind::DatePicker, "DateTimePicker1", {0, 0, 39, 12}},
    {ControlKind::DropDownList, "", {39, 0, 25, 100}},
    {ControlKind::DropDownCombo, "", {76, 0, 31, 90}},
}};

// The About box, its texts translated under the context "AboutBox"; "Ende" is the default button and the
// first tab stop, so it has the focus.
inline constexpr DialogTemplate ABOUT_TEMPLATE{
    PLENTA_TEXT("AboutBox", "About Plenta"), "Tahoma", {34, 44, 119, 63}};
inline constexpr std::array<DialogControl, 6> ABOUT_CONTROLS{{
    {ControlKind::Icon, "", {10, 9, 20, 20}},
    {ControlKind::Static, PLENTA_NAME_AND_VERSION, {39, 7, 44, 8}},
    {ControlKind::Static, PLENTA_TEXT("AboutBox", "Zyklus und Temperatur"), {39, 14, 66, 8}},
    {ControlKind::Static, PLENTA_TEXT("AboutBox", "im Blick"), {37, 22, 29, 8}},
    {ControlKind::DefaultButton, PLENTA_TEXT("AboutBox", "Ende"), {79, 39, 33, 17}},
    {ControlKind::Button, PLENTA_TEXT("AboutBox", "Info"), {7, 39, 33, 17}},
}};

} // namespace plenta
