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

// The day Ctrl+Z gave back is Plenta's record from then on: when an editor writes back the journal as it read
// it before, the next start offers to restore it.
TEST_F(UndoAndRestore, CtrlZBringsBackTheDayEscapeDeletedAndTheNextStartWhatAnEditorDropped) {
    const std::string journal = OLDER + TodayRecord(",36.7,S,alk\r\n");
    WriteJournal(journal);
    StartPlenta();
    Hold(QStringLiteral("Escape"), 1000);
    ConfirmBox();
    ASSERT_EQ(JournalBytes(), OLDER);
    Tap(QStringLiteral("ctrl+z"));
    ConfirmBox();
    EXPECT_EQ(JournalRewrites(), 2);
    EXPECT_EQ(JournalBytes(), journal);
    StopPlenta();
    WriteJournal(OLDER);
    StartPlenta();
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Tap(QStringLiteral("alt+j"));
    EXPECT_TRUE(WaitFor([&] { return JournalRewrites() == 1; }));
    EXPECT_EQ(JournalBytes(), journal);
}

} // namespace
} // namespace plenta::e2e
