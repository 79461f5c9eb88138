#pragma once
// The open-file screen's part of quarvex-batch: which reader takes the data
// file, which of its soundings is designed, and the readings put in the project.

#include "batch/BatchOptions.h"
#include "pipeline/Pipeline.h"

#include <optional>
#include <string>

namespace quarvex::batch {

// Reads o.input into the pipeline's project. A plain file goes through the
// pipeline's own read, so its output stays the screens' byte for byte; another
// format fills the readings and the project information the file carries.
// The refusal to print, if any.
std::optional<std::string> ReadDataFile(Pipeline& pipeline, const Options& o);

} // namespace quarvex::batch
