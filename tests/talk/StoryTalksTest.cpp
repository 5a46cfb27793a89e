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

    int talks = 0;
    QStringList faulty;
    for (qsizetype at = 0; at + 4 <= records.size(); at += 4) {
        if (qFromLittleEndian<qint32>(records.constData() + at) == 0)
            continue;
        const int number = int(at / 4) + 1;
        ++talks;
        // The story shows each talk after others: a box is open and a menu may be up.
        ASSERT_TRUE(talk(QStringLiteral("÷〈前の話〉『はい／いいえ』")));
        t.dataErrors.clear();
        ASSERT_TRUE(talk(number)) << number;
        if (!t.dataErrors.isEmpty())
            faulty << t.dataErrors;
        ASSERT_TRUE(talk(QStringLiteral("※")));
    }
    EXPECT_GT(talks, 10);
    EXPECT_TRUE(faulty.isEmpty()) << faulty.join(QLatin1Char('\n')).toStdString();
}
