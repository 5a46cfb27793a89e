// The choice menu beside the speaking talk box, and the highlight that follows the
// mouse pointer over its items.
#include "Talk.h"
#include "TalkEngine.h"

#include "form/Label.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

const form::Colour White = 0xFFFFFF;
const int StripHeight = 10;
constexpr int MenuItemsMax = 9;
// Menus longer than this move up, so that they do not reach below the talk area.
constexpr int MenuItemsInPlace = 5;

} // namespace

void ShowTalkMenu(Game& game, const QString& list)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    const TalkLayout& l = t.layout;
    const QStringList items = talk::splitMenu(list);
    const int n = std::min(int(items.size()), MenuItemsMax);
    for (int k = 1; k <= MenuItemsMax; ++k) {
        form::Label* item = f.lblMenu(k);
        if (k <= n)
            item->setCaption(items[k - 1]);
        item->setVisible(k <= n);
    }
    const int height = n * l.MenuPitch + 2 * l.MenuVMargin;
    f.picMenuBox->setHeight(height);
    f.picMenuBoxDown->setTop(height - StripHeight);
    const int lift = n > MenuItemsInPlace ? (n - MenuItemsInPlace) * l.MenuPitch : 0;
    // The box always goes back to its place, so that a short menu after a long one sits
    // where its hover rectangle is.
    f.picMenuBox->move(l.MenuLeft, l.MenuTop - lift);
    t.MenuItemsRect = QRect(l.MenuLeft + l.MenuHMargin, l.MenuTop + l.MenuVMargin - lift, 8 * l.MenuCharW + 1,
                            n * l.MenuPitch);
    t.MenuItemCount = n;
    f.picMenuBox->bringToFront();
    f.picMenuBox->setVisible(true);
}

void HideTalkMenu(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    f.picMenuBox->setVisible(false);
    for (int k = 1; k <= MenuItemsMax; ++k) {
        form::Label* item = f.lblMenu(k);
        item->setForeColor(White);
        item->setBackStyle(form::BackStyle::Transparent);
    }
    t.HighlightedItem = 0;
    f.update();
}

void BlinkMenuItem(Game& game, int on)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    int under = 0;
    if (on && t.pointerPosition) {
        const QPoint p = t.pointerPosition();
        if (t.MenuItemsRect.contains(p))
            under = (p.y() - t.MenuItemsRect.top()) / t.layout.MenuPitch + 1;
    }
    // Only a change is drawn: the pointer usually rests on one item for many ticks.
    if (under == t.HighlightedItem)
        return;
    if (form::Label* old = f.lblMenu.find(t.HighlightedItem))
        old->setBackStyle(form::BackStyle::Transparent);
    t.HighlightedItem = under;
    if (form::Label* item = f.lblMenu.find(under))
        item->setBackStyle(form::BackStyle::Opaque);
}
