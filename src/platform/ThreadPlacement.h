// SPDX-License-Identifier: GPL-3.0-or-later
// Where a helper thread runs: on another processor than the thread that starts it.
#pragma once

#include <thread>

namespace plenta {

// Lets `helper` run on any processor the process may use except the one the caller runs on now, where one
// is left; returns the processor left out, or -1 when the placement stays as it was (a single processor, or
// the system does not tell). Linux may start a new thread on its creator's processor, and did on the 2-core
// build machine: the two then took turns there through the first milliseconds while the other processor
// idled.
int KeepOffCallersProcessor(std::thread &helper);

} // namespace plenta
