#pragma once

// Cast numbers of the scenes: the family of the opening (rows 1 sister, 2 brother,
// 3 father, 4 mother; column 0 the shown cast, 1..5 the faces) and the play stage's casts.
struct SceneCasts {
    int FamilyCast[5][6] = {};
    int AdviserCast = 0;
    int BackSpriteCast = 0;
    int CloudCast = 0;
};
