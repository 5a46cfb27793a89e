#include "FollowCast.h"

#include "cast/Anim.h"
#include "form/Clock.h"
#include "form/Pump.h"
#include "model/Game.h"

namespace {

static_assert(MaxRestTicks * 0.010 < FollowTickLimit, "a resting stage would end a follow");

class Follow {
public:
    Follow(Game& game, int cast)
        : m_game(game), m_cast(cast),
          m_deadline(form::Clock::instance().monotonicSeconds() + FollowLimit)
    {
    }

    // Waits, with events running, until the tick counter changes. False when no tick
    // comes in time or the whole follow ran too long.
    bool tick()
    {
        if (form::Clock::instance().monotonicSeconds() > m_deadline)
            return false;
        const int count = m_game.stage.AnimCount;
        return form::waitUntil([this, count] { return m_game.stage.AnimCount != count; }, FollowTickLimit);
    }

    // Waits tick by tick until the condition holds.
    template <typename Condition>
    bool until(Condition done)
    {
        while (!done()) {
            if (!tick())
                return false;
        }
        return true;
    }

    CastRecord& cast() { return m_game.casts[m_cast]; }
    StageState& st() { return m_game.stage; }

private:
    Game& m_game;
    int m_cast;
    double m_deadline;
};

} // namespace

bool FollowCast(Game& game, int castNumber, int stopX, int stopY)
{
    if (!game.casts.valid(castNumber))
        return false;
    Follow f(game, castNumber);
    StageState& st = game.stage;
    const int step = f.cast().MoveStep + 1;
    const int direction = f.cast().MoveDirection;
    const auto cx = [&] { return st.ViewX + (st.StageWidth - f.cast().Width) / 2; };
    const auto cy = [&] { return st.ViewY + (st.StageHeight - f.cast().Height) / 2; };

    // 1. Bring the cast to the middle of the stage.
    if (direction == 4 || direction == 6) {
        if (f.cast().X < cx()) {
            while (f.cast().X < cx() && st.ViewX >= 1) {
                st.ViewX -= step;
                if (!f.tick())
                    return false;
            }
            if (!f.until([&] { return f.cast().X >= cx(); }))
                return false;
        } else if (f.cast().X > cx()) {
            while (f.cast().X > cx() && st.ViewX < st.ViewMaxX) {
                st.ViewX += step;
                if (!f.tick())
                    return false;
            }
            if (!f.until([&] { return f.cast().X <= cx(); }))
                return false;
        }
    } else if (direction == 2 || direction == 8) {
        if (f.cast().Y < cy()) {
            while (f.cast().Y < cy() && st.ViewY >= 1) {
                st.ViewY -= step;
                if (!f.tick())
                    return false;
            }
            if (!f.until([&] { return f.cast().Y >= cy(); }))
                return false;
        } else if (f.cast().Y > cy()) {
            while (f.cast().Y > cy() && st.ViewY < st.ViewMaxY) {
                st.ViewY += step;
                if (!f.tick())
                    return false;
            }
            if (!f.until([&] { return f.cast().Y <= cy(); }))
                return false;
        }
    }

    // 2. Its place on the stage, kept while following.
    const int sx = f.cast().X - st.ViewX;
    const int sy = f.cast().Y - st.ViewY;

    // 3. Follow until the view reaches the stop offset or its limit.
    const auto ended = [&] {
        switch (direction) {
        case 2: return st.ViewY >= stopY || st.ViewY >= st.ViewMaxY;
        case 4: return st.ViewX <= stopX || st.ViewX <= 0;
        case 6: return st.ViewX >= stopX || st.ViewX >= st.ViewMaxX;
        case 8: return st.ViewY <= stopY || st.ViewY <= 0;
        default: return true;
        }
    };
    while (!ended()) {
        for (;;) {
            const int half = f.cast().MoveStep / 2;
            const CastRecord& c = f.cast();
            bool ahead = false;
            switch (direction) {
            case 2: ahead = sy < (c.Y - st.ViewY) - half; break;
            case 4: ahead = sx > (c.X - st.ViewX) + half; break;
            case 6: ahead = sx < (c.X - st.ViewX) - half; break;
            case 8: ahead = sy > (c.Y - st.ViewY) + half; break;
            default: break;
            }
            if (!ahead)
                break;
            if (direction == 2)
                st.ViewY += step;
            else if (direction == 4)
                st.ViewX -= step;
            else if (direction == 6)
                st.ViewX += step;
            else
                st.ViewY -= step;
            if (!f.tick())
                return false;
        }
        form::doEvents();
        // Without ticks the cast never runs ahead: give up instead of spinning.
        if (!f.tick())
            return false;
    }
    return true;
}
