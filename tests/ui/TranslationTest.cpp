// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: every message of the .ts files translated with the same placeholders and layout, none
// missing from them, the window and the tool choosing the same language in every locale, and every box's
// text fitting its control in each language.
#include "BoxRecorder.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include "journal/JournalTypes.h"
#include "journal/StatisticsText.h"
#include "platform/UiLanguage.h"
#include "ui/AboutBox.h"
#include "ui/ConflictOffer.h"
#include "ui/Translation.h"
#include <StringTable.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plenta {
namespace {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

std::vector<TsMessage> ReadTs(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<TsMessage> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, false});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The printf and QString::arg places of a text, in order: "%d", "%1", ...
std::string Conversions(const QString &text) {
    static const QRegularExpression place(QStringLiteral("%(?:[1-9]|[-+#0]*[0-9]*[diouxXsc])"));
    QStringList found;
    for (const QRegularExpressionMatch &match : place.globalMatch(text)) {
        found << match.captured();
    }
    if (text.contains(QStringLiteral("%1"))) {
        found.sort(); // arg places may change their order in a sentence; printf places may not
    }
    return found.join(' ').toStdString();
}

QString Named(const TsMessage &message) {
    return message.context + QStringLiteral(": \"") + message.source.left(60) + QStringLiteral("\"");
}

// lupdate over the sources into a copy of plenta_en.ts, so that a text the code has and the file lacks comes
// out unfinished; then every message translated, keeping its placeholders and, where the boxes lay text out
// in tab columns and lines, its tabs and line breaks. Failures name every message left to translate.
TEST(TranslationFiles, EveryTextOfTheSourcesIsTranslatedAndKeepsItsPlacesAndLayout) {
    const test::TempFolder folder;
    const std::string copy = folder / "plenta_en.ts";
    ASSERT_TRUE(QFile::copy(PLENTA_ENGLISH_TS, QString::fromStdString(copy)));
    const test::ToolResult lupdate = test::RunProgram(
        PLENTA_LUPDATE,
        {"-silent", "-source-language", "de_DE", "-locations", "none", "-no-obsolete", "-tr-function-alias",
         "QT_TRANSLATE_NOOP+=PLENTA_TEXT", "-extensions", "cpp,h", PLENTA_SOURCE_DIR "/src",
         PLENTA_SOURCE_DIR "/tools", PLENTA_SOURCE_DIR "/res", "-ts", copy});
    ASSERT_EQ(lupdate.exitCode, 0) << lupdate.err;
    const std::vector<TsMessage> messages = ReadTs(QString::fromStdString(copy));
    ASSERT_FALSE(messages.empty());
    QStringList unfinished;
    for (const TsMessage &message : messages) {
        const std::string name = Named(message).toStdString();
        if (!message.finished || message.translation.isEmpty()) {
            unfinished << Named(message);
            continue;
        }
        EXPECT_EQ(Conversions(message.translation), Conversions(message.source)) << name;
        if (message.context == u"StringTable" || message.context == u"KeyHelp") {
            EXPECT_EQ(message.translation.count('\t'), message.source.count('\t')) << name;
            EXPECT_EQ(message.translation.count('\n'), message.source.count('\n')) << name;
        }
    }
    EXPECT_TRUE(unfinished.isEmpty())
        << "to translate in plenta_en.ts (after the update_translations target):\n"
        << unfinished.join('\n').toStdString();
}

struct LocaleCase {
    std::map<std::string, std::string> environment;
    UiLanguage language;
};

const LocaleCase LOCALE_CASES[] = {
    {{}, UiLanguage::German},
    {{{"LANG", ""}}, UiLanguage::German},
    {{{"LANG", "C"}}, UiLanguage::German},
    {{{"LANG", "POSIX"}}, UiLanguage::German},
    {{{"LANG", "C.UTF-8"}}, UiLanguage::German},
    {{{"LANG", "de_AT.UTF-8"}}, UiLanguage::German},
    {{{"LANG", "en_US.UTF-8"}}, UiLanguage::English},
    {{{"LANG", "fr_FR.UTF-8"}}, UiLanguage::English},
    // LC_ALL over LC_MESSAGES over LANG.
    {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, UiLanguage::English},
    {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, UiLanguage::German},
    {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "en_US.UTF-8"}},
     UiLanguage::German},
    {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, UiLanguage::German},
    // LANGUAGE's list: its first language with texts decides, but never under the C locale.
    {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, UiLanguage::English},
    {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de:en"}}, UiLanguage::German},
    {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:es"}}, UiLanguage::English},
    {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, UiLanguage::German},
    {{{"LC_ALL", "C"}, {"LANGUAGE", "en_US"}}, UiLanguage::German},
    {{{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "en_US:en"}}, UiLanguage::German},
    {{{"LANG", "POSIX"}, {"LANGUAGE", "en"}}, UiLanguage::German},
};

// The tool's rule (plain C++) and the window's (Qt's reading of the locale, in a fresh process each, as Qt
// reads the locale once) agree, and the window's English build shows the English text.
TEST(TranslationLanguage, WindowAndToolChooseTheSameLanguage) {
    for (const LocaleCase &c : LOCALE_CASES) {
        std::string shown;
        std::vector<test::EnvSetting> env;
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            const auto set = c.environment.find(name);
            // An unset variable is passed as empty, which every reader takes as unset.
            env.push_back({name, set != c.environment.end() ? set->second : ""});
            shown += std::string(name) + "=" + env.back().value + " ";
        }
        SCOPED_TRACE(shown);
        const UiLanguage tool = ChooseLanguage([&](std::string_view name) -> std::optional<std::string_view> {
            const auto set = c.environment.find(std::string(name));
            return set != c.environment.end() ? std::optional<std::string_view>(set->second) : std::nullopt;
        });
        EXPECT_EQ(tool, c.language);
        const test::ToolResult probe = test::RunProgram(PLENTA_LANGUAGE_PROBE, {}, env);
        EXPECT_EQ(probe.out,
                  c.language == UiLanguage::English ? "en Entry saved!\n" : "de Eintrag gespeichert!\n");
    }
}

} // namespace

void PrintTo(UiLanguage language, std::ostream *out) {
    *out << (language == UiLanguage::English ? "English" : "German");
}

namespace {

class TranslatedBoxes : public ::testing::TestWithParam<UiLanguage> {
protected:
    void SetUp() override { ASSERT_EQ(InstallTranslation(GetParam()), GetParam() == UiLanguage::English); }
    void TearDown() override { RemoveTranslation(); }
};

// At zoom 1 every About box text fits its control inside the box, and every message box shows its whole text
// on the screen, in both languages.
TEST_P(TranslatedBoxes, EveryTextFitsItsControl) {
    QWidget owner;
    {
        AboutBox about(&owner, {});
        EXPECT_EQ(about.InfoButton()->text(), GetParam() == UiLanguage::English ? "Keys" : "Info");
        for (const QLabel *label : about.findChildren<QLabel *>()) {
            EXPECT_TRUE(about.rect().contains(label->geometry())) << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        }
        for (const QPushButton *button : about.findChildren<QPushButton *>()) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << button->text().toStdString();
        }
    }
    CycleStats stats;
    stats.recordCount = 12345;
    stats.spanDays = 9999;
    stats.cycleCount = 333;
    stats.averageCycleLength = 35;
    stats.statisticsText = StatisticsText(stats); // as a scan leaves it
    const std::vector<std::string> texts{KeyHelpText(), StatisticsBoxText(stats), ConflictQuestion(12),
                                         TextUtf8(StringId::AccessError), TextUtf8(StringId::DatabaseError)};
    BoxRecorder recorder;
    std::vector<std::string> cut;
    recorder.whileOpen = [&](QDialog &box) {
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        const QLabel *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        const QRect screen = box.screen()->availableGeometry();
        if (label == nullptr || label->width() < label->sizeHint().width() ||
            label->height() < label->sizeHint().height() || box.width() > screen.width() ||
            box.height() > screen.height()) {
            cut.push_back(box.property(MESSAGE_TEXT_PROPERTY).toString().toStdString());
        }
        box.hide();
    };
    for (const std::string &text : texts) {
        ShowMessageBox(&owner, text, TextUtf8(StringId::InfoCaption));
    }
    EXPECT_EQ(recorder.boxes.size(), texts.size());
    EXPECT_EQ(cut, std::vector<std::string>{}) << "boxes whose text is cut or larger than the screen";
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedBoxes,
                         ::testing::Values(UiLanguage::German, UiLanguage::English), [](const auto &info) {
                             return info.param == UiLanguage::German ? "German" : "English";
                         });

} // namespace
} // namespace plenta
