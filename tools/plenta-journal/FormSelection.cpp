// Reproduces the form refresh's reset and the comment box's select-by-prefix on the scan's results.
#include "FormSelection.h"

#include <string_view>

namespace plenta {
namespace {

// Folds ASCII letters and the Latin-1 capitals (UTF-8 C3 80 to C3 9E, except the multiplication sign) to
// lower case, which covers every letter a Windows-1252 journal can hold apart from a handful of rare ones.
std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto c = static_cast<unsigned char>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            folded[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        }
    }
    return folded;
}

} // namespace

DaySelection SelectionAsShown(const DaySelection &selection, const std::vector<std::string> &comments) {
    DaySelection shown = selection;
    if (!shown.hasEntry) {
        shown.temperature = DEFAULT_TEMPERATURE;
        shown.comment.clear();
        shown.marks.clear();
        return shown;
    }
    if (shown.comment.empty()) {
        return shown;
    }
    const std::string prefix = FoldCase(shown.comment);
    for (const std::string &item : comments) {
        if (FoldCase(item).starts_with(prefix)) {
            shown.comment = item;
            break;
        }
    }
    return shown;
}

} // namespace plenta
