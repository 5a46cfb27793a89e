#include "Records.h"

#include "Boards.h"
#include "RecordFile.h"
#include "form/MessageBox.h"
#include "model/Game.h"
#include "model/PlayFilePath.h"
#include "playfile/PlayFileHeader.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "window/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <functional>

namespace {

QString recordPath(const Game& game)
{
    return game.RecordFolder + game.RecordFileName;
}

// The player is told, since what was just solved or named is not kept; play goes on.
void reportFailedRewrite(Game& game, const QString& path, const QString& reason)
{
    std::fprintf(stderr, "latica: the record %s was not rewritten and stays as it was: %s\n",
                 path.toLocal8Bit().constData(), reason.toLocal8Bit().constData());
    ShowMessage(game, MessageSpec{QStringLiteral("Latica"),
                                  QStringLiteral("記録ファイル %1 に書き込めませんでした（%2）。\r\n"
                                                 "記録は前のままです。ディスクの空きや書き込みの許可を確かめてください。")
                                      .arg(path, reason),
                                  form::Buttons::Ok, form::Icon::Exclamation});
}

// Reads the record, changes its lines and writes it back in one piece. A record that
// cannot be read or written stays as it was, and the reason goes to stderr.
void rewrite(Game& game, const std::function<void(QStringList&)>& change)
{
    const QString path = recordPath(game);
    QStringList lines;
    QString error;
    if (!record::read(path, lines, &error)) {
        reportFailedRewrite(game, path, error);
        return;
    }
    change(lines);
    if (!record::write(path, lines, &error))
        reportFailedRewrite(game, path, error);
}

} // namespace

int GetCrossCount(Game& game)
{
    return readPlayFileHeader(PlayFilePath(game)).crossCount;
}

int GetKeypadMode(Game& game)
{
    return readPlayFileHeader(PlayFilePath(game)).keypadMode;
}

QString FindFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.fileName() : QString();
}

int CreateRecordFile(Game& game, const QString& path, int kind)
{
    return record::write(path, record::newRecord(kind, game.CrossCount)) ? 1 : 0;
}

int SetRecordFile(Game& game)
{
    game.RecordFileName = record::fileNameFor(game.PlayFileTitle);
    game.RecordFolder = game.PlayFileFolder;
    if (!FindFile(recordPath(game)).isEmpty())
        return 1;
    if (CreateRecordFile(game, recordPath(game), 0) == 1)
        return 1;
    // The play folder cannot take the record (a CD-ROM, a protected folder).
    if (game.WorkFolder.isEmpty()) {
        ShowMessage(game, 10001);
        return 0;
    }
    if (!FindFile(game.WorkFolder + game.RecordFileName).isEmpty()) {
        game.RecordFolder = game.WorkFolder;
        return 1;
    }
    if (CreateRecordFile(game, game.WorkFolder + game.RecordFileName, 1) == 0) {
        ShowMessage(game, 10002);
        return 0;
    }
    game.RecordFolder = game.WorkFolder;
    ShowMessage(game, 10003);
    return 1;
}

int LoadRecord(Game& game)
{
    QStringList lines;
    if (!record::read(recordPath(game), lines))
        lines = record::newRecord(0, game.CrossCount);
    QString states = lines[record::SolvedLine - 1] + QLatin1Char(',');
    bool someOpen = false;
    for (int i = 1; i <= game.CrossCount; ++i) {
        const qsizetype comma = states.indexOf(QLatin1Char(','));
        // Entries the line lacks read as unsolved; a written entry other than 0 or 1
        // keeps the puzzle's state and does not count as open.
        const QString token = comma < 0 ? QStringLiteral("0") : states.left(comma);
        if (comma >= 0)
            states.remove(0, comma + 1);
        if (token == QLatin1String("0")) {
            game.CrossSolved[size_t(i)] = 0;
            someOpen = true;
        } else if (token == QLatin1String("1")) {
            game.CrossSolved[size_t(i)] = 1;
        }
    }
    if (someOpen)
        return 1;
    if (ShowMessage(game, 1001) != form::Answer::Yes)
        return 0;
    for (int i = 1; i <= game.CrossCount; ++i)
        game.CrossSolved[size_t(i)] = 0;
    SaveRecord(game);
    DropAllBoards(game);
    return 1;
}

void SaveRecord(Game& game)
{
    rewrite(game, [&game](QStringList& lines) {
        lines[record::SolvedLine - 1] = record::solvedText(game.CrossSolved, game.CrossCount);
    });
    DropSolvedBoards(game);
}

QString GetPlayerName(Game& game)
{
    QStringList lines;
    if (!record::read(recordPath(game), lines))
        return {};
    const QString name = lines[record::NameLine - 1];
    return name == record::Unregistered ? QString() : name;
}

void SavePlayerName(Game& game)
{
    // The talks quote the name as the record keeps it.
    QString& name = talkEngine(game).TalkNames[10];
    name = record::storableName(name);
    rewrite(game, [&name](QStringList& lines) {
        lines = lines.mid(0, record::Lines);
        lines[record::NameLine - 1] = name;
    });
}

bool RecordInWorkFolder(const Game& game)
{
    return !game.WorkFolder.isEmpty() && !game.RecordFolder.isEmpty() &&
           QDir::cleanPath(game.WorkFolder) == QDir::cleanPath(game.RecordFolder);
}
