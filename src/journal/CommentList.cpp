// Case-folded 1252 bytes as the key, hashed as they are folded and compared folding on the way, make the
// look-up one short loop and a probe or two, with no conversion, no division and no copy of a comment seen
// before.
#include "journal/CommentList.h"

#include "journal/CodePage.h"

#include <algorithm>
#include <array>
#include <string>

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

} // namespace

void CommentList::AddComment(std::string_view comment1252) {
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
