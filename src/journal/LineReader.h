// Hands out the lines of an open file as views into a large read buffer, so a scan makes one system call per
// block instead of one per byte and allocates nothing per line.
#pragma once

#include <string_view>
#include <vector>

namespace plenta {

class LineReader {
public:
    explicit LineReader(int fd);

    // The next line with its LF, or at the end the bytes after the last LF (without one). False when nothing
    // is left or a read failed; a view stays valid only until the next call.
    bool Next(std::string_view &line);

    // True when the loop ended on a read error rather than at the end of the file.
    bool Failed() const { return failed_; }

private:
    bool Fill();

    int fd_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t searched_ = 0; // bytes from begin_ already known to hold no LF
    bool eof_ = false;
    bool failed_ = false;
};

} // namespace plenta
