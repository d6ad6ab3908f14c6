// The scan's short cuts must give what the general rules give: the date read eight bytes at a time, and the
// comment list's own hash table as it grows.
#include "journal/CommentList.h"
#include "journal/JournalRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace plenta {
namespace {

TEST(FastPathTest, DateKeyAgreesWithAtoiWhateverByteStandsAnywhere) {
    const std::string written = "2003/04/05,36.5,S,\r\n";
    // Digits, the separators around them, and bytes one bit away from a digit or a separator.
    const std::string bytes{'0', '5', '9', '/', ':', '-', ' ', '\0', '\xB0', '\xB9', '\xAF', '\x10', '\x3F'};
    for (std::size_t position = 0; position <= 11; ++position) {
        for (const char byte : bytes) {
            std::string line = written;
            line[position] = byte;
            const std::int64_t key =
                std::int64_t{AtoiAt(line, 0)} * 10000 + AtoiAt(line, 5) * 100 + AtoiAt(line, 8);
            const std::int64_t general = std::clamp<std::int64_t>(key, INT32_MIN, INT32_MAX);
            EXPECT_EQ(DateKey(line), general) << "byte " << static_cast<int>(byte) << " at " << position;
        }
    }
    EXPECT_EQ(DateKey("2003/04/05"), 20030405) << "ten bytes: too short for the short cut";
}

TEST(FastPathTest, CommentListKeepsHundredsOfCommentsApart) {
    CommentList list;
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        const std::string comment = "tag" + std::to_string(i) + "\xE4";
        list.Add(comment);
        list.Add("");
        expected.push_back("tag" + std::to_string(i) + "ä");
    }
    for (int i = 299; i >= 0; --i) {
        list.Add("TAG" + std::to_string(i) + "\xC4");
    }
    EXPECT_EQ(list.Take(), expected);
}

} // namespace
} // namespace plenta
