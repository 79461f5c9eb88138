#include "input/formats/Readers.h"

#include "input/formats/AgsReader.h"
#include "input/formats/GefReader.h"
#include "input/formats/PlainReader.h"
#include "input/formats/TableReader.h"
#include "input/formats/TextScan.h"

#include <array>
#include <cstdio>

namespace quarvex {

std::span<const SoundingReader* const> SoundingReaders()
{
    // Readers hold no state, so one instance each serves every thread.
    static const formats::GefReader gef;
    static const formats::AgsReader ags;
    static const formats::TableReader table;
    static const formats::PlainReader plain;
    // The heading-row reader comes last of the self-describing formats: its
    // recognition is a guess, theirs is a signature. The plain reader takes
    // every file, so it is asked last.
    static const std::array<const SoundingReader*, 4> readers = {&gef, &ags, &table, &plain};
    return readers;
}

const SoundingReader* ChooseReader(std::string_view firstBytes)
{
    for (const SoundingReader* r : SoundingReaders())
        if (r->Recognises(firstBytes))
            return r;
    return nullptr;
}

const SoundingReader* FindReader(std::string_view key)
{
    for (const SoundingReader* r : SoundingReaders())
        if (formats::EqualsNoCase(r->Key(), key))
            return r;
    return nullptr;
}

const SoundingReader* ChooseReaderForFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return nullptr;
    std::string head(kSniffBytes, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), f));
    std::fclose(f);
    return ChooseReader(head);
}

ReadOutcome ReadSoundingFile(const std::string& path, std::string_view format, const ReadOptions& options)
{
    const SoundingReader* reader = nullptr;
    if (formats::EqualsNoCase(format, "auto")) {
        reader = ChooseReaderForFile(path);
        if (!reader)
            return {{}, formats::FileError(path, "the file cannot be opened or read")};
    } else {
        reader = FindReader(format);
        if (!reader) {
            std::string known;
            for (const SoundingReader* r : SoundingReaders())
                known += ", " + std::string(r->Key());
            return {{}, "unknown file format '" + std::string(format) + "' (known: auto" + known + ")"};
        }
    }
    return reader->Read(path, options);
}

} // namespace quarvex
