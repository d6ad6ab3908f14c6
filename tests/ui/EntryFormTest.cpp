// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form and the toolbar as start-up builds them: placement, list contents and button states.
#include "FormFixture.h"

#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/FormComboBox.h"
#include "ui/MainToolbar.h"
#include "ui/MarkButton.h"
#include "ui/Zoom.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>

#include <array>

namespace plenta {
namespace {

using EntryFormTest = FormFixture;

TEST_F(EntryFormTest, FormAndToolbarStackInTheirBands) {
    EXPECT_EQ(CHART_TOP, toolbar->geometry().bottom() + 1);
    EXPECT_EQ(form->geometry(), QRect(0, 0, 240, 30));
    EXPECT_EQ(toolbar->geometry(), QRect(0, 30, 240, 34));
    for (const int id : {IDC_DATE, IDC_TEMPERATURE, IDC_COMMENT}) {
        const QRect rect = form->Control(id)->geometry();
        EXPECT_GE(rect.left(), 0) << id;
        EXPECT_LE(rect.right(), 239) << id;
        EXPECT_LE(rect.bottom(), 29) << id;
    }
    // Left to right: date picker, temperature list, comment box.
    EXPECT_LT(form->Control(IDC_DATE)->x(), form->Control(IDC_TEMPERATURE)->x());
    EXPECT_LT(form->Control(IDC_TEMPERATURE)->x(), form->Control(IDC_COMMENT)->x());
}

TEST_F(EntryFormTest, ListsStartWithTheirFixedItems) {
    QComboBox &temperatures = *form->TemperatureList();
    ASSERT_EQ(temperatures.count(), 21);
    EXPECT_EQ(temperatures.itemText(0), "37.5");
    EXPECT_EQ(temperatures.itemText(20), "35.5");
    EXPECT_EQ(temperatures.currentText(), "36.5");
    QComboBox &comments = *form->CommentBox();
    ASSERT_EQ(comments.count(), 2);
    EXPECT_EQ(comments.itemText(0), "alk");
    EXPECT_EQ(comments.itemText(1), QString::fromUtf8("spät"));
    EXPECT_EQ(comments.currentIndex(), -1);
    EXPECT_TRUE(comments.currentText().isEmpty());
    EXPECT_EQ(comments.lineEdit()->maxLength(), MAX_COMMENT_CHARS);
    EXPECT_EQ(form->DatePicker()->date(), QDate::currentDate());
}

TEST_F(EntryFormTest, DroppedDownListsHaveTheHandheldsRowHeight) {
    // The rows' delegate comes with the first drop-down, and every later one keeps it, at every zoom.
    window.show();
    for (const int zoom : {1, 2}) {
        SetCurrentZoom(zoom);
        for (QComboBox *list : {form->TemperatureList(), form->CommentBox()}) {
            list->showPopup();
            EXPECT_EQ(list->view()->sizeHintForRow(0), 22 * zoom) << zoom;
            list->hidePopup();
        }
    }
    SetCurrentZoom(1);
}

// The comment box becomes editable without its list being built; once it drops down, box and list must look
// and scroll as setEditable(true) makes them.
TEST(FormComboBoxTest, MadeEditableDropsDownAsSetEditableWould) {
    QWidget window;
    window.resize(240, 294);
    std::array<FormComboBox *, 2> boxes{new FormComboBox(&window), new FormComboBox(&window)};
    boxes[0]->setEditable(true);
    boxes[1]->MakeEditable();
    for (FormComboBox *box : boxes) {
        box->setGeometry(0, 0, 120, 22);
        for (int item = 0; item < 40; ++item) {
            box->addItem(QString("entry %1").arg(item));
        }
        box->setEditText("typed");
    }
    window.show();
    std::array<QImage, 2> closed;
    std::array<QImage, 2> dropped;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ASSERT_TRUE(boxes[i]->isEditable());
        closed[i] = boxes[i]->grab().toImage();
        boxes[i]->showPopup();
        EXPECT_EQ(boxes[i]->view()->verticalScrollBarPolicy(), boxes[0]->view()->verticalScrollBarPolicy());
        dropped[i] = boxes[i]->view()->window()->grab().toImage();
        boxes[i]->hidePopup();
    }
    EXPECT_EQ(closed[0], closed[1]);
    EXPECT_EQ(dropped[0], dropped[1]);
}

TEST_F(EntryFormTest, ControlIdentifiersCoverInnerFields) {
    EXPECT_EQ(form->ControlIdOf(form->CommentBox()->lineEdit()), IDC_COMMENT);
    EXPECT_EQ(form->ControlIdOf(form->DatePicker()), IDC_DATE);
    EXPECT_EQ(form->ControlIdOf(toolbar), -1);
    EXPECT_EQ(form->ControlIdOf(nullptr), -1);
}

TEST_F(EntryFormTest, ButtonsStartEnabledAndUncheckedAndOnlyMarksCheck) {
    const std::pair<Command, bool> buttons[] = {
        {Command::FirstDay, true},    {Command::Mucus, true}, {Command::Ovulation, true},
        {Command::Intercourse, true}, {Command::Save, false}, {Command::DeleteDay, false},
        {Command::About, false},
    };
    for (const auto &[command, mark] : buttons) {
        const QToolButton &button = *toolbar->Button(command);
        EXPECT_TRUE(button.isEnabled()) << static_cast<int>(command);
        EXPECT_FALSE(button.isChecked()) << static_cast<int>(command);
        SetButtonChecked(toolbar, command, true);
        EXPECT_EQ(button.isChecked(), mark) << static_cast<int>(command);
    }
    EXPECT_EQ(toolbar->Button(Command::Exit), nullptr) << "the About box's command has no button";
}

TEST_F(EntryFormTest, ATapReportsTheCommandAfterTheButtonFlippedItself) {
    std::vector<std::pair<Command, bool>> taps;
    QObject::connect(toolbar, &MainToolbar::commandTriggered, [&](Command command) {
        taps.emplace_back(command, toolbar->Button(command)->isChecked());
    });
    toolbar->Button(Command::Ovulation)->click();
    toolbar->Button(Command::Save)->click();
    SetButtonEnabled(toolbar, Command::About, false);
    toolbar->Button(Command::About)->click(); // a disabled button sends nothing
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0], std::make_pair(Command::Ovulation, true));
    EXPECT_EQ(taps[1], std::make_pair(Command::Save, false));
}

TEST_F(EntryFormTest, ASwitchedOnMarkIsDrawnPressedIntoANavyGround) {
    for (const Command command :
         {Command::FirstDay, Command::Mucus, Command::Ovulation, Command::Intercourse}) {
        QToolButton &button = *toolbar->Button(command);
        const QImage off = button.grab().toImage();
        button.setChecked(true);
        const QImage on = button.grab().toImage();
        // A black frame, then navy between it and the image, on the left and on the top.
        EXPECT_EQ(on.pixelColor(0, 15), MARK_ON_FRAME) << static_cast<int>(command);
        EXPECT_EQ(on.pixelColor(2, 15), MARK_ON_GROUND) << static_cast<int>(command);
        EXPECT_EQ(on.pixelColor(15, 2), MARK_ON_GROUND) << static_cast<int>(command);
        EXPECT_NE(off.pixelColor(2, 15), MARK_ON_GROUND) << static_cast<int>(command);
    }
}

// Typed or pasted, the comment field holds what a save will store, and says what it left out.
TEST_F(EntryFormTest, TheCommentFieldHoldsOnlyWhatTheJournalCan) {
    struct Case {
        const char *pasted;
        const char *shown;
        const char *leftOut; // named by the tooltip; empty for none
    };
    const Case cases[] = {
        {"ab\r\ncd\ne", "ab cd e", ""},
        {"a\tb\r\r", "a b  ", ""},
        {"Grüße €5 …", "Grüße €5 …", ""},
        {"Привет 1", " 1", "Привет"},
        {"ok\xf0\x9f\x98\x80 中", "ok ", "\xf0\x9f\x98\x80中"},
    };
    QLineEdit &field = *form->CommentBox()->lineEdit();
    for (const Case &c : cases) {
        QToolTip::hideText();
        field.clear();
        field.insert(QString::fromUtf8(c.pasted));
        EXPECT_EQ(field.text(), QString::fromUtf8(c.shown)) << c.pasted;
        EXPECT_EQ(form->CommentText(), c.shown) << c.pasted;
        const bool told = QToolTip::isVisible() && QToolTip::text().contains(QString::fromUtf8(c.leftOut));
        EXPECT_EQ(told, *c.leftOut != '\0') << c.pasted;
    }
    // Pasted into the middle, the cursor stays behind what was inserted.
    field.setText(QStringLiteral("xy"));
    field.setCursorPosition(1);
    field.insert(QStringLiteral("\t\U0001F600z"));
    EXPECT_EQ(field.text(), QStringLiteral("x zy"));
    EXPECT_EQ(field.cursorPosition(), 3);
}

TEST(PickerDateFormat, TheFieldFollowsTheLocaleLikeItsCalendar) {
    // At the form's 12-pixel font four year digits need a little more than the 87 pixels; the C locale's
    // month name ("7 12 26" squeezed) gives way to ISO's order.
    const std::array<std::pair<QLocale, const char *>, 3> cases{{
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yy"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yy"},
        {QLocale::c(), "yy-MM-dd"},
    }};
    for (const auto &[locale, format] : cases) {
        QLocale::setDefault(locale);
        QWidget window;
        const QDateEdit &picker = *CreateEntryForm(window)->DatePicker();
        EXPECT_EQ(picker.displayFormat(), QString::fromLatin1(format));
        EXPECT_LE(picker.sizeHint().width(), picker.width()) << format;
        EXPECT_EQ(picker.text(), locale.toString(picker.date(), QString::fromLatin1(format)));
        EXPECT_EQ(picker.calendarWidget()->locale(), locale);
    }
    QLocale::setDefault(QLocale::system());
}

} // namespace
} // namespace plenta
