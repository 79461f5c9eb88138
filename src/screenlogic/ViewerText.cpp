#include "screenlogic/ViewerText.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace quarvex {

std::optional<std::string> ViewerText(const std::string& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!in)
        return std::nullopt;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size == 0)
        return std::nullopt;
    const auto length = static_cast<long long>(size);
    // The last byte of the file is never shown (usually the line feed of the
    // last line); a file of exactly 56001 bytes therefore gets the marker too.
    std::size_t n = static_cast<std::size_t>(length - 1);
    if (n > kViewerLimit)
        n = kViewerLimit;
    std::string text(n, '\0');
    if (n > 0 && std::fread(text.data(), 1, n, in.get()) != n)
        return std::nullopt;
    if (n >= kViewerLimit)
        text += kMoreDataMarker;
    return text;
}

Message ViewerError()
{
    return Message{"Could not read data from file", "Open File Error", MsgIcon::Critical};
}

} // namespace quarvex
