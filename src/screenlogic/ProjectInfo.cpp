#include "screenlogic/ProjectInfo.h"

#include "project/NumberText.h"

#include <cstdio>

namespace quarvex {

namespace {

constexpr char kItemSeparator = '|';

std::vector<std::string> SplitItem(const std::string& item)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = item.find(kItemSeparator, start);
        if (at == std::string::npos) {
            parts.push_back(item.substr(start));
            return parts;
        }
        parts.push_back(item.substr(start, at - start));
        start = at + 1;
    }
}

void AddKeyIfNew(StringDict& list, const std::string& text)
{
    if (!text.empty() && !list.Exists(text))
        list.Add(text, std::string());
}

} // namespace

std::string DateText(int year, int month, int day)
{
    auto padded = [](int v, std::size_t width) {
        std::string s = IntegerText(v);
        return s.size() < width ? std::string(width - s.size(), '0') + s : s;
    };
    return padded(month, 2) + "-" + padded(day, 2) + "-" + padded(year, 4);
}

TitleFields LoadTitleFields(const Project& p, const std::string& today)
{
    TitleFields f;
    const std::string* values[kTitleFieldCount] = {
        &p.ProjectNumber, &p.Company,  &p.ProjectTitle, &p.CPTStation,  &p.StationOffset, nullptr,
        &p.StructNo,      &p.Latitude, &p.Longitude,    &p.ProjectDate, &p.CPTNo};
    for (int i = 0; i < kTitleFieldCount; ++i) {
        if (values[i] != nullptr && !values[i]->empty())
            f.texts[i] = *values[i];
    }
    if (p.GroundElevation != kNoElevation)
        f.texts[kFieldElevation] = ShortestForm(p.GroundElevation);
    // The stored comments are not loaded back: the file's title lines are offered.
    f.comments = p.FileHeader;

    for (const std::string& item : p.HistList[0].Items()) {
        const auto parts = SplitItem(item);
        for (int i = 0; i < 3 && i < static_cast<int>(parts.size()); ++i) {
            if (!parts[i].empty())
                f.lists[i].push_back(parts[i]);
        }
    }
    for (int list = 1; list <= 6; ++list)
        f.lists[kFieldStation + list - 1] = p.HistList[list].Keys();
    f.lists[kFieldDate].push_back(today);
    f.lists[kFieldCptNo] = p.HistList[7].Keys();
    return f;
}

TitlesStore StoreTitleFields(Project& p, const TitleTexts& t, const std::string& comments)
{
    p.ProjectNumber = t[kFieldProjectNumber];
    p.Company = t[kFieldCompany];
    p.ProjectTitle = t[kFieldProjectTitle];
    p.CPTStation = t[kFieldStation];
    p.StationOffset = t[kFieldOffset];

    // An empty project number is a key like any other.
    p.HistList[0].Set(t[kFieldProjectNumber], t[kFieldProjectNumber] + kItemSeparator + t[kFieldCompany] +
                                                  kItemSeparator + t[kFieldProjectTitle]);
    AddKeyIfNew(p.HistList[1], t[kFieldStation]);
    AddKeyIfNew(p.HistList[2], t[kFieldOffset]);

    const std::string& elevation = t[kFieldElevation];
    if (elevation.empty()) {
        p.GroundElevation = kNoElevation;
    } else {
        AddKeyIfNew(p.HistList[3], elevation);
        const auto value = ToSingle(elevation);
        if (!value) {
            TitlesStore refused;
            refused.ok = false;
            refused.message = Message{" Data Entry Error .. Please check your data ", " Data Entry Message",
                                      MsgIcon::Critical};
            refused.focusField = kFieldElevation;
            return refused;
        }
        p.GroundElevation = *value;
    }

    p.StructNo = t[kFieldStructNo];
    p.Latitude = t[kFieldLatitude];
    p.Longitude = t[kFieldLongitude];
    p.ProjectDate = t[kFieldDate];
    p.CPTNo = t[kFieldCptNo];
    p.Comments = comments;

    AddKeyIfNew(p.HistList[4], t[kFieldStructNo]);
    AddKeyIfNew(p.HistList[5], t[kFieldLatitude]);
    AddKeyIfNew(p.HistList[6], t[kFieldLongitude]);
    AddKeyIfNew(p.HistList[7], t[kFieldCptNo]);
    return TitlesStore{};
}

} // namespace quarvex
