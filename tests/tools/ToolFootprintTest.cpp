// SPDX-License-Identifier: GPL-3.0-or-later
// What the tool costs beyond its output: the commands other than chart load no Qt library, and the scan's
// memory stays small whatever a line's length.
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace plenta::test {
namespace {

const std::string HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";

TEST(ToolFootprint, LoadsNoQtLibrary) {
    // The dynamic loader lists every library the tool needs, as ldd does, and ends before main().
    const ToolResult listed = RunTool({}, {{"LD_TRACE_LOADED_OBJECTS", "1"}});
    EXPECT_NE(listed.out.find("libc.so"), std::string::npos) << listed.out;
    EXPECT_EQ(listed.out.find("libQt"), std::string::npos) << listed.out;
}

TEST(ToolFootprint, AFiftyMegabyteLineKeepsTheScanSmall) {
    const TempFolder folder;
    const std::string records = "2003/04/01,36.5,1,\r\n2003/04/02,36.6,S,alk\r\n2003/04/05,36.9,E,\r\n";
    // A record with a 100-kB comment lies beyond the line bound too: it is skipped like any malformed line.
    const std::string hugeRecord = "2003/04/03,36.7,X," + std::string(100'000, 'k') + "\r\n";
    WriteBytes(folder / "small.txt", HEADER + records);
    WriteBytes(folder / "huge.txt", HEADER + std::string(50'000'000, 'x') + "\r\n" + hugeRecord + records);
    const std::vector<std::string> stats{"--today", "2003-04-10", "stats"};
    const auto run = [&](const std::string &journal) {
        std::vector<std::string> args{"--journal", (folder / journal).string()};
        args.insert(args.end(), stats.begin(), stats.end());
        return RunTool(args);
    };
    const ToolResult small = run("small.txt");
    const ToolResult huge = run("huge.txt");
    ASSERT_EQ(small.exitCode, 0) << small.err;
    ASSERT_EQ(huge.exitCode, 0) << huge.err;
    EXPECT_EQ(huge.out, small.out);
    // Holding the line would take 50 MB and more; the bounded buffer takes a fraction of one.
    EXPECT_LT(huge.peakKilobytes - small.peakKilobytes, 8 * 1024)
        << huge.peakKilobytes << " kB against " << small.peakKilobytes << " kB";
}

} // namespace
} // namespace plenta::test
