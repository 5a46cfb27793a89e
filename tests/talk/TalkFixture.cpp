#include "TalkFixture.h"

#include "support/TestSupport.h"

#include "form/Clock.h"
#include "form/Pump.h"
#include "model/CastRecord.h"
#include "talk/TalkEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>

Script::Script()
{
    m_timer.setInterval(1);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_steps.empty() || !m_steps.front().ready())
            return;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step.action();
    });
    m_timer.start();
}

void Script::when(std::function<bool()> ready, std::function<void()> action)
{
    m_steps.push_back({std::move(ready), std::move(action)});
}

TalkFixture::TalkFixture() : t(talkEngine(game))
{
    form::Clock::instance().setSpeed(Speed);
    // The adviser's cast, so that animated utterances have a cast to switch.
    CastRecord cast;
    cast.InUse = 1;
    cast.Frame = 1;
    game.casts.Casts.push_back(cast);
    game.casts.CastCount = 1;

    window.show();
    InitTalk(game, 420, 126);
    ConnectTalkEvents(game);
    ClearTalkers(game);
    AddTalker(game, QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    AddTalker(game, QStringLiteral("＋"), 2, QStringLiteral("姉声"), 2, 100, 180, 0, 1);
    AddTalker(game, QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    ResetTalk(game);
    // These tests bring their own talk data; what InitTalk found in the program folder
    // is not theirs to judge.
    t.dataErrors.clear();

    t.onCharPrinted = [this](QChar c) { printed[t.CurrentTalkBox] += c; };
    const auto blink = window.tmrTalkCursorBlink.onTick;
    window.tmrTalkCursorBlink.onTick = [this, blink] {
        ++blinkCalls;
        blinkTicks += window.tmrTalkCursorBlink.elapsedTicks();
        const int before = t.TalkWaitResult;
        blink();
        if (t.TalkWaitResult == 10 && before != 10)
            ticksAtTimeOut.push_back(blinkTicks);
    };
}

TalkFixture::~TalkFixture()
{
    // The game goes before its window; nothing may call back into it meanwhile.
    window.txtTalkInput->onLostFocus = nullptr;
    window.txtTalkInput->onGotFocus = nullptr;
    window.tmrTalk.setEnabled(false);
    window.tmrTalkCursorBlink.setEnabled(false);
    form::Clock::instance().resetForTest();
}

void TalkFixture::useTalks(const QStringList& texts)
{
    QStringList source{QStringLiteral("// talks written by a test"), QStringLiteral("/*")};
    for (int i = 0; i < texts.size(); ++i)
        source << QStringLiteral("':_...>%1 %2∴").arg(1100 + i).arg(texts[i]);
    source << QStringLiteral("*/");
    testsupport::writeFile(m_talkDir.filePath(QStringLiteral("Story")), source.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    QProcess tool;
    tool.start(QStringLiteral(LATICA_TALKBUILD_EXE),
               {QStringLiteral("--batch"), QStringLiteral("--folder"), m_talkDir.path(), QStringLiteral("--source"),
                QStringLiteral("Story"), QStringLiteral("--talk-start"), QStringLiteral("1100")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    ASSERT_TRUE(t.data.open(m_talkDir.filePath(QStringLiteral("TalkIx.Dat")),
                            m_talkDir.filePath(QStringLiteral("TalkDt.Dat"))))
        << t.data.openError().toStdString();
}

template <typename F>
bool TalkFixture::guarded(F run, double limitSeconds)
{
    form::Timer watchdog;
    watchdog.setInterval(int(limitSeconds * 1000));
    watchdog.onTick = [] { form::endProcess(); };
    watchdog.setEnabled(true);
    try {
        run();
    } catch (const form::ProgramEnded&) {
        form::resetProgramEnded();
        return false;
    }
    return true;
}

// AdviserTalk may return while its last utterance still prints; the tests look once it
// has been printed.
bool TalkFixture::talk(const QString& text, double limitSeconds)
{
    return guarded([&] {
        AdviserTalk(game, text);
        form::waitUntil([this] { return t.Utterance.isEmpty(); });
    }, limitSeconds);
}

bool TalkFixture::talk(int number, double limitSeconds)
{
    return guarded([&] {
        AdviserTalk(game, number);
        form::waitUntil([this] { return t.Utterance.isEmpty(); });
    }, limitSeconds);
}

void TalkFixture::clickWidget(QWidget* widget, QPoint at)
{
    if (at.x() < 0)
        at = widget->rect().center();
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void TalkFixture::type(const QString& keys)
{
    QLineEdit* editor = window.txtTalkInput->editor();
    for (QChar c : keys) {
        if (c == QLatin1Char('\r'))
            testsupport::pressKey(editor, Qt::Key_Return);
        else if (c == QLatin1Char('\b'))
            testsupport::pressKey(editor, Qt::Key_Backspace);
        else
            testsupport::pressKey(editor, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown,
                                  Qt::NoModifier, QString(c));
    }
}
