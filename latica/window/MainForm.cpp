#include "MainForm.h"

namespace {

const form::Font Gothic{QStringLiteral("ＭＳ ゴシック"), 9};
const form::Font PGothic{QStringLiteral("ＭＳ Ｐゴシック"), 9};

form::Font sized(const form::Font& base, double points, bool bold = false)
{
    form::Font f = base;
    f.size = points;
    f.bold = bold;
    return f;
}

form::PictureBox* pictureBox(QWidget* parent, int x, int y, int w, int h)
{
    auto* box = new form::PictureBox(parent);
    box->setGeometry(x, y, w, h);
    return box;
}

// A transparent label on a panel.
form::Label* label(form::Container* on, int x, int y, int w, int h, const QString& caption,
                   const form::Font& font, form::Alignment alignment = form::Alignment::Centre)
{
    auto* l = new form::Label(on);
    l->setGeometry(x, y, w, h);
    l->setBackStyle(form::BackStyle::Transparent);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setVerticalCentre(true);
    l->setCaption(caption);
    return l;
}

// A command label: an opaque button face with a centred caption.
form::Label* command(form::Container* on, int x, int y, int w, int h, const QString& caption)
{
    form::Label* l = label(on, x, y, w, h, caption, sized(PGothic, 11, true));
    l->setBackStyle(form::BackStyle::Opaque);
    l->setBackColor(0xE8F4F8);
    l->setForeColor(0x503020);
    return l;
}

} // namespace

MainForm::MainForm()
{
    setWindowTitle(QStringLiteral("Latica"));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(0xD8E8F0);
    // Panels first, so that the stage and the talk boxes lie above them.
    createPanels();
    createBoard();
    createController();
    createCommands();
    createStage();
    createTalk();
    createTimers();
}

MainForm::~MainForm() = default;

void MainForm::createStage()
{
    picStage = pictureBox(this, 130, 96, 385, 330);
    picStage->setBackColor(0x000000);
    picStage->setAutoRedraw(true);
    picStage->setVisible(false);
    // Off-screen surfaces of the animation.
    picWorld = pictureBox(this, 0, 0, 385, 330);
    picWorld->setAutoRedraw(true);
    picWorld->setVisible(false);
    picWork = pictureBox(this, 0, 0, 385, 330);
    picWork->setAutoRedraw(true);
    picWork->setVisible(false);
    auto* cell = pictureBox(this, 0, 0, 80, 100);
    cell->setAutoSize(true);
    cell->setVisible(false);
    cell->setEnabled(false);
    picCell.adopt(1, cell);
    picSpotStage = pictureBox(picStage, 0, 0, 385, 330);
    picSpotStage->setBackColor(0x000000);
    picSpotStage->setAutoRedraw(true);
    picSpotStage->setVisible(false);

    for (int i = 0; i <= 1; ++i) {
        auto* word = new form::Label(picStage);
        word->setBackStyle(form::BackStyle::Transparent);
        word->setFont(sized(PGothic, 24, true));
        word->setForeColor(i == 0 ? 0xFFFFFF : 0x0000FF);
        word->setWordWrap(false);
        word->setAutoSize(true);
        word->setVisible(false);
        lblWordEf.adopt(i, word);
    }
}

void MainForm::createTalk()
{
    // A talk box: its drawing surface, a strip in its back colour along the top and the
    // bottom, and a one-pixel outline: the left and right edges in the box, the top and
    // bottom edges in the strips (which lie over the box). The talk engine sizes them.
    const form::Colour navy = 0x800000;
    const form::Colour yellow = 0x00FFFF;
    auto* box = pictureBox(this, 420, 126, 208, 78);
    box->setBackColor(navy);
    box->setForeColor(0xFFFFFF);
    box->setAutoRedraw(true);
    box->setFont(sized(PGothic, 12));
    box->setVisible(false);
    picTalkBox.adopt(1, box);
    auto* up = pictureBox(box, 0, 0, 208, 10);
    up->setBackColor(navy);
    picTalkBoxUp.adopt(1, up);
    auto* down = pictureBox(box, 0, 68, 208, 10);
    down->setBackColor(navy);
    picTalkBoxDown.adopt(1, down);
    const auto outline = [yellow](form::Container* on, int x, int y, int w, int h) {
        auto* s = new form::Shape(on);
        s->setGeometry(x, y, w, h);
        s->setBorderColor(yellow);
        return s;
    };
    shpTalkBoxLeft.adopt(1, outline(box, 0, 0, 1, 118));
    shpTalkBoxRight.adopt(1, outline(box, 207, 0, 1, 118));
    shpTalkBoxUp.adopt(1, outline(up, 0, 0, 208, 11));
    shpTalkBoxDown.adopt(1, outline(down, 0, -1, 208, 11));

    txtTalkInput = new form::TextBox(this);
    txtTalkInput->setGeometry(420, 240, 200, 20);
    txtTalkInput->setText(QStringLiteral("キーボードから入力してください"));
    txtTalkInput->setFont(sized(PGothic, 12));
    txtTalkInput->setVisible(false);

    // The menu box with its strips; items are transparent until highlighted (red back).
    const form::Colour menuColour = 0xC000C0;
    picMenuBox = pictureBox(this, 620, 137, 136, 155);
    picMenuBox->setBackColor(menuColour);
    picMenuBox->setFont(sized(PGothic, 11));
    picMenuBox->setVisible(false);
    picMenuBoxUp = pictureBox(picMenuBox, 0, 0, 136, 10);
    picMenuBoxUp->setBackColor(menuColour);
    picMenuBoxDown = pictureBox(picMenuBox, 0, 145, 136, 10);
    picMenuBoxDown->setBackColor(menuColour);
    form::Label* item = label(picMenuBox, 8, 10, 120, 15, QStringLiteral("メニュー"),
                              sized(PGothic, 11), form::Alignment::Left);
    item->setVerticalCentre(false);
    item->setWordWrap(false);
    item->setForeColor(0xFFFFFF);
    item->setBackColor(0x0000FF);
    item->setVisible(false);
    lblMenu.adopt(1, item);
}

void MainForm::createBoard()
{
    // The board window shows 11 x 10 cells of 35 x 33 pixels.
    picCrossBase = pictureBox(this, 129, 98, 385, 330);
    picCrossBase->setBackColor(0x404040);
    picCrossStage = pictureBox(picCrossBase, 0, 0, 385, 330);
    picCrossStage->setBackColor(0x404040);
    picCrossStage->setFocusPolicy(Qt::StrongFocus);

    form::Label* cell = label(picCrossStage, 0, 0, 35, 33, QStringLiteral("Ａ"), sized(Gothic, 18));
    cell->setBackStyle(form::BackStyle::Opaque);
    cell->setVisible(false);
    lblCell.adopt(0, cell);
    for (int i = 0; i <= 1; ++i) {
        auto* bar1 = new form::Shape(picCrossStage);
        bar1->setGeometry(0, 0, 5, 33);
        bar1->setFilled(true);
        bar1->setVisible(false);
        shpRollCell1.adopt(i, bar1);
        auto* bar2 = new form::Shape(picCrossStage);
        bar2->setGeometry(0, 0, 11, 33);
        bar2->setFilled(true);
        bar2->setVisible(false);
        shpRollCell2.adopt(i, bar2);
    }

    // Scroll buttons: far end, one step, one step, far end.
    picCrossStageMoveH = pictureBox(this, 129, 432, 385, 22);
    const int hx[] = {0, 44, 301, 345};
    picCrossStageMoveV = pictureBox(this, 518, 98, 22, 330);
    const int vy[] = {0, 44, 246, 290};
    for (int i = 1; i <= 4; ++i) {
        lblCrossStageMoveH.adopt(i, label(picCrossStageMoveH, hx[i - 1], 0, 40, 22, QString(), PGothic));
        lblCrossStageMoveV.adopt(i, label(picCrossStageMoveV, 0, vy[i - 1], 22, 40, QString(), PGothic));
    }
}

void MainForm::createPanels()
{
    picTitle = pictureBox(this, 129, 16, 385, 70);
    lblTitle = label(picTitle, 10, 8, 365, 54, QStringLiteral("Latica"), sized(PGothic, 16, true));

    picDisplayLevel = pictureBox(this, 12, 98, 105, 44);
    lblLevel = label(picDisplayLevel, 4, 4, 97, 36, QStringLiteral("☆☆☆☆☆"), sized(PGothic, 12));
    lblLevel->setForeColor(0x0080C0);

    picDisplayQuesNmb = pictureBox(this, 12, 150, 105, 70);
    lblQuesNmb = label(picDisplayQuesNmb, 6, 6, 40, 30, QStringLiteral("９９"), sized(PGothic, 14, true),
                       form::Alignment::Right);
    lblQuesNmbMax = label(picDisplayQuesNmb, 50, 6, 50, 30, QStringLiteral("９９９"), sized(PGothic, 11),
                          form::Alignment::Left);
    lblMasMaxXY = label(picDisplayQuesNmb, 6, 40, 93, 24, QStringLiteral("W99xH99"), sized(Gothic, 10));

    picDisplayTime = pictureBox(this, 12, 228, 105, 44);
    lblPassedTime = label(picDisplayTime, 4, 4, 97, 36, QStringLiteral("９９：９９"), sized(PGothic, 14, true));

    picQues = pictureBox(this, 12, 462, 540, 118);
    lblQues = label(picQues, 14, 10, 512, 98, QString(), sized(PGothic, 13), form::Alignment::Left);

    picDisplayAdviserBase = pictureBox(this, 566, 185, 168, 136);
}

void MainForm::createController()
{
    picDisplayControlerBase = pictureBox(this, 566, 330, 168, 140);
    for (int i = 1; i <= 2; ++i) {
        auto* dial = pictureBox(picDisplayControlerBase, 18, 8, 132, 124);
        dial->setVisible(i == 1);
        picControler.adopt(i, dial);
        lblKeyUp.adopt(i, label(dial, 46, 4, 40, 34, QString(), PGothic));
        lblKeyDown.adopt(i, label(dial, 46, 86, 40, 34, QString(), PGothic));
        lblKeyLeft.adopt(i, label(dial, 4, 42, 40, 40, QString(), PGothic));
        lblKeyRight.adopt(i, label(dial, 88, 42, 40, 40, QString(), PGothic));
        lblKeyTurn.adopt(i, label(dial, 48, 44, 36, 36, QString(), PGothic));
    }
}

void MainForm::createCommands()
{
    lblKeyDelete = command(this, 12, 290, 105, 30, QStringLiteral("文字消去"));
    lblKeyUndo = command(this, 12, 326, 105, 30, QStringLiteral("取り消し"));
    lblAnswerOpen = command(this, 12, 372, 105, 40, QStringLiteral("完 成"));
    lblAnswerOpen->setFontSize(14);
    lblMarkSpeedUp = command(this, 12, 372, 105, 40, QStringLiteral("高速採点"));
    lblMarkSpeedUp->setVisible(false);
    picKeypad = pictureBox(this, 12, 420, 105, 30);
    lblKeypad = label(picKeypad, 0, 0, 105, 30, QStringLiteral("キー表示"), sized(PGothic, 10, true));
    lblCrossChange = command(this, 566, 480, 82, 40, QStringLiteral("問題変更"));
    lblAdvice = command(this, 652, 480, 82, 40, QStringLiteral("アドバイス"));
    lblHelp = command(this, 566, 530, 82, 40, QStringLiteral("ヘルプ"));
    lblEnd = command(this, 652, 530, 82, 40, QStringLiteral("終 了"));
}

void MainForm::createTimers()
{
    tmrKumi.setInterval(100);
    tmrAnim.setInterval(10);
    tmrTalk.setInterval(15);
    tmrTalkCursorBlink.setInterval(100);
    tmrSoundInterval.setInterval(1000);
}
