// SPDX-License-Identifier: GPL-3.0-or-later
// Which symbolic links on the way to the journal may be followed: a link leads the journal's reads and
// rewrites out of its folder, so one planted by another user or pointing at a file that is no journal is
// refused.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace plenta {

// A link that is refused, and why: `link` names it, `reason` reads after it ("'link' is ...").
struct RefusedLink {
    std::filesystem::path link;
    std::string reason;
};

// Walks the journal path's links in its last component as ResolveJournalTarget does and refuses, as the
// kernel's protected-symlinks rule does, a link in a sticky folder anyone may write to unless the folder's
// owner or the user running this program owns it; and a link whose final target exists, is not empty and
// does not begin with the journal's header line. A plain file, and a dangling link where the rule lets it be
// followed, pass. Nothing when the journal may be used.
std::optional<RefusedLink> RefuseJournalLinks(const std::filesystem::path &journal);

} // namespace plenta
