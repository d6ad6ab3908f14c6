// SPDX-License-Identifier: GPL-3.0-or-later
// The chart painter's translator: answers Qt's translate() from the tool's own text table, so that the
// chart's placeholder and the report speak the tool's language without the window's translation files.
#pragma once

#include <QTranslator>

namespace plenta {

class ToolTranslator : public QTranslator {
public:
    // The translation in the language the environment chooses; an empty text (keep the German source) for
    // German and for a text the table does not hold.
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;
};

} // namespace plenta
