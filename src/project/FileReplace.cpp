#include "project/FileReplace.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace quarvex {

std::optional<ReplacementPlan> PlanReplacement(const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return ReplacementPlan{path, ""};
    if (fs::exists(status) && ::access(path.c_str(), W_OK) != 0)
        return std::nullopt;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        target = fs::canonical(path, ec);
        if (ec)
            return std::nullopt;
    }
    return ReplacementPlan{target.string() + ".part~", target.string()};
}

bool CompleteReplacement(const ReplacementPlan& plan)
{
    if (plan.finalName.empty())
        return true;
    namespace fs = std::filesystem;
    std::error_code ec;
    // The earlier file's permissions carry over to the new one.
    const fs::file_status old = fs::status(plan.finalName, ec);
    if (fs::exists(old))
        fs::permissions(plan.writeName, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(plan.writeName, plan.finalName, ec);
    if (!ec)
        return true;
    DropReplacement(plan);
    return false;
}

void DropReplacement(const ReplacementPlan& plan)
{
    if (plan.finalName.empty())
        return;
    std::error_code ec;
    std::filesystem::remove(plan.writeName, ec);
}

} // namespace quarvex
