#include "DesignFixtures.h"

#include "design/DesignRun.h"
#include "pipeline/Pipeline.h"

#include <QProcess>

#include <fstream>
#include <sstream>

namespace quarvex::testing {

Project DesignReadyProject(const std::string& sampleFile, int titleLines)
{
    return DesignReadyProjectAt(std::string(QUARVEX_FIELD_DIR) + "/" + sampleFile, titleLines);
}

Project DesignReadyProjectAt(const std::string& path, int titleLines)
{
    Project p;
    CreateHistoryLists(p);
    Pipeline pipeline(p);
    pipeline.Read(path, titleLines, kUnitsEnglish);
    if (p.ReadError != False) {
        p.NumSteps = 0;
        return p;
    }
    p.ProjectNumber = "PN-4711";
    p.Company = "Ostrin Lab";
    p.ProjectTitle = "Bridge over Bayou Teche";
    p.CPTStation = "12+50";
    p.StationOffset = "25 ft Rt";
    p.StructNo = "S-88";
    p.ProjectDate = "12/10/2026";
    p.CPTNo = "CPT-3";
    p.Latitude = "37.77";
    p.Longitude = "-122.28";
    p.Comments = p.FileHeader;
    pipeline.Clean();
    if (pipeline.BuildSteps())
        p.NumSteps = 0;
    return p;
}

DesignOutcome DesignSample11(Project& p, const std::string& outputFile)
{
    struct NoQuestions : DesignQuestions {
        bool EnterSoilLayers(Project&) override { return true; }
        void ChooseTipOption(Project& q) override { q.TipOption = 0; }
    } questions;
    p = DesignReadyProject(kSample11, 9);
    p.PileType = 9;
    p.PileShape = 0;
    p.PileSizeText = "14";
    p.PileSize = 14.0F / 12;
    p.PileTopDepth = 10;
    p.PileTipDepth = 60;
    p.OutputFileName = outputFile;
    DesignRunInputs in;
    in.topText = "10";
    return RunDesign(p, in, questions).outcome;
}

Project SmallStepTable(int steps)
{
    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    InitHeader(p);
    p.UnitSystem = kUnitsEnglish;
    p.StepSize = 0.328F;
    p.NumSteps = static_cast<Integer>(steps);
    for (Array1<Single>* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepElev, &p.StepRatio, &p.PctSand,
                              &p.PctSilt, &p.PctClay})
        a->Redim(steps);
    for (int i = 1; i <= steps; ++i) {
        p.StepDepth[i] = 0.164F + 0.328F * static_cast<Single>(i - 1);
        p.StepTip[i] = 10.0F + 0.1F * static_cast<Single>(i);
        p.StepSleeve[i] = 0.2F;
        p.StepRatio[i] = 2;
        p.PctSand[i] = 40;
        p.PctSilt[i] = 40;
        p.PctClay[i] = 20;
    }
    return p;
}

std::string ReadWholeFile(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

#ifdef QUARVEX_BATCH
QStringList BatchProjectArgs(const Project& project)
{
    return {QString::fromStdString(project.DataFileName),
            QString("--title-lines=%1").arg(project.NumTitleLines),
            "--units=ft-tsf",
            "--project-number=" + QString::fromStdString(project.ProjectNumber),
            "--company=" + QString::fromStdString(project.Company),
            "--title=" + QString::fromStdString(project.ProjectTitle),
            "--station=" + QString::fromStdString(project.CPTStation),
            "--offset=" + QString::fromStdString(project.StationOffset),
            "--struct-no=" + QString::fromStdString(project.StructNo),
            "--latitude=" + QString::fromStdString(project.Latitude),
            "--longitude=" + QString::fromStdString(project.Longitude),
            "--date=" + QString::fromStdString(project.ProjectDate),
            "--cpt-no=" + QString::fromStdString(project.CPTNo)};
}

std::string RunBatch(const QStringList& args)
{
    QProcess batch;
    batch.start(QUARVEX_BATCH, args);
    if (!batch.waitForFinished(60000))
        return "batch did not finish";
    if (batch.exitCode() != 0)
        return batch.readAllStandardError().toStdString();
    return {};
}
#endif

} // namespace quarvex::testing
