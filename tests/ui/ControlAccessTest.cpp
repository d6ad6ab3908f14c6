// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns through Qt's accessibility interfaces (no bus needed): names by purpose, the
// marks' state and taps, the chart's description of the picked day, and the toolbar's focus frame.
#include "FormFixture.h"

#include "ui/AccessibleFactory.h"
#include "ui/ChartArea.h"
#include "ui/ControlAccess.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QLocale>
#include <QSignalSpy>

namespace plenta {
namespace {

class ControlAccessTest : public FormFixture {
protected:
    void SetUp() override {
        InstallAccessibleFactory(); // before any control exists: Qt keeps the first interface it makes
        FormFixture::SetUp();
        chart = CreateChartArea(window, state);
        OpenControls(form, toolbar, chart);
    }

    static QAccessibleInterface *Of(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); }

    ShellState state;
    ChartArea *chart = nullptr;
};

TEST_F(ControlAccessTest, EveryControlIsNamedByItsPurpose) {
    // The drop-downs keep their names whatever they show.
    form->TemperatureList()->setCurrentIndex(3);
    form->CommentBox()->setEditText(QStringLiteral("alk"));
    const std::vector<std::tuple<QWidget *, QAccessible::Role, const char *>> controls{
        {form->DatePicker(), QAccessible::SpinBox, "Datum"},
        {form->TemperatureList(), QAccessible::ComboBox, "Temperatur"},
        {form->CommentBox(), QAccessible::ComboBox, "Kommentar"},
        {toolbar->Button(Command::FirstDay), QAccessible::CheckBox, "Erster Tag der Periode"},
        {toolbar->Button(Command::Mucus), QAccessible::CheckBox, "Schleim"},
        {toolbar->Button(Command::Ovulation), QAccessible::CheckBox, "Eisprung"},
        {toolbar->Button(Command::Intercourse), QAccessible::CheckBox, "Geschlechtsverkehr"},
        {toolbar->Button(Command::Save), QAccessible::Button, "Speichern"},
        {toolbar->Button(Command::DeleteDay), QAccessible::Button, "Tag l\xc3\xb6schen"},
        {toolbar->Button(Command::About), QAccessible::Button, "Info und Beenden"},
        {chart, QAccessible::Chart, "Temperaturkurve"},
    };
    for (const auto &[widget, role, name] : controls) {
        QAccessibleInterface *control = Of(widget);
        EXPECT_EQ(control->role(), role) << name;
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(name));
        EXPECT_FALSE(control->text(QAccessible::Description).isEmpty()) << name;
        // The inner line edit, where the typing goes, is named as its field.
        for (int i = 0; i < control->childCount(); ++i) {
            EXPECT_EQ(control->child(i)->text(QAccessible::Name), QString::fromUtf8(name));
        }
    }
    EXPECT_EQ(Of(form->TemperatureList())->text(QAccessible::Value), QStringLiteral("37.2"));
}

// A reader's toggle is a tap: the toolbar reports it, so the pending marks follow, and the state shows it.
TEST_F(ControlAccessTest, AReadersToggleOfAMarkIsATap) {
    QSignalSpy taps(toolbar, &MainToolbar::commandTriggered);
    for (const Command command :
         {Command::FirstDay, Command::Mucus, Command::Ovulation, Command::Intercourse}) {
        QAccessibleInterface *mark = Of(toolbar->Button(command));
        for (const bool checked : {true, false}) {
            taps.clear();
            mark->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_TRUE(mark->state().checkable);
            EXPECT_EQ(mark->state().checked, checked);
            ASSERT_EQ(taps.size(), 1);
            EXPECT_EQ(taps[0][0].value<Command>(), command);
        }
    }
}

TEST_F(ControlAccessTest, TheChartDescribesThePickedDayAndTheStatisticsWhenAsked) {
    struct PickedDay {
        DaySelection selection;
        int cycleDay;
        const char *summary;
    };
    const PickedDay days[]{
        {{false, "2026/12/09", 0, "", ""}, 0, "2026/12/09: kein Zyklustag, kein Eintrag, keine Zeichen."},
        // Only the mark letters count, and case matters; before any scan only the pending marks are known.
        {{true, "2026/12/10", 355, "", "1s?EX"},
         1,
         "2026/12/10: Zyklustag 1, 35.5 \xc2\xb0"
         "C, Zeichen: Erster Tag der Periode, Eisprung, Geschlechtsverkehr."},
        {{false, "", 0, "", "X"}, 0, ": kein Zyklustag, kein Eintrag, Zeichen: Geschlechtsverkehr."},
    };
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    for (const PickedDay &day : days) {
        // Made when a reader asks, from the results in force then.
        state.scan.selection = day.selection;
        state.scan.stats.selectedCycleDay = day.cycleDay;
        state.scan.stats.statisticsText = day.selection.date;
        EXPECT_EQ(Of(chart)->text(QAccessible::Description),
                  QString::fromUtf8("Gew\xc3\xa4hlter Tag") + (day.selection.date.empty() ? "" : " ") +
                      QString::fromUtf8(day.summary) + "\n" + QString::fromStdString(day.selection.date));
    }
    QLocale::setDefault(before);
}

} // namespace
} // namespace plenta
