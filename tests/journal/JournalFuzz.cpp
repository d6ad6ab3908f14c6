// libFuzzer target: any bytes as a journal must scan, save and delete without a crash, keep every cycle day
// and counter index in range, and never lose a line that is not a record of the edited date.
#include "JournalEdit.h"
#include "JournalScan.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path &Journal() {
    static const std::filesystem::path path = [] {
        std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("plenta-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return folder / "Plenta.txt";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace std::chrono;
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::ofstream(Journal(), std::ios::binary | std::ios::trunc) << bytes;
    const plenta::Date day = 2003y / April / 5d;
    if (const auto scan = plenta::LoadJournal(Journal(), day, 2003y / May / 1d)) {
        for (int i = 0; i < scan->table.count; ++i) {
            if (scan->table.points[static_cast<std::size_t>(i)].cycleDay > plenta::MAX_CYCLE_DAY) {
                std::abort();
            }
        }
    }
    plenta::SaveEntry(Journal(), plenta::EntryValues{day, 365, "SE", "fuzz"}, plenta::Durability::NoFsync);
    plenta::DeleteDayEntries(Journal(), day, plenta::Durability::NoFsync);
    return 0;
}
