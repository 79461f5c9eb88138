#include "design/Methods.h"

#include "design/DeRuiter.h"
#include "design/DesignCommon.h"
#include "design/Lcpc.h"
#include "design/Schmertmann.h"

namespace quarvex {

namespace {

MethodTable BuildDefaultMethods()
{
    MethodTable t;
    t.push_back({"Lcpc", "LCPC", "LCPC Method",
                 [](Project& p, const MethodRunInputs& in) {
                     RunLcpc(p, in.topCutoff, in.layers, in.soil, in.trace);
                 },
                 [](Project& p) {
                     return MethodArrays{&p.LcpcEndBearing, &p.LcpcFriction, &p.LcpcUltimate};
                 },
                 [](Project& p) {
                     return MethodArrays{&p.CorrLcpcEndBearing, &p.CorrLcpcFriction, &p.CorrLcpcUltimate};
                 }});
    t.push_back(
        {"Schm", "Schmertmann", "Schmertmann Method",
         [](Project& p, const MethodRunInputs& in) { RunSchmertmann(p, in.topCutoff, in.layers, in.trace); },
         [](Project& p) {
             return MethodArrays{&p.SchmEndBearing, &p.SchmFriction, &p.SchmUltimate};
         },
         [](Project& p) {
             return MethodArrays{&p.CorrSchmEndBearing, &p.CorrSchmFriction, &p.CorrSchmUltimate};
         }});
    t.push_back(
        {"DeRuiter", "de Ruiter and Beringen", "de Ruiter and Beringen Method",
         [](Project& p, const MethodRunInputs& in) {
             RunDeRuiter(p, in.topCutoff, in.layers, in.schmertmannBox, in.soil, in.trace);
         },
         [](Project& p) {
             return MethodArrays{&p.DeRuiterEndBearing, &p.DeRuiterFriction, &p.DeRuiterUltimate};
         },
         [](Project& p) {
             return MethodArrays{&p.CorrDeRuiterEndBearing, &p.CorrDeRuiterFriction, &p.CorrDeRuiterUltimate};
         }});
    t.push_back({"Avg",
                 "Average",
                 "Average",
                 {},
                 [](Project& p) {
                     return MethodArrays{&p.AvgEndBearing, &p.AvgFriction, &p.AvgUltimate};
                 },
                 [](Project& p) {
                     return MethodArrays{&p.CorrAvgEndBearing, &p.CorrAvgFriction, &p.CorrAvgUltimate};
                 }});
    return t;
}

// The mean of one array over the methods, summed in table order: for the three
// methods that is the same Single as (Schmertmann + LCPC + de Ruiter) / 3, since
// a float sum of two terms does not depend on their order.
void Average(const std::vector<const Array1<Single>*>& from, Array1<Single>& to, int n)
{
    const Single count = static_cast<Single>(from.size());
    for (int i = 1; i <= n; ++i) {
        Single sum = 0;
        bool first = true;
        for (const Array1<Single>* a : from) {
            sum = first ? (*a)[i] : sum + (*a)[i];
            first = false;
        }
        to[i] = sum / count;
    }
}

} // namespace

const MethodTable& DefaultMethods()
{
    static const MethodTable table = BuildDefaultMethods();
    return table;
}

void RedimResults(Project& p, const MethodTable& methods, int n)
{
    for (const MethodEntry& m : methods) {
        const MethodArrays a = m.results(p);
        for (Array1<Single>* x : {a.endBearing, a.friction, a.ultimate})
            x->Redim(n);
    }
}

void RunMethods(Project& p, const MethodTable& methods, const MethodRunInputs& in)
{
    std::vector<MethodArrays> computed;
    for (const MethodEntry& m : methods) {
        const MethodArrays out = m.results(p);
        if (!m.IsAverage()) {
            m.run(p, in);
            RequireFinite(*out.endBearing, *out.friction, *out.ultimate, p.NumSteps);
            computed.push_back(out);
            continue;
        }
        if (computed.empty())
            throw DesignError("an average of no method");
        std::vector<const Array1<Single>*> eb, fr, ul;
        for (const MethodArrays& c : computed) {
            eb.push_back(c.endBearing);
            fr.push_back(c.friction);
            ul.push_back(c.ultimate);
        }
        Average(eb, *out.endBearing, p.NumSteps);
        Average(fr, *out.friction, p.NumSteps);
        Average(ul, *out.ultimate, p.NumSteps);
        RequireFinite(*out.endBearing, *out.friction, *out.ultimate, p.NumSteps);
    }
}

MethodArrays ExtraResults(Project& p, const std::string& key)
{
    MethodStore& s = p.ExtraMethodResults[key];
    return {&s.EndBearing, &s.Friction, &s.Ultimate};
}

MethodArrays ExtraCorrected(Project& p, const std::string& key)
{
    MethodStore& s = p.ExtraMethodResults[key];
    return {&s.CorrEndBearing, &s.CorrFriction, &s.CorrUltimate};
}

} // namespace quarvex
