#pragma once
// The program's own plain reading file: title lines, then depth, qc and fs per
// line. Nothing in such a file says what it is, so this reader takes whatever no
// other reader recognises; the title lines and units are the user's choice.

#include "input/Sounding.h"

namespace quarvex::formats {

class PlainReader final : public SoundingReader {
public:
    std::string_view Name() const override { return "Plain"; }
    std::string_view Key() const override { return "plain"; }
    bool Recognises(std::string_view) const override { return true; }
    // The plain reading of the open-file screen, so its refusals are that
    // screen's texts, word for word.
    ReadOutcome Read(const std::string& path, const ReadOptions& options) const override;
};

} // namespace quarvex::formats
