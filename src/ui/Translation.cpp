// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the English .qm that qt_add_translations embeds under :/i18n/ only when it is needed.
#include "ui/Translation.h"

#include "journal/StatisticsText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace plenta {

namespace {

std::unique_ptr<QTranslator> &InstalledTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::optional<std::string_view> QtEnvironment(std::string_view name) {
    static thread_local QByteArray value;
    const QByteArray key(name.data(), static_cast<qsizetype>(name.size()));
    if (!qEnvironmentVariableIsSet(key.constData())) {
        return std::nullopt;
    }
    value = qgetenv(key.constData());
    return std::string_view(value.constData(), static_cast<std::size_t>(value.size()));
}

} // namespace

UiLanguage WindowLanguage() {
    // Qt lists LANGUAGE's entries even under the C locale, where the C library ignores them; the journal's
    // own language stays there.
    if (IsPlainLocale(std::string(MessagesLocale(QtEnvironment)))) {
        return UiLanguage::German;
    }
    for (const QString &name : QLocale::system().uiLanguages()) {
        if (const std::optional<UiLanguage> language = LanguageOfName(name.toStdString())) {
            return *language;
        }
    }
    return UiLanguage::English;
}

bool InstallTranslation(UiLanguage language) {
    std::unique_ptr<QTranslator> &translator = InstalledTranslator();
    if (language != UiLanguage::English || translator != nullptr) {
        return translator != nullptr;
    }
    auto english = std::make_unique<QTranslator>();
    if (!english->load(QStringLiteral(":/i18n/plenta_en.qm")) ||
        !QCoreApplication::installTranslator(english.get())) {
        return false;
    }
    translator = std::move(english);
    return true;
}

void RemoveTranslation() {
    std::unique_ptr<QTranslator> &translator = InstalledTranslator();
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

QString Text(StringId id) {
    return QCoreApplication::translate("StringTable", LoadText(id).data());
}

std::string TextUtf8(StringId id) {
    return Text(id).toStdString();
}

std::string StatisticsBoxText(const CycleStats &stats) {
    // No scan has filled the statistics (the journal could not be read): the box stays empty, as before.
    if (stats.statisticsText.empty()) {
        return {};
    }
    return StatisticsText(stats, TextUtf8(StringId::StatisticsFormat), TextUtf8(StringId::NextPeriodUnknown));
}

std::string KeyHelpText() {
    // The desktop's keys follow the handheld's in the same two columns; Qt's own key names are English, so
    // the keys are named in the text itself.
    return TextUtf8(StringId::HelpText) +
           QCoreApplication::translate(
               "KeyHelp",
               "\nEingabe, Esc\tAction, Escape\nAlt+1, S, E, X\tZeichen\nStrg+S, Strg+D\tSpeichern, "
               "Löschen\nStrg+I, F1\tStatistik, Hilfe\nStrg+P\tBericht "
               "(PDF)\nStrg+Plus, -, 0\tGröße\nStrg+Q\tBeenden\n")
               .toStdString();
}

} // namespace plenta
