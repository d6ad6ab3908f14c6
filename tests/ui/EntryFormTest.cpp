// The entry form and the toolbar as start-up builds them: placement, list contents and button state bytes.
#include <CommandIds.h>
#include <DateText.h>
#include <EntryForm.h>
#include <MainToolbar.h>
#include <MarkButton.h>

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QToolButton>

#include <array>

namespace plenta {
namespace {

class EntryFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(240, 294);
        form = CreateEntryForm(window, layoutOffset);
        toolbar = CreateMainToolbar(window, layoutOffset);
        FillFormLists(form);
    }

    QWidget window;
    int layoutOffset = 0;
    EntryForm *form = nullptr;
    MainToolbar *toolbar = nullptr;
};

TEST_F(EntryFormTest, FormAndToolbarStackInTheirBands) {
    EXPECT_EQ(layoutOffset, 64);
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

TEST_F(EntryFormTest, ControlIdentifiersCoverInnerFields) {
    EXPECT_EQ(form->ControlIdOf(form->CommentBox()->lineEdit()), IDC_COMMENT);
    EXPECT_EQ(form->ControlIdOf(form->DatePicker()), IDC_DATE);
    EXPECT_EQ(form->ControlIdOf(toolbar), -1);
    EXPECT_EQ(form->ControlIdOf(nullptr), -1);
}

TEST_F(EntryFormTest, ButtonsStartEnabledAndUnchecked) {
    for (const int command :
         {IDM_FIRST_DAY, IDM_MUCUS, IDM_OVULATION, IDM_INTERCOURSE, IDM_SAVE, IDM_DELETE_DAY, IDM_ABOUT}) {
        EXPECT_EQ(toolbar->State(command), BUTTON_ENABLED) << command;
    }
    EXPECT_EQ(toolbar->State(0), 0); // separators and unknown commands hold no state
}

TEST_F(EntryFormTest, ChangingOneBitKeepsTheOthers) {
    toolbar->SetState(IDM_MUCUS, BUTTON_ENABLED | BUTTON_CHECKED | 16);
    ChangeButtonBit(toolbar, IDM_MUCUS, BUTTON_CHECKED, BitChange::Clear);
    EXPECT_EQ(toolbar->State(IDM_MUCUS), BUTTON_ENABLED | 16);
    ChangeButtonBit(toolbar, IDM_MUCUS, BUTTON_ENABLED, BitChange::Clear);
    EXPECT_EQ(toolbar->State(IDM_MUCUS), 16);
    EXPECT_FALSE(toolbar->Button(IDM_MUCUS)->isEnabled());
    // A push button keeps no checked bit.
    ChangeButtonBit(toolbar, IDM_SAVE, BUTTON_CHECKED, BitChange::Set);
    EXPECT_EQ(toolbar->State(IDM_SAVE), BUTTON_ENABLED);
}

TEST_F(EntryFormTest, ATapReportsTheCommandAfterTheButtonFlippedItself) {
    std::vector<std::pair<int, bool>> taps;
    QObject::connect(toolbar, &MainToolbar::commandTriggered, [&](int command) {
        taps.emplace_back(command, (toolbar->State(command) & BUTTON_CHECKED) != 0);
    });
    toolbar->Button(IDM_OVULATION)->click();
    toolbar->Button(IDM_SAVE)->click();
    ChangeButtonBit(toolbar, IDM_ABOUT, BUTTON_ENABLED, BitChange::Clear);
    toolbar->Button(IDM_ABOUT)->click(); // a disabled button sends nothing
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0], std::make_pair(IDM_OVULATION, true));
    EXPECT_EQ(taps[1], std::make_pair(IDM_SAVE, false));
}

TEST_F(EntryFormTest, ASwitchedOnMarkIsDrawnPressedIntoANavyGround) {
    for (const int command : {IDM_FIRST_DAY, IDM_MUCUS, IDM_OVULATION, IDM_INTERCOURSE}) {
        QToolButton &button = *toolbar->Button(command);
        const QImage off = button.grab().toImage();
        toolbar->SetState(command, BUTTON_ENABLED | BUTTON_CHECKED);
        const QImage on = button.grab().toImage();
        // A black frame, then navy between it and the image, on the left and on the top.
        EXPECT_EQ(on.pixelColor(0, 15), MARK_ON_FRAME) << command;
        EXPECT_EQ(on.pixelColor(2, 15), MARK_ON_GROUND) << command;
        EXPECT_EQ(on.pixelColor(15, 2), MARK_ON_GROUND) << command;
        EXPECT_NE(off.pixelColor(2, 15), MARK_ON_GROUND) << command;
    }
}

// The locale's short date, its year widened where the field has room and its month a number where not.
TEST(PickerDateFormat, FormatsWidenAndNarrow) {
    const std::array<std::array<const char *, 3>, 6> cases{{
        {"dd.MM.yy", "dd.MM.yyyy", "dd.MM.yy"},
        {"M/d/yy", "M/d/yyyy", "M/d/yy"},
        {"yyyy-MM-dd", "yyyy-MM-dd", "yy-MM-dd"},
        {"d MMM yyyy", "d MMM yyyy", "d MM yy"},
        {"d 'yy MMM' yy", "d 'yy MMM' yyyy", "d 'yy MMM' yy"},
        {"dd/MMMM/y", "dd/MMMM/y", "dd/MM/y"},
    }};
    for (const auto &[format, widened, compact] : cases) {
        EXPECT_EQ(WithFourDigitYear(QString::fromLatin1(format)), QString::fromLatin1(widened)) << format;
        EXPECT_EQ(CompactDateFormat(QString::fromLatin1(format)), QString::fromLatin1(compact)) << format;
    }
}

TEST(PickerDateFormat, TheFieldFollowsTheLocaleLikeItsCalendar) {
    // At the form's 12-pixel font four year digits need a little more than the 87 pixels, and the C
    // locale's month name does not fit at all.
    const std::array<std::pair<QLocale, const char *>, 3> cases{{
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yy"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yy"},
        {QLocale::c(), "d MM yy"},
    }};
    for (const auto &[locale, format] : cases) {
        QLocale::setDefault(locale);
        QWidget window;
        int layoutOffset = 0;
        const QDateEdit &picker = *CreateEntryForm(window, layoutOffset)->DatePicker();
        EXPECT_EQ(picker.displayFormat(), QString::fromLatin1(format));
        EXPECT_LE(picker.sizeHint().width(), picker.width()) << format;
        EXPECT_EQ(picker.text(), locale.toString(picker.date(), QString::fromLatin1(format)));
        EXPECT_EQ(picker.calendarWidget()->locale(), locale);
    }
    QLocale::setDefault(QLocale::system());
}

} // namespace
} // namespace plenta
