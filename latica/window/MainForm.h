#pragma once
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/PictureBox.h"
#include "form/Shape.h"
#include "form/TextBox.h"
#include "form/Timer.h"
#include "form/Window.h"

// The main window frmMain: every control of the game by its name, at its design-time
// place. It only creates the controls; the subsystems fill and drive them, and the
// event wiring lives with the game (MainFormEvents).
class MainForm : public form::Window {
public:
    static constexpr int ClientWidth = 774;
    static constexpr int ClientHeight = 592;

    MainForm();
    ~MainForm() override;

    // Story stage
    form::PictureBox* picStage;
    form::PictureBox* picWorld;
    form::PictureBox* picWork;
    form::ControlArray<form::PictureBox> picCell;
    form::PictureBox* picSpotStage;
    form::ControlArray<form::Label> lblWordEf;

    // Talk
    form::ControlArray<form::PictureBox> picTalkBox;
    form::ControlArray<form::PictureBox> picTalkBoxUp;
    form::ControlArray<form::PictureBox> picTalkBoxDown;
    form::ControlArray<form::Shape> shpTalkBoxLeft;
    form::ControlArray<form::Shape> shpTalkBoxRight;
    form::ControlArray<form::Shape> shpTalkBoxUp;
    form::ControlArray<form::Shape> shpTalkBoxDown;
    form::TextBox* txtTalkInput;
    form::PictureBox* picMenuBox;
    form::PictureBox* picMenuBoxUp;
    form::PictureBox* picMenuBoxDown;
    form::ControlArray<form::Label> lblMenu;

    // Board
    form::PictureBox* picCrossBase;
    form::PictureBox* picCrossStage;
    form::ControlArray<form::Label> lblCell;
    form::ControlArray<form::Shape> shpRollCell1;
    form::ControlArray<form::Shape> shpRollCell2;
    form::PictureBox* picCrossStageMoveH;
    form::ControlArray<form::Label> lblCrossStageMoveH;
    form::PictureBox* picCrossStageMoveV;
    form::ControlArray<form::Label> lblCrossStageMoveV;

    // Panels and displays
    form::PictureBox* picTitle;
    form::Label* lblTitle;
    form::PictureBox* picDisplayLevel;
    form::Label* lblLevel;
    form::PictureBox* picDisplayQuesNmb;
    form::Label* lblQuesNmb;
    form::Label* lblQuesNmbMax;
    form::Label* lblMasMaxXY;
    form::PictureBox* picDisplayTime;
    form::Label* lblPassedTime;
    form::PictureBox* picQues;
    form::Label* lblQues;
    form::PictureBox* picDisplayAdviserBase;

    // Controller (dial): element 1 across layout, element 2 down layout
    form::PictureBox* picDisplayControlerBase;
    form::ControlArray<form::PictureBox> picControler;
    form::ControlArray<form::Label> lblKeyUp;
    form::ControlArray<form::Label> lblKeyDown;
    form::ControlArray<form::Label> lblKeyLeft;
    form::ControlArray<form::Label> lblKeyRight;
    form::ControlArray<form::Label> lblKeyTurn;

    // Commands
    form::Label* lblKeyDelete;
    form::Label* lblKeyUndo;
    form::Label* lblAnswerOpen;
    form::Label* lblMarkSpeedUp;
    form::Label* lblCrossChange;
    form::Label* lblAdvice;
    form::Label* lblHelp;
    form::Label* lblEnd;
    form::PictureBox* picKeypad;
    form::Label* lblKeypad;

    // Timers
    form::Timer tmrKumi;
    form::Timer tmrAnim;
    form::Timer tmrTalk;
    form::Timer tmrTalkCursorBlink;
    form::Timer tmrSoundInterval;

private:
    void createStage();
    void createTalk();
    void createBoard();
    void createPanels();
    void createController();
    void createCommands();
    void createTimers();
};
