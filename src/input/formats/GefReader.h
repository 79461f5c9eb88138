#pragma once
// GEF-CPT files (GEF 1.x), the Dutch and Belgian exchange format: a header of
// "#KEY= values" lines up to "#EOH=", then the data block.

#include "input/formats/TextScan.h"

namespace quarvex::formats {

class GefReader final : public TextFormatReader {
public:
    std::string_view Name() const override { return "GEF"; }
    std::string_view Key() const override { return "gef"; }
    bool Recognises(std::string_view firstBytes) const override;

protected:
    ReadOutcome Parse(std::string_view text, const std::string& path) const override;
};

} // namespace quarvex::formats
