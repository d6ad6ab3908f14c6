// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns from the controls through Qt's accessibility interfaces (no bus needed): names
// by purpose, the marks' checked state, the chart's description of the picked day, and the focus frame of the
// toolbar's buttons.
#include "FormFixture.h"

#include "ui/AccessibleFactory.h"
#include "ui/ChartArea.h"
#include "ui/ControlAccess.h"
#include "ui/Zoom.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace plenta {
namespace {

class ControlAccessTest : public FormFixture {
protected:
    void SetUp() override {
        // Before any control exists: Qt keeps the first interface it makes for a widget.
        InstallAccessibleFactory();
        FormFixture::SetUp();
        chart = CreateChartArea(window, state);
        OpenControls(form, toolbar, chart);
    }

    static QAccessibleInterface *Of(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); }

    ShellState state;
    ChartArea *chart = nullptr;
};

struct NamedControl {
    const char *label;
    std::function<QWidget *(EntryForm &, MainToolbar &)> control;
    QAccessible::Role role;
    const char *name;
};

QWidget *Mark(MainToolbar &toolbar, Command command) {
    return toolbar.Button(command);
}

const std::vector<NamedControl> NAMED_CONTROLS{
    {"Date", [](EntryForm &f, MainToolbar &) { return f.DatePicker(); }, QAccessible::SpinBox, "Datum"},
    {"Temperature", [](EntryForm &f, MainToolbar &) { return f.TemperatureList(); }, QAccessible::ComboBox,
     "Temperatur"},
    {"Comment", [](EntryForm &f, MainToolbar &) { return f.CommentBox(); }, QAccessible::ComboBox,
     "Kommentar"},
    {"FirstDay", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::FirstDay); },
     QAccessible::CheckBox, "Erster Tag der Periode"},
    {"Mucus", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::Mucus); }, QAccessible::CheckBox,
     "Schleim"},
    {"Ovulation", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::Ovulation); },
     QAccessible::CheckBox, "Eisprung"},
    {"Intercourse", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::Intercourse); },
     QAccessible::CheckBox, "Geschlechtsverkehr"},
    {"Save", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::Save); }, QAccessible::Button,
     "Speichern"},
    {"Delete", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::DeleteDay); }, QAccessible::Button,
     "Tag l\xc3\xb6schen"},
    {"About", [](EntryForm &, MainToolbar &t) { return Mark(t, Command::About); }, QAccessible::Button,
     "Info und Beenden"},
};

TEST_F(ControlAccessTest, EveryControlIsNamedByItsPurposeAndDescribed) {
    // The drop-downs keep their names whatever they show.
    form->TemperatureList()->setCurrentIndex(3);
    form->CommentBox()->setEditText(QStringLiteral("alk"));
    for (const NamedControl &row : NAMED_CONTROLS) {
        QAccessibleInterface *control = Of(row.control(*form, *toolbar));
        ASSERT_NE(control, nullptr) << row.label;
        EXPECT_EQ(control->role(), row.role) << row.label;
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.label;
        EXPECT_FALSE(control->text(QAccessible::Description).isEmpty()) << row.label;
        // A field's inner line edit, where the typing goes, is named as its field.
        for (int i = 0; i < control->childCount(); ++i) {
            if (control->child(i)->role() == QAccessible::EditableText) {
                EXPECT_EQ(control->child(i)->text(QAccessible::Name), QString::fromUtf8(row.name))
                    << row.label;
            }
        }
    }
    EXPECT_EQ(Of(form->TemperatureList())->text(QAccessible::Value), QStringLiteral("37.2"));
    EXPECT_EQ(Of(chart)->role(), QAccessible::Chart);
    EXPECT_EQ(Of(chart)->text(QAccessible::Name), QStringLiteral("Temperaturkurve"));
}

// A reader's toggle is a tap: the toolbar reports it, so the pending marks follow, and the state shows it.
TEST_F(ControlAccessTest, AReadersToggleOfAMarkIsATap) {
    QSignalSpy taps(toolbar, &MainToolbar::commandTriggered);
    for (const Command command :
         {Command::FirstDay, Command::Mucus, Command::Ovulation, Command::Intercourse}) {
        QAccessibleInterface *mark = Of(toolbar->Button(command));
        EXPECT_TRUE(mark->state().checkable);
        for (const bool checked : {true, false}) {
            taps.clear();
            mark->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(mark->state().checked, checked) << mark->text(QAccessible::Name).toStdString();
            ASSERT_EQ(taps.size(), 1);
            EXPECT_EQ(taps[0][0].value<Command>(), command);
        }
    }
}

struct PickedDay {
    const char *label;
    DaySelection selection;
    int cycleDay;
    const char *summary;
};

const std::vector<PickedDay> PICKED_DAYS{
    {"EntryInACycle",
     {true, "2026/12/08", 367, "", "SX"},
     12,
     "Gew\xc3\xa4hlter Tag 2026/12/08: Zyklustag 12, 36.7 \xc2\xb0"
     "C, Zeichen: Schleim, Geschlechtsverkehr."},
    {"NoEntryNoFirstDay",
     {false, "2026/12/09", 0, "", ""},
     0,
     "Gew\xc3\xa4hlter Tag 2026/12/09: kein Zyklustag, kein Eintrag, keine Zeichen."},
    // No journal read yet: the marks pending in the toolbar are all there is.
    {"BeforeAnyScan",
     {false, "", 0, "", "X"},
     0,
     "Gew\xc3\xa4hlter Tag: kein Zyklustag, kein Eintrag, Zeichen: Geschlechtsverkehr."},
    // A hand-edited attribute: only the mark letters count, and case matters.
    {"HandEditedMarks",
     {true, "2026/12/10", 355, "", "1s?E"},
     1,
     "Gew\xc3\xa4hlter Tag 2026/12/10: Zyklustag 1, 35.5 \xc2\xb0"
     "C, Zeichen: Erster Tag der Periode, Eisprung."},
};

TEST_F(ControlAccessTest, TheChartDescribesThePickedDayAndTheStatisticsWhenAsked) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    QAccessibleInterface *described = Of(chart);
    for (const PickedDay &day : PICKED_DAYS) {
        // The description is made when a reader asks, from the results in force then.
        state.scan.selection = day.selection;
        state.scan.stats.selectedCycleDay = day.cycleDay;
        state.scan.stats.statisticsText = std::string("Statistik von ") + day.label;
        EXPECT_EQ(described->text(QAccessible::Description),
                  QString::fromUtf8(day.summary) + QStringLiteral("\nStatistik von ") + day.label)
            << day.label;
    }
    QLocale::setDefault(before);
}

TEST_F(ControlAccessTest, TabVisitsEveryControlInOrder) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    std::vector<QWidget *> expected;
    for (const NamedControl &row : NAMED_CONTROLS) {
        expected.push_back(row.control(*form, *toolbar));
    }
    // Date, temperature, the marks, comment, then save, delete, About, and round to the date.
    std::rotate(expected.begin() + 2, expected.begin() + 3, expected.begin() + 7);
    const auto controlOf = [&](QWidget *focus) {
        const auto at = std::find_if(expected.begin(), expected.end(), [&](QWidget *control) {
            return control == focus || control->isAncestorOf(focus);
        });
        return at != expected.end() ? *at : nullptr;
    };
    form->DatePicker()->setFocus(Qt::TabFocusReason);
    // The date field's Tab first steps through its day, month and year, so a control may take several.
    std::vector<QWidget *> visited{form->DatePicker()};
    for (int press = 0; press < 20 && visited.size() <= expected.size(); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *control = controlOf(QApplication::focusWidget());
        if (control != visited.back()) {
            visited.push_back(control);
        }
    }
    expected.push_back(form->DatePicker());
    EXPECT_EQ(visited, expected);
}

// At every zoom the focused button wears a ring of alternating black and white layout pixels in its bevel.
TEST_F(ControlAccessTest, AFocusedToolbarButtonShowsItsFrameAtEveryZoom) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const int zoom : {1, 2, 3}) {
        SetCurrentZoom(zoom);
        toolbar->SetZoom(zoom);
        for (const Command command : {Command::Mucus, Command::Save}) {
            QAbstractButton *button = toolbar->Button(command);
            button->setChecked(command == Command::Mucus);
            button->setFocus(Qt::TabFocusReason);
            const QImage focused = button->grab().toImage();
            toolbar->Button(Command::About)->setFocus(Qt::TabFocusReason);
            const QImage unfocused = button->grab().toImage();
            for (const auto &[x, y, colour] :
                 {std::tuple{1, 1, Qt::black}, {2, 1, Qt::white}, {1, 4, Qt::white}}) {
                EXPECT_EQ(focused.pixelColor(x * zoom, y * zoom), QColor(colour))
                    << "zoom " << zoom << " at " << x << "," << y;
            }
            EXPECT_NE(focused, unfocused) << "zoom " << zoom;
        }
    }
    SetCurrentZoom(1);
    toolbar->SetZoom(1);
}

} // namespace
} // namespace plenta
