#pragma once
// The one place that knows every data file format. A new format is one reader
// class and one line in the table of Readers.cpp.

#include "input/Sounding.h"

#include <span>
#include <string>
#include <string_view>

namespace quarvex {

// How much of a file ChooseReader is shown.
inline constexpr std::size_t kSniffBytes = 8192;

// Every reader, in the order they are asked whether a file is theirs.
std::span<const SoundingReader* const> SoundingReaders();

// The first reader that recognises these opening bytes; the plain reader when
// no other does.
const SoundingReader* ChooseReader(std::string_view firstBytes);

// The reader for a file by its opening bytes, or nullptr when it cannot be read.
const SoundingReader* ChooseReaderForFile(const std::string& path);

// The reader whose Key() is `key` (any case), or nullptr.
const SoundingReader* FindReader(std::string_view key);

// Reads a file with the reader `format` names ("gef", "ags", "table", "plain"),
// or with the one its content calls for when `format` is "auto", whatever its
// extension. `options` apply to the plain format only.
ReadOutcome ReadSoundingFile(const std::string& path, std::string_view format = "auto",
                             const ReadOptions& options = {});

} // namespace quarvex
