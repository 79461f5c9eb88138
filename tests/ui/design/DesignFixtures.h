#pragma once
// Soundings for the design screen tests, brought to the design screen's door
// as the screens before it do: read, cleaned, the step table classified.

#include "design/DesignRun.h"
#include "project/Project.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>

namespace quarvex::testing {

inline const char* const kSample11 = "11_us_alameda_ALC017_ft-tsf_spaces.txt";
inline const char* const kSample12 = "12_us_alameda_ALC008_ft-tsf_tab.txt";

// A real English-unit sounding from the samples with project information
// filled in; NumSteps is 0 when it could not be read.
Project DesignReadyProject(const std::string& sampleFile, int titleLines);
// The same for a data file at any path (a test's own variant of a sample).
Project DesignReadyProjectAt(const std::string& path, int titleLines);

// Sample 11 designed for a 14-inch square pile from 10 to 60 ft (no layer entry,
// tip option 1), its output file at `outputFile`; NumSteps is 0 when it could
// not be read, and the outcome says how the run ended.
DesignOutcome DesignSample11(Project& p, const std::string& outputFile);

// A made-up table of `steps` steps of 0.328 ft with tips rising with depth.
Project SmallStepTable(int steps);

std::string ReadWholeFile(const QString& path);

#ifdef QUARVEX_BATCH
// quarvex-batch options for the data file and project information of a project.
QStringList BatchProjectArgs(const Project& project);
// Runs quarvex-batch; empty when it succeeded, its error text otherwise.
std::string RunBatch(const QStringList& args);
#endif

template <class T> T* Find(QWidget& root, const QString& name)
{
    if (root.objectName() == name)
        if (auto* self = qobject_cast<T*>(&root))
            return self;
    return root.findChild<T*>(name);
}

} // namespace quarvex::testing
