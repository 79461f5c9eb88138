#pragma once
// Cleaning the readings before they are plotted and classified.

#include "project/Project.h"

namespace quarvex {

struct ConeMaxima {
    Single MaxTip = 0;
    Single MaxSleeve = 0;
    Single MaxRatio = 0;
};

// Tips <= 0 become 1.0, sleeves < 0 become 0, RatioData = sleeve x 100 / tip capped
// at 20, ElevData = GroundElevation - depth when an elevation was entered.
// Returns the largest tip, sleeve and ratio after cleaning.
ConeMaxima CleanReadings(Project& p);

} // namespace quarvex
