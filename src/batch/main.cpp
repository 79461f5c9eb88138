// quarvex-batch: the design of one pile from one CPT data file, without screens,
// or of one pile over the soundings of a site ("quarvex-batch site ...").
// A single run walks the screens' road with the options standing for the
// choices made on them, and writes the same output file.

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/Site.h"
#include "design/Verification.h"
#include "project/Memory.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Put(std::FILE* to, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

int UsageError(const std::string& error)
{
    Put(stderr, "quarvex-batch: " + error + "\nTry 'quarvex-batch --help' for more information.\n");
    return quarvex::batch::kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace quarvex::batch;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options)
        return UsageError(error);
    if (options->help) {
        Put(stdout, HelpText());
        return kExitOk;
    }
    if (options->verify) {
        const auto cases = quarvex::RunVerification();
        Put(stdout, quarvex::VerificationReport(cases));
        return quarvex::AllPassed(cases) ? kExitOk : kExitRefused;
    }
    if (options->site) {
        quarvex::KeepFreedMemoryForReuse();
        return SiteCommand(*options);
    }
    if (const auto clash = OutputClash(*options))
        return UsageError(*clash);

    const RunResult r = RunDesign(*options);
    Put(stderr, r.err);
    Put(stdout, r.out);
    return r.status;
}
