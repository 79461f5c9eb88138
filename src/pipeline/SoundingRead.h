#pragma once
// Reading a data file of any format into the project: the one road the
// open-file screen and the batch command share. A plain file is only
// recognised here; its title lines and units are the user's choice, so it is
// read by Pipeline::ReadChosenFile as it always was.

#include "input/Sounding.h"
#include "project/Message.h"

#include <string>
#include <string_view>

namespace quarvex {

struct SoundingFile {
    std::string Path;
    const SoundingReader* Reader = nullptr; // never null after ReadSounding
    ReadOutcome Outcome;                    // a self-describing file's soundings, or its refusal
    bool Plain() const;
    bool Ok() const { return Plain() || Outcome.Ok(); }
};

// The reader `format` names ("gef", "ags", "table", "plain") or, for "auto",
// the one the file's content calls for; a file that cannot be opened is the
// plain reader's to report. Reads every sounding of a self-describing file.
SoundingFile ReadSounding(const std::string& path, std::string_view format = "auto");

// The sounding of that name, or nullptr.
const Sounding* FindSounding(const SoundingFile& file, const std::string& name);

// The names of the soundings, comma-separated, in file order.
std::string SoundingNames(const SoundingFile& file);

// What the open-file screen reports after a sounding was taken: format,
// sounding name, readings (and how many the file marked void), depth range and
// units, in the file's own units.
Message SoundingReport(const std::string& path, const Sounding& s);

// Why the title lines and unit choices were not used for this sounding.
std::string SoundingFormatNote(const Sounding& s);

} // namespace quarvex
