// Brings the toolbar's check states and the form's fields into line with the picked date after a scan.
#include "FormRefresh.h"

#include "CommandIds.h"
#include "EntryForm.h"
#include "MainToolbar.h"
#include "MarkString.h"

#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <utility>

namespace plenta {

namespace {

BitChange SetWhen(bool condition) {
    return condition ? BitChange::Set : BitChange::Clear;
}

constexpr std::array<std::pair<int, char>, 4> MARK_BUTTONS{{
    {IDM_FIRST_DAY, LETTER_FIRST_DAY},
    {IDM_MUCUS, LETTER_MUCUS},
    {IDM_OVULATION, LETTER_OVULATION},
    {IDM_INTERCOURSE, LETTER_INTERCOURSE},
}};

} // namespace

void SelectByPrefix(QComboBox &box, const QString &text) {
    if (text.isEmpty()) {
        box.setCurrentIndex(-1);
        box.clearEditText();
        return;
    }
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            box.setCurrentIndex(i);
            return;
        }
    }
}

int TemperatureIndexOf(std::int32_t tenths) {
    if (tenths < TEMPERATURE_BOTTOM || tenths > TEMPERATURE_TOP) {
        return -1;
    }
    return TEMPERATURE_TOP - tenths;
}

void RefreshForm(EntryForm *form, MainToolbar *toolbar, DaySelection &selection) {
    ChangeButtonBit(toolbar, IDM_DELETE_DAY, BUTTON_ENABLED, SetWhen(selection.hasEntry));
    if (!selection.hasEntry) {
        selection.temperature = DEFAULT_TEMPERATURE;
        selection.comment.clear();
        selection.marks.clear();
    }
    if (form != nullptr) {
        SelectByPrefix(*form->CommentBox(), QString::fromStdString(selection.comment));
        form->TemperatureList()->setCurrentIndex(TemperatureIndexOf(selection.temperature));
        // Setting the text leaves the cursor at its end, which scrolls a comment longer than the field to its
        // last letters; the field shows the beginning instead.
        form->CommentBox()->lineEdit()->setCursorPosition(0);
    }
    for (const auto &[command, letter] : MARK_BUTTONS) {
        ChangeButtonBit(toolbar, command, BUTTON_CHECKED,
                        SetWhen(selection.marks.find(letter) != std::string::npos));
    }
}

} // namespace plenta
