#pragma once
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/Window.h"
#include "RomaKana.h"

#include <QPoint>
#include <functional>

class QPushButton;
namespace form { class Timer; }

// The kana keypad frmKeypad: a small always-on-top window beside the board that shows the
// last ten romaji letters typed and, under them, the kana they made. It holds the romaji
// table and the key buffer. It never takes the keyboard: every click on it gives the focus
// back to the board, and a press anywhere on it drags it.
class KeypadForm : public form::Window {
public:
    static constexpr int ClientWidth = 252;
    static constexpr int ClientHeight = 65;
    // Every show places the window here, wherever it was dragged to before.
    static constexpr int ShowLeft = 500;
    static constexpr int ShowTop = 100;
    static constexpr int Positions = 10;

    // giveFocusBack gives the keyboard back to the main window's board (picCrossStage);
    // animTimer is the main window's animation timer, paused while the window is dragged
    // (may be null).
    KeypadForm(std::function<void()> giveFocusBack, form::Timer* animTimer);
    ~KeypadForm() override;

    // Builds the content for kana entry: the background picture, the romaji table and the
    // ten display positions. Returns 1, or 0 when the table could not be read; kana entry
    // is then off and tableError() says why.
    int SetKeypad();
    // Shows the window at (500, 100) when it is hidden, hides it when it is shown.
    void ShowKeypad();
    // Feeds one typed key ("A".."Z" or "-") into the conversion; returns the grid kana
    // it completes, or the empty text.
    QString RomaKanaConvWChr(QChar c);
    // Empties the display and the key buffer.
    void ClearDispKeyBuff();

    QString tableError() const { return m_tableError; }
    bool shown() const { return m_shown == 1; }
    int dispPos() const { return m_dispPos; }
    const QString& keyBuff() const { return m_conv.keyBuff(); }
    keypad::RomaKana& converter() { return m_conv; }

    // Run by Alt+F4 on the window before the program ends at once: closes the files that
    // the game keeps open.
    std::function<void()> onCloseFiles;

    form::ControlArray<form::Label> lblRoma;
    form::ControlArray<form::Label> lblKana;
    QPushButton* cmdKeypadEnd = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AddDispKeyBuff(QChar c, const QString& kana);
    void SetKeypadTopmost();
    void ClearKeypadTopmost();
    void loadBackground();
    void KeypadMouseDown(Qt::MouseButton button);
    void endDrag();
    void focusBoard();
    void endAtOnce();

    std::function<void()> m_focusBoard;
    form::Timer* m_animTimer;
    keypad::RomaKana m_conv;
    QString m_tableError;
    int m_dispPos = 0;
    int m_shown = 0;
    bool m_pictureNoted = false;

    // Dragging: the press point inside the window and whether the animation was paused.
    QPoint m_pressAt;
    bool m_dragging = false;
    bool m_animPaused = false;
};
