#pragma once
#include <functional>

// The flows of the story that start-up, the main window's events and the game tick
// start. The story implements them; the layers below it know only this.
class StoryFlows {
public:
    virtual ~StoryFlows() = default;
    virtual void RunOpening() = 0;
    virtual void BeginPlay() = 0;
    virtual void RunEnding() = 0;
    virtual void AnswerOpen() = 0;
    virtual void ChangeCross() = 0;
    virtual void GiveAdvice() = 0;
    // Started by the game tick, which lies below the story: a remark at most once a
    // minute, and the ending after ten hours of play. The story fills them in.
    std::function<void()> timedRemark;
    std::function<void()> timeOutEnding;
};
