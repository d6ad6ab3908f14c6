// Runs the built plenta-journal binary as a user would and captures what it prints; plus scratch folders.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace plenta::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Environment changes for one run: a value replaces the variable, nullopt-like "unset" removes it.
struct EnvSetting {
    std::string name;
    std::string value;
    bool unset = false;
};

// Runs the tool with the arguments (without the program name) and waits for it.
ToolResult RunTool(const std::vector<std::string> &args, const std::vector<EnvSetting> &env = {});

// A fresh folder under the system's temporary folder, removed with everything in it at the end of the test.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path &file);
void WriteBytes(const std::filesystem::path &file, const std::string &bytes);

} // namespace plenta::test
