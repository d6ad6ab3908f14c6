// SPDX-License-Identifier: GPL-3.0-or-later
// Lines handed out across block boundaries, longer than a block, and the bytes after the last LF.
#include "journal/LineReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace plenta {
namespace {

// Every line the reader hands out for the file, read with this size hint and line bound.
std::vector<std::string> ReadAllLines(const std::filesystem::path &file, std::size_t hint,
                                      std::size_t bound = std::numeric_limits<std::size_t>::max()) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    EXPECT_GE(fd, 0);
    LineReader reader(fd, hint, bound);
    std::vector<std::string> read;
    std::string_view line;
    while (reader.Next(line)) {
        read.emplace_back(line);
    }
    EXPECT_FALSE(reader.Failed());
    ::close(fd);
    return read;
}

TEST(LineReaderTest, ReturnsEveryLineWhateverItsLength) {
    const std::vector<std::string> lines{
        "kurz\r\n",  std::string(10000, 'a') + "\r\n", "\n", std::string(300000, 'b') + "\n", "x\r\n",
        "ohne Ende",
    };
    std::string text;
    for (const std::string &line : lines) {
        text += line;
    }
    test::TempFolder folder;
    test::WriteBytes(folder / "j", text);
    for (const std::size_t hint : {std::size_t{0}, std::size_t{100}, text.size()}) {
        EXPECT_EQ(ReadAllLines(folder / "j", hint), lines) << hint;
    }
}

TEST(LineReaderTest, PassesOverLinesBeyondTheBound) {
    constexpr std::size_t BOUND = 1000;
    // Beyond the bound in one block, and beyond a whole block (256 KiB), where the reader drops what it
    // holds.
    const std::string head =
        "kopf\r\n" + std::string(2000, 'a') + "\r\nkurz\r\n" + std::string(300000, 'b') + "\nx\n";
    const std::vector<std::string> headLines{"kopf\r\n", "\n", "kurz\r\n", "\n", "x\n"};
    const struct {
        std::string tail;
        bool kept;
    } cases[] = {{"ende", true}, {std::string(5000, 'c'), false}};
    test::TempFolder folder;
    for (const auto &c : cases) {
        test::WriteBytes(folder / "j", head + c.tail);
        std::vector<std::string> expected = headLines;
        if (c.kept) {
            expected.push_back(c.tail);
        }
        for (const std::size_t hint : {std::size_t{0}, head.size() + c.tail.size()}) {
            EXPECT_EQ(ReadAllLines(folder / "j", hint, BOUND), expected)
                << hint << ", tail of " << c.tail.size();
        }
    }
}

TEST(LineReaderTest, FindsNoLineEndBeyondTheBytesRead) {
    // Short lines over several 4 KiB blocks: each refill leaves bytes of the block before behind the new
    // data, LFs among them, where the reader's look-ahead window reaches.
    for (const std::string tail : {"", "x", "ohne Ende", "noch eine Zeile ohne ihr Ende"}) {
        std::vector<std::string> lines;
        std::string text;
        for (int i = 0; text.size() < 3 * 4096; ++i) {
            lines.push_back(std::to_string(i % 7 == 0 ? i * 1000 : i) + "\r\n");
            text += lines.back();
        }
        if (!tail.empty()) {
            lines.push_back(tail);
            text += tail;
        }
        test::TempFolder folder;
        test::WriteBytes(folder / "j", text);
        EXPECT_EQ(ReadAllLines(folder / "j", 0), lines) << tail;
    }
}

} // namespace
} // namespace plenta
