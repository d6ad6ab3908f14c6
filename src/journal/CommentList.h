// The comments the form offers: every distinct comment of the journal, compared without regard to letter
// case, in the order of its first appearance.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace plenta {

class CommentList {
public:
    // A comment in 1252 bytes; an empty one or one already listed in any letter case is passed over. Only a
    // new comment allocates, so a scan of a long journal with a few comments allocates a few times.
    void Add(std::string_view comment1252);

    // The list in UTF-8.
    std::vector<std::string> Take();

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    std::unordered_set<std::string, Hash, std::equal_to<>> folded_;
    std::vector<std::string> comments_; // 1252 bytes as first seen
    std::string scratch_;
};

} // namespace plenta
