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

#include "cast/Anim.h"
#include "cast/GalFace.h"
#include "effects/StageEffect.h"
#include "effects/Wait.h"
#include "effects/WordEffect.h"
#include "form/Pump.h"
#include "keypad/frmKeypad.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "play/Advice.h"
#include "play/CrossChoice.h"
#include "play/KeypadLink.h"
#include "play/PlayFileChoice.h"
#include "play/Scoring.h"
#include "play/SetCross.h"
#include "play/TimedEvents.h"
#include "playfile/PlayFileName.h"
#include "records/Records.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "talk/FaceTalk.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "window/MainForm.h"
#include "window/Messages.h"

#include <algorithm>
#include <array>

Story::Story(Game& game) : game(game)
{
    timedRemark = [this] { TimedTalk(); };
    timeOutEnding = [this] { TimeOutEnding(); };
}

void Story::AdviserTalk(int n)
{
    ::AdviserTalk(game, n);
}

void Story::ChangeGalFaceWithTalk(int n, const QString& face)
{
    ::ChangeGalFaceWithTalk(game, n, face);
}

void Story::LeaveWithTalk(int talk, bool shake, bool tellEnd)
{
    AdviserTalk(1223);
    LeaveAdviser(game);
    AdviserTalk(talk);
    SlideWord(game, talkEngine(game).TalkNames[size_t(game.Adviser)], 4, 1, 2, 2);
    if (shake)
        ShakeStage(game, 2468, 1, 3);
    WaitTime(2);
    if (tellEnd)
        ShowMessage(game, 11);
    EndProgram(game);
}

void Story::PutUpCross(int n)
{
    LoadMasLabels(game, 0);
    QString error;
    // Every puzzle was read when the file was chosen: only a file changed since fails.
    if (SetCross(game, n, &error) == 0)
        DataFailure(game, QStringLiteral("%1: %2").arg(game.PlayFileTitle, error));
    game.CurCross = n;
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
':_...>1301 ＃〈ようこそ、ラティカへ。　家族と　いっしょに解く、　クロスワードパズルです。〉∴
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

    ChooseReadablePlayFile(game);
    game.frmMain->lblTitle->setCaption(playFileBaseName(game.PlayFileTitle));
    game.CrossCount = GetCrossCount(game);
    game.CrossSolved.assign(size_t(game.CrossCount) + 1, 0);
    if (SetRecordFile(game) == 0 || LoadRecord(game) == 0)
        EndProgram(game);
    game.KeypadMode = GetKeypadMode(game);
    // Without the romaji table no key would write a kana: a kana file cannot be played.
    if (game.KeypadMode == 1 && game.frmKeypad && game.frmKeypad->SetKeypad() == 0)
        DataFailure(game, QStringLiteral("%1\r\n\r\nかなで解くプレイファイル %2 は、この変換表がないと遊べません。")
                              .arg(game.frmKeypad->tableError(), game.PlayFileTitle));
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
    // From the set-up to the greeting's last word the flow owns the player: no command
    // starts and no key writes into the board.
    game.Busy = 1;
    SetupPlayScene(game);
    PutUpCross(NextUnsolvedCross(0, game.CrossSolved, game.CrossCount));
    ResetTalk(game);
    StartAnim(game);
    ShowStage(game);
    game.sound.PlayMusic(QStringLiteral("BGM挿入曲1"));
    game.frmMain->setKeyPreview(true);

    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    /*
':/New=??01
':_...>1401 ÷〈準備ができました。　さあ、はじめましょう！〉▼※∴
    */
    if (game.NewPlayer == 1 && game.KeypadMode == 0) {
        AdviserTalk(1401);
        SlideWord(game, adviserName, 4, 1, 2, 2);
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
':_...>1434 ＋〈来たか、⑩。　今日は　かなで解くパズルだ。〉▼
':^...^.... ＋〈ローマ字で打ちなさい。　かなは、ひとりでに入る。〉▼×∴
':_...*.... ＋〈かなが一字入れば、　次のマスへ進む。〉
':^...^.... ＋〈あわてずに、　ひとつずつ　うめていきなさい。〉▼※∴
        */
        AdviserTalk(1421);
        SlideWord(game, adviserName, 4, 1, 2, 2);
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
        SlideWord(game, t.TalkNames[0] + t.TalkNames[10], 4, 1, 2, 2);
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
':_...>1601 ＋〈……！〉∴
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
':_...>1704 ＋〈迷うくらいなら、　続けるとしよう。〉∴
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
    SlideWord(game, adviserName, 4, 1, 2, 2);
    WaitTime(2);
    EndProgram(game);
}

// "問題変更": the adviser offers the next unsolved puzzle in place of this one.
void Story::ChangeCross()
{
    const TalkEngine& t = talkEngine(game);
    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    const int next = NextUnsolvedCross(game.CurCross, game.CrossSolved, game.CrossCount);
    if (next == 0) {
        /*
':/New=??01
':_...>1801 ＃〈ほかに、まだ解いていない　パズルはありません。〉∴
':/New=??01
':_...>1901 ＋《ってことは、　これが最後のパズルだね！　いっしょに　やっつけちゃおう！》∴
':_...>1902 ＋〈つまり、　こいつが最後ってわけだ。　逃げずに片づけるぞ。〉∴
':_...>1903 ＋〈あら、これが　最後のパズルなのね。　ゆっくりでいいから、　いっしょに解きましょう。〉∴
':_...>1904 ＋〈これが最後のパズルだ。　腰をすえてかかりなさい。〉∴
':_...>1905 ＋〈もう！　さっき言ったじゃん。　ほかのは　ぜんぶ解いちゃったよ。〉∴
':_...>1906 ＋〈だから、ほかには　もう残ってないって。　これを解くしかないだろ。〉∴
':_...>1907 ＋〈さっきも言ったでしょう？　残っているのは　このパズルだけなのよ。〉∴
':_...>1908 ＋〈ほかのパズルは　もうない。　さっきも言ったはずだ。〉∴
        */
        int k = 1;
        QString face = QStringLiteral("-1");
        if (game.play.NoOtherCross == 0) {
            game.play.NoOtherCross = 1;
            k = 0;
            face = QStringLiteral("+1");
            AdviserTalk(1801);
            ZoomUpWord(game, adviserName, 1, 1, 3);
            FlashAdviserSpot(game);
        }
        ChangeGalFaceWithTalk(game.Adviser + 4 * k + 1900, face);
        AdviserTalk(1213);
        return;
    }
    /*
':/New=???1
':_...>1911 ＋〈えっ、このパズル　あきらめちゃうの？　別のにする？〉∴
':_...>1912 ＋〈なんだ、もう降参か？　ほかのに変えるのか？〉∴
':_...>1913 ＋〈あら、このパズルは　もういいの？　ほかのに変えましょうか。〉∴
':_...>1914 ＋〈このパズルは　ここまでにするか。〉∴
':_...>1915 『問題を変える／このまま解く』☆⊿∴
    */
    SetTalkWaitTime(game, 6);
    ChangeGalFaceWithTalk(game.Adviser + 1910, QStringLiteral("-1"));
    AdviserTalk(1915);
    int k = 0;
    if (t.TalkMenuAnswer == 1) {
        k = 1;
        PutUpCross(next);
    } else if (t.TalkMenuAnswer == 2) {
        k = 2;
    }
    /*
':/New=??01
':_...>2001 ＋《じゃあ、このまま　いっしょにがんばろう！》∴
':_...>2002 ＋〈返事なしか。　なら、このまま続行だな。〉∴
':_...>2003 ＋〈このまま、もう少し　がんばってみましょう。〉∴
':_...>2004 ＋〈返事がないなら、　このまま続けなさい。〉∴
':_...>2005 ＋《はい、次のパズルだよ！　今度こそ解いちゃおう！》∴
':_...>2006 ＋〈ほら、次のやつだ。　今度は投げ出すなよ。〉∴
':_...>2007 ＋〈はい、新しいパズルよ。　今度は解けるといいわね。〉∴
':_...>2008 ＋〈次のパズルだ。　気を取り直して　いきなさい。〉∴
':_...>2009 ＋《えらい、⑩！　その調子でがんばろう！》∴
':_...>2010 ＋〈おう、それでこそだ。　最後まで付き合ってやる。〉∴
':_...>2011 ＋〈そうね、それがいいわ。　あせらず解きましょうね。〉∴
':_...>2012 ＋〈それでいい。　粘り強くいきなさい。〉∴
    */
    ChangeGalFaceWithTalk(game.Adviser + 4 * k + 2000, QStringLiteral("+1"));
    AdviserTalk(1213);
}

// "完 成": the adviser looks at the board; a full board is scored when the player says so.
void Story::AnswerOpen()
{
    const TalkEngine& t = talkEngine(game);
    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    /*
':/New=??01
':_...>2101 ＋《どれどれ……》∴
    */
    AdviserTalk(2101);
    ZoomUpWord(game, adviserName, 1, 1, 2);
    FlashAdviserSpot(game);
    game.sound.PlayMusic(QStringLiteral("BGM挿入曲1"));

    // The verdict: 0 no answer, 1 not yet, 2 a few cells empty, 3 many empty, 4 empty
    // after an earlier scoring, 5 the first scoring, 6 a scoring again.
    const int blanks = CountBlankMas(game);
    const int scorings = game.play.ScoreCount;
    int v = 0;
    /*
':/New=???1
':_...>2111 ＋《ぜんぶうまったじゃん！　採点しちゃう？》∴
':_...>2112 ＋〈お、一応全部うめたな。　採点するか？〉∴
':_...>2113 ＋〈まあ、よくうめたわね。　採点してみましょうか？〉∴
':_...>2114 ＋〈すべてうまったようだ。　答え合わせをするか。〉∴
':_...>2115 『採点する／まだしない』☆⊿∴
':/New=???1
':_...>2121 ＃〈うめていないマスが　まだ残っています。〉∴
    */
    if (blanks == 0) {
        SetTalkWaitTime(game, 6);
        ChangeGalFaceWithTalk(game.Adviser + 2110, QStringLiteral("+1"));
        AdviserTalk(2115);
        if (t.TalkMenuAnswer == 1)
            v = scorings == 0 ? 5 : 6;
        else if (t.TalkMenuAnswer == 2)
            v = 1;
    } else if (scorings != 0) {
        v = 4;
    } else {
        v = blanks >= game.cross.MasMaxX * game.cross.MasMaxY / 3 ? 3 : 2;
    }
    if (v >= 2 && v <= 4) {
        AdviserTalk(2121);
        ZoomUpWord(game, adviserName, 1, 1, 3);
        FlashAdviserSpot(game);
    }
    /*
':/New=??01
':_...>2201 ＋〈まだ自信ないのかな？　じゃあ、見直してみよう。〉∴
':_...>2202 ＋〈なんだ、黙りこんで。　採点はあとでいいんだな。〉∴
':_...>2203 ＋〈お返事がないわね。　採点はまたにしましょう。〉∴
':_...>2204 ＋〈答えぬか。　採点は　あとにしよう。〉∴
':_...>2205 ＋《おっ、慎重派だね。　じっくり見直そう！》∴
':_...>2206 ＋〈そうか、まあ　急ぐこともないな。〉∴
':_...>2207 ＋〈そうね。念のため　見直しましょうね。〉∴
':_...>2208 ＋〈うむ、見直しは　よい心がけだ。〉∴
':_...>2209 ＋《あと少しだよ！　あいてるマスを　うめちゃおう！》∴
':_...>2210 ＋〈惜しいな、　まだ穴が残ってるぞ。　全部うめてから押せよ。〉∴
':_...>2211 ＋〈もうひと息ね。　あいているマスを　うめてから、　採点しましょうね。〉∴
':_...>2212 ＋〈まだ空白がある。　うめ終えてから　出直しなさい。〉∴
':_...>2213 ＋《ちょっとちょっと、　まだスカスカじゃん！》
':^...^.... ＋〈気が早いなあ、⑩。〉∴
':_...>2214 ＋〈おいおい、　まだ穴だらけだろ。　せっかちにも　ほどがあるぞ。〉∴
':_...>2215 ＋〈あらあら、　まだあいているマスが　たくさんあるわよ。　あせらなくていいのよ。〉∴
':_...>2216 ＋〈これでは　採点のしようがない。　まずは、うめなさい。〉∴
':_...>2217 ＋〈あれ？　あいてるマスがあるよ。　ちゃんとうめてから、　もう一回ね！〉∴
':_...>2218 ＋〈おい、　空きマスがあるだろ。　採点は全部うめてからだ。〉∴
':_...>2219 ＋〈あら、まだ　うまっていないマスが　あるわよ。　採点は、そのあとでね。〉∴
':_...>2220 ＋〈空白が残っている。　うめ忘れではないか。〉∴
':_...>2221 ＋《よーし、ついに採点だね！　うう、ドキドキする……》∴
':_...>2222 ＋〈よし、勝負だな。　覚悟はいいか？〉∴
':_...>2223 ＋〈さあ、答え合わせよ。　合っているといいわね。〉∴
':_...>2224 ＋〈よかろう。　採点に入る。〉∴
':_...>2225 ＋《今度こそ、　全部合ってますように！》∴
':_...>2226 ＋〈ちゃんと直したろうな？　もう一回いくぞ。〉∴
':_...>2227 ＋〈もう一度ね。　今度は大丈夫だと思うわ。〉∴
':_...>2228 ＋〈では、直した成果を　見せてもらおう。〉∴
    */
    ChangeGalFaceWithTalk(game.Adviser + 4 * v + 2200, QStringLiteral("-1"));
    AdviserTalk(1213);
    if (v == 5 || v == 6)
        ScoreCross();
}

// The scoring walk over the whole board, then the verdict.
void Story::ScoreCross()
{
    ++game.play.ScoreCount;
    /*
':/New=??01
':_...>2301 ＋〈じゃあ、いくよ……！　赤くなったマスは　まちがいだからね。〉∴
':_...>2302 ＋〈一語ずつ見ていくぞ。　待ちきれなきゃ、　「高速採点」を押せ。〉∴
':_...>2303 ＋〈お母さんも　どきどきするわ。　落ち着いて　見ていましょうね。〉∴
':_...>2304 ＋〈順に確かめていく。　よく見ておきなさい。〉∴
    */
    SetTalkWaitTime(game, 3);
    ChangeGalFaceWithTalk(game.Adviser + 2300, QStringLiteral("-1"));
    AdviserTalk(1213);
    BeginScoringDisplay(game);
    ScoreWords(game);
    if (game.play.SpeedUpMark == 1)
        ScoreAllAtOnce(game);
    EndScoringDisplay(game);
    const int wrong = CountWrongMas(game);
    if (wrong > 0) {
        ResetMasColours(game);
        SelectFirstWrongWord(game);
    }
    ScoreResult(wrong);
}

// Wrong cells: the adviser consoles (the talks stand at the end, by their numbers). None:
// the puzzle is solved and recorded, and the player goes on to the next one, or the game
// ends when every puzzle is solved.
void Story::ScoreResult(int wrong)
{
    const TalkEngine& t = talkEngine(game);
    const QString adviserName = t.TalkNames[size_t(game.Adviser)];
    const int scorings = game.play.ScoreCount;
    if (wrong > 0) {
        const int k = scorings <= 1 ? 0 : scorings == 2 ? 1 : scorings == 3 ? 2 : 3;
        ChangeGalFaceWithTalk(game.Adviser + 4 * k + 2700, QStringLiteral("-1"));
        AdviserTalk(1213);
        ChangeGalFace(game, QStringLiteral("+1"));
        return;
    }
    /*
':/New=??01
':_...>2401 ＃〈全問正解です！〉∴
':/New=??01
':_...>2501 ＋《やったー！　一回で全部正解だよ！》
':^...^.... ＋〈すごいじゃん、⑩！　お姉ちゃん、負けそう。〉▼※∴
':_...>2502 ＋《一発で全問正解かよ！》
':^...^.... ＋〈まあ、やるじゃないか。〉▼※∴
':_...>2503 ＋《まあ、すごいわ！》
':^...^.... ＋〈一度で解けたのね。　よくがんばったわ。　疲れたでしょう？〉▼※∴
':_...>2504 ＋〈……うむ、文句なしだ。〉
':^...^.... ＋《見事だ、⑩。》▼※∴
':_...>2505 ＋《やったね、⑩！　ついに全部正解だよ！》
':^...^.... ＋〈見直したかいがあったね！〉▼※∴
':_...>2506 ＋〈ふう、やっと合ったな。〉
':^...^.... ＋〈手こずらせやがって。　……よくやったよ。〉▼※∴
':_...>2507 ＋〈よかった、全部正解よ。　あきらめずに直して、　えらかったわね。〉▼※∴
':_...>2508 ＋〈全問正解だ。　よく粘った。〉▼※∴
    */
    AdviserTalk(2401);
    ZoomUpWord(game, adviserName, 1, 1, 3);
    FlashAdviserSpot(game);
    int k = scorings > 1 ? 1 : 0;
    ChangeGalFaceWithTalk(game.Adviser + 4 * k + 2500, QStringLiteral("=5"));
    game.CrossSolved[size_t(game.CurCross)] = 1;
    SaveRecord(game);
    const int next = NextUnsolvedCross(game.CurCross, game.CrossSolved, game.CrossCount);
    if (next == 0) {
        /*
':/New=???1
':_...>2511 ＋《すごいすごい！　これでパズルは　ぜんぶ解いちゃったよ！》
':^...^.... ＋〈⑩って天才かも！〉∴
':_...>2512 ＋《やったな、⑩！　これで全部解けたぞ！》
':^...^.... ＋〈正直、ここまでやるとは　思わなかったぜ。〉∴
':_...>2513 ＋《まあ、全部のパズルを　解いてしまったのね！》
':^...^.... ＋〈お母さん、うれしいわ。　今夜はごちそうね。〉∴
':_...>2514 ＋〈……すべて解いたか。〉
':^...^.... ＋《たいしたものだ、⑩。　父さんも鼻が高い。》∴
':/New=???1
':_...>2521 ＋《楽しかったね、⑩！》
':^...^.... ＋〈新しいパズルも、　お姉ちゃんと　いっしょに解こうね！〉∴
':_...>2522 ＋〈じゃ、オレは行くぞ。〉
':^...^.... ＋〈別のパズルを見つけたら、　また呼べよ。〉∴
':_...>2523 ＋〈お疲れさま、⑩。　今日はゆっくり　休みなさいね。〉∴
':_...>2524 ＋〈⑩、今日は　よくやった。〉
':^...^.... ＋〈また付き合おう。〉∴
':_...>2525 ＃〈おめでとうございます！　このファイルのパズルは　すべて解きおえました。〉▽※∴
        */
        ChangeGalFaceWithTalk(game.Adviser + 2510, QStringLiteral("=4"));
        AdviserTalk(1213);
        ChangeGalFaceWithTalk(game.Adviser + 2520, QStringLiteral("=5"));
        LeaveWithTalk(2525, false, false);
    }
    /*
':/New=???1
':_...>2531 ＋〈このまま次のパズルも　やっちゃう？〉∴
':_...>2532 ＋〈勢いのあるうちに、　次もいくか？〉∴
':_...>2533 ＋〈次も解いてみる？　疲れたら休んでいいのよ。〉∴
':_...>2534 ＋〈次のパズルに進むか。〉∴
':_...>2535 『次へ進む／ここで終わる』☆⊿∴
':/New=??01
':_...>2601 ＋《ぼーっとしてるなら、　次いっちゃうよ！》∴
':_...>2602 ＋〈黙ってるなら、　次に進むぞ。〉∴
':_...>2603 ＋〈考えごとかしら。　次へ進みましょうね。〉∴
':_...>2604 ＋〈黙っているなら、　次へ進もう。〉∴
':_...>2605 ＋《さっすが⑩！　次もいっしょに解こうね！》∴
':_...>2606 ＋〈よし、次だ。　ついてこいよ。〉∴
':_...>2607 ＋〈それじゃ、次のパズルね。　無理はしないでね。〉∴
':_...>2608 ＋〈よろしい。　次のパズルだ。〉∴
':_...>2609 ＋〈そっかぁ、今日は　ここまでかあ。〉
':^...^.... ＋《またね、⑩！》∴
':_...>2610 ＋〈そうか。　じゃ、またな、⑩。〉∴
':_...>2611 ＋〈そうね、　よくがんばったものね。　ゆっくり休みなさい。〉∴
':_...>2612 ＋〈うむ。　今日はここまでとしよう。　ご苦労だった、⑩。〉∴
':_...>2613 ＃〈お疲れさまでした。　残りのパズルは、　また今度どうぞ。〉▽※∴
':/New=??01
':_...>2701 ＋《あちゃー、おしい！》
':^...^.... ＋〈まちがいがあったみたい。　カーソルのとこが　あやしいよ！〉∴
':_...>2702 ＋〈残念、まちがいありだ。　最初はこんなもんだろ。　カーソルの所から　直してみろ。〉∴
':_...>2703 ＋〈まちがいが見つかったわ。〉
':^...^.... ＋〈大丈夫、すぐ直せるわよ。　カーソルのあるマスから　見直しましょう。〉∴
':_...>2704 ＋〈まちがいが　あったようだ。〉
':^...^.... ＋〈まず、カーソルのマスを　確かめなさい。〉∴
':_...>2705 ＋〈うーん、まだ　まちがいが残ってるよ。〉
':^...^.... ＋〈お姉ちゃんに聞いても　いいんだよ？〉∴
':_...>2706 ＋〈おいおい、二回目も　まちがいありかよ。〉
':^...^.... ＋〈しょうがないな、　もう一回よく見直せ。〉∴
':_...>2707 ＋〈まだ、合っていない所が　あるみたいね。〉
':^...^.... ＋〈ひと息いれて、　お茶でもどうかしら。〉∴
':_...>2708 ＋〈まだ合わんか。〉
':^...^.... ＋〈あせることはない。　ひとつずつ、じっくりだ。〉∴
':_...>2709 ＋《ええー、また？》
':^...^.... ＋〈⑩、もしかして　クロスワード苦手？　ふふっ、お姉ちゃんに　まかせてよ！〉∴
':_...>2710 ＋〈三回目でもまだかよ。〉
':^...^.... ＋〈どこで詰まってるんだ？　兄ちゃんが見てやるよ。〉∴
':_...>2711 ＋〈あらあら、まだなのね。〉
':^...^.... ＋〈少し疲れたのかしら。　休みながらでいいのよ。〉∴
':_...>2712 ＋〈手ごわいようだ。〉
':^...^.... ＋〈一度手を止めて、　カギを読み直しなさい。〉∴
':_...>2713 ＋〈もう、⑩ったら！〉
':^...^.... ＋〈なんだか心配だよ……　ひとりで悩まないで、　お姉ちゃんを頼ってよね。〉∴
':_...>2714 ＋〈おい、何回目だよ。〉
':^...^.... ＋〈……大丈夫か、お前。　意地はってないで、　兄ちゃんに聞けって。〉∴
':_...>2715 ＋〈まあ、まだ合わないのね。〉
':^...^.... ＋〈お母さん、心配だわ。　今日はもう休んだら　どうかしら。〉∴
':_...>2716 ＋〈……ふむ。〉
':^...^.... ＋〈こういう時は、　頭を冷やすのが　いちばんだ。〉∴
    */
    SetTalkWaitTime(game, 6);
    ChangeGalFaceWithTalk(game.Adviser + 2530, QStringLiteral("=5"));
    AdviserTalk(2535);
    const int answer = t.TalkMenuAnswer;
    if (answer >= 0 && answer <= 2)
        k = answer;
    ChangeGalFaceWithTalk(game.Adviser + 4 * k + 2600, QStringLiteral("=3"));
    if (answer == 0 || answer == 1) {
        AdviserTalk(1213);
        PutUpCross(next);
        game.play.ScoreCount = 0;
    } else if (answer == 2) {
        LeaveWithTalk(2613, false, false);
    }
}

// The advice label: a hint about the current word, drawn from a range that moves with
// the advice stage, from a letter given away to refusals; asked too often, the adviser
// gives up and the game ends.
void Story::GiveAdvice()
{
    TalkEngine& t = talkEngine(game);
    PlayState& s = game.play;
    // "問題変更" is advised only while another unsolved puzzle is there to change to.
    const int noOtherCross = NextUnsolvedCross(game.CurCross, game.CrossSolved, game.CrossCount) == 0 ? 1 : 0;
    const AdvicePick pick = PickAdvice(s.AdviceStage, game.gal.GalFaceNo, noOtherCross, game.random);
    ++s.AdviceStage;
    // The talk variables borrow the names the adviser menu set, which the zoom and the
    // slide show: those come back after the advice.
    const std::array<QString, 5> names{t.TalkNames[0], t.TalkNames[1], t.TalkNames[2], t.TalkNames[3],
                                       t.TalkNames[4]};
    std::array<QString, 5> variables = names;
    const QString word = s.CurQues > 0 ? game.cross.Ques[s.CurQues].Answer : QString();
    const int position = s.CursorStep > 0 ? (s.CursorMas - s.WordStart) / s.CursorStep + 1 : 1;
    const int a = PrepareAdviceNames(pick.kind, word, position, s.CursorStep == 1, game.random, variables);
    for (int i = 1; i <= 4; ++i)
        t.TalkNames[size_t(i)] = variables[size_t(i)];
    const int f = pick.face;
    const QString adviserName = names[size_t(game.Adviser)];

    /*
':/New=??01
':_...>2801 ＋〈……。〉∴
':/New=??01
':_...>2901 ＋《それなら　わかるよ！　いまのマスは　「②」だね。》∴
':_...>2902 ＋〈なんだ、そこか。　そいつは「②」だ。〉∴
':_...>2903 ＋〈あら、そこなら　わかるわ。　そのマスは「②」よ。〉∴
':_...>2904 ＋〈うむ。　そこは「②」だ。〉∴
':_...>2905 ＋〈えっとね、　③の言葉の　①文字目は　「②」だよ。〉∴
':_...>2906 ＋〈いいか、③の言葉の　①文字目は「②」だ。　これで進めるだろ。〉∴
':_...>2907 ＋〈③の言葉を　見てごらんなさい。　①文字目は、　「②」なのよ。〉∴
':_...>2908 ＋〈③の①文字目に　「②」を入れなさい。〉∴
':_...>2909 ＋〈③の①文字目、　「②」だよ。　そしたら④の言葉も　見えてくるでしょ？〉∴
':_...>2910 ＋〈③の①文字目が　「②」だぞ。　あとは④のほうから　攻めてみろよ。〉∴
':_...>2911 ＋〈③の言葉の　①文字目は、　「②」だと思うわ。　④の言葉と　照らし合わせてみて。〉∴
':_...>2912 ＋〈③の①文字目は　「②」だ。　④の言葉で　確かめなさい。〉∴
':_...>2913 ＋〈カギを声に出して　読んでみたら？　ふっと浮かぶかもよ。〉∴
':_...>2914 ＋〈カギを　もう一回　よく読んでみろ。　ひっかけが　あるかもしれないぞ。〉∴
':_...>2915 ＋〈カギを　ゆっくり　読み返してごらんなさい。　きっと思いつくわよ。〉∴
':_...>2916 ＋〈カギを一語ずつ　読みなさい。　答えは、たいてい　そこにある。〉∴
':_...>2917 ＋〈え～、もう聞くの？　交わってる言葉を　先にうめてみなよ。〉∴
':_...>2918 ＋〈弱音を吐くには　早いぞ。　交わる言葉を　先に片づけろ。　そしたら見えてくるだろ。〉∴
':_...>2919 ＋〈あらあら、　もう降参なの？　交わっている言葉から　うめてごらんなさい。〉∴
':_...>2920 ＋〈もう音を上げるのか。　交わる言葉が　手がかりになる。〉∴
':_...>2921 ＋〈文字数を　数えてみて。　あてはまる言葉、　けっこう　しぼれるよ。〉∴
':_...>2922 ＋〈マスの数を　数えてみろ。　その長さで入る言葉は　限られてるだろ。〉∴
':_...>2923 ＋〈似た意味の言葉を　思い浮かべてごらん。　マスの数に合うものが　あるはずよ。〉∴
':_...>2924 ＋〈急がば回れ、だ。　カギの意味を　別の言い方に　置きかえてみなさい。〉∴
':_...>2925 ＋〈うーん、そこは　自分で考えてほしいな。　ほかの言葉を　先にやって、　あとで戻ればいいじゃん。〉∴
':_...>2926 ＋〈そこは自分で考えろ。　詰まったら、いったん　ほかの言葉に　移ってみな。〉∴
':_...>2927 ＋〈ここは自分で　考えてみましょうね。　ほかの所をうめてから　戻ってくればいいのよ。〉∴
':_...>2928 ＋〈そこは、お前が　考えなさい。　ほかを先に　うめるのも手だ。〉∴
':_...>2929 ＋〈しょうがないなあ。　③の①文字目は　「②」。　今回だけだよ？〉∴
':_...>2930 ＋〈ちっ、しょうがねえな。　③の①文字目には　「②」が入るぞ。　次は自分でやれよ。〉∴
':_...>2931 ＋〈しかたないわね。　③の①文字目は　「②」よ。　甘やかしすぎかしら。〉∴
':_...>2932 ＋〈……今回だけだ。　③の①文字目。　答えは「②」。〉∴
':_...>2933 ＋〈ふふん、教えな～い。　わかったら、きっと　「なあんだ」って言うよ。〉∴
':_...>2934 ＋〈教えてやってもいいが、　それじゃ　つまらないだろ？　お前なら　ひらめくって。〉∴
':_...>2935 ＋〈ふふ、どうしようかしら。　答えは案外、身近な　言葉かもしれないわよ。〉∴
':_...>2936 ＋〈父さんにもわからん。　……というのは冗談だ。　まあ、もう少し　ねばってみなさい。〉∴
':_...>2937 ＋〈この問題、　手ごわいよね。　いっそ　「問題変更」しちゃう？〉∴
':_...>2938 ＋〈この問題は　相性が悪いみたいだな。　「問題変更」で　別のに替えたらどうだ？〉∴
':_...>2939 ＋〈少し　気分を変えましょうか。　「問題変更」で　ほかの問題に　してもいいのよ。〉∴
':_...>2940 ＋〈これは　難問だ。　「問題変更」で　別の問題にかかるのも　よかろう。〉∴
':_...>2941 ＋〈また～？　さっき　聞いたばっかりじゃん。〉∴
':_...>2942 ＋〈また　オレかよ。　ちょっとは　間を空けろって。〉∴
':_...>2943 ＋〈あら、また？　さっきも　聞いたばかりでしょう？〉∴
':_...>2944 ＋〈またか。　……⑩、少し　落ち着きなさい。〉∴
':_...>2945 ＋〈お姉ちゃんの答えを　写してるだけじゃ、　力がつかないよ？〉∴
':_...>2946 ＋〈オレに頼ってるうちは、　いつまでも　うまくならないぞ。〉∴
':_...>2947 ＋〈人に頼ってばかりだと、　自分の力に　ならないのよ。〉∴
':_...>2948 ＋〈自分で解いてこそ、　パズルは　おもしろいのだ。〉∴
':_...>2949 ＋〈あのね、　お姉ちゃんだって　ひまじゃないんだよ。　マンガの続き、　読みたいんだけどな。〉∴
':_...>2950 ＋〈あのな、オレにも　やることが　あるんだよ。　宿題とか、いろいろな。〉∴
':_...>2951 ＋〈お母さん、夕ごはんの　支度もあるのよ。　少しは　自分で考えなさい。〉∴
':_...>2952 ＋〈父さんは　いま、　新聞を読んでいるのだが。〉∴
':_...>2953 ＋〈これで何回目か、　数えてる？　お姉ちゃんは　数えてるよ！〉∴
':_...>2954 ＋〈何回目だと　思ってるんだ。　少しは　自分の頭を使え。〉∴
':_...>2955 ＋〈困った子ね。　少しは　お母さんにも　休ませてちょうだい。〉∴
':_...>2956 ＋〈……⑩。　父さんは　辞書ではない。〉∴
':_...>2957 ＋《ぷんっ。　その質問には　もう答えません！》∴
':_...>2958 ＋〈……聞こえないな。　オレは　何も聞いてないぞ。〉∴
':_...>2959 ＋〈お母さんだって、　何でも　わかるわけじゃ　ないのよ。〉∴
':_...>2960 ＋〈聞けば　何でも出てくると　思わないことだ。〉∴
':_...>2961 ＋〈いい？⑩ちゃん。　お姉ちゃんのヒント、　もう　品切れ寸前だよ。〉∴
':_...>2962 ＋〈言っとくけどな、　ヒントは　もう　ほとんど残ってないぞ。〉∴
':_...>2963 ＋〈いいこと、⑩。　お母さんのヒントは、　もう　残り少ないわよ。〉∴
':_...>2964 ＋〈⑩、聞きなさい。　父さんの助けも、　そろそろ　終わりだ。〉∴
':_...>2965 ＋〈……つーん。　知らないもん。　自分で　考えれば？〉∴
':_...>2966 ＋〈……ふん。　勝手にやってろ。〉∴
':_...>2967 ＋〈……はあ。　お母さん、ちょっと　悲しくなってきたわ。〉∴
':_...>2968 ＋〈……父さんは、　何も言わん。〉∴
':_...>2969 ＋〈だーめ。　もう、ひと文字だって　教えてあげないよ。〉∴
':_...>2970 ＋〈断る。　自分で　なんとかしろ。〉∴
':_...>2971 ＋〈だめよ。　今度ばかりは　教えてあげません。〉∴
':_...>2972 ＋〈教えられん。　これ以上は　お前のためにならん。〉∴
':_...>2973 ＋〈そんなに　聞いてばっかりだと、　お姉ちゃん、　部屋に帰っちゃうからね！〉∴
':_...>2974 ＋〈いい加減にしろよ。　あんまり　しつこいと、　オレは帰るぞ。〉∴
':_...>2975 ＋〈あんまり聞くと、　お母さん、　お台所に戻りますからね。〉∴
':_...>2976 ＋〈あまり聞くようなら、　父さんは　席を立つ。　よいな。〉∴
':_...>2977 ＋《もう、やだっ！　質問ぜめは　こりごりだよ！》∴
':_...>2978 ＋〈……もういい。　聞きあきた。〉∴
':_...>2979 ＋〈……ふう。　お母さん、もう疲れたわ。〉∴
':_...>2980 ＋〈……もはや、　父さんの出る幕ではない。〉∴
':_...>2981 ＋〈③の二文字の言葉ね。　①の文字は　「②」だよ。〉∴
':_...>2982 ＋〈たった二文字だろ。　①のマスに　「②」を入れてみろ。〉∴
':_...>2983 ＋〈③の言葉は　二文字ね。　①の文字は、　「②」よ。〉∴
':_...>2984 ＋〈③の二文字か。　①のマスは　「②」だ。〉∴
':_...>2985 ＋〈③の言葉、　うしろは「②」だよ。　あとは　最初の一文字だけ！〉∴
':_...>2986 ＋〈③の言葉、　うしろの文字は　「②」だぞ。　そんな二文字、　そう多くないだろ。〉∴
':_...>2987 ＋〈③の言葉は、　うしろが「②」なの。　残りの一文字は、　あなたが考えてみて。〉∴
':_...>2988 ＋〈その言葉は　「②」で終わる。　頭の一文字を　考えなさい。〉∴
':_...>2989 ＋〈二文字なら　すぐだよ。　①文字目が「②」。　④の言葉と　合わせてみて。〉∴
':_...>2990 ＋〈二文字か。　①文字目が「②」だな。　④と交わる所も　見てみろよ。〉∴
':_...>2991 ＋〈二文字の言葉ね。　①文字目は「②」よ。　④の言葉からも　確かめてごらんなさい。〉∴
':_...>2992 ＋〈①文字目は「②」。　④の言葉で　裏を取りなさい。〉∴
    */
    if (a == 13 || a == 14) {
        AdviserTalk(2801);
        ZoomUpWord(game, adviserName, 1, 1, 3);
        FlashAdviserSpot(game);
    }
    ChangeGalFaceWithTalk(game.Adviser + 4 * a + 2900, QStringLiteral("=%1").arg(f));
    for (int i = 1; i <= 4; ++i)
        t.TalkNames[size_t(i)] = names[size_t(i)];
    if (a != 19) {
        AdviserTalk(1213);
        return;
    }
    /*
':/New=??01
':_...>3001 ＋《うわーん！　お姉ちゃん、もう帰る！　さよならっ！》∴
':_...>3002 ＋〈付き合ってられるか。　じゃあな。〉∴
':_...>3003 ＋〈ごめんなさいね、⑩。　お母さん、少し　横になってくるわ。〉∴
':_...>3004 ＋〈⑩、父さんは　これにて　失礼する。〉∴
':/New=???1
':_...>3011 ＃〈となりの席が　空いてしまいました。　パズルの続きは、　また今度に　しましょう。〉▽※∴
    */
    AdviserTalk(1211);
    ChangeGalFaceWithTalk(game.Adviser + 3000, QStringLiteral("=1"));
    LeaveWithTalk(3011, true, true);
}

// Ten hours of play: the adviser sends the player off to rest.
void Story::TimeOutEnding()
{
    // The game tick stops: the clock would start this ending again every half second.
    game.frmMain->tmrKumi.setEnabled(false);
    /*
':/New=??01
':_...>3101 ＋〈えっ、もう十時間！？　⑩ちゃん、　目がしょぼしょぼだよ。〉∴
':_...>3102 ＋〈おい、もう十時間だぞ。　いくらなんでも　やりすぎだろ。〉∴
':_...>3103 ＋〈まあ、もう十時間も……。　あなた、疲れたでしょう？〉∴
':_...>3104 ＋〈……十時間か。　さすがに根を詰めすぎだ。〉∴
':/New=???1
':_...>3111 ＋《ちゃんと休んでね！　また遊ぼうね！》∴
':_...>3112 ＋〈今日はここまでにしとけ。　休んだら、また来いよ。〉∴
':_...>3113 ＋〈あたたかくして　ゆっくり休むのよ。　また、いらっしゃいね。〉∴
':_...>3114 ＋〈よくがんばった。　今日は休んで、　また来なさい。〉∴
':/New=???1
':_...>3121 ＃〈十時間、　お疲れさまでした。　ゆっくり　休んでください。〉▽※∴
    */
    ChangeGalFaceWithTalk(game.Adviser + 3100, QStringLiteral("-1"));
    AdviserTalk(1211);
    ChangeGalFaceWithTalk(game.Adviser + 3110, QStringLiteral("=5"));
    LeaveWithTalk(3121, false, true);
}

// At most once a minute the adviser remarks on the time played, cheers the player on, or
// complains of idleness; after seven idle minutes the adviser gives up.
void Story::TimedTalk()
{
    PlayState& s = game.play;
    const int minute = s.PassedHour * 60 + s.PassedMinute;
    if (minute == s.LastTalkMinute)
        return;
    s.LastTalkMinute = minute;

    int r = -1;
    QString code;
    if (s.EntryCount >= 1) {
        code = QStringLiteral("+1");
        s.AdviceStage = AdviceStageForFace(game.gal.GalFaceNo, s.AdviceStage);
        static const std::array<int, 5> milestones{10, 15, 30, 60, 120};
        const auto at = std::find(milestones.begin(), milestones.end(), minute);
        if (at != milestones.end())
            r = int(at - milestones.begin());
        else if (game.random.RandomFrom1(5) == 1)
            r = 5;
        else
            ChangeGalFace(game, QStringLiteral("+1"));
    } else {
        switch (const int idle = IdleMinutes(game)) {
        case 1: r = 6; code = QStringLiteral("-1"); break;
        case 2: r = 7; code = QStringLiteral("-1"); break;
        case 3: r = 8; code = QStringLiteral("=1"); break;
        case 4: r = 9; code = QStringLiteral("-1"); break;
        default:
            if (idle >= 7) {
                r = 10;
                code = QStringLiteral("=1");
            }
            break;
        }
    }
    s.EntryCount = 0;
    if (r < 0)
        return;

    game.sound.PlayMusic(QStringLiteral("BGMテーマ曲"));
    const int face = game.gal.GalFaceNo;
    /*
':/New=??01
':_...>3201 ＋《もう十分たったね。　⑩ちゃん、　いい調子じゃん！》∴
':_...>3202 ＋〈十分たったか。　まあ、悪くないな。〉∴
':_...>3203 ＋〈始めてから　十分たったわね。　その調子よ、⑩。〉∴
':_...>3204 ＋〈十分たった。　よい出だしだ。〉∴
':_...>3205 ＋〈十五分たったよ。　⑩ちゃん、速いね！　お姉ちゃん、　ちょっと　くやしいかも。〉∴
':_...>3206 ＋〈お、十五分たったぞ。　なかなか　やるじゃないか。〉∴
':_...>3207 ＋〈もう十五分。　ずいぶん　うまってきたわね。〉∴
':_...>3208 ＋〈十五分か。　筋がいい。〉∴
':_...>3209 ＋《三十分も　続いてるね！　⑩ちゃん、　すごいじゃん！》∴
':_...>3210 ＋〈もう三十分か。　ちょっとは　見直したぞ。〉∴
':_...>3211 ＋〈三十分も　集中してるのね。　えらいわ、⑩。〉∴
':_...>3212 ＋〈三十分か。　たいしたものだ。〉∴
':_...>3213 ＋〈一時間たったよ！　⑩ちゃん、　がんばるね～。　でも、目は　疲れてない？〉∴
':_...>3214 ＋〈もう一時間だぞ。　お前、根性あるな。　たまには　肩でも回せよ。〉∴
':_...>3215 ＋〈一時間もがんばったのね。　そろそろお茶にしない？　少し休むのも大事よ。〉∴
':_...>3216 ＋〈一時間か。見事だ。　……だが、たまには　目を休めなさい。〉∴
':_...>3217 ＋《二時間だよ！　お姉ちゃん、　⑩ちゃんには　かなわないな。　でも、ちょっと休もうよ。》∴
':_...>3218 ＋〈二時間ぶっ通しか。　……負けたよ。　でも、そろそろ　休めよな。〉∴
':_...>3219 ＋〈まあ、もう二時間よ。　本当に　よくがんばったわね。　でも、無理は禁物よ。〉∴
':_...>3220 ＋〈二時間か。　……うむ、立派だ。　だが、体も　大事にしなさい。〉∴
':_...>3221 ＋《いいね、いいね！　どんどん　うまってくじゃん！》∴
':_...>3222 ＋〈おっ、進んでるな。　その調子で　いけよ。〉∴
':_...>3223 ＋〈ふふ、楽しそうね。　見ているだけで　うれしくなるわ。〉∴
':_...>3224 ＋〈……いい手つきだ。〉∴
':_...>3225 ＋〈あれ、⑩ちゃん？　手が止まってるよ。〉∴
':_...>3226 ＋〈どうした、考え中か？〉∴
':_...>3227 ＋〈あら、ひと休み？　ゆっくりで　いいのよ。〉∴
':_...>3228 ＋〈行き詰まったか。〉∴
':_...>3229 ＋〈ねえ、⑩ちゃん。　お姉ちゃん、　退屈になってきたよ～。〉∴
':_...>3230 ＋〈おい、まだか？　日が暮れちまうぞ。〉∴
':_...>3231 ＋〈まだかしら。　お茶が　冷めちゃうわよ。〉∴
':_...>3232 ＋〈……長考か。　まあ、待とう。〉∴
':_...>3233 ＋〈もう！⑩ちゃん、　いつまで　ぼーっとしてるの！〉∴
':_...>3234 ＋〈おい、寝てるのか？　さっさと　手を動かせ。〉∴
':_...>3235 ＋〈……もう。お母さん、　待ちくたびれちゃったわ。〉∴
':_...>3236 ＋〈⑩。いつまで　そうしているつもりだ。〉∴
':_...>3237 ＋〈おーい、⑩ちゃん？　もしかして　どこか行っちゃった？　お姉ちゃん、　さびしいんだけど！〉∴
':_...>3238 ＋〈おい、⑩。　そこに　いるのか？　返事ぐらい　しろよ。〉∴
':_...>3239 ＋〈⑩？そこにいるの？　お母さん、　心配になってきたわ。〉∴
':_...>3240 ＋〈……⑩。　聞こえているか。〉∴
':_...>3241 ＋《⑩ちゃんったら！　ずっと待ってたのに！》∴
':_...>3242 ＋〈……返事なし、か。〉∴
':_...>3243 ＋〈……返事がないわね。　寝ちゃったのかしら。〉∴
':_...>3244 ＋〈……七分か。　これ以上は待てん。〉∴
    */
    ChangeGalFaceWithTalk(game.Adviser + 4 * r + 3200, code);
    if (r <= 9) {
        ChangeGalFaceWithTalk(1213, QStringLiteral("=%1").arg(face));
        return;
    }
    /*
':/New=???1
':_...>3251 ＋《いいもん！　お姉ちゃん、　ひとりで遊んでくる！》∴
':_...>3252 ＋〈待つのは　もう飽きた。　オレは帰るぞ。〉∴
':_...>3253 ＋〈お母さん、　先に休ませてもらうわね。　風邪をひかないでね。〉∴
':_...>3254 ＋〈父さんは席を外す。　続きは、またにしなさい。〉∴
':/New=???1
':_...>3261 ＃〈操作がないので、　今日は　ここまでにします。　また　遊びに来てください。〉▽※∴
    */
    AdviserTalk(1211);
    ChangeGalFaceWithTalk(game.Adviser + 3250, QStringLiteral("=1"));
    LeaveWithTalk(3261, true, true);
}
