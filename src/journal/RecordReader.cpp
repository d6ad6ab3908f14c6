// The record reader's road for lines not laid out as the program writes them: the general rules.
#include "journal/RecordReader.h"

namespace plenta {

bool RecordReader::ReadOther(std::string_view line, RecordFields &record) {
    const std::optional<RecordFields> read = ReadRecordByRules(line);
    if (read) {
        record = *read;
    }
    return read.has_value();
}

} // namespace plenta
