#pragma once
// Files the program writes go to a part file beside the named one and replace it
// only when complete, so that a failed write never destroys the earlier file.

#include <optional>
#include <string>

namespace quarvex {

struct ReplacementPlan {
    std::string writeName; // where the text is written
    std::string finalName; // the file it then replaces; empty when written in place
};

// How to write `path`: through a part file for a regular file (an existing one
// must be writable, as opening it would require; a symbolic link is followed so
// that the link stays), in place for a device or pipe such as /dev/null, where a
// rename would replace the device itself. Nothing when the name is refused.
std::optional<ReplacementPlan> PlanReplacement(const std::string& path);

// Puts the finished part file in place (nothing to do when written in place);
// false when that failed, and the part file is then removed.
bool CompleteReplacement(const ReplacementPlan& plan);

// Removes the part file of an abandoned write.
void DropReplacement(const ReplacementPlan& plan);

} // namespace quarvex
