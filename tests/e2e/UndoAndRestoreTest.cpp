// SPDX-License-Identifier: GPL-3.0-or-later
// The local history on an X server: Ctrl+Z after a held Escape, and the start-up offer of a record another
// program dropped. One desktop is enough: the keys and boxes themselves are proven on every desktop
// elsewhere.
#include "TempFolder.h"
#include "TodayRecord.h"
#include "XServerFixture.h"

namespace plenta::e2e {
namespace {

using test::HEADER;
using test::TodayRecord;

const std::string OLDER = HEADER + "2026/12/01,36.5,1,\r\n";

class UndoAndRestore : public XServerFixture {
protected:
    UndoAndRestore()
        : XServerFixture(QSize(640, 480),
                         {WindowManager::Openbox, "de_DE.UTF-8", ProgramUser::Unprivileged}) {}

    // Waits for the box the last key opened and confirms it with a fresh Return.
    void ConfirmBox() {
        ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
        Tap(QStringLiteral("Return"));
        ASSERT_TRUE(WaitFor([&] { return Boxes().empty(); }));
    }
};

TEST_F(UndoAndRestore, CtrlZBringsBackTheDayEscapeDeleted) {
    WriteJournal(OLDER + TodayRecord(",36.7,S,alk\r\n"));
    StartPlenta();
    Hold(QStringLiteral("Escape"), 1000);
    ConfirmBox();
    ASSERT_EQ(JournalBytes(), OLDER);
    Tap(QStringLiteral("ctrl+z"));
    ConfirmBox();
    EXPECT_EQ(JournalRewrites(), 2);
    EXPECT_EQ(JournalBytes(), OLDER + TodayRecord(",36.7,S,alk\r\n"));
}

TEST_F(UndoAndRestore, TheNextStartOffersARecordAnotherProgramDropped) {
    WriteJournal(OLDER);
    StartPlenta();
    Hold(QStringLiteral("Return"), 1000);
    ConfirmBox();
    ASSERT_EQ(JournalBytes(), OLDER + TodayRecord(",36.5,,\r\n"));
    StopPlenta();
    // An editor writes back the journal as it read it before the save.
    WriteJournal(OLDER);
    StartPlenta();
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Tap(QStringLiteral("alt+j"));
    EXPECT_TRUE(WaitFor([&] { return JournalRewrites() == 1; }));
    EXPECT_EQ(JournalBytes(), OLDER + TodayRecord(",36.5,,\r\n"));
}

} // namespace
} // namespace plenta::e2e
