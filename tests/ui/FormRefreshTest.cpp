// SPDX-License-Identifier: GPL-3.0-or-later
// The form refresh after a scan: delete button, defaults of a day without entry, list selections, mark
// buttons.
#include "FormFixture.h"

#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/FormRefresh.h"
#include "ui/MainToolbar.h"

#include "journal/JournalRecord.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace plenta {
namespace {

class FormRefreshTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->SetCommentItems({"alkohol", "alk", "Spät"});
    }
};

TEST_F(FormRefreshTest, ADayWithEntryShowsItsValues) {
    SetButtonEnabled(toolbar, Command::DeleteDay, false);
    DaySelection selection{true, "2003/04/05", 368, "sp", "1E"};
    RefreshForm(form, toolbar, selection);
    EXPECT_TRUE(Enabled(Command::DeleteDay));
    EXPECT_EQ(form->TemperatureList()->currentText(), "36.8");
    EXPECT_EQ(form->CommentBox()->currentText(), "sp"); // not "Spät", which only begins with it
    EXPECT_EQ(form->CommentBox()->currentIndex(), -1);
    EXPECT_TRUE(Checked(Command::FirstDay));
    EXPECT_FALSE(Checked(Command::Mucus));
    EXPECT_TRUE(Checked(Command::Ovulation));
    EXPECT_FALSE(Checked(Command::Intercourse));
    EXPECT_EQ(selection.marks, "1E");
}

TEST_F(FormRefreshTest, ADayWithoutEntryGetsTheDefaults) {
    SetButtonChecked(toolbar, Command::Mucus, true);
    form->CommentBox()->setEditText("typed");
    DaySelection selection{false, "2003/04/05", 380, "alk", "S"};
    RefreshForm(form, toolbar, selection);
    EXPECT_FALSE(Enabled(Command::DeleteDay));
    EXPECT_TRUE(Enabled(Command::Mucus)) << "only the delete button follows the entry";
    EXPECT_FALSE(Checked(Command::Mucus));
    EXPECT_EQ(selection.temperature, DEFAULT_TEMPERATURE);
    EXPECT_TRUE(selection.comment.empty());
    EXPECT_TRUE(selection.marks.empty());
    EXPECT_EQ(form->TemperatureList()->currentIndex(), 10);
    // An empty comment clears the field instead of showing the first item, which a save would then store.
    EXPECT_EQ(form->CommentBox()->currentIndex(), -1);
    EXPECT_TRUE(form->CommentBox()->currentText().isEmpty());
}

// The field shows the day's comment as stored, and a save takes back exactly that; an item is selected only
// when it is that very text.
TEST_F(FormRefreshTest, ShowsTheCommentExactlyAndSelectsOnlyItsOwnItem) {
    // Comments edited into the journal by hand are listed, shown and selected whole, up to the line bound.
    const std::string listed(300, 'h');
    const std::string atTheBound(MAX_RECORD_TEXT_BYTES - 17, 'b');
    form->SetCommentItems({"alkohol", "alk", "Spät", "zu spät, sehr", listed});
    const std::string longest = "ein Kommentar aus vielen Worten, 39 Zei";
    const std::string byHand = longest + " und von Hand noch viel mehr dazu";
    const struct {
        std::string comment;
        int item;
    } cases[] = {
        {"alk", 1},    {"Alk", -1},  {"alko", -1}, {"spät", -1}, {"Spät", 2},      {"zu spät, sehr", 3},
        {longest, -1}, {byHand, -1}, {"kurz", -1}, {listed, 4},  {atTheBound, -1},
    };
    for (const auto &c : cases) {
        form->CommentBox()->setCurrentIndex(0);
        DaySelection selection{true, "2003/04/05", 365, c.comment, ""};
        RefreshForm(form, toolbar, selection);
        EXPECT_EQ(form->CommentBox()->currentIndex(), c.item) << c.comment;
        EXPECT_EQ(form->CommentText(), c.comment);
        // Typing stops at 39 characters again once a shorter comment is shown.
        EXPECT_EQ(form->CommentBox()->lineEdit()->maxLength(),
                  std::max<int>(MAX_COMMENT_CHARS, QString::fromStdString(c.comment).size()));
    }
}

TEST_F(FormRefreshTest, OnlyTheListsRangeSelectsATemperature) {
    const struct {
        int tenths;
        int index;
    } cases[] = {{375, 0}, {365, 10}, {355, 20}, {354, -1}, {376, -1}};
    for (const auto &c : cases) {
        form->TemperatureList()->setCurrentIndex(3);
        DaySelection selection{true, "2003/04/05", c.tenths, "", ""};
        RefreshForm(form, toolbar, selection);
        EXPECT_EQ(form->TemperatureList()->currentIndex(), c.index) << c.tenths;
    }
}

TEST_F(FormRefreshTest, MissingWindowsAreSkipped) {
    DaySelection selection{false, "", 0, "x", "S"};
    RefreshForm(nullptr, nullptr, selection);
    EXPECT_EQ(selection.temperature, DEFAULT_TEMPERATURE);
}

TEST_F(FormRefreshTest, ALongCommentShowsItsBeginning) {
    const std::string comment = "M\xc3\xbc"
                                "digkeit und Kopfweh";
    form->SetCommentItems({comment});
    DaySelection selection{true, "2003/04/05", 368, comment, ""};
    RefreshForm(form, toolbar, selection);
    ASSERT_EQ(form->CommentBox()->currentText().toStdString(), comment);
    EXPECT_EQ(form->CommentBox()->lineEdit()->cursorPosition(), 0);
}

} // namespace
} // namespace plenta
