// SPDX-License-Identifier: GPL-3.0-or-later
// Case-folded 1252 bytes as the key, hashed as they are folded and compared folding on the way, make the
// look-up one short loop and a probe or two, with no conversion, no division and no copy of a comment seen
// before.
#include "journal/CommentList.h"

#include "journal/CodePage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>

namespace plenta {

namespace {

constexpr std::size_t FIRST_SLOTS = 16;

constexpr std::array<unsigned char, 256> FOLD_TABLE = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = FoldCase1252(static_cast<unsigned char>(byte));
    }
    return table;
}();

// FNV-1a over the folded bytes.
constexpr std::uint32_t FNV_OFFSET = 2166136261U;
constexpr std::uint32_t FNV_PRIME = 16777619U;

// A listed comment's folded bytes against a new comment's bytes, folded on the way.
bool FoldedEqual(std::string_view folded, std::string_view comment1252) {
    return folded.size() == comment1252.size() &&
           std::equal(folded.begin(), folded.end(), comment1252.begin(), [](char listed, char byte) {
               return listed == static_cast<char>(FOLD_TABLE[static_cast<unsigned char>(byte)]);
           });
}

template <typename Word> std::uint64_t Load(const char *bytes) {
    Word word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

} // namespace

CommentList::Spelling CommentList::SpellingOf(std::string_view comment1252) {
    // The first and the last bytes of the comment, overlapping where it is short: with the length they hold
    // every byte, and no byte is read beyond the comment.
    const char *bytes = comment1252.data();
    const std::size_t size = comment1252.size();
    if (size >= 8) {
        return {Load<std::uint64_t>(bytes), Load<std::uint64_t>(bytes + size - 8), size};
    }
    if (size >= 4) {
        return {Load<std::uint32_t>(bytes), Load<std::uint32_t>(bytes + size - 4), size};
    }
    const auto byte = [&](std::size_t at) {
        return std::uint64_t{static_cast<unsigned char>(bytes[at])};
    };
    return {byte(0) | byte(size / 2) << 8 | byte(size - 1) << 16, 0, size};
}

std::size_t CommentList::SlotOf(const Spelling &spelling) const {
    const std::uint64_t mixed =
        (spelling.head * 0x9E3779B97F4A7C15U) ^ (spelling.tail * 0xC2B2AE3D27D4EB4FU) ^ spelling.size;
    return (mixed ^ mixed >> 32) & (spellings_.size() - 1);
}

bool CommentList::SeenBefore(const Spelling &spelling) {
    if (!spellings_.empty()) {
        const std::size_t mask = spellings_.size() - 1;
        std::size_t slot = SlotOf(spelling);
        for (; spellings_[slot].size != 0; slot = (slot + 1) & mask) {
            if (spellings_[slot] == spelling) {
                return true;
            }
        }
        if ((spellingCount_ + 1) * 2 <= spellings_.size()) {
            spellings_[slot] = spelling;
            ++spellingCount_;
            return false;
        }
    }
    // Twice the size, every spelling placed again; a journal spells its comments a few ways, so this happens
    // a few times.
    const std::vector<Spelling> kept =
        std::exchange(spellings_, std::vector<Spelling>(std::max(FIRST_SLOTS, spellings_.size() * 2)));
    for (const Spelling &known : kept) {
        if (known.size != 0) {
            Place(known);
        }
    }
    Place(spelling);
    ++spellingCount_;
    return false;
}

void CommentList::Place(const Spelling &spelling) {
    const std::size_t mask = spellings_.size() - 1;
    std::size_t slot = SlotOf(spelling);
    while (spellings_[slot].size != 0) {
        slot = (slot + 1) & mask;
    }
    spellings_[slot] = spelling;
}

void CommentList::AddComment(std::string_view comment1252) {
    if (comment1252.size() <= SHORT_BYTES) {
        if (!SeenBefore(SpellingOf(comment1252))) {
            AddFolded(comment1252);
        }
        return;
    }
    AddFolded(comment1252);
}

void CommentList::AddFolded(std::string_view comment1252) {
    std::uint32_t hash = FNV_OFFSET;
    for (const char byte : comment1252) {
        hash = (hash ^ FOLD_TABLE[static_cast<unsigned char>(byte)]) * FNV_PRIME;
    }
    if (!slots_.empty()) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
            const Entry &entry = entries_[slots_[slot] - 1];
            if (entry.hash == hash && FoldedEqual(entry.folded, comment1252)) {
                return;
            }
        }
    }
    // Only a comment not seen before is folded into a string of its own.
    std::string folded(comment1252.size(), '\0');
    std::transform(comment1252.begin(), comment1252.end(), folded.begin(),
                   [](char byte) { return static_cast<char>(FOLD_TABLE[static_cast<unsigned char>(byte)]); });
    entries_.push_back(Entry{hash, std::move(folded)});
    comments_.emplace_back(comment1252);
    if (entries_.size() * 2 > slots_.size()) {
        // Rebuild at twice the size; a journal holds few distinct comments, so this happens a few times.
        slots_.assign(std::max(FIRST_SLOTS, slots_.size() * 2), 0);
        for (std::uint32_t i = 0; i < entries_.size(); ++i) {
            Insert(i);
        }
    } else {
        Insert(static_cast<std::uint32_t>(entries_.size() - 1));
    }
}

void CommentList::Insert(std::uint32_t entry) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = entries_[entry].hash & mask;
    while (slots_[slot] != 0) {
        slot = (slot + 1) & mask;
    }
    slots_[slot] = entry + 1;
}

std::vector<std::string> CommentList::Take() {
    std::vector<std::string> list;
    list.reserve(comments_.size());
    for (const std::string &comment : comments_) {
        list.push_back(Cp1252ToUtf8(comment));
    }
    return list;
}

} // namespace plenta
