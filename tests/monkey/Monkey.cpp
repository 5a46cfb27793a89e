#include "Monkey.h"
#include "Watch.h"

#include "form/Clock.h"
#include "form/Container.h"
#include "form/Control.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "play/SetCross.h"
#include "window/MainForm.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace {

const QEvent::Type StepEvent = QEvent::Type(QEvent::User + 26);
// Real seconds a seed may take before the monkey gives up on it.
constexpr double SeedRealLimit = 30;
// Seconds of the time source between the steps of the closing, after the plan.
constexpr double ClosingDelay = 0.05;

struct KeyOf {
    int key;
    const char* text;
    const char* name;
};
// Everything but letters, as often as a letter in all (Space and Return more than once).
const KeyOf Others[] = {
    {Qt::Key_0, "0", "0"}, {Qt::Key_1, "1", "1"}, {Qt::Key_2, "2", "2"}, {Qt::Key_3, "3", "3"},
    {Qt::Key_4, "4", "4"}, {Qt::Key_5, "5", "5"}, {Qt::Key_6, "6", "6"}, {Qt::Key_7, "7", "7"},
    {Qt::Key_8, "8", "8"}, {Qt::Key_9, "9", "9"}, {Qt::Key_Space, " ", "Space"}, {Qt::Key_Space, " ", "Space"},
    {Qt::Key_Space, " ", "Space"}, {Qt::Key_Return, "\r", "Return"}, {Qt::Key_Return, "\r", "Return"},
    {Qt::Key_Return, "\r", "Return"}, {Qt::Key_Escape, "\x1b", "Escape"}, {Qt::Key_Escape, "\x1b", "Escape"},
    {Qt::Key_Backspace, "\b", "BackSpace"}, {Qt::Key_Backspace, "\b", "BackSpace"},
    {Qt::Key_Delete, "\x7f", "Delete"}, {Qt::Key_Delete, "\x7f", "Delete"}, {Qt::Key_Up, "", "Up"},
    {Qt::Key_Down, "", "Down"}, {Qt::Key_Left, "", "Left"}, {Qt::Key_Right, "", "Right"},
    {Qt::Key_Minus, "-", "-"}, {Qt::Key_F1, "", "F1"}, {Qt::Key_Space, " ", "Space"}, {Qt::Key_Return, "\r", "Return"}};
constexpr uint32_t OthersCount = sizeof(Others) / sizeof(Others[0]);

// Steps of each kind in ten thousand, in the order of Monkey::Kind. Few end the game at
// once, so that most runs go on to play.
const int KindWeights[] = {2400, 1300, 150, 1100, 600, 500, 300, 2000, 1200, 50, 5, 5};
// Time away: a talk's minute, the idle limit, ten hours.
const double AwaySeconds[] = {70, 70, 70, 480, 480, 36000};
// Real seconds a time away lasts.
constexpr double AwayRealSeconds = 0.03;

const char* const KindNames[] = {"talk box", "menu", "input", "command", "cell", "dial", "anywhere",
                                 "key", "answer", "away", "close", "Alt+F4"};

enum Group { Boxes, Items, Field, Cells, Dials, Commands, EndLabel, Scenery };

std::string str(const QString& s) { return s.toStdString(); }

} // namespace

std::vector<Monkey::Step> Monkey::plan(uint64_t seed, int count)
{
    std::mt19937_64 rng(seed);
    int total = 0;
    for (const int w : KindWeights)
        total += w;
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) {
        int r = int(rng() % uint64_t(total)), kind = 0;
        while (r >= KindWeights[kind])
            r -= KindWeights[kind++];
        const int pace = int(rng() % 100);
        const double unit = double(rng() % 1000) / 1000;
        // Half wait for the game to wait; a few pause long enough for a timed menu to run out.
        Step s{Kind(kind), uint32_t(rng()), 0, pace < 50};
        s.delay = pace < 50 ? 0.03 * unit : pace < 85 ? 0.1 * unit : pace < 98 ? 0.1 + 0.7 * unit : 3 + 9 * unit;
        steps.push_back(s);
    }
    return steps;
}

Monkey::Monkey(Game& game, MainForm& window, Watch& watch, uint64_t seed, int steps, double speed)
    : game(game), window(window), watch(watch), m_plan(plan(seed, steps)), m_closing(uint32_t(seed)), m_speed(speed)
{
    m_poll.setTimerType(Qt::PreciseTimer);
    m_poll.setInterval(1);
    connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
}

void Monkey::start()
{
    m_real.start();
    m_lastSent = watch.clock.now();
    m_poll.start();
}

std::vector<Monkey::Target> Monkey::targets() const
{
    std::vector<Target> out;
    const auto control = [&](const QString& name, int group, form::Control* c) {
        form::Container* on = c->container();
        if (!on)
            return;
        out.push_back({name, group, on->mapTo(&window, c->rect().center()), c->isVisible() && on->isVisible(), c});
    };
    const auto widget = [&](const QString& name, int group, QWidget* w) {
        out.push_back({name, group, w->mapTo(&window, w->rect().center()), w->isVisible(), w});
    };
    const auto array = [&](const char* name, int group, auto& elements) {
        for (const int i : elements.indices()) {
            auto* e = elements(i);
            const QString label = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
            if constexpr (std::is_base_of_v<QWidget, std::remove_pointer_t<decltype(e)>>)
                widget(label, group, e);
            else
                control(label, group, e);
        }
    };
    MainForm& f = window;
    array("picTalkBox", Boxes, f.picTalkBox);
    array("picTalkBoxUp", Boxes, f.picTalkBoxUp);
    array("picTalkBoxDown", Boxes, f.picTalkBoxDown);
    array("shpTalkBoxLeft", Boxes, f.shpTalkBoxLeft);
    array("shpTalkBoxRight", Boxes, f.shpTalkBoxRight);
    array("shpTalkBoxUp", Boxes, f.shpTalkBoxUp);
    array("shpTalkBoxDown", Boxes, f.shpTalkBoxDown);
    array("lblMenu", Items, f.lblMenu);
    widget(QStringLiteral("txtTalkInput"), Field, f.txtTalkInput);
    array("lblCell", Cells, f.lblCell);
    array("lblKeyUp", Dials, f.lblKeyUp);
    array("lblKeyDown", Dials, f.lblKeyDown);
    array("lblKeyLeft", Dials, f.lblKeyLeft);
    array("lblKeyRight", Dials, f.lblKeyRight);
    array("lblKeyTurn", Dials, f.lblKeyTurn);
    array("lblCrossStageMoveH", Dials, f.lblCrossStageMoveH);
    array("lblCrossStageMoveV", Dials, f.lblCrossStageMoveV);
    control(QStringLiteral("lblKeyDelete"), Commands, f.lblKeyDelete);
    control(QStringLiteral("lblKeyUndo"), Commands, f.lblKeyUndo);
    control(QStringLiteral("lblAnswerOpen"), Commands, f.lblAnswerOpen);
    control(QStringLiteral("lblMarkSpeedUp"), Commands, f.lblMarkSpeedUp);
    control(QStringLiteral("lblCrossChange"), Commands, f.lblCrossChange);
    control(QStringLiteral("lblAdvice"), Commands, f.lblAdvice);
    control(QStringLiteral("lblHelp"), Commands, f.lblHelp);
    control(QStringLiteral("lblKeypad"), Commands, f.lblKeypad);
    control(QStringLiteral("lblEnd"), EndLabel, f.lblEnd);
    // Named for the log only.
    for (auto [name, w] : {std::pair{"picStage", f.picStage}, {"picWorld", f.picWorld}, {"picSpotStage", f.picSpotStage},
                           {"picMenuBox", f.picMenuBox}, {"picCrossBase", f.picCrossBase}, {"picCrossStage", f.picCrossStage},
                           {"picTitle", f.picTitle}, {"picQues", f.picQues}, {"picKeypad", f.picKeypad},
                           {"picDisplayControlerBase", f.picDisplayControlerBase}})
        widget(QLatin1String(name), Scenery, w);
    array("picControler", Scenery, f.picControler);
    return out;
}

// The game waits for the player: a box, a talk's wait, or the board at rest.
bool Monkey::settled() const
{
    if (QApplication::activeModalWidget() || game.talk->TalkWait != 0)
        return true;
    return watch.playing() && game.PlayActive == 1 && game.Busy == 0 && game.AnswerOpenBusy == 0 &&
           !TalkPending(game) && game.play.PendingInput.isEmpty() && game.play.MasBusy == 0;
}

std::string Monkey::phase() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return qobject_cast<QFileDialog*>(modal) ? "open dialog" : "message box";
    const int talk = watch.flowTalk();
    if (game.PlayActive == 0)
        return game.CrossCount == 0 ? "title" : game.Adviser == 0 ? "adviser menu" : "name entry";
    if (!watch.playing())
        return "greeting";
    if (game.Busy != 0 || game.AnswerOpenBusy != 0) {
        static const std::pair<int, const char*> Flows[] = {
            {1600, "ending question"}, {1800, "puzzle change"}, {2100, "scoring question"}, {2300, "scoring walk"},
            {2400, "scoring result"}, {2800, "advice"}, {3100, "ten hours"}, {3200, "timed talk"}, {3300, "flow"}};
        const char* name = "flow";
        for (const auto& [from, flow] : Flows)
            if (talk >= from)
                name = flow;
        return name;
    }
    return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0 ? "idle board" : "typing";
}

std::string Monkey::state() const
{
    const TalkEngine& t = *game.talk;
    return "[" + phase() + ": talk " + std::to_string(t.lastTalkNumber) + " wait " + std::to_string(t.TalkWait) +
           " busy " + std::to_string(game.Busy) + "/" + std::to_string(game.AnswerOpenBusy) + " puzzle " +
           std::to_string(game.CurCross) + "]";
}

void Monkey::poll()
{
    if (form::programEnded())
        return;
    watch.observe();
    if (m_awayUntil >= 0) {
        if (form::Clock::instance().monotonicSeconds() < m_awayUntil)
            return;
        form::Clock::instance().setSpeed(m_speed);
        watch.clock.endAway();
        m_awayUntil = -1;
    }
    if (m_real.elapsed() > SeedRealLimit * 1000) {
        watch.fault("the run did not end within " + std::to_string(int(SeedRealLimit)) + " real seconds");
        forceEnd();
        return;
    }
    // As the window manager does when a box goes: the main window is active again.
    if (!QApplication::activeModalWidget() && window.isVisible() && !window.isActiveWindow())
        window.activateWindow();
    if (m_posted)
        return;
    const double since = watch.clock.now() - m_lastSent;
    if (m_next < m_plan.size()) {
        const Step& s = m_plan[m_next];
        if (since < s.delay || (s.calm && !settled() && since < s.delay + 10))
            return;
    } else if (since < ClosingDelay || (m_closeSent && !QApplication::activeModalWidget())) {
        return;
    }
    m_posted = true;
    QCoreApplication::postEvent(this, new QEvent(StepEvent));
}

bool Monkey::event(QEvent* e)
{
    if (e->type() != StepEvent)
        return QObject::event(e);
    m_posted = false;
    if (form::programEnded())
        return true;
    m_lastSent = watch.clock.now();
    Step s{Close, uint32_t(m_closing()), 0, false};
    if (m_next < m_plan.size())
        s = m_plan[m_next];
    const int number = int(m_next++);
    // A step sent inside another's handling stands on its own line, indented.
    if (!log.empty() && log.back() != '\n')
        note("\n");
    const std::string line = std::string(2 * m_direct.size(), ' ') + "#" + std::to_string(number) + " " + state() + " ";
    ++phases[phase()];
    m_direct.push_back(false);
    // A box takes the step whatever it was; the main window cannot be reached under it.
    note(line);
    if (QApplication::activeModalWidget()) {
        answerBox(s.pick);
    } else {
        note(KindNames[s.kind]);
        send(s);
    }
    if (log.back() != '\n')
        note("\n");
    m_direct.pop_back();
    watch.observe();
    if (!form::programEnded())
        watch.checkFiles();
    return true;
}

void Monkey::send(const Step& s)
{
    switch (s.kind) {
    case Key: {
        const uint32_t k = s.pick % (2 * OthersCount);
        if (k < OthersCount) {
            const char letter = char('A' + s.pick / (2 * OthersCount) % 26);
            note(std::string(" ") + letter);
            watch.letterSent(QChar(letter));
            key(Qt::Key_A + (letter - 'A'), QString(QChar(letter)));
        } else {
            const KeyOf& o = Others[k - OthersCount];
            note(std::string(" ") + o.name);
            key(o.key, QString::fromLatin1(o.text));
        }
        break;
    }
    case AltF4:
        m_direct.back() = true;
        key(Qt::Key_F4, QString(), Qt::AltModifier);
        break;
    case Close:
        m_direct.back() = true;
        m_closeSent = m_next > m_plan.size();
        window.close();
        break;
    case Away: {
        const double seconds = AwaySeconds[s.pick % (sizeof(AwaySeconds) / sizeof(AwaySeconds[0]))];
        note(" " + std::to_string(int(seconds)) + " s");
        watch.clock.beginAway();
        m_awayUntil = form::Clock::instance().monotonicSeconds() + seconds;
        form::Clock::instance().setSpeed(seconds / AwayRealSeconds);
        break;
    }
    case Answer:
        typeAnswer(s.pick);
        break;
    default:
        click(s);
        break;
    }
}

// Adds to the step's line before its events go out, so that a crash shows where it was.
void Monkey::note(const std::string& text)
{
    log += text;
    if (echo)
        echo(text);
}

void Monkey::click(const Step& s)
{
    if (s.kind == Anywhere)
        return clickAt(QPoint(int(s.pick % MainForm::ClientWidth), int(s.pick / MainForm::ClientWidth % MainForm::ClientHeight)));
    const std::vector<Target> all = targets();
    std::vector<const Target*> group, shown;
    for (const Target& t : all) {
        const bool member = s.kind == TalkBox   ? t.group == Boxes
                            : s.kind == Menu    ? t.group == Items
                            : s.kind == Input   ? t.group == Field
                            : s.kind == Cell    ? t.group == Cells
                            : s.kind == Dial    ? t.group == Dials
                                                : t.group == Commands || t.group == EndLabel;
        if (!member)
            continue;
        group.push_back(&t);
        if (t.shown)
            shown.push_back(&t);
    }
    if (s.kind == Command) {
        // 完成 comes most, so that full boards get scored; the end label one time in a
        // hundred, so that most runs go on to play.
        static const int Slots[] = {0, 1, 2, 3, 4, 5, 6, 7, 2, 2, 2, 4};
        const uint32_t k = s.pick % 100;
        const Target* chosen = k < 99 ? group[size_t(Slots[k % 12])] : group.back();
        return clickAt(chosen->at);
    }
    const std::vector<const Target*>& from = shown.empty() ? group : shown;
    if (from.empty())
        return note(" nothing to click");
    return clickAt(from[s.pick % from.size()]->at);
}

// A press and a release at a point of the window, as the window system delivers them:
// the window finds the widget under the pointer, the container the control on top.
void Monkey::clickAt(QPoint at)
{
    QWindow* handle = window.windowHandle();
    if (!handle)
        return note(" no window yet");
    // What the pointer is over, for the log and for the end label before play.
    QWidget* over = window.childAt(at);
    if (!over)
        over = &window;
    QString name = QString::fromLatin1(over->metaObject()->className());
    const void* hit = over;
    if (auto* container = dynamic_cast<form::Container*>(over))
        if (form::Control* c = container->controlAt(over->mapFrom(&window, at)))
            hit = c;
    for (const Target& t : targets())
        if (t.object == hit)
            name = t.name;
    if (hit == window.lblEnd && game.PlayActive == 0)
        m_direct.back() = true;
    note(" (" + std::to_string(at.x()) + "," + std::to_string(at.y()) + ") " + str(name));

    const QPointF local(at), global(window.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    if (!form::programEnded()) {
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &release);
    }
}

void Monkey::key(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QWindow* handle = window.windowHandle();
    if (!handle)
        return;
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(handle, &press);
    if (form::programEnded())
        return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(handle, &release);
}

// What is asked, typed with its keys: a name where a talk asks for one, else the answer of
// a word, most often the first one not yet right, the cursor put on it with a click on its
// first cell (and Space when that chose the crossing word).
void Monkey::typeAnswer(uint32_t pick)
{
    const Puzzle& p = game.cross;
    if (window.txtTalkInput->isVisible()) {
        // A talk asks for a name: one of a few letters, then Return.
        const QString name = QStringLiteral("MINAKO").left(1 + int(pick % 6));
        note(" name " + str(name));
        for (const QChar c : name)
            key(Qt::Key_A + (c.unicode() - 'A'), QString(c));
        if (!form::programEnded())
            key(Qt::Key_Return, QStringLiteral("\r"));
        return;
    }
    if (!CrossOnBoard(game))
        return note(" no puzzle on the board");
    int w = 1 + int(pick / 4 % uint32_t(p.QuesNmbMax));
    if (pick % 4 != 0) {
        for (int q = 1; q <= p.QuesNmbMax; ++q) {
            const QuesData& word = p.Ques[size_t(q)];
            const int step = q < p.DownQuesTop ? 1 : p.MasLineLen;
            bool right = true;
            for (int i = 0; i < word.Length; ++i)
                right = right && p.Mas[size_t(word.StartMas + i * step)].Entry == p.Mas[size_t(word.StartMas + i * step)].Answer;
            if (!right) {
                w = q;
                break;
            }
        }
    }
    const QuesData word = p.Ques[size_t(w)];
    const int step = w < p.DownQuesTop ? 1 : p.MasLineLen;
    note(" word " + std::to_string(w) + " " + str(word.Answer));
    if (form::Label* first = window.lblCell.find(word.StartMas))
        clickAt(first->container()->mapTo(&window, first->rect().center()));
    if (!form::programEnded() && game.play.CursorStep != step) {
        note(" Space");
        key(Qt::Key_Space, QStringLiteral(" "));
    }
    for (const QChar c : word.Answer) {
        if (form::programEnded())
            break;
        const QChar letter(c.unicode() - 0xFF21 + 'A');
        watch.letterSent(letter);
        key(Qt::Key_A + (letter.unicode() - 'A'), QString(letter));
    }
}

void Monkey::answerBox(uint32_t pick)
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal.data());
    if (!box)
        return note("waits for the open dialog");
    const QString title = box->windowTitle();
    BoxAnswer answer = BoxAnswer::CloseBox;
    switch (pick % 4) {
    case 2: {
        answer = BoxAnswer::Escape;
        note("box " + str(title) + ": Escape");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(box, &press);
        break;
    }
    case 3:
        note("box " + str(title) + ": close box");
        box->close();
        break;
    default: {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : box->buttons())
            if (b->isVisible())
                buttons.push_back(b);
        if (buttons.isEmpty())
            return note("box " + str(title) + ": no button to press");
        QAbstractButton* button = buttons[qsizetype(pick / 4 % uint32_t(buttons.size()))];
        switch (box->buttonRole(button)) {
        case QMessageBox::YesRole: answer = BoxAnswer::Yes; break;
        case QMessageBox::NoRole: answer = BoxAnswer::No; break;
        case QMessageBox::RejectRole: answer = BoxAnswer::Cancel; break;
        default: answer = BoxAnswer::Ok; break;
        }
        note("box " + str(title) + ": button " + str(button->text()));
        button->click();
        break;
    }
    }
    const bool closed = !modal || !modal->isVisible();
    if (closed)
        watch.boxClosed(title, answer);
    if (!closed)
        note(" (stays)");
}

// A run that would not end: every box goes, and the program ends as from the close box.
void Monkey::forceEnd()
{
    m_forced = true;
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->hide();
    form::runHandler([] { form::endProcess(0); });
}
