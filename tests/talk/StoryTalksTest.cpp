// Every talk of the game's own talk data, as the build made it from the story, runs
// through the engine without a data error, with a player who answers every wait.
#include "TalkFixture.h"

#include "form/Label.h"
#include "form/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLineEdit>
#include <QtEndian>

using StoryTalks = TalkFixture;

TEST_F(StoryTalks, EveryTalkRunsWithoutADataError)
{
    const QString index = form::ProgramFolder::resolve(QStringLiteral("\\Talk\\TalkIx.dat"));
    const QByteArray records = testsupport::readFile(index);
    ASSERT_FALSE(records.isEmpty()) << "no talk index at " << index.toStdString();
    ASSERT_TRUE(t.data.open());

    QTimer player;
    player.setInterval(1);
    QObject::connect(&player, &QTimer::timeout, [this] {
        switch (t.TalkWait) {
        case 1:
        case -1:
            clickWidget(box(t.CurrentTalkBox));
            break;
        case 2:
        case -2:
            window.txtTalkInput->setText(QStringLiteral("ミナ"));
            testsupport::pressKey(window.txtTalkInput->editor(), Qt::Key_Return);
            break;
        case 3:
        case -3:
            testsupport::click(window.lblMenu(1));
            break;
        default:
            break;
        }
    });
    player.start();

    AddTalker(game, QStringLiteral("＠"), 4, QStringLiteral("姉声"), 0, 0, 0, 0, 0);
    // Every character printed stays inside its box, and no box grows past five lines.
    const TalkLayout& l = t.layout;
    QStringList overflowing;
    int current = 0;
    const auto log = t.onCharPrinted;
    t.onCharPrinted = [&](QChar c) {
        log(c);
        form::PictureBox* b = box(t.CurrentTalkBox);
        if (b->currentX() > l.BoxWidth - l.HMargin + 1 || b->height() > l.FullHeight)
            overflowing << QString::number(current);
    };

    int talks = 0;
    QStringList faulty;
    for (qsizetype at = 0; at + 4 <= records.size(); at += 4) {
        if (qFromLittleEndian<qint32>(records.constData() + at) == 0)
            continue;
        const int number = int(at / 4) + 1;
        ++talks;
        current = number;
        // The story shows each talk after others: a box is open (here a talker's of its
        // own, so that the talk's lines are counted alone) and a menu may be up.
        ASSERT_TRUE(talk(QStringLiteral("※＠〈前の話〉『はい／いいえ』")));
        // Names as long as the talks may quote: a player's name of four characters, and
        // talk variables of two (a position, a letter, a direction).
        for (int i = 1; i <= 4; ++i)
            t.TalkNames[size_t(i)] = QStringLiteral("１２");
        t.TalkNames[10] = QStringLiteral("ミナミナ");
        t.dataErrors.clear();
        ASSERT_TRUE(talk(number)) << number;
        if (!t.dataErrors.isEmpty())
            faulty << t.dataErrors;
        ASSERT_TRUE(talk(QStringLiteral("※")));
    }
    EXPECT_GT(talks, 10);
    EXPECT_TRUE(faulty.isEmpty()) << faulty.join(QLatin1Char('\n')).toStdString();
    overflowing.removeDuplicates();
    EXPECT_TRUE(overflowing.isEmpty()) << "talks beyond their box: " << overflowing.join(QLatin1Char(' ')).toStdString();
}
