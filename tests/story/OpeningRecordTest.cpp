// The opening as far as the record decides it: a file played through and declined, and
// a name left empty.
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

#include "records/RecordFile.h"
#include "records/Records.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "talk/Talk.h"

#include <QTimer>

namespace {

// Main on a two-puzzle file of cats in the scratch folder; the player picks the sister
// and accepts the name.
class OpeningRecord : public GameFixture {
protected:
    OpeningRecord()
    {
        game.story = &story;
        talkEngine(game).onTalkFetched = [this](int n) { talks.push_back(n); };
        menuChoices = {{1231, 1}, {1243, 1}};
        menuChoice = 1;
        clickTalksAsAPlayer();
        testsupport::writeFile(playFile, playfiles::file(2, {playfiles::catSection(1), playfiles::catSection(2)}));
        dialogs.choose(playFile);
    }
    bool shown(int talk) const { return std::find(talks.begin(), talks.end(), talk) != talks.end(); }
    QStringList record() const
    {
        QStringList lines;
        record::read(scratch(QStringLiteral("cats.log")), lines);
        return lines;
    }

    Story story{game};
    std::vector<int> talks;
    const QString playFile = scratch(QStringLiteral("cats.kmi"));
    DialogScript dialogs;
};

// Every puzzle solved and "いいえ" to playing again: the opening stops there and the
// record stays as it was.
TEST_F(OpeningRecord, NoToStartingAgainEndsTheGame)
{
    QStringList lines = record::newRecord(0, 2);
    lines[2] = QStringLiteral("ミナ");
    lines[4] = QStringLiteral("1,1");
    ASSERT_TRUE(record::write(scratch(QStringLiteral("cats.log")), lines));
    dialogs.answer(form::Answer::No);
    EXPECT_THROW(Main(game), form::ProgramEnded);
    EXPECT_EQ(dialogs.titles, QStringList{QStringLiteral("報告：クロスワードはすべて解き終えています")});
    EXPECT_FALSE(shown(1312)) << "the opening went on to the greeting";
    EXPECT_EQ(game.PlayActive, 0);
    EXPECT_EQ(record().value(4), QStringLiteral("1,1"));
}

// A name left empty gets the adviser's provisional name, which the record keeps, so
// that the next run reads a returning player.
TEST_F(OpeningRecord, AnEmptyNameIsStoredAsTheProvisionalOne)
{
    // An empty box cannot be sent; the input wait ends without text only as a wait that
    // ran out does.
    QTimer leaveEmpty;
    QObject::connect(&leaveEmpty, &QTimer::timeout, [this] {
        if (game.talk && (talkEngine(game).TalkWait == 2 || talkEngine(game).TalkWait == -2))
            TalkWaitTimeOut(game);
    });
    leaveEmpty.start(1);
    Main(game);
    ASSERT_TRUE(shown(1331) && shown(1332));
    const QString provisional = talkEngine(game).TalkNames[size_t(game.Adviser)];
    ASSERT_FALSE(provisional.isEmpty());
    EXPECT_EQ(talkEngine(game).TalkNames[10], provisional);
    EXPECT_EQ(record().value(2), provisional);

    Game next;
    next.PlayFileFolder = game.PlayFileFolder;
    next.PlayFileTitle = game.PlayFileTitle;
    next.CrossCount = GetCrossCount(next);
    next.CrossSolved.assign(size_t(next.CrossCount) + 1, 0);
    ASSERT_EQ(SetRecordFile(next), 1);
    EXPECT_EQ(GetPlayerName(next), provisional);
}

} // namespace
