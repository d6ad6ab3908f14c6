// SPDX-License-Identifier: GPL-3.0-or-later
// The installed lookup, or none: the German source.
#include "journal/ReasonText.h"

namespace plenta {
namespace {

ReasonLookUp installed = nullptr;

} // namespace

void SetReasonLookUp(ReasonLookUp lookUp) {
    installed = lookUp;
}

std::string ReasonText(std::string_view german, std::initializer_list<std::string_view> values) {
    const std::string_view text = installed != nullptr ? installed("journal", german) : german;
    return WithArgs(text, values);
}

} // namespace plenta
