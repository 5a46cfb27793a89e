#pragma once
#include "model/StoryFlows.h"

#include <QString>

struct Game;

// The story: every flow that shows talks, written beside its talks in Story.cpp. The
// talk calls are members that take the talk number first, as talkbuild reads them.
class Story : public StoryFlows {
public:
    explicit Story(Game& game);
    Story(const Story&) = delete;  // the flows the game tick starts hold this story
    Story& operator=(const Story&) = delete;

    void RunOpening() override;
    void BeginPlay() override;
    void RunEnding() override;
    void AnswerOpen() override;
    void ChangeCross() override;
    void GiveAdvice() override;
    void TimedTalk();
    void TimeOutEnding();

private:
    void ScoreCross();
    void ScoreResult(int wrong);
    // The end of a game the adviser leaves: the adviser walks off, `talk` (the narrator)
    // closes, the adviser's name slides by, the stage shakes if asked, and the player is
    // told that the game ends if asked. Never returns.
    [[noreturn]] void LeaveWithTalk(int talk, bool shake, bool tellEnd);
    // Puts puzzle n on the board in place of the one there.
    void PutUpCross(int n);
    void AdviserTalk(int n);
    void ChangeGalFaceWithTalk(int n, const QString& face);
    // Waits, with events running, until a timed wait of the title has ended one way or
    // the other; one that ran out changes a family member's face.
    void AwaitTitleClick();

    Game& game;
};
