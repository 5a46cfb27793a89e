#pragma once
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

#include "records/RecordFile.h"
#include "records/Records.h"
#include "shell/MainFormEvents.h"
#include "stage/BuildStage.h"
#include "story/Story.h"

#include <QDir>

// A run as the opening leaves it: the stage built, a returning player with the sister as
// adviser, a play file of `crossCount` cat puzzles with its record in a scratch folder,
// the first puzzle greeted and on the board. A player clicks every talk.
class StoryFixture : public GameFixture {
protected:
    explicit StoryFixture(int crossCount = 2)
    {
        game.story = &story;
        window.show();
        ConnectMainFormEvents(game);
        BuildStage(game);
        QList<QStringList> sections;
        for (int n = 1; n <= crossCount; ++n)
            sections << playfiles::catSection(n);
        game.PlayFileFolder = scratch(QStringLiteral("play/"));
        game.PlayFileTitle = QStringLiteral("cats.kmi");
        game.WorkFolder = scratch(QStringLiteral("work/"));
        testsupport::writeFile(game.PlayFileFolder + game.PlayFileTitle, playfiles::file(crossCount, sections));
        QDir().mkpath(game.WorkFolder);
        game.CrossCount = crossCount;
        game.CrossSolved.assign(size_t(crossCount) + 1, 0);
        SetRecordFile(game);
        SetTalkNames(game, QStringLiteral("●お姉ちゃん●お兄ちゃん●お母さん●お父さん"));
        talkEngine(game).TalkNames[10] = QStringLiteral("ミナ");
        game.Adviser = 1;
        game.AdviserName = QStringLiteral("姉");
        talkEngine(game).onTalkFetched = [this](int n) { talks.push_back(n); };
        clickTalksAsAPlayer();
        game.PlayActive = 1;
        story.BeginPlay();
    }

    // Writes every answer of the board, with the given cells (row, column) left as "　".
    void fillBoard(const QList<QPoint>& blanks = {})
    {
        Puzzle& p = game.cross;
        for (int r = 1; r <= p.MasMaxY; ++r)
            for (int c = 1; c <= p.MasMaxX; ++c) {
                MasData& m = p.Mas[p.index(r, c)];
                if (m.Kind != 1)
                    m.Entry = blanks.contains(QPoint(c, r)) ? QStringLiteral("　") : m.Answer;
            }
    }
    bool shown(int talk) const { return std::find(talks.begin(), talks.end(), talk) != talks.end(); }
    // The record's line of solved puzzles, as on disk.
    QString solvedOnDisk() const
    {
        QStringList lines;
        record::read(game.RecordFolder + game.RecordFileName, lines);
        return lines.value(4);
    }

    DialogScript dialogs;  // answers the message boxes a test expects, fails on others
    Story story{game};
    std::vector<int> talks;  // every talk fetched by number, in order
};
