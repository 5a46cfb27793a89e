// The story script: the flows that show talks, each talk written as a block of talk lines
// beside the statements that show it. talkbuild reads this file, stores the talk texts in
// the talk data files and renumbers the talks; the file is kept numbered the way talkbuild
// numbers it (talk start 1100, reference start 200, rounding on), so a build gives it
// back unchanged. Talks stand in ascending order of number; "':/New" lines round the
// numbering up to the next ten or hundred.
//
// A talk chosen per adviser is called as "Adviser + base": talkbuild leaves a sum written
// variable first alone, and the talks base + 1 .. base + 4 keep their numbers.
//
// This file joins the build of the game once the flows it calls are in place.

namespace story {

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
':_...>1231 【●お姉ちゃん●お兄ちゃん●お母さん●お父さん】÷〈だれといっしょに　解きますか？〉『①／②／③／④』☆⊿∴
':_...>1232 ÷〈㊥ですね。　すぐに　呼んできます！〉▼※∴
':/New=???1
':_...>1241 『はい／いいえ』★⊿∴
':_...>1242 『はい／いいえ』☆⊿∴
':_...>1243 ÷〈この名前でいいですか？〉『はい／書きなおす』★⊿※∴
*/

// The first part of the opening: the title, the play file, the record and the adviser.
void RunOpening()
{
    BuildStage();
    ResetTalk();
    StartAnim();
    ShowStage();
    PlayMusic("BGMテーマ曲");
    /*
':/New=??01
':_...>1301 ＃〈ようこそ、ラティカへ。　ことばのマスを　家族といっしょに　うめていく　クロスワードです。〉∴
':_...>1302 ÷〈はじめに、遊ぶパズルの　ファイルを　選んでください。〉∴
    */
    TalkWaitResult = 0;
    AdviserTalk(1301);
    ShakeStage(2468, 2, 5);
    while (TalkWaitResult != 11) {
        SetTalkWaitTime(1);
        AdviserTalk(1211);
        form::waitUntil([] { return TalkWaitResult == 10 || TalkWaitResult == 11; });
        if (TalkWaitResult == 10)
            RandomFamilyFace();
    }
    AdviserTalk(1212);
    AdviserTalk(1302);
    AdviserTalk(1211);
    form::waitUntil([] { return TalkWaitResult == 10 || TalkWaitResult == 11; });
    if (TalkWaitResult == 10)
        RandomFamilyFace();
    AdviserTalk(1212);

    if (ChoosePlayFile() == 0)
        EndProgram();
    frmMain->lblTitle->setCaption(PlayFileTitle.section(QLatin1Char('.'), 0, 0));
    CrossCount = GetCrossCount();
    CrossSolved.assign(CrossCount + 1, 0);
    if (SetRecordFile() == 0 || LoadRecord() == 0)
        EndProgram();
    KeypadMode = GetKeypadMode();
    if (KeypadMode == 1)
        frmKeypad->SetKeypad();
    TalkNames[10] = GetPlayerName();
    NewPlayer = TalkNames[10].isEmpty() ? 1 : 0;
    StopMusic();

    /*
':/New=???1
':_...>1311 ÷〈はじめての方ですね。　ようこそ！〉▼∴
':_...>1312 ÷〈⑩さん、　また来てくれたんですね。〉▼∴
':/New=???1
':_...>1321 ÷〈パズルは、家族のだれかが　となりで　手伝ってくれます。〉▼∴
    */
    if (NewPlayer == 1)
        AdviserTalk(1311);
    else
        AdviserTalk(1312);
    AdviserTalk(1321);

    TalkMenuAnswer = 0;
    while (TalkMenuAnswer == 0) {
        SetTalkWaitTime(5);
        AdviserTalk(1231);
        form::waitUntil([] { return TalkMenuAnswer > 0 || TalkWaitResult == 10; });
        if (TalkMenuAnswer == 0 && TalkWaitResult == 10)
            RandomFamilyFace();
    }
    AdviserTalk(1232);
    Adviser = TalkMenuAnswer;
    static const QString kinship[] = {QStringLiteral("姉"), QStringLiteral("兄"),
                                      QStringLiteral("母"), QStringLiteral("父")};
    if (Adviser >= 1 && Adviser <= 4)
        AdviserName = kinship[Adviser - 1];

    /*
':/New=???1
':_...>1331 ÷〈あなたの名前を　教えてください。〉◆∴
':_...>1332 ÷〈名前が　入っていませんね。　では、こちらで　決めておきます。〉▼∴
':_...>1333 ÷〈⑩さん、ですね。〉∴
    */
    if (NewPlayer == 1) {
        TalkMenuAnswer = 0;
        while (TalkMenuAnswer != 1) {
            TalkInputText.clear();
            AdviserTalk(1331);
            if (TalkInputText.isEmpty()) {
                AdviserTalk(1332);
                TalkInputText = TalkNames[Adviser];
            }
            TalkNames[10] = TalkInputText;
            TalkMenuAnswer = 0;
            AdviserTalk(1333);
            AdviserTalk(1243);
        }
        SavePlayerName();
    }
    StripeStage(28, 7, 0.1);
    HideStage();
}

// The second part of the opening: the board is set and the adviser greets the player.
void BeginPlay()
{
    SetupPlayScene();
    CurCross = NextUnsolvedCross(0);
    SetCross(CurCross);
    ResetTalk();
    StartAnim();
    ShowStage();
    PlayMusic("BGM挿入曲1");
    frmMain->setKeyPreview(true);

    const int slideStep = OSPlatform == 1 ? 3 : 2;
    const bool slides = OSPlatform == 1 || OSPlatform == 2;
    /*
':/New=??01
':_...>1401 ÷〈準備ができました。　さあ、はじめましょう！〉▼※∴
    */
    if (NewPlayer == 1 && KeypadMode == 0) {
        AdviserTalk(1401);
        Busy = 1;
        if (slides)
            SlideWord(TalkNames[Adviser], 4, 1, 2, slideStep);
        EnterAdviser();
        /*
':/New=???1
':_...>1411 ＋〈⑩、いらっしゃい。　わからない所は　お姉ちゃんに聞いてね。〉▼※∴
':#200>1412 ＋〈よし、来たな。　いっしょに　解いていこう。〉
':^...^.... ＋〈詰まったら　遠慮なく　聞けよ。〉▼※∴
':_...>1413 ＋〈いらっしゃい、⑩。　お母さんも　クロスワードは　得意なのよ。〉▼※∴
':%200>1414 ＋〈よし、来たな。　いっしょに　解いていこう。〉
':^...^.... ＋〈詰まったら　遠慮なく　聞けよ。〉▼※∴
        */
        AdviserTalk(Adviser + 1410);
        SwayAdviser();
    } else if (NewPlayer == 1 && KeypadMode == 1) {
        AdviserTalk(1401);
        OpenKeypad();
        Busy = 1;
        /*
':/New=???1
':_...>1421 ÷〈右に出たのは　かなを打つ　キーパッドです。　ローマ字で打つと　かなになります。〉▼※∴
':/New=???1
':_...>1431 ＋〈⑩、いらっしゃい。　お姉ちゃんが　
':^...^.... 手伝ってあげるね。〉▼＋〈白いマスに　ローマ字で　
':^...^.... かなを打っていくのよ。〉▼∴
':_...*.... ＋〈全部うめたら　「完 成」を押してね。〉▼※∴
':_...>1432 ＋〈おう、⑩。　かなは　ローマ字で打てばいい。〉▼∴
':_...*.... ＋〈カーソルは　矢印キーでも　右のダイヤルでも　動かせるぞ。〉▼※∴
':_...>1433 ＋〈⑩、よく来たわね。　マスを選んで　ローマ字で打つと　かなが入るの。〉▼∴
':_...*.... ＋〈困ったら　お母さんが　ヒントをあげるわね。〉▼※∴
':_...>1434 ＋〈うむ、⑩か。　ローマ字で打てば　かなが入る。〉▼∴
':_...*.... ＋〈あわてずに、ひとつずつ　うめていきなさい。〉▼※∴
        */
        AdviserTalk(1421);
        if (slides)
            SlideWord(TalkNames[Adviser], 4, 1, 2, slideStep);
        EnterAdviser();
        AdviserTalk(Adviser + 1430);
        AdviserTalk(0);
        SwayAdviser();
    } else if (NewPlayer == 0) {
        /*
':/New=??01
':_...>1501 【おかえり、】÷〈⑩さん、おかえりなさい。　続きから　はじめましょう。〉▼※∴
':/New=???1
':_...>1511 ＋〈おかえり、⑩！　今日も　がんばろうね。〉▼※∴
':_...>1512 ＋〈お、来たか。　この前の続きだな。〉▼※∴
':_...>1513 ＋〈おかえりなさい。　お茶でも　飲みながら　解きましょう。〉▼※∴
':_...>1514 ＋〈うむ、来たか。　今日も　じっくりいこう。〉▼※∴
        */
        AdviserTalk(1501);
        Busy = 1;
        if (slides)
            SlideWord(TalkNames[0] + TalkNames[10], 4, 1, 2, slideStep);
        EnterAdviser();
        AdviserTalk(Adviser + 1510);
        SwayAdviser();
    } else {
        AdviserTalk(1401);
    }
    Busy = 0;
}

// The end label during play: the adviser asks whether the player really wants to stop.
void RunEnding()
{
    /*
':/New=??01
':_...>1601 ＋《えっ、もう　やめちゃうの？》∴
    */
    AdviserTalk(1601);
    ZoomUpWord(TalkNames[Adviser], 1, 1, 2);
    FlashAdviserSpot();
    PlayMusic("BGMテーマ曲");

    /*
':/New=???1
':_...>1611 ＋〈せっかく　ここまで解いたのに……〉∴
':_...>1612 ＋〈もう少し　やっていかないか？〉∴
':_...>1613 ＋〈あら、もう　おしまい？〉∴
':_...>1614 ＋〈ほう、もう　切り上げるのか。〉∴
':_...>1615 『終わりにする／まだ続ける』☆⊿∴
    */
    SetTalkWaitTime(6);
    ChangeGalFaceWithTalk(Adviser + 1610, "-1");
    AdviserTalk(1615);

    /*
':/New=??01
':_...>1701 ＋〈迷ってるなら、　もう少しだけ　やろうよ。〉∴
':_...>1702 ＋〈返事がないなら、　続けるってことだな。〉∴
':_...>1703 ＋〈考え中？　じゃあ、　もう少し続けましょう。〉∴
':_...>1704 ＋〈決められんなら、　続けるとしよう。〉∴
':_...>1705 ＋〈そっか……　また　いっしょに解こうね。〉∴
':_...>1706 ＋〈わかった。　今日は　ここまでだな。〉∴
':_...>1707 ＋〈はい、お疲れさま。　よく　がんばったわね。〉∴
':_...>1708 ＋〈うむ、ご苦労だった。〉∴
':_...>1709 ＋〈よかった！　じゃあ　続きを解こう！〉∴
':_...>1710 ＋〈そう来なくちゃな！〉∴
':_...>1711 ＋〈うれしいわ。　続けましょうね。〉∴
':_...>1712 ＋〈よし、その意気だ。〉∴
    */
    int k = TalkMenuAnswer >= 0 && TalkMenuAnswer <= 2 ? TalkMenuAnswer : 0;
    ChangeGalFaceWithTalk(Adviser + 4 * k + 1700, "+1");
    AdviserTalk(1213);
    if (TalkMenuAnswer != 1)
        return;

    /*
':/New=???1
':_...>1721 ＋〈またね、⑩。　待ってるからね！〉∴
':_...>1722 ＋〈じゃあな、⑩。　また来いよ。〉∴
':_...>1723 ＋〈気をつけて　帰るのよ、⑩。〉∴
':_...>1724 ＋〈またいつでも　来なさい、⑩。〉∴
    */
    ChangeGalFaceWithTalk(Adviser + 1720, "=5");
    AdviserTalk(1223);
    LeaveAdviser();
    AdviserTalk(1731);
    /*
':/New=???1
':_...>1731 ＃〈また　いつでも　遊びに来てくださいね。〉▽※∴
    */
    if (OSPlatform == 1 || OSPlatform == 2)
        SlideWord(TalkNames[Adviser], 4, 1, 2, OSPlatform == 1 ? 3 : 2);
    WaitTime(2);
    EndProgram();
}

} // namespace story
