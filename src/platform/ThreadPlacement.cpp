// SPDX-License-Identifier: GPL-3.0-or-later
// A helper thread kept off its starter's processor; see ThreadPlacement.h.
#include "platform/ThreadPlacement.h"

#include <pthread.h>
#include <sched.h>

namespace plenta {

int KeepOffCallersProcessor(std::thread &helper) {
    const int current = sched_getcpu();
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (current < 0 || current >= CPU_SETSIZE || !helper.joinable() ||
        sched_getaffinity(0, sizeof allowed, &allowed) != 0 || !CPU_ISSET(current, &allowed)) {
        return -1;
    }
    CPU_CLR(current, &allowed);
    if (CPU_COUNT(&allowed) == 0 ||
        pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed) != 0) {
        return -1;
    }
    return current;
}

} // namespace plenta
