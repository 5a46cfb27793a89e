#pragma once
#include <vector>

// The adviser: a shown cast whose picture is swapped among hidden face casts.
struct GalFaceSet {
    int GalCast = 0;
    int GalFaceCount = 0;
    int GalFaceNo = 0;
    std::vector<int> GalFaces; // indexed 1..GalFaceCount
};
