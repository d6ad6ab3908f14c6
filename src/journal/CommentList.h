// SPDX-License-Identifier: GPL-3.0-or-later
// The comments the form offers: every distinct comment of the journal, compared without regard to letter
// case, in the order of its first appearance.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {

class CommentList {
public:
    // A comment in 1252 bytes; an empty one or one already listed in any letter case is passed over. Only a
    // new comment allocates, so a scan of a long journal with a few comments allocates a few times. Most
    // records have no comment, so that test stays in the scan's loop.
    void Add(std::string_view comment1252) {
        if (!comment1252.empty()) {
            AddComment(comment1252);
        }
    }

    // The list in UTF-8.
    std::vector<std::string> Take();

private:
    struct Entry {
        std::uint32_t hash = 0;
        std::string folded;
    };

    // A comment of at most SHORT_BYTES bytes exactly as spelled, in two words and its length: a journal
    // repeats the same few spellings, and one seen before is passed over without folding a byte.
    struct Spelling {
        std::uint64_t head = 0;
        std::uint64_t tail = 0;
        std::size_t size = 0; // 0 in a free slot
        bool operator==(const Spelling &) const = default;
    };
    static constexpr std::size_t SHORT_BYTES = 16;
    static Spelling SpellingOf(std::string_view comment1252);

    void AddComment(std::string_view comment1252);
    void AddFolded(std::string_view comment1252);
    void Insert(std::uint32_t entry);
    // True when the spelling was there already; otherwise it is kept from now on.
    bool SeenBefore(const Spelling &spelling);
    std::size_t SlotOf(const Spelling &spelling) const;
    void Place(const Spelling &spelling);

    // Open addressing over a power-of-two table: each slot holds an index into entries_ plus 1, or 0 when
    // free; at most half the slots are used, so a look-up ends after a probe or two.
    std::vector<std::uint32_t> slots_;
    std::vector<Entry> entries_;        // the folded comments, in order
    std::vector<std::string> comments_; // 1252 bytes as first seen, in the same order
    // Open addressing as above, at most half full, over every short spelling met so far.
    std::vector<Spelling> spellings_;
    std::size_t spellingCount_ = 0;
};

} // namespace plenta
