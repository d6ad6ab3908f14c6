// SPDX-License-Identifier: GPL-3.0-or-later
// A helper thread kept off its starter's processor; see ThreadPlacement.h.
#include "platform/ThreadPlacement.h"

#include <cstddef>
#include <pthread.h>
#include <sched.h>

namespace plenta {

int KeepOffCallersProcessor(std::thread &helper) {
    const int current = sched_getcpu();
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (current < 0 || current >= CPU_SETSIZE || !helper.joinable() ||
        sched_getaffinity(0, sizeof allowed, &allowed) != 0) {
        return -1;
    }
    // The set's macros index by size_t; the processor number was checked to lie within the set above.
    const auto processor = static_cast<std::size_t>(current);
    if (!CPU_ISSET(processor, &allowed)) {
        return -1;
    }
    CPU_CLR(processor, &allowed);
    if (CPU_COUNT(&allowed) == 0 ||
        pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed) != 0) {
        return -1;
    }
    return current;
}

} // namespace plenta
