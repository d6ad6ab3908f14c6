// SPDX-License-Identifier: GPL-3.0-or-later
// The chart painter's translator over the tool's text table.
#include "ToolTranslator.h"

#include "platform/LocalText.h"

namespace plenta {

QString ToolTranslator::translate(const char *context, const char *sourceText,
                                  const char * /*disambiguation*/, int /*n*/) const {
    if (context == nullptr || sourceText == nullptr) {
        return {};
    }
    const std::string_view translation = LocalText(context, sourceText);
    if (translation.data() == sourceText) {
        return {};
    }
    return QString::fromUtf8(translation.data(), static_cast<qsizetype>(translation.size()));
}

bool ToolTranslator::isEmpty() const {
    return false;
}

} // namespace plenta
