#pragma once
// The project information entry: which texts and lists its fields start with,
// and what OK stores. Plain C++ beside Frm_Titles so the rules are tested
// without a window.

#include "project/Message.h"
#include "project/Project.h"

#include <array>
#include <string>
#include <vector>

namespace quarvex {

// The fields cmbTitle(0..10), in index order.
enum TitleField {
    kFieldProjectNumber = 0,
    kFieldCompany = 1,
    kFieldProjectTitle = 2,
    kFieldStation = 3,
    kFieldOffset = 4,
    kFieldElevation = 5,
    kFieldStructNo = 6,
    kFieldLatitude = 7,
    kFieldLongitude = 8,
    kFieldDate = 9,
    kFieldCptNo = 10,
    kTitleFieldCount = 11
};

using TitleTexts = std::array<std::string, kTitleFieldCount>;

struct TitleFields {
    TitleTexts texts;
    std::string comments;
    std::array<std::vector<std::string>, kTitleFieldCount> lists;
};

// Today's date in the form the date field offers: MM-DD-YYYY.
std::string DateText(int year, int month, int day);

// What the fields hold when the screen loads: the project's values, the title
// lines of the data file as comments, and the history lists.
TitleFields LoadTitleFields(const Project& p, const std::string& today);

struct TitlesStore {
    bool ok = true;
    Message message;     // when refused
    int focusField = -1; // the field to focus when refused
};

// OK: stores the texts into the project and the history lists, in the order
// the screen has always done it. A ground elevation that is not a number stops
// after the first five fields and their history (the typed text is remembered
// in the elevation history all the same).
TitlesStore StoreTitleFields(Project& p, const TitleTexts& texts, const std::string& comments);

} // namespace quarvex
