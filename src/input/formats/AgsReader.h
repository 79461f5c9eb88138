#pragma once
// AGS4 files, the British and offshore exchange format: quoted comma-separated
// rows "GROUP", "HEADING", "UNIT", "TYPE", "DATA". Cone readings come from group
// SCPT, one sounding per location (LOCA_ID), its pushes (SCPG_TESN) joined in
// depth order; ground level and coordinates from LOCA, the project from PROJ.

#include "input/formats/TextScan.h"

namespace quarvex::formats {

class AgsReader final : public TextFormatReader {
public:
    std::string_view Name() const override { return "AGS4"; }
    std::string_view Key() const override { return "ags"; }
    bool Recognises(std::string_view firstBytes) const override;

protected:
    ReadOutcome Parse(std::string_view text, const std::string& path) const override;
};

} // namespace quarvex::formats
