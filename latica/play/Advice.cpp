#include "Advice.h"

#include "CrossTitle.h"
#include "model/Random.h"

#include <algorithm>

AdvicePick PickAdvice(int stage, int face, int noOtherCross, Random& random)
{
    AdvicePick pick{0, face};
    switch (stage) {
    case 0: pick = {random.RandomFrom0(2), face + 1}; break;
    case 1: pick = {random.RandomFrom0(5), face}; break;
    case 2: pick = {random.RandomFrom0(8), face - 1}; break;
    case 3: pick = {random.RandomFrom0(4) + 6, face - 1}; break;
    case 4: pick = {random.RandomFrom0(4) + 9, face - 1}; break;
    case 5: pick = {random.RandomFrom0(3) + 11, face - 1}; break;
    case 6: pick = {15, 2}; break;
    case 7:
    case 8: pick = {random.RandomFrom0(2) + 16, 2}; break;
    default: pick = {19, 1}; break;
    }
    pick.face = std::clamp(pick.face, 1, 5);
    if (pick.kind == 9 && noOtherCross == 1) {
        do
            pick.kind = random.RandomFrom0(7) + 6;
        while (pick.kind == 9);
    }
    return pick;
}

int PrepareAdviceNames(int kind, const QString& word, int position, bool across, Random& random,
                       std::array<QString, 5>& names)
{
    if (kind == 0) {
        names[2] = word.mid(position - 1, 1);
        return kind;
    }
    if (kind != 1 && kind != 2 && kind != 7)
        return kind;
    const int length = int(word.size());
    const int k = random.RandomFrom1(length);
    if (k == position)
        kind = 0;
    names[1] = fullWidthNumber(k);
    names[2] = word.mid(k - 1, 1);
    if (length == 2) {
        if (kind == 1) {
            kind = 20;
            names[1] = k == 1 ? QStringLiteral("最初") : QStringLiteral("うしろ");
        } else if (kind == 2) {
            kind = names[2] == QStringLiteral("ン") && k == 2 ? 21 : 22;
        }
    }
    names[3] = across ? QStringLiteral("横") : QStringLiteral("縦");
    names[4] = across ? QStringLiteral("縦") : QStringLiteral("横");
    return kind;
}
