// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the toolbar's check states and the form's fields into line with the picked date after a scan.
#include "ui/FormRefresh.h"

#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/MarkString.h"

#include "journal/FormSelection.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace plenta {

namespace {

constexpr std::array<std::pair<Command, char>, 4> MARK_BUTTONS{{
    {Command::FirstDay, LETTER_FIRST_DAY},
    {Command::Mucus, LETTER_MUCUS},
    {Command::Ovulation, LETTER_OVULATION},
    {Command::Intercourse, LETTER_INTERCOURSE},
}};

// The comment box's items in UTF-8, in list order.
std::vector<std::string> CommentItems(const QComboBox &box) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i) {
        items.push_back(box.itemText(i).toStdString());
    }
    return items;
}

// Shows `comment` (UTF-8) exactly in the box's field with list item `item` selected (-1: none). An empty
// comment clears the field and selects nothing, so that the field never shows an item the day lacks.
void ShowComment(QComboBox &box, const std::string &comment, int item) {
    const QString text = QString::fromStdString(comment);
    // Typing stops at MAX_COMMENT_CHARS, but a longer comment from a hand-edited journal is shown and kept
    // whole, so that saving its day (to change only the temperature, say) does not cut it.
    box.lineEdit()->setMaxLength(std::max<int>(MAX_COMMENT_CHARS, static_cast<int>(text.size())));
    box.setCurrentIndex(item);
    // Without an item of exactly this text the field still shows the day's own comment, never a neighbour.
    box.setEditText(text);
}

// The temperature list's index of a temperature, -1 (nothing selected) outside 35.5 to 37.5.
int TemperatureIndexOf(std::int32_t tenths) {
    if (tenths < TEMPERATURE_BOTTOM || tenths > TEMPERATURE_TOP) {
        return -1;
    }
    return TEMPERATURE_TOP - tenths;
}

} // namespace

void RefreshForm(EntryForm *form, MainToolbar *toolbar, DaySelection &selection) {
    SetButtonEnabled(toolbar, Command::DeleteDay, selection.hasEntry);
    QComboBox *box = form != nullptr ? form->CommentBox() : nullptr;
    const FormSelection shown =
        FormSelectionOf(selection, box != nullptr ? CommentItems(*box) : std::vector<std::string>{});
    selection = shown.selection;
    if (form != nullptr) {
        ShowComment(*box, selection.comment, shown.commentItem);
        form->TemperatureList()->setCurrentIndex(TemperatureIndexOf(selection.temperature));
        // Setting the text leaves the cursor at its end, which scrolls a comment longer than the field to its
        // last letters; the field shows the beginning instead.
        form->CommentBox()->lineEdit()->setCursorPosition(0);
    }
    for (const auto &[command, letter] : MARK_BUTTONS) {
        SetButtonChecked(toolbar, command, selection.marks.find(letter) != std::string::npos);
    }
}

} // namespace plenta
