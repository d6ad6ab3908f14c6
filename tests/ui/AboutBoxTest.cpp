// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its template, the focus on "Ende", the help box over it, and its place over the main window.
#include "BoxRecorder.h"
#include "WaitFor.h"

#include "ui/AboutBox.h"
#include "ui/ModalBox.h"
#include "ui/Translation.h"
#include <DialogTemplates.h>
#include <PlentaVersion.h>
#include <StringTable.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace plenta {
namespace {

TEST(AboutBox, ShowsNameVersionAndTheTwoButtons) {
    QWidget owner;
    AboutBox box(&owner, {});
    EXPECT_EQ(box.windowTitle(), "About Plenta");
    QStringList texts;
    for (const QLabel *label : box.findChildren<QLabel *>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Plenta %1").arg(PLENTA_VERSION)));
    EXPECT_EQ(box.ExitButton()->text(), "Ende");
    EXPECT_EQ(box.InfoButton()->text(), "Info");
    EXPECT_TRUE(box.ExitButton()->isDefault());
}

// The manual pages and the metainfo are generated from templates; a placeholder the generation misses, or a
// template that writes a version by hand, fails here.
TEST(AboutBox, ManualPagesAndMetainfoCarryTheBuildsVersion) {
    const std::string version = PLENTA_VERSION;
    const std::pair<const char *, std::string> places[] = {
        {"man/plenta.1", "\"Plenta " + version + "\""},
        {"man/plenta-journal.1", "\"Plenta " + version + "\""},
        {"org.plenta.Plenta.metainfo.xml", "<release version=\"" + version + "\""},
    };
    for (const auto &[file, expected] : places) {
        std::ifstream in(std::string(PLENTA_RES_DIR) + "/" + file);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_NE(text.find(expected), std::string::npos) << file << " lacks " << expected;
    }
}

TEST(AboutBox, EndeHasTheFocusAndInfoShowsTheHelpOverTheBox) {
    QWidget owner;
    owner.resize(240, 294);
    owner.show();
    BoxRecorder recorder;
    std::vector<Command> sent;
    AboutBox box(&owner, [&](Command command) { sent.push_back(command); });
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.activateWindow();
    EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == box.ExitButton(); }));

    box.InfoButton()->click();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Plenta - Information");
    // The handheld's keys (138 characters) first, then the desktop's.
    EXPECT_EQ(recorder.boxes[0].text, KeyHelpText());
    EXPECT_EQ(recorder.boxes[0].text.rfind(LoadText(StringId::HelpText), 0), 0u);
    EXPECT_EQ(QString::fromUtf8(LoadText(StringId::HelpText).data()).size(), 138);
    EXPECT_NE(recorder.boxes[0].text.find("Strg+S"), std::string::npos);
    EXPECT_TRUE(box.isVisible());

    // Return presses the focused default button, which sends the exit command and leaves the closing to it.
    QTest::keyClick(box.ExitButton(), Qt::Key_Return);
    EXPECT_EQ(sent, std::vector<Command>{Command::Exit});
}

TEST(MessageLayout, TabsBecomeColumnsAndBlanksStay) {
    const QString html = MessageLayout(QString::fromStdString(std::string(LoadText(StringId::HelpText))));
    EXPECT_EQ(html.count("<tr>"), 8); // eight lines, the fifth one empty; the final line break opens none
    EXPECT_TRUE(html.contains(QString::fromUtf8(">Action</td><td colspan=\"1\"")));
    EXPECT_TRUE(html.contains(QString::fromUtf8("> Änderungen</td>"))) << "the blank after the tab stays";
    EXPECT_TRUE(html.contains(QString::fromUtf8(">Escape,  dann Action<"))) << "two blanks stay two";
    EXPECT_TRUE(html.contains(QString::fromUtf8(">&nbsp;</td><td colspan=\"1\" style=\"white-space:pre; "
                                                "padding-right:8px\"> Beenden<")))
        << "a line beginning with a tab leaves its first column empty";
    EXPECT_TRUE(MessageLayout("a<b & c").contains("a&lt;b &amp; c"));
}

TEST(AboutBox, IsCentredOverItsOwnerOnTheScreen) {
    QWidget owner;
    owner.setGeometry(300, 200, 240, 294);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    AboutBox box(&owner, {});
    const QPoint place = box.PlacementOverOwner();
    const QRect over(place, box.size());
    const QPoint ownerCentre = owner.mapToGlobal(owner.rect().center());
    EXPECT_LE(std::abs(over.center().x() - ownerCentre.x()), 1);
    EXPECT_LE(std::abs(over.center().y() - ownerCentre.y()), 1);

    // An owner smaller than the box puts it at the owner's edge on that axis, never beyond.
    owner.resize(100, 294);
    EXPECT_EQ(box.PlacementOverOwner().x(), owner.mapToGlobal(QPoint(0, 0)).x());
}

// The yes/no question stands centred over its owner's window as every box does, and Alt+J and Alt+N answer
// it as the buttons' underlined letters promise.
TEST(YesNoQuestion, IsCentredOverItsOwnerAndAnswersAltJAndAltN) {
    QWidget owner;
    owner.setGeometry(300, 200, 240, 294);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    for (const auto &[key, answer] : {std::pair{Qt::Key_J, Answer::Yes}, std::pair{Qt::Key_N, Answer::No}}) {
        QPoint boxCentre;
        const ModalInterceptor previous = SetModalInterceptor([&, key = key](QDialog &box) {
            box.show();
            box.activateWindow();
            EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &box; }));
            boxCentre = box.geometry().center();
            QTest::keyClick(&box, key, Qt::AltModifier);
            WaitFor([&] { return !box.isVisible(); });
            return box.result();
        });
        EXPECT_EQ(AskYesNo(&owner, "Jetzt übernehmen?", "Plenta"), answer);
        SetModalInterceptor(previous);
        // Within a frame's width: where a frame goes is the platform's choice.
        EXPECT_LE((boxCentre - owner.geometry().center()).manhattanLength(), 4);
    }
}

} // namespace
} // namespace plenta
