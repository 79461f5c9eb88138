#include "batch/BatchRead.h"

#include "pipeline/SoundingRead.h"
#include "project/NumberText.h"

namespace quarvex::batch {

std::optional<std::string> ReadDataFile(Pipeline& pipeline, const Options& o)
{
    const SoundingFile file = ReadSounding(o.input, o.format);
    if (file.Plain()) {
        const Message read = pipeline.Read(o.input, o.titleLines, static_cast<Integer>(o.units));
        if (pipeline.project().ReadError != False)
            return read.text;
        return std::nullopt;
    }
    if (!file.Outcome.Ok())
        return file.Outcome.Error;

    const Sounding* chosen = nullptr;
    if (o.sounding) {
        chosen = FindSounding(file, *o.sounding);
        if (chosen == nullptr)
            return o.input + ": no sounding '" + *o.sounding + "' in the file; it holds " +
                   SoundingNames(file);
    } else if (file.Outcome.Soundings.size() == 1) {
        chosen = &file.Outcome.Soundings.front();
    } else {
        return o.input + ": the file holds " +
               IntegerText(static_cast<long long>(file.Outcome.Soundings.size())) +
               " soundings; choose one with --sounding ID: " + SoundingNames(file);
    }

    pipeline.OpenFileDefaults();
    pipeline.ChooseFile(o.input);
    pipeline.UseSounding(*chosen);
    return std::nullopt;
}

} // namespace quarvex::batch
