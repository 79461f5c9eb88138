#include "ui/shell/ViewerText.h"

#include <fstream>

namespace quarvex {

std::optional<std::string> ViewerText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in.is_open())
        return std::nullopt;
    const std::streamoff length = in.tellg();
    if (length <= 0)
        return std::nullopt;
    // The last byte of the file is never shown (usually the line feed of the
    // last line); a file of exactly 56001 bytes therefore gets the marker too.
    std::size_t n = static_cast<std::size_t>(length - 1);
    if (n > kViewerLimit)
        n = kViewerLimit;
    std::string text(n, '\0');
    in.seekg(0);
    if (n > 0 && !in.read(text.data(), static_cast<std::streamsize>(n)))
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
