// SPDX-License-Identifier: GPL-3.0-or-later
// Says which language the window would speak in this process's environment, and one text as the window would
// show it: "de Eintrag gespeichert!". Qt reads the locale once per process, so each environment needs its
// own.
#include "ui/Translation.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    const QCoreApplication app(argc, argv);
    const plenta::UiLanguage language = plenta::WindowLanguage();
    plenta::InstallTranslation(language);
    std::printf("%s %s\n", language == plenta::UiLanguage::English ? "en" : "de",
                plenta::TextUtf8(plenta::StringId::EntrySaved).c_str());
    return 0;
}
