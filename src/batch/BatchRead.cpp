#include "batch/BatchRead.h"

#include "input/SoundingProject.h"
#include "input/formats/Readers.h"
#include "project/NumberText.h"

namespace quarvex::batch {

namespace {

std::string SoundingIds(const ReadOutcome& out)
{
    std::string ids;
    for (const Sounding& s : out.Soundings)
        ids += (ids.empty() ? "" : ", ") + s.Info.Name;
    return ids;
}

} // namespace

std::optional<std::string> ReadDataFile(Pipeline& pipeline, const Options& o)
{
    const SoundingReader* reader = o.format == "auto" ? ChooseReaderForFile(o.input) : FindReader(o.format);
    // A file that cannot be opened at all is the plain reader's to report, as
    // the open-file screen does.
    if (reader == nullptr)
        reader = FindReader("plain");

    if (reader->Key() == "plain") {
        const Message read = pipeline.Read(o.input, o.titleLines, static_cast<Integer>(o.units));
        if (pipeline.project().ReadError != False)
            return read.text;
        return std::nullopt;
    }

    const ReadOutcome out = reader->Read(o.input, ReadOptions{});
    if (!out.Ok())
        return out.Error;
    const Sounding* chosen = nullptr;
    if (o.sounding) {
        for (const Sounding& s : out.Soundings)
            if (s.Info.Name == *o.sounding)
                chosen = &s;
        if (chosen == nullptr)
            return o.input + ": no sounding '" + *o.sounding + "' in the file; it holds " + SoundingIds(out);
    } else if (out.Soundings.size() == 1) {
        chosen = &out.Soundings.front();
    } else {
        return o.input + ": the file holds " + IntegerText(static_cast<long long>(out.Soundings.size())) +
               " soundings; choose one with --sounding ID: " + SoundingIds(out);
    }

    Project& p = pipeline.project();
    ResetOpenFileDefaults(p);
    p.DataFileName = o.input;
    p.DataFileNum = NextFreeFileNumber(p);
    ApplySounding(p, *chosen);
    return std::nullopt;
}

} // namespace quarvex::batch
