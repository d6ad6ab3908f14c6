// Case-folded 1252 bytes as the set's key make the lookup one hash of the comment, with no conversion.
#include "CommentList.h"

#include "CodePage.h"

namespace plenta {

void CommentList::Add(std::string_view comment1252) {
    if (comment1252.empty()) {
        return;
    }
    scratch_.resize(comment1252.size());
    for (std::size_t i = 0; i < comment1252.size(); ++i) {
        scratch_[i] = static_cast<char>(FoldCase1252(static_cast<unsigned char>(comment1252[i])));
    }
    if (folded_.find(std::string_view(scratch_)) != folded_.end()) {
        return;
    }
    folded_.insert(scratch_);
    comments_.emplace_back(comment1252);
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
