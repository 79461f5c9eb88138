#pragma once
// Hand-made step tables for the design tests: depths grow by 0.328 ft from
// 0.164 ft by repeated single-precision addition, as the classification builds them.

#include "design/DesignRun.h"
#include "project/NumberText.h"
#include "project/Project.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace quarvex::testing {

struct StepRow {
    float tip = 10;
    float sleeve = 0.1F;
    float sand = 50, silt = 30, clay = 20; // percent
};

inline Project StepTable(const std::vector<StepRow>& rows)
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    p.StepSize = 0.328F;
    p.NumSteps = static_cast<Integer>(rows.size());
    for (Array1<Single>* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepElev, &p.StepRatio, &p.PctSand,
                              &p.PctSilt, &p.PctClay})
        a->Redim(p.NumSteps);
    for (int i = 1; i <= p.NumSteps; ++i) {
        const StepRow& r = rows[static_cast<std::size_t>(i - 1)];
        p.StepDepth[i] = i == 1 ? p.StepSize / 2 : p.StepDepth[i - 1] + p.StepSize;
        p.StepTip[i] = r.tip;
        p.StepSleeve[i] = r.sleeve;
        p.PctSand[i] = r.sand;
        p.PctSilt[i] = r.silt;
        p.PctClay[i] = r.clay;
    }
    p.GroundElevation = kNoElevation;
    return p;
}

inline Project UniformTable(int n, StepRow row)
{
    return StepTable(std::vector<StepRow>(static_cast<std::size_t>(n), row));
}

// A pile as the design screen leaves it after its checks.
inline void SquarePile(Project& p, float inches, float top, float tip)
{
    p.PileType = 9;
    p.PileShape = 0;
    p.PileSize = inches / 12;
    p.PileTopDepth = top;
    p.PileTipDepth = tip;
}

// Scripted answers to the design run's questions.
class ScriptedQuestions : public DesignQuestions {
public:
    std::function<bool(Project&)> layers = [](Project&) { return true; };
    std::function<void(Project&)> tip = [](Project&) {};
    int layerCalls = 0;
    int tipCalls = 0;

    bool EnterSoilLayers(Project& p) override
    {
        ++layerCalls;
        return layers(p);
    }
    void ChooseTipOption(Project& p) override
    {
        ++tipCalls;
        tip(p);
    }
};

inline std::string ReadWholeFile(const std::string& path)
{
    std::string s;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            s.append(buf, n);
        std::fclose(f);
    }
    return s;
}

} // namespace quarvex::testing
