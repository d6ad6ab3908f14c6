// The form refresh after a scan: delete button, defaults of a day without entry, list selections, mark
// buttons.
#include <CommandIds.h>
#include <EntryForm.h>
#include <FormRefresh.h>
#include <MainToolbar.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

namespace plenta {
namespace {

class FormRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = CreateEntryForm(window, layoutOffset);
        toolbar = CreateMainToolbar(window, layoutOffset);
        FillFormLists(form);
        form->SetCommentItems({"alkohol", "alk", "Spät"});
    }
    bool Checked(int command) const { return (toolbar->State(command) & BUTTON_CHECKED) != 0; }
    bool Enabled(int command) const { return (toolbar->State(command) & BUTTON_ENABLED) != 0; }

    QWidget window;
    int layoutOffset = 0;
    EntryForm *form = nullptr;
    MainToolbar *toolbar = nullptr;
};

TEST_F(FormRefreshTest, ADayWithEntryShowsItsValues) {
    ChangeButtonBit(toolbar, IDM_DELETE_DAY, BUTTON_ENABLED, BitChange::Clear);
    DaySelection selection{true, "2003/04/05", 368, "sp", "1E"};
    RefreshForm(form, toolbar, selection);
    EXPECT_TRUE(Enabled(IDM_DELETE_DAY));
    EXPECT_EQ(form->TemperatureList()->currentText(), "36.8");
    EXPECT_EQ(form->CommentBox()->currentText(), QString::fromUtf8("Spät")); // first item beginning with it
    EXPECT_TRUE(Checked(IDM_FIRST_DAY));
    EXPECT_FALSE(Checked(IDM_MUCUS));
    EXPECT_TRUE(Checked(IDM_OVULATION));
    EXPECT_FALSE(Checked(IDM_INTERCOURSE));
    EXPECT_EQ(selection.marks, "1E");
}

TEST_F(FormRefreshTest, ADayWithoutEntryGetsTheDefaults) {
    toolbar->SetState(IDM_MUCUS, BUTTON_ENABLED | BUTTON_CHECKED);
    form->CommentBox()->setEditText("typed");
    DaySelection selection{false, "2003/04/05", 380, "alk", "S"};
    RefreshForm(form, toolbar, selection);
    EXPECT_FALSE(Enabled(IDM_DELETE_DAY));
    EXPECT_TRUE(Enabled(IDM_MUCUS)); // other enabled bits are left alone
    EXPECT_FALSE(Checked(IDM_MUCUS));
    EXPECT_EQ(selection.temperature, DEFAULT_TEMPERATURE);
    EXPECT_TRUE(selection.comment.empty());
    EXPECT_TRUE(selection.marks.empty());
    EXPECT_EQ(form->TemperatureList()->currentIndex(), 10);
    // An empty comment clears the field instead of showing the first item, which a save would then store.
    EXPECT_EQ(form->CommentBox()->currentIndex(), -1);
    EXPECT_TRUE(form->CommentBox()->currentText().isEmpty());
}

TEST_F(FormRefreshTest, CommentPrefixPicksTheFirstItemIgnoringCase) {
    QComboBox &box = *form->CommentBox();
    const struct {
        const char *text;
        const char *shown;
    } cases[] = {{"alk", "alkohol"}, {"ALK", "alkohol"}, {"alko", "alkohol"}, {"spät", "Spät"}};
    for (const auto &c : cases) {
        box.setCurrentIndex(-1);
        SelectByPrefix(box, QString::fromUtf8(c.text));
        EXPECT_EQ(box.currentText(), QString::fromUtf8(c.shown)) << c.text;
    }
    box.setCurrentIndex(1);
    SelectByPrefix(box, "zu");
    EXPECT_EQ(box.currentIndex(), 1); // no match leaves the selection alone
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
