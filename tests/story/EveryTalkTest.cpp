// Every talk the story's flows can show: the numbers they compute, checked against the
// calls written in the story script, each read from the program folder's talk data and
// printed by the talk engine.
#include "StoryFixture.h"

#include "form/Clock.h"
#include "form/Cp932.h"
#include "talk/TalkData.h"
#include "talk/TalkText.h"

#include <QRegularExpression>
#include <QTimer>
#include <map>
#include <set>
#include <string>

namespace {

const QString kStory = QStringLiteral(LATICA_SOURCE_DIR "/latica/story/Story.cpp");

// Talks shown by a fixed number.
const std::set<int> kFixedTalks = {
    1211, 1212, 1213, 1223, 1231, 1232, 1243,          // shared waits, closes, menus
    1301, 1302, 1311, 1312, 1321, 1331, 1332, 1333,    // RunOpening
    1401, 1421, 1501,                                  // BeginPlay
    1601, 1615, 1731,                                  // RunEnding
    1801, 1915,                                        // ChangeCross
    2101, 2115, 2121,                                  // AnswerOpen
    2401, 2525, 2535, 2613,                            // ScoreResult
    2801, 3011,                                        // GiveAdvice
    3121,                                              // TimeOutEnding
    3261,                                              // TimedTalk
};

// Talks shown as base + Adviser.
constexpr int kContinuedBase = 1430;  // BeginPlay goes on into the talk stored after these
const std::set<int> kAdviserBases = {
    1410, kContinuedBase, 1510,  // BeginPlay
    1610, 1720,          // RunEnding
    1910,                // ChangeCross
    2110,                // AnswerOpen
    2300,                // ScoreCross
    2510, 2520, 2530,    // ScoreResult
    3000,                // GiveAdvice
    3100, 3110,          // TimeOutEnding
    3250,                // TimedTalk
};

// Talks shown as base + 4 × k + Adviser, with the highest k the flow can draw.
const std::map<int, int> kVariantBases = {
    {1700, 2},   // RunEnding: the menu answer 0..2
    {1900, 1},   // ChangeCross, nothing left: first time 0, again 1
    {2000, 2},   // ChangeCross: the menu answer 0..2
    {2200, 6},   // AnswerOpen: the verdict 0..6
    {2500, 1},   // ScoreResult: solved at the first scoring 0, later 1
    {2600, 2},   // ScoreResult: the menu answer 0..2
    {2700, 3},   // ScoreResult: wrong cells at scoring 1, 2, 3, 4 and later
    {2900, 22},  // GiveAdvice: kinds 0..19 drawn, 20..22 for a two-cell word
    {3200, 10},  // TimedTalk: milestones 0..4, a cheer 5, idle remarks 6..10
};

std::set<int> reachableTalks()
{
    std::set<int> talks = kFixedTalks;
    for (int base : kAdviserBases)
        for (int adviser = 1; adviser <= 4; ++adviser)
            talks.insert(base + adviser);
    for (const auto& [base, lastVariant] : kVariantBases)
        for (int k = 0; k <= lastVariant; ++k)
            for (int adviser = 1; adviser <= 4; ++adviser)
                talks.insert(base + 4 * k + adviser);
    return talks;
}

// The numbers of `a` that `b` lacks, for a failure message.
std::string lacking(const std::set<int>& a, const std::set<int>& b)
{
    std::string out;
    for (int n : a)
        if (!b.contains(n))
            out += std::to_string(n) + ' ';
    return out;
}

// The story script's statements hold exactly the talk calls listed above: a new call, or
// one whose number changed, fails here until the lists say which talks it can show.
TEST(EveryTalk, ListsMatchTheCallsOfTheStory)
{
    static const QRegularExpression call(
        QStringLiteral(R"(\b(?:AdviserTalk|ChangeGalFaceWithTalk|LeaveWithTalk)\(([^,()]*))"));
    static const QRegularExpression fixed(QStringLiteral(R"(^(\d{4})$)"));
    static const QRegularExpression perAdviser(QStringLiteral(R"(^game\.Adviser \+ (\d{4})$)"));
    static const QRegularExpression perVariant(QStringLiteral(R"(^game\.Adviser \+ 4 \* \w+ \+ (\d{4})$)"));
    // The wrappers hand their number on; 0 goes on into the talk stored after the last one.
    static const QStringList passedOn = {QStringLiteral("int n"), QStringLiteral("int talk"),
                                         QStringLiteral("game"), QStringLiteral("talk"), QStringLiteral("0")};
    const QStringList lines = form::splitLines(QString::fromUtf8(testsupport::readFile(kStory)));
    ASSERT_FALSE(lines.isEmpty());
    std::set<int> fixedFound, adviserFound, variantFound;
    for (const QString& line : lines) {
        const QString statement = line.trimmed();
        if (statement.startsWith(QStringLiteral("//")) || statement.startsWith(QStringLiteral("':")))
            continue;
        for (auto it = call.globalMatch(statement); it.hasNext();) {
            const QString argument = it.next().captured(1).trimmed();
            if (const auto m = fixed.match(argument); m.hasMatch())
                fixedFound.insert(m.captured(1).toInt());
            else if (const auto m = perAdviser.match(argument); m.hasMatch())
                adviserFound.insert(m.captured(1).toInt());
            else if (const auto m = perVariant.match(argument); m.hasMatch())
                variantFound.insert(m.captured(1).toInt());
            else
                EXPECT_TRUE(passedOn.contains(argument))
                    << "a talk number the lists cannot follow: " << statement.toStdString();
        }
    }
    std::set<int> variantListed;
    for (const auto& entry : kVariantBases)
        variantListed.insert(entry.first);
    const std::pair<const std::set<int>&, const std::set<int>&> kinds[] = {
        {fixedFound, kFixedTalks}, {adviserFound, kAdviserBases}, {variantFound, variantListed}};
    for (const auto& [found, listed] : kinds) {
        EXPECT_EQ(lacking(found, listed), "") << "called in the story, missing from the lists";
        EXPECT_EQ(lacking(listed, found), "") << "listed, but no call in the story shows it";
    }
}

class EveryTalkTest : public StoryFixture {
protected:
    EveryTalkTest()
    {
        window.tmrKumi.setEnabled(false);  // no timed remark in between
        menuChoice = 1;
        typedText = QStringLiteral("ミナ");
        // The talk timer ticks at most once a real millisecond, which would make these
        // eight thousand characters take many seconds: the talk is also stepped on every
        // pass of the event loop, wherever the timer itself would tick.
        QObject::connect(&stepper, &QTimer::timeout, [this] {
            if (window.tmrTalk.isEnabled() && TalkPending(game))
                TalkTick(game);
        });
        stepper.start(0);
        talkEngine(game).onCharPrinted = [this](QChar) { ++printed; };
        // Box steps, pauses and timed waits run on the time source: at this pace they take
        // next to no real time.
        form::Clock::instance().setSpeed(1000);
    }

    // Outside the brackets a talk holds only marks the engine acts on: talker marks before
    // an utterance, waits, closing marks and "¶" with its digit. Returns what is left over.
    QString strayMarks(const QString& text)
    {
        static const QRegularExpression bracketed(QStringLiteral("[〈《][^〉》]*[〉》]|【[^】]*】|『[^』]*』|¶\\d"));
        QString rest = text;
        rest.remove(bracketed);
        const QString known = talkEngine(game).TalkerMarks + QStringLiteral("⊿×※");
        QString stray;
        for (QChar c : rest)
            if (!known.contains(c) && talk::waitKindOf(c) == 0)
                stray += c;
        return stray;
    }

    QTimer stepper;
    int printed = 0;  // characters printed into the boxes
};

// Each talk is printed as the flows show it: with every box closed, or after a talk that
// left a box open when it begins with a wait (the shared waits), and every box is closed
// after it.
TEST_F(EveryTalkTest, EveryTalkTheFlowsCanShowReadsAndPrints)
{
    TalkEngine& t = talkEngine(game);
    talk::TalkData data;
    ASSERT_TRUE(data.open()) << data.openError().toStdString();
    const std::set<int> all = reachableTalks();
    for (int n : all) {
        const bool continues = n > kContinuedBase && n <= kContinuedBase + 4;
        talk::TalkText text = data.fetch(n);
        if (text.ok() && continues) {
            const talk::TalkText rest = data.fetch(0);
            text.text += rest.text;
            text.error = rest.error;
        }
        EXPECT_TRUE(text.ok()) << text.error.toStdString();
        const QString stray = strayMarks(text.text);
        EXPECT_TRUE(stray.isEmpty()) << "talk " << n << " holds marks the engine ignores: " << stray.toStdString();

        t.dataErrors.clear();
        if (!text.text.isEmpty() && talk::waitKindOf(text.text.at(0)) != 0) {
            AdviserTalk(game, QStringLiteral("＃〈どうぞ。〉"));
            form::waitUntil([this] { return !TalkPending(game); });
        }
        printed = 0;
        AdviserTalk(game, n);
        if (continues)
            AdviserTalk(game, 0);
        form::waitUntil([this] { return !TalkPending(game); });  // the last utterance prints on
        const int printedByTalk = printed;
        AdviserTalk(game, 1212);
        EXPECT_TRUE(t.dataErrors.isEmpty()) << "talk " << n << ": " << t.dataErrors.join(u'\n').toStdString();
        if (!kFixedTalks.contains(n)) {
            EXPECT_GT(printedByTalk, 0) << "the adviser's talk " << n << " says nothing";
        }
    }
}

} // namespace
