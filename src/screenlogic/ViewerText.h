#pragma once
// What the file viewer shows: the start of a data file, cut at a fixed length
// with a marker when there is more. Plain C++ so it is tested without windows.

#include "project/Message.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quarvex {

inline constexpr std::size_t kViewerLimit = 56000;
inline constexpr const char* kMoreDataMarker = " [ + more data in file ] ";

// The viewer's text: the first (length - 1) bytes of the file, at most 56000;
// when 56000 were taken the marker follows. Nothing when the file is empty or
// cannot be read.
std::optional<std::string> ViewerText(const std::string& path);

// The message shown when the viewer cannot show a file.
Message ViewerError();

} // namespace quarvex
