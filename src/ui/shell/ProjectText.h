#pragma once
// Project texts are bytes. Those typed on the screens are UTF-8; those read
// from a data file (the title lines) are whatever the file holds, usually
// 8-bit Windows-1252, and the output file writes them as they are. The
// screens show such bytes decoded one way and hand back the very same bytes
// for a text the user left alone, so the desktop writes what the batch
// command writes for the same file.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace quarvex {

// UTF-8 when the bytes are well-formed UTF-8, otherwise Windows-1252 (the
// five bytes it leaves unassigned show as the C1 controls of the same code).
QString ShowProjectText(std::string_view bytes);

// The bytes for a text taken from a screen box: the first of `shownFrom`
// whose shown text it is (a text the user did not change keeps its bytes),
// otherwise the text in UTF-8.
std::string ProjectTextBytes(const QString& text, const std::vector<std::string>& shownFrom);

} // namespace quarvex
