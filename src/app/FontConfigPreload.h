// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the font configuration on a second thread while the application object and the main window are being
// built, so that the first text the form lays out finds it read. Reading /etc/fonts is the largest single
// step of a start; it does not depend on anything the main thread does before the first text.
#pragma once

#include <thread>

namespace plenta {

class FontConfigPreload {
public:
    // Starts the read. Without a thread the first text reads the configuration itself, as it always may.
    FontConfigPreload();
    // Waits for the read, if it is still running.
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload &) = delete;
    FontConfigPreload &operator=(const FontConfigPreload &) = delete;

    // Waits for the read of the preload that is alive, if any; called before the first text is laid out, so
    // that the two threads never read the configuration both.
    static void Wait();

private:
    std::thread reader_;
};

} // namespace plenta
