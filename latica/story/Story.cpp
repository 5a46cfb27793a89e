// The story script: the flows that show talks, each talk written as a block of talk lines
// beside the statements that show it. talkbuild reads this file, stores the talk texts in
// the talk data files and renumbers the talks; the file is kept numbered the way talkbuild
// numbers it (talk start 1100, reference start 200, rounding on), so a build gives it
// back unchanged. Talks stand in ascending order of number; "':/New" lines round the
// numbering up to the next ten or hundred.
//
// A talk chosen per adviser is called as "game.Adviser + base": talkbuild leaves a sum
// written variable first alone, and the talks base + 1 .. base + 4 keep their numbers.
#include "Story.h"

#include "cast/GalFace.h"
#include "effects/StageEffect.h"
#include "effects/Wait.h"
#include "effects/WordEffect.h"
#include "form/Pump.h"
#include "keypad/frmKeypad.h"
#include "play/CrossChoice.h"
#include "play/KeypadLink.h"
#include "play/SetCross.h"
#include "records/Records.h"
#include "shell/EndProgram.h"
#include "shell/Game.h"
#include "shell/MainForm.h"
#include "shell/StartUp.h"
#include "stage/Anim.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

void Story::AdviserTalk(int n)
{
    ::AdviserTalk(game, n);
}

void Story::ChangeGalFaceWithTalk(int n, const QString& face)
{
    ::ChangeGalFaceWithTalk(game, n, face);
}

// Talks that many flows share: waits, closing the talk boxes, the adviser choice and the
// yes/no menus.
/*
':/New=??00
':/New=???1
':_...>1211 ▽∴
':_...>1212 ※∴
':_...>1213 ▼※∴
':/New=???1
':_...>1221 ×∴
':_...>1222 ▼×∴
':_...>1223 ▽※∴
':/New=???1
':_...>1231 【●お姉ちゃん●お兄ちゃん●お母さん●お父さん】×÷〈だれといっしょに　解きますか？〉『①／②／③／④』☆⊿∴
':_...>1232 ÷〈㊥ですね。　すぐに　呼んできます！〉▼※∴
':/New=???1
':_...>1241 『はい／いいえ』★⊿∴
':_...>1242 『はい／いいえ』☆⊿∴
':_...>1243 ÷〈この名前でいいですか？〉『はい／書きなおす』★⊿※∴
*/

// Waits until the timed wait of a title talk has ended; one that ran out by itself changes
// a family member's face.
void Story::AwaitTitleClick()
{
    TalkEngine& t = talkEngine(game);
    form::waitUntil([&t] { return t.TalkWaitResult == 10 || t.TalkWaitResult == 11; });
    if (t.TalkWaitResult == 10)
        RandomFamilyFace(game);
}

// The first part of the opening: the title, the play file, the record and the adviser.
void Story::RunOpening()
{
    TalkEngine& t = talkEngine(game);
    BuildStage(game);
    ResetTalk(game);
    StartAnim(game);
    ShowStage(game);
    game.sound.PlayMusic(QStringLiteral("BGMテーマ曲"));
    /*
':/New=??01
':_...>1301 ＃〈ようこそ、ラティカへ。　ことばのマスを　家族といっしょに　うめていく　クロスワードです。〉∴
':_...>1302 ÷〈はじめに、遊ぶパズルの　ファイルを　選んでください。〉∴
    */
    t.TalkWaitResult = 0;
    AdviserTalk(1301);
    ShakeStage(game, 2468, 2, 5);
    while (t.TalkWaitResult != 11) {
        SetTalkWaitTime(game, 1);
        AdviserTalk(1211);
        AwaitTitleClick();
    }
    AdviserTalk(1212);
    AdviserTalk(1302);
    AdviserTalk(1211);
    AwaitTitleClick();
    AdviserTalk(1212);

    if (ChoosePlayFile(game) == 0)
        EndProgram(game);
    game.frmMain->lblTitle->setCaption(game.PlayFileTitle.section(QLatin1Char('.'), 0, 0));
    game.CrossCount = GetCrossCount(game);
    game.CrossSolved.assign(size_t(game.CrossCount) + 1, 0);
    if (SetRecordFile(game) == 0 || LoadRecord(game) == 0)
        EndProgram(game);
    game.KeypadMode = GetKeypadMode(game);
    if (game.KeypadMode == 1 && game.frmKeypad)
        game.frmKeypad->SetKeypad();
    t.TalkNames[10] = GetPlayerName(game);
    game.NewPlayer = t.TalkNames[10].isEmpty() ? 1 : 0;
    game.sound.StopMusic();

    /*
':/New=???1
':_...>1311 ÷〈はじめての方ですね。　ようこそ！〉▼∴
':_...>1312 ÷〈⑩さん、　また来てくれたんですね。〉▼∴
':/New=???1
':_...>1321 ÷〈パズルは、家族のだれかが　となりで　手伝ってくれます。〉▼×∴
    */
    if (game.NewPlayer == 1)
        AdviserTalk(1311);
    else
        AdviserTalk(1312);
    AdviserTalk(1321);

    t.TalkMenuAnswer = 0;
    while (t.TalkMenuAnswer == 0) {
        SetTalkWaitTime(game, 5);
        AdviserTalk(1231);
        form::waitUntil([&t] { return t.TalkMenuAnswer > 0 || t.TalkWaitResult == 10; });
        if (t.TalkMenuAnswer == 0 && t.TalkWaitResult == 10)
            RandomFamilyFace(game);
    }
    AdviserTalk(1232);
    game.Adviser = t.TalkMenuAnswer;
    static const QString kinship[] = {QStringLiteral("姉"), QStringLiteral("兄"), QStringLiteral("母"),
                                      QStringLiteral("父")};
    if (game.Adviser >= 1 && game.Adviser <= 4)
        game.AdviserName = kinship[game.Adviser - 1];

    /*
':/New=???1
':_...>1331 ÷〈あなたの名前を　教えてください。　〉◆∴
':_...>1332 ×÷〈名前が入っていませんね。　では、仮の名前を　つけておきます。〉▼∴
':_...>1333 ÷〈「⑩」ですね。〉∴
    */
    if (game.NewPlayer == 1) {
        t.TalkMenuAnswer = 0;
        while (t.TalkMenuAnswer != 1) {
            t.TalkInputText.clear();
            AdviserTalk(1331);
            if (t.TalkInputText.isEmpty()) {
                AdviserTalk(1332);
                t.TalkInputText = t.TalkNames[size_t(game.Adviser)];
            }
            t.TalkNames[10] = t.TalkInputText;
            t.TalkMenuAnswer = 0;
            AdviserTalk(1333);
            AdviserTalk(1243);
        }
        SavePlayerName(game);
    }
    StripeStage(game, 28, 7, 0.1);
    HideStage(game);
}

// The second part of the opening: the board is set and the adviser greets the player.
void Story::BeginPlay()
{
    const TalkEngine& t = talkEngine(game);
    SetupPlayScene(game);
    game.CurCross = NextUnsolvedCross(0, game.CrossSolved, game.CrossCount);
    SetCross(game, game.CurCross);
    ResetTalk(game);
    StartAnim(game);
    ShowStage(game);
    game.sound.PlayMusic(QStringLiteral("BGM挿入曲1"));
    game.frmMain->setKeyPreview(true);

    const int slideStep = game.OSPlatform == 1 ? 3 : 2;
    const bool slides = game.OSPlatform == 1 || game.OSPlatform == 2;
    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    /*
':/New=??01
':_...>1401 ÷〈準備ができました。　さあ、はじめましょう！〉▼※∴
    */
    if (game.NewPlayer == 1 && game.KeypadMode == 0) {
        AdviserTalk(1401);
        game.Busy = 1;
        if (slides)
            SlideWord(game, adviserName, 4, 1, 2, slideStep);
        EnterAdviser(game);
        /*
':/New=???1
':_...>1411 ＋《⑩、待ってたよ！　わからないところは　お姉ちゃんに　何でも聞いてね。》▼※∴
':_...>1412 ＋〈来たな、⑩。　兄ちゃんが見ててやる。　詰まったら　遠慮なく聞けよ。〉▼※∴
':_...>1413 ＋〈⑩、こっちへ　いらっしゃい。　お母さん、クロスワードは　ちょっと得意なのよ。〉▼※∴
':_...>1414 ＋〈うむ、来たか、⑩。　父さんが付き合おう。　わからん所は、　いつでも聞きなさい。〉▼※∴
        */
        AdviserTalk(game.Adviser + 1410);
        SwayAdviser(game);
    } else if (game.NewPlayer == 1 && game.KeypadMode == 1) {
        AdviserTalk(1401);
        OpenKeypad(game);
        game.Busy = 1;
        /*
':/New=???1
':_...>1421 ÷〈いま開いた小さな窓には、　打ったローマ字が　かなになる様子が　表示されます。〉▼※∴
':/New=???1
':_...>1431 ＋《⑩、来た来た！　今日のは　かなのパズルだね。》▼
':^...^.... ＋〈ローマ字で打つだけで　かなが入るんだよ。〉▼×∴
':_...*.... ＋〈のばす音は　「－」のキーで　打てるよ。〉
':^...^.... ＋《全部うめたら、　「完成」を押してね！》▼※∴
':_...>1432 ＋〈おう、⑩。　こいつは　かなのパズルだぞ。〉▼
':^...^.... ＋〈ローマ字で打てば、　かなになって入る。〉▼×∴
':_...*.... ＋〈小さい「ッ」や「ャ」も、　マスには大きく入るんだ。〉
':^...^.... ＋〈縦横が交わるマスなら、　スペースキーで　向きを変えられるぞ。〉▼※∴
':_...>1433 ＋〈⑩、よく来たわね。　今日は、かなのパズルよ。〉▼
':^...^.... ＋〈ローマ字で打つと、　かなに変わって　マスに入るのよ。〉▼×∴
':_...*.... ＋〈打ちまちがえたら、　「文字消去」で消せるわ。〉
':^...^.... ＋〈困ったときは、　お母さんに　聞いてちょうだいね。〉▼※∴
':_...>1434 ＋〈うむ、⑩か。　かなで解くパズルだ。〉▼
':^...^.... ＋〈ローマ字で打ちなさい。　かなは、ひとりでに入る。〉▼×∴
':_...*.... ＋〈かなが一字入れば、　次のマスへ進む。〉
':^...^.... ＋〈あわてずに、　ひとつずつ　うめていきなさい。〉▼※∴
        */
        AdviserTalk(1421);
        if (slides)
            SlideWord(game, adviserName, 4, 1, 2, slideStep);
        EnterAdviser(game);
        AdviserTalk(game.Adviser + 1430);
        AdviserTalk(0);
        SwayAdviser(game);
    } else if (game.NewPlayer == 0) {
        /*
':/New=??01
':_...>1501 【おかえり、】÷〈⑩さん、　おかえりなさい。　まだ解いていない　パズルから　はじめましょう。〉▼※∴
':/New=???1
':_...>1511 ＋《おかえり、⑩！　今日もお姉ちゃんと　いっしょに解こうね。》▼※∴
':_...>1512 ＋〈お、⑩か。　待ちくたびれたぞ。　さっさと　続きを片づけようぜ。〉▼※∴
':_...>1513 ＋〈あら、⑩。　おかえりなさい。　お茶でもいれましょうか。　ゆっくり解きましょうね。〉▼※∴
':_...>1514 ＋〈よく来た、⑩。　今日もじっくり　取り組みなさい。〉▼※∴
        */
        AdviserTalk(1501);
        game.Busy = 1;
        if (slides)
            SlideWord(game, t.TalkNames[0] + t.TalkNames[10], 4, 1, 2, slideStep);
        EnterAdviser(game);
        AdviserTalk(game.Adviser + 1510);
        SwayAdviser(game);
    } else {
        AdviserTalk(1401);
    }
    game.Busy = 0;
}

// The end label during play: the adviser asks whether the player really wants to stop.
void Story::RunEnding()
{
    const TalkEngine& t = talkEngine(game);
    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    /*
':/New=??01
':_...>1601 ＋《もう終わり……？》∴
    */
    AdviserTalk(1601);
    ZoomUpWord(game, adviserName, 1, 1, 2);
    FlashAdviserSpot(game);
    game.sound.PlayMusic(QStringLiteral("BGMテーマ曲"));

    /*
':/New=???1
':_...>1611 ＋〈ええー、　ほんとにやめちゃうの？〉∴
':_...>1612 ＋〈なんだよ、　もうやめちまうのか？〉∴
':_...>1613 ＋〈あら、もう　おしまいにするの？〉∴
':_...>1614 ＋〈ほう。　もう切り上げるのか。〉∴
':_...>1615 『終わりにする／まだ続ける』☆⊿∴
    */
    SetTalkWaitTime(game, 6);
    ChangeGalFaceWithTalk(game.Adviser + 1610, QStringLiteral("-1"));
    AdviserTalk(1615);

    /*
':/New=??01
':_...>1701 ＋《ふふっ、やっぱり　まだやりたいんでしょ？》∴
':_...>1702 ＋〈返事がないなら、　続けるってことだな。〉∴
':_...>1703 ＋〈迷っているのね。　もう少し続けましょうか。〉∴
':_...>1704 ＋〈うむ。迷うくらいなら、　続けるとしよう。〉∴
':_...>1705 ＋〈そっか……　ちょっとさみしいなあ。〉∴
':_...>1706 ＋〈わかった。　今日はここまでだな。〉∴
':_...>1707 ＋〈はい、お疲れさま。　よくがんばったわね。〉∴
':_...>1708 ＋〈うむ、ご苦労だった。〉∴
':_...>1709 ＋《よかった！　じゃあ、続きを解こう！》∴
':_...>1710 ＋《そう来なくちゃな！》∴
':_...>1711 ＋〈うれしいわ。　続けましょうね。〉∴
':_...>1712 ＋〈よし、その意気だ。〉∴
    */
    const int answer = t.TalkMenuAnswer;
    const int k = answer >= 0 && answer <= 2 ? answer : 0;
    ChangeGalFaceWithTalk(game.Adviser + 4 * k + 1700, QStringLiteral("+1"));
    AdviserTalk(1213);
    if (answer != 1)
        return;

    /*
':/New=???1
':_...>1721 ＋《またね、⑩！　次もお姉ちゃんを　呼んでよね！》∴
':_...>1722 ＋〈じゃあな、⑩。　また来いよ。〉∴
':_...>1723 ＋〈楽しかったわ、⑩。　あたたかくして　休みなさいね。〉∴
':_...>1724 ＋〈では、⑩。　またいつでも呼びなさい。〉∴
    */
    ChangeGalFaceWithTalk(game.Adviser + 1720, QStringLiteral("=5"));
    AdviserTalk(1223);
    LeaveAdviser(game);
    AdviserTalk(1731);
    /*
':/New=???1
':_...>1731 ＃〈また　いつでも　遊びに来てくださいね。〉▽※∴
    */
    if (game.OSPlatform == 1 || game.OSPlatform == 2)
        SlideWord(game, adviserName, 4, 1, 2, game.OSPlatform == 1 ? 3 : 2);
    WaitTime(2);
    EndProgram(game);
}

