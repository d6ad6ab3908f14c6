// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: German (the texts' own) or English through a translator loaded from the resources,
// and the string table's texts in that language.
#pragma once

#include "platform/UiLanguage.h"
#include <StringTable.h>

#include <QString>

#include <string>

class QCoreApplication;

namespace plenta {

struct CycleStats;

// The language the window speaks: the rule of ChooseLanguage, over Qt's own reading of the locale
// (QLocale::system().uiLanguages(), which lists LANGUAGE's entries, else the messages locale's).
UiLanguage WindowLanguage();

// Installs the English translator when the language is English; German needs none and costs nothing.
// Returns whether a translator was installed. Installing twice installs once.
bool InstallTranslation(UiLanguage language);

// Removes the translator again (for tests that switch languages).
void RemoveTranslation();

// A string table text in the window's language, through QCoreApplication::translate.
QString Text(StringId id);
// The same as UTF-8, as the message boxes take it.
std::string TextUtf8(StringId id);

// The statistics box's text in the window's language.
std::string StatisticsBoxText(const CycleStats &stats);

// The key help: the handheld's keys and the desktop's shortcuts, in the window's language.
std::string KeyHelpText();

} // namespace plenta
