// Which advice the adviser gives, and the talk variables it quotes.
#include <gtest/gtest.h>

#include "model/Random.h"
#include "play/Advice.h"

#include <set>

namespace {

TEST(Advice, EachStageDrawsFromItsRangeWithItsFace)
{
    struct Row { int low, high, faceStep, face; };  // face 0: the step from the face now
    const Row table[] = {{0, 2, +1, 0}, {0, 5, 0, 0}, {0, 8, -1, 0}, {6, 10, -1, 0}, {9, 13, -1, 0},
                         {11, 14, -1, 0}, {15, 15, 0, 2}, {16, 18, 0, 2}, {16, 18, 0, 2}, {19, 19, 0, 1}};
    Random random;
    random.seed(11);
    for (int stage = 0; stage <= 10; ++stage) {
        const Row& row = table[std::min(stage, 9)];
        std::set<int> kinds;
        for (int i = 0; i < 300; ++i) {
            const int face = 1 + i % 5;
            const AdvicePick pick = PickAdvice(stage, face, 0, random);
            kinds.insert(pick.kind);
            EXPECT_EQ(pick.face, row.face ? row.face : std::clamp(face + row.faceStep, 1, 5)) << "stage " << stage;
        }
        EXPECT_EQ(*kinds.begin(), row.low) << "stage " << stage;
        EXPECT_EQ(*kinds.rbegin(), row.high) << "stage " << stage;
        EXPECT_EQ(int(kinds.size()), row.high - row.low + 1) << "every kind of the range comes";
    }
}

TEST(Advice, KindNineIsNotGivenOnceNoOtherPuzzleIsLeft)
{
    Random random;
    random.seed(5);
    int nines = 0;
    for (int i = 0; i < 500; ++i) {
        nines += PickAdvice(4, 3, 0, random).kind == 9;
        const int kind = PickAdvice(4, 3, 1, random).kind;
        EXPECT_NE(kind, 9);
        EXPECT_TRUE(kind >= 6 && kind <= 13) << kind;
    }
    EXPECT_GT(nines, 0);
}

TEST(Advice, TheVariablesNameTheRealLetterAndItsPlace)
{
    Random random;
    random.seed(3);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        for (int kind : {0, 1, 2, 7}) {
            // A two-cell down word ending in ン, and a three-cell across word.
            for (const QString& word : {QStringLiteral("カン"), QStringLiteral("ネコト")}) {
                const int position = 1 + i % int(word.size());
                std::array<QString, 5> names;
                const int out = PrepareAdviceNames(kind, word, position, word.size() == 3, random, names);
                seen.insert(out);
                if (out == 0) {
                    EXPECT_EQ(names[2], word.mid(position - 1, 1));
                    continue;
                }
                int place = names[1] == QStringLiteral("最初") ? 1 : names[1] == QStringLiteral("うしろ") ? 2
                                                                                                   : names[1].at(0).unicode() - 0xFF10;
                EXPECT_NE(place, position) << "the cursor's own place gives kind 0";
                EXPECT_EQ(names[2], word.mid(place - 1, 1));
                EXPECT_EQ(out == 20, word.size() == 2 && kind == 1);
                EXPECT_EQ(out == 21, word.size() == 2 && kind == 2 && place == 2);
                EXPECT_EQ(out == 22, word.size() == 2 && kind == 2 && place == 1);
                EXPECT_EQ(names[3], word.size() == 3 ? QStringLiteral("横") : QStringLiteral("縦"));
                EXPECT_EQ(names[4], word.size() == 3 ? QStringLiteral("縦") : QStringLiteral("横"));
            }
        }
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 7, 20, 21, 22}));
}

} // namespace
