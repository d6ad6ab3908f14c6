// SPDX-License-Identifier: GPL-3.0-or-later
// A key's hold period in words, shared by --help and the manual page so that both say what the keys do.
#pragma once

#include <TranslatedText.h>

#include <string>
#include <string_view>

namespace plenta {

// "held for half a second" rather than "held for 500 ms", in the language of `say`, which looks up a source
// text of the context "CommandLine".
template <typename Say> std::string HoldWords(int milliseconds, Say say) {
    if (milliseconds == 500) {
        return std::string(say(PLENTA_TEXT("CommandLine", "eine halbe Sekunde gehalten")));
    }
    return WithArgs(say(PLENTA_TEXT("CommandLine", "%1 ms gehalten")), {std::to_string(milliseconds)});
}

} // namespace plenta
