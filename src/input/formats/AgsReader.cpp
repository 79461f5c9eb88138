#include "input/formats/AgsReader.h"

#include "project/NumberText.h"

#include <algorithm>
#include <map>

namespace quarvex::formats {

namespace {

struct Row {
    std::vector<std::string> Fields; // without the leading "DATA"
    int Line = 0;
};

struct Group {
    std::string Name;
    int Line = 0; // of its GROUP row
    std::vector<std::string> Headings;
    int HeadingLine = 0;
    std::vector<std::string> Units;
    int UnitLine = 0;
    std::vector<Row> Rows;

    // Column of a heading, or -1.
    int Find(std::string_view heading) const
    {
        for (std::size_t k = 0; k < Headings.size(); ++k)
            if (Headings[k] == heading)
                return static_cast<int>(k);
        return -1;
    }
    std::string_view UnitOf(int column) const
    {
        return column >= 0 && static_cast<std::size_t>(column) < Units.size() ? Units[column]
                                                                              : std::string_view();
    }
};

std::string_view At(const Row& row, int column)
{
    return column >= 0 && static_cast<std::size_t>(column) < row.Fields.size()
               ? std::string_view(row.Fields[column])
               : std::string_view();
}

std::string ReadGroups(const std::vector<TextLine>& lines, const std::string& path,
                       std::vector<Group>& groups)
{
    Group* current = nullptr;
    for (const TextLine& line : lines) {
        if (TrimBlanks(line.Text).empty())
            continue;
        auto fields = SplitDelimited(line.Text, ',');
        if (!fields)
            return LineError(path, line.Number, "a quoted field is not closed");
        const std::string kind = (*fields)[0];
        fields->erase(fields->begin());
        if (kind == "GROUP") {
            if (fields->empty() || fields->front().empty())
                return LineError(path, line.Number, "GROUP row without a group name");
            for (const Group& g : groups)
                if (g.Name == fields->front())
                    return LineError(path, line.Number,
                                     "group " + g.Name + " appears a second time (first at line " +
                                         DecimalText(g.Line) + ")");
            groups.push_back(Group{fields->front(), line.Number, {}, 0, {}, 0, {}});
            current = &groups.back();
            continue;
        }
        if (kind != "HEADING" && kind != "UNIT" && kind != "TYPE" && kind != "DATA")
            return LineError(path, line.Number,
                             "row begins with '" + kind + "', not GROUP, HEADING, UNIT, TYPE or DATA");
        if (!current)
            return LineError(path, line.Number, kind + " row before any GROUP row");
        if (kind == "HEADING") {
            current->Headings = std::move(*fields);
            current->HeadingLine = line.Number;
            continue;
        }
        if (current->Headings.empty())
            return LineError(path, line.Number,
                             kind + " row of group " + current->Name + " before its HEADING row");
        if (fields->size() != current->Headings.size())
            return LineError(path, line.Number,
                             kind + " row has " + DecimalText(static_cast<long long>(fields->size())) +
                                 " fields where the HEADING row of group " + current->Name + " has " +
                                 DecimalText(static_cast<long long>(current->Headings.size())));
        if (kind == "UNIT") {
            current->Units = std::move(*fields);
            current->UnitLine = line.Number;
        } else if (kind == "DATA") {
            current->Rows.push_back(Row{std::move(*fields), line.Number});
        }
    }
    return {};
}

const Group* FindGroup(const std::vector<Group>& groups, std::string_view name)
{
    for (const Group& g : groups)
        if (g.Name == name)
            return &g;
    return nullptr;
}

struct Push {
    std::string Test;
    std::vector<Single> Depth, Tip, Sleeve;
    std::vector<int> Lines;
};

struct Location {
    std::string Id;
    int FirstLine = 0;
    std::vector<Push> Pushes; // in file order
    std::int32_t Dropped = 0;
};

} // namespace

bool AgsReader::Recognises(std::string_view firstBytes) const
{
    std::string_view t = StripBom(firstBytes);
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\r' || t.front() == '\n'))
        t.remove_prefix(1);
    return t.starts_with("\"GROUP\"");
}

ReadOutcome AgsReader::Parse(std::string_view text, const std::string& path) const
{
    std::vector<Group> groups;
    if (std::string e = ReadGroups(SplitLines(text), path, groups); !e.empty())
        return {{}, e};

    const Group* scpt = FindGroup(groups, "SCPT");
    if (!scpt)
        return {{}, FileError(path, "the AGS4 group SCPT (cone readings) is missing")};
    const Group* loca = FindGroup(groups, "LOCA");
    if (!loca)
        return {{}, FileError(path, "the AGS4 group LOCA (locations) is missing")};

    const int locCol = scpt->Find("LOCA_ID");
    const int testCol = scpt->Find("SCPG_TESN");
    const int depthCol = scpt->Find("SCPT_DPTH");
    const int tipCol = scpt->Find("SCPT_RES");
    const int sleeveCol = scpt->Find("SCPT_FRES");
    for (auto [column, heading] : {std::pair{locCol, "LOCA_ID"}, std::pair{depthCol, "SCPT_DPTH (depth)"},
                                   std::pair{tipCol, "SCPT_RES (cone resistance)"},
                                   std::pair{sleeveCol, "SCPT_FRES (sleeve friction)"}})
        if (column < 0)
            return {{},
                    LineError(path, scpt->HeadingLine, std::string("group SCPT has no heading ") + heading)};
    if (scpt->UnitLine == 0)
        return {{},
                LineError(path, scpt->Line, "group SCPT has no UNIT row, so its units cannot be checked")};
    Unit units[3] = {};
    int k = 0;
    for (int column : {depthCol, tipCol, sleeveCol}) {
        const Unit u = ParseUnit(scpt->UnitOf(column));
        const bool length = column == depthCol;
        if (length ? u != Unit::Metre : (u != Unit::MPa && u != Unit::KPa))
            return {{},
                    LineError(path, scpt->UnitLine,
                              "unit '" + std::string(scpt->UnitOf(column)) + "' of " +
                                  scpt->Headings[column] + " cannot be converted; Quarvex reads " +
                                  (length ? "m" : "MN/m2 (MPa) or kN/m2 (kPa)"))};
        units[k++] = u;
    }

    const int locaId = loca->Find("LOCA_ID");
    const int locaGl = loca->Find("LOCA_GL");
    if (locaId < 0)
        return {{}, LineError(path, loca->HeadingLine, "group LOCA has no heading LOCA_ID")};
    if (locaGl >= 0 && !loca->UnitOf(locaGl).empty() && ParseUnit(loca->UnitOf(locaGl)) != Unit::Metre)
        return {{},
                LineError(path, loca->UnitLine,
                          "unit '" + std::string(loca->UnitOf(locaGl)) +
                              "' of LOCA_GL cannot be converted; Quarvex reads m")};

    std::vector<Location> locations;
    for (const Row& row : scpt->Rows) {
        const std::string_view id = At(row, locCol);
        auto loc =
            std::find_if(locations.begin(), locations.end(), [&](const Location& l) { return l.Id == id; });
        if (loc == locations.end()) {
            locations.push_back(Location{std::string(id), row.Line, {}, 0});
            loc = locations.end() - 1;
        }
        const std::string_view values[3] = {At(row, depthCol), At(row, tipCol), At(row, sleeveCol)};
        if (values[0].empty() || values[1].empty() || values[2].empty()) {
            ++loc->Dropped; // AGS leaves a field empty where there is no value
            continue;
        }
        Single reading[3] = {};
        for (int c = 0; c < 3; ++c) {
            const auto v = ValueIn(values[c], units[c]);
            if (!v)
                return {{},
                        LineError(path, row.Line,
                                  scpt->Headings[c == 0   ? depthCol
                                                 : c == 1 ? tipCol
                                                          : sleeveCol] +
                                      " value '" + std::string(values[c]) + "' is not a number")};
            reading[c] = *v;
        }
        const std::string_view test = At(row, testCol);
        auto push = std::find_if(loc->Pushes.begin(), loc->Pushes.end(),
                                 [&](const Push& p) { return p.Test == test; });
        if (push == loc->Pushes.end()) {
            loc->Pushes.push_back(Push{std::string(test), {}, {}, {}, {}});
            push = loc->Pushes.end() - 1;
        }
        push->Depth.push_back(reading[0]);
        push->Tip.push_back(reading[1]);
        push->Sleeve.push_back(reading[2]);
        push->Lines.push_back(row.Line);
    }

    SoundingInfo project;
    if (const Group* proj = FindGroup(groups, "PROJ"); proj && !proj->Rows.empty()) {
        const Row& row = proj->Rows.front();
        project.ProjectNumber = At(row, proj->Find("PROJ_ID"));
        project.ProjectTitle = At(row, proj->Find("PROJ_NAME"));
        // The contractor did the test; the client stands in when no contractor is named.
        project.Company = At(row, proj->Find("PROJ_CONT"));
        if (project.Company.empty())
            project.Company = At(row, proj->Find("PROJ_CLNT"));
    }

    ReadOutcome out;
    for (Location& loc : locations) {
        const Row* where = nullptr;
        for (const Row& row : loca->Rows)
            if (At(row, locaId) == loc.Id) {
                where = &row;
                break;
            }
        if (!where)
            return {{},
                    LineError(path, loc.FirstLine,
                              "location '" + loc.Id + "' has readings in SCPT but no row in group LOCA")};
        for (const Push& p : loc.Pushes)
            if (std::string e = CheckDepthOrder(p.Depth, p.Lines, path); !e.empty())
                return {{}, e};
        std::stable_sort(loc.Pushes.begin(), loc.Pushes.end(),
                         [](const Push& a, const Push& b) { return a.Depth.front() < b.Depth.front(); });
        Sounding s;
        s.UnitSystem = kUnitsSI;
        s.Info = project;
        s.Info.Name = loc.Id;
        s.Info.X = At(*where, loca->Find("LOCA_NATE"));
        s.Info.Y = At(*where, loca->Find("LOCA_NATN"));
        s.Info.Date = At(*where, loca->Find("LOCA_STAR"));
        if (const std::string_view gl = At(*where, locaGl); !gl.empty()) {
            const auto level = ToDouble(gl);
            if (!level)
                return {
                    {},
                    LineError(path, where->Line, "LOCA_GL value '" + std::string(gl) + "' is not a number")};
            s.Info.GroundLevelM = *level;
        }
        s.DroppedReadings = loc.Dropped;
        for (std::size_t i = 0; i < loc.Pushes.size(); ++i) {
            const Push& p = loc.Pushes[i];
            // Pushes that overlap would interleave two records of the same depths;
            // which one holds is the engineer's call, not the reader's.
            if (!s.Depth.empty() && p.Depth.front() < s.Depth.back())
                return {{},
                        LineError(path, p.Lines.front(),
                                  "push " + p.Test + " of location '" + loc.Id + "' starts at " +
                                      ShortestForm(p.Depth.front()) + " m, above the end of push " +
                                      loc.Pushes[i - 1].Test + " at " + ShortestForm(s.Depth.back()) +
                                      " m; overlapping pushes cannot be joined")};
            s.Depth.insert(s.Depth.end(), p.Depth.begin(), p.Depth.end());
            s.Tip.insert(s.Tip.end(), p.Tip.begin(), p.Tip.end());
            s.Sleeve.insert(s.Sleeve.end(), p.Sleeve.begin(), p.Sleeve.end());
        }
        if (!s.Depth.empty())
            out.Soundings.push_back(std::move(s));
    }
    return out;
}

} // namespace quarvex::formats
