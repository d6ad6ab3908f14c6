// SPDX-License-Identifier: GPL-3.0-or-later
// The font configuration read ahead; see FontConfigPreload.h.
#include "app/FontConfigPreload.h"

#include "platform/ThreadPlacement.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace plenta {

namespace {

// The preload alive in this process; only the main thread sets and reads it.
FontConfigPreload *&ActivePreload() {
    static FontConfigPreload *active = nullptr;
    return active;
}

} // namespace

FontConfigPreload::FontConfigPreload() {
    try {
        // FcInit loads fontconfig's default configuration once per process; Qt's font database asks for the
        // same configuration later and then finds it loaded.
        reader_ = std::thread([] { FcInit(); });
        // On the main thread's processor the two would share it while the application is being built.
        KeepOffCallersProcessor(reader_);
    } catch (const std::system_error &) {
        return;
    }
    ActivePreload() = this;
}

FontConfigPreload::~FontConfigPreload() {
    if (reader_.joinable()) {
        reader_.join();
    }
    if (ActivePreload() == this) {
        ActivePreload() = nullptr;
    }
}

void FontConfigPreload::Wait() {
    FontConfigPreload *active = ActivePreload();
    if (active != nullptr && active->reader_.joinable()) {
        active->reader_.join();
    }
}

} // namespace plenta
