#pragma once
#include "shell/StoryFlows.h"

#include <QString>

struct Game;

// The story: every flow that shows talks, written beside its talks in Story.cpp. The
// talk calls are members that take the talk number first, as talkbuild reads them.
class Story : public StoryFlows {
public:
    explicit Story(Game& game) : game(game) {}

    void RunOpening() override;
    void BeginPlay() override;
    void RunEnding() override;
    void AnswerOpen() override;
    void ChangeCross() override;
    void GiveAdvice() override;
    void TimedTalk() override;
    void TimeOutEnding() override;

private:
    void ScoreCross();
    void ScoreResult(int wrong);
    // Puts puzzle n on the board in place of the one there.
    void PutUpCross(int n);
    void AdviserTalk(int n);
    void ChangeGalFaceWithTalk(int n, const QString& face);
    // Waits, with events running, until a timed wait of the title has ended one way or
    // the other; one that ran out changes a family member's face.
    void AwaitTitleClick();

    Game& game;
};
