// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up offers to merge conflict copies and to restore records that vanished, with their boxes
// answered by the test.
#include "WaitFor.h"

#include "app/MainWindow.h"
#include "app/StartApplication.h"
#include "journal/JournalEdit.h"
#include "journal/JournalPaths.h"
#include "platform/DeviceRoot.h"
#include "ui/ConflictOffer.h"
#include "ui/ModalBox.h"
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace plenta {
namespace {

const std::string HEADER = test::HEADER;
const std::string D1 = "2026/12/01,36.5,1,\r\n";
const std::string D2 = "2026/12/02,36.6,,\r\n";
const std::string D2_OTHER = "2026/12/02,37.0,,\r\n";
const std::string D3 = "2026/12/03,36.7,S,\r\n";

struct OfferCase {
    const char *what;
    std::string copy;
    // D3 was saved by Plenta and then dropped from the journal by another program.
    bool d3Dropped;
    Answer answer;
    std::vector<std::string> boxes;
    std::string journalAfter;
    int recordsShown;
};

TEST(ConflictOffer, StartUpOffersCopiesThatHoldNewRecordsAndThenVanishedRecords) {
    const std::string journal = HEADER + D1 + D2;
    const std::string d3Question = "1 gespeicherter Eintrag fehlt der Datenbank!\n03.12.2026\n"
                                   "Ein anderes Programm hat ihn entfernt.\nJetzt wiederherstellen?";
    const OfferCase cases[] = {
        {"yes",
         HEADER + D1 + D2_OTHER + D3,
         false,
         Answer::Yes,
         {ConflictQuestion(1), "1 Eintrag übernommen!\n1 abweichender Eintrag nicht übernommen."},
         HEADER + D1 + D2 + D3,
         3},
        {"no", HEADER + D3, false, Answer::No, {ConflictQuestion(1)}, journal, 2},
        {"nothing new", HEADER + D2_OTHER, false, Answer::Yes, {}, journal, 2},
        // An empty copy holds nothing new: no question of its own.
        {"vanished, yes",
         "",
         true,
         Answer::Yes,
         {d3Question, "1 Eintrag wiederhergestellt!\n03.12.2026"},
         HEADER + D1 + D2 + D3,
         3},
        {"vanished, no: asked again next time", "", true, Answer::No, {d3Question}, journal, 2},
        // Never two questions in one start: the copy's comes first, the vanished record's waits.
        {"vanished and a copy", HEADER + D3, true, Answer::No, {ConflictQuestion(1)}, journal, 2},
    };
    for (const OfferCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        qputenv("PLENTA_ROOT", root.path().toLocal8Bit());
        const ResolvedPaths paths = ResolvePaths(std::nullopt, ModulePath(), root.path().toStdString());
        const std::filesystem::path &path = paths.journalPath;
        test::WriteBytes(path, journal);
        if (c.d3Dropped) {
            ChangeRecording recording;
            recording.history = paths.historyPath;
            ASSERT_EQ(SaveEntry(path, {std::chrono::year(2026) / 12 / 3, 367, "S", ""}, Durability::Fsync,
                                nullptr, &recording),
                      EditOutcome::Saved);
            test::WriteBytes(path, journal);
        }
        const std::filesystem::path copy =
            path.parent_path() / (path.stem().string() + ".sync-conflict-20261207-090609-XO4L3VF.txt");
        test::WriteBytes(copy, c.copy);

        std::vector<std::string> boxes;
        const ModalInterceptor previous = SetModalInterceptor([&](QDialog &box) {
            boxes.push_back(box.property(MESSAGE_TEXT_PROPERTY).toString().toStdString());
            const auto *question = qobject_cast<QMessageBox *>(&box);
            const bool asks = question != nullptr && question->button(QMessageBox::Yes) != nullptr;
            if (asks) {
                EXPECT_EQ(question->button(QMessageBox::Yes)->text(), "&Ja");
                EXPECT_EQ(question->button(QMessageBox::No)->text(), "&Nein");
            }
            return asks && c.answer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No;
        });
        std::unique_ptr<Application> application = StartApplication(*qApp);
        ASSERT_NE(application, nullptr);
        EXPECT_TRUE(WaitFor([&] { return boxes.size() >= c.boxes.size(); }));
        // The offer runs once the window is up; give a wrong extra box the chance to show.
        QTest::qWait(50);
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(test::ReadBytes(path), c.journalAfter);
        EXPECT_TRUE(std::filesystem::exists(copy)) << "the window never removes a copy";
        EXPECT_EQ(application->mainWindow->State().scan.stats.recordCount, c.recordsShown);
        application.reset();
        SetModalInterceptor(previous);
        qunsetenv("PLENTA_ROOT");
    }
}

} // namespace
} // namespace plenta
