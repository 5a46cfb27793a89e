#include "frmKeypad.h"

#include "form/KeyCodes.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "form/Timer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>

namespace {

const QString FullSpace = QStringLiteral("　");
constexpr int CellLeft = 27;      // left edge of position 1
constexpr int CellStep = 20;      // position i stands 20 pixels right of i - 1
constexpr int KanaWidth = 17;     // a kana cell
constexpr int PendingWidth = 20;  // a kana cell still waiting for its syllable reaches the next

// The cells of the background picture: letters on cream, kana on white.
constexpr form::Colour PaperColour = 0xF0FAFE;
constexpr form::Colour RomaColour = 0xE6F4FA;
constexpr form::Colour KanaColour = 0xFFFFFF;
constexpr form::Colour InkColour = 0x203040;

form::Label* designLabel(form::Container* on, int top, const QString& caption, form::Colour back)
{
    auto* l = new form::Label(on);
    l->setGeometry(CellLeft, top, KanaWidth, 15);
    l->setFont(form::Font{QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true});
    l->setBackStyle(form::BackStyle::Opaque);
    l->setBackColor(back);
    l->setForeColor(InkColour);
    l->setAlignment(form::Alignment::Centre);
    l->setVerticalCentre(true);
    l->setWordWrap(false);
    l->setCaption(caption);
    return l;
}

} // namespace

KeypadForm::KeypadForm(std::function<void()> giveFocusBack, form::Timer* animTimer)
    : m_focusBoard(std::move(giveFocusBack)), m_animTimer(animTimer), m_conv([this](QChar c, const QString& kana) { AddDispKeyBuff(c, kana); })
{
    // A frameless tool window above every other window that never takes the activation
    // from the main window.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("キーパッド"));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(PaperColour);

    lblRoma.adopt(1, designLabel(this, 19, QStringLiteral("Ａ"), RomaColour));
    lblKana.adopt(1, designLabel(this, 45, QStringLiteral("あ"), KanaColour));

    cmdKeypadEnd = new QPushButton(QStringLiteral("Ｘ"), this);
    cmdKeypadEnd->setGeometry(230, 6, 14, 15);
    cmdKeypadEnd->setFont(form::Font{QStringLiteral("ＭＳ Ｐゴシック"), 9, true}.toQFont());
    cmdKeypadEnd->setFocusPolicy(Qt::NoFocus);
    cmdKeypadEnd->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    QObject::connect(cmdKeypadEnd, &QPushButton::clicked, this, [this] { form::runHandler([this] { ShowKeypad(); }); });

    // A press on the window or on any letter or kana cell drags the window.
    onMouseDown = [this](Qt::MouseButton button) { KeypadMouseDown(button); };
    lblRoma.onMouseDown = [this](int, Qt::MouseButton button) { KeypadMouseDown(button); };
    lblKana.onMouseDown = [this](int, Qt::MouseButton button) { KeypadMouseDown(button); };
    onGotFocus = [this] { focusBoard(); };

    // The picture stored with the window, shown even when kana entry is off.
    loadBackground();
}

KeypadForm::~KeypadForm() = default;

void KeypadForm::loadBackground()
{
    const QString path = form::ProgramFolder::resolve(QStringLiteral("\\sys\\Picture\\キーパット.jpg"));
    if (loadPicture(path))
        return;
    if (!m_pictureNoted)
        std::fprintf(stderr, "latica: keypad picture %s is missing or unreadable; the keypad shows its back colour\n",
                     path.toLocal8Bit().constData());
    m_pictureNoted = true;
}

int KeypadForm::SetKeypad()
{
    loadBackground();

    keypad::RomaKanaTable table;
    m_tableError.clear();
    if (keypad::LoadRomaKanaTable(keypad::RomaKanaTablePath(), &table, &m_tableError))
        m_conv.setTable(table);
    else
        m_conv.setTable({});

    lblRoma(1)->setCaption(QString());
    lblKana(1)->setCaption(QString());
    for (int i = 2; i <= Positions; ++i) {
        for (auto* array : {&lblRoma, &lblKana}) {
            if (array->exists(i))
                continue;
            form::Label* l = array->load(i);
            l->setLeft((*array)(i - 1)->left() + CellStep);
            l->setVisible(true);
        }
    }
    m_dispPos = Positions;
    return m_tableError.isEmpty() ? 1 : 0;
}

void KeypadForm::ShowKeypad()
{
    if (m_shown == 0) {
        m_shown = 1;
        SetKeypadTopmost();
    } else {
        m_shown = 0;
        setVisible(false);
        ClearKeypadTopmost();
    }
    focusBoard();
}

// The window keeps its stays-on-top hint for its whole life, so showing it on top is
// placing it and showing it without activation.
void KeypadForm::SetKeypadTopmost()
{
    setGeometry(ShowLeft, ShowTop, ClientWidth, ClientHeight);
    setVisible(true);
}

void KeypadForm::ClearKeypadTopmost()
{
    if (isVisible())
        setVisible(false);
}

QString KeypadForm::RomaKanaConvWChr(QChar c)
{
    return m_conv.RomaKanaConvWChr(c);
}

void KeypadForm::ClearDispKeyBuff()
{
    if (m_dispPos == 0)
        return;
    for (int i = 1; i <= Positions; ++i) {
        if (form::Label* roma = lblRoma.find(i)) {
            roma->setVisible(false);
            roma->setCaption(QString());
        }
        if (form::Label* kana = lblKana.find(i)) {
            kana->setVisible(false);
            kana->setCaption(QString());
            kana->setWidth(KanaWidth);
        }
    }
    lblRoma(1)->setVisible(true);
    lblKana(1)->setVisible(true);
    m_conv.clearKeyBuff();
    m_dispPos = 0;
}

void KeypadForm::AddDispKeyBuff(QChar c, const QString& kana)
{
    // Without the ten positions (kana entry never set up) there is nothing to show.
    if (!lblRoma.exists(Positions) || !lblKana.exists(Positions))
        return;
    if (m_dispPos < Positions) {
        ++m_dispPos;
    } else {
        for (int i = 1; i < Positions; ++i) {
            lblRoma(i)->setCaption(lblRoma(i + 1)->caption());
            lblKana(i)->setCaption(lblKana(i + 1)->caption());
            lblKana(i)->setWidth(lblKana(i + 1)->width());
        }
        lblRoma(Positions)->setCaption(QString());
        lblKana(Positions)->setCaption(QString());
        lblKana(Positions)->setWidth(KanaWidth);
    }
    const int p = m_dispPos;
    lblRoma(p)->setCaption(QString(c));
    lblRoma(p)->setVisible(true);

    form::Label* here = lblKana(p);
    form::Label* before = p > 1 ? lblKana(p - 1) : nullptr;
    if (kana.size() == 1) {
        if (kana == FullSpace)
            here->setWidth(PendingWidth);
        else
            here->setCaption(kana);
        here->setVisible(true);
    } else if (kana.size() == 2 && kana[1] == FullSpace[0]) {
        // A doubled consonant (ッ) or a syllabic N (ン): the mark goes under the first
        // letter, the second letter waits for its syllable.
        if (before) {
            before->setWidth(KanaWidth);
            before->setCaption(kana.left(1));
        }
        here->setWidth(PendingWidth);
        here->setVisible(true);
    } else if (kana.size() == 2) {
        // A pair (キャ, "…？") under this letter and the one before. At position 1 there is
        // no letter before: only the second character is shown.
        if (before)
            before->setCaption(kana.left(1));
        here->setCaption(kana.mid(1, 1));
        here->setVisible(true);
    }
}

void KeypadForm::focusBoard()
{
    if (m_focusBoard)
        m_focusBoard();
}

void KeypadForm::KeypadMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        focusBoard();
        return;
    }
    // The animation stops while the window follows the mouse, and goes on at the release.
    m_dragging = true;
    m_animPaused = m_animTimer && m_animTimer->isEnabled();
    if (m_animPaused)
        m_animTimer->setEnabled(false);
}

void KeypadForm::endDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_animPaused)
        m_animTimer->setEnabled(true);
    m_animPaused = false;
    focusBoard();
}

void KeypadForm::mousePressEvent(QMouseEvent* event)
{
    m_pressAt = event->position().toPoint();
    form::Window::mousePressEvent(event);
}

void KeypadForm::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_pressAt);
}

void KeypadForm::mouseReleaseEvent(QMouseEvent* event)
{
    form::Window::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        form::runHandler([this] { endDrag(); });
}

void KeypadForm::hideEvent(QHideEvent* event)
{
    form::Window::hideEvent(event);
    form::runHandler([this] { endDrag(); });
}

void KeypadForm::keyPressEvent(QKeyEvent* event)
{
    if (form::virtualKey(event) == form::Key::F4 && (form::shiftState(event->modifiers()) & form::AltMask)) {
        form::runHandler([this] { endAtOnce(); });
        return;
    }
    form::Window::keyPressEvent(event);
}

void KeypadForm::endAtOnce()
{
    if (onCloseFiles)
        onCloseFiles();
    ClearKeypadTopmost();
    form::endProcess(0);
}

// The window is hidden, never destroyed: a close request from the window system hides it
// as its own close button does.
void KeypadForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    form::runHandler([this] {
        if (m_shown == 1)
            ShowKeypad();
        else
            ClearKeypadTopmost();
    });
}

// Should the window system activate the window after all, the keyboard goes straight back.
void KeypadForm::changeEvent(QEvent* event)
{
    form::Window::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        form::runHandler([this] { focusBoard(); });
}
