#pragma once
// Text exports with a heading row (contractors' CSV, TSV or semicolon files):
// the heading names depth, cone resistance and sleeve friction, in English or
// Dutch, with the units in the heading ("qc [MPa]", "fs (kPa)", "depth (ft)").
// The heading must be the first line for the file to be recognised; read on
// demand, lines before it are passed over as titles.

#include "input/formats/TextScan.h"

namespace quarvex::formats {

class TableReader final : public TextFormatReader {
public:
    std::string_view Name() const override { return "Table"; }
    std::string_view Key() const override { return "table"; }
    bool Recognises(std::string_view firstBytes) const override;

protected:
    ReadOutcome Parse(std::string_view text, const std::string& path) const override;
};

} // namespace quarvex::formats
