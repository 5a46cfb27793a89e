// Reliability of the record rewrite: 1000 rewrites, each in a child process; 200 of them
// are killed at a random moment of the rewrite. Afterwards every record must read back as
// the old content or the new one, whole. Prints the counts; exits 1 on any bad record.
#include <QDir>
#include <QTemporaryDir>

#include "form/Cp932.h"
#include "model/Game.h"
#include "records/RecordFile.h"
#include "records/Records.h"

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

int main()
{
    QTemporaryDir dir;
    Game game;
    game.PlayFileFolder = dir.path() + QLatin1Char('/');
    game.PlayFileTitle = QStringLiteral("bench.kmi");
    game.RecordFolder = game.PlayFileFolder;
    game.RecordFileName = QStringLiteral("bench.log");
    game.CrossCount = 200;
    const QString path = game.RecordFolder + game.RecordFileName;

    std::mt19937 pick(20261207);
    int killed = 0, oldKept = 0, newWritten = 0, bad = 0;
    for (int run = 0; run < 1000; ++run) {
        // Old: every other puzzle solved; new: the flags flipped.
        std::vector<int> old(201, 0), now(201, 0);
        for (int i = 1; i <= 200; ++i) {
            old[size_t(i)] = (i + run) % 2;
            now[size_t(i)] = 1 - old[size_t(i)];
        }
        QStringList lines = record::newRecord(0, 200);
        lines[4] = record::solvedText(old, 200);
        record::write(path, lines);
        game.CrossSolved = now;

        const bool kill = run % 5 == 0;
        const pid_t child = fork();
        if (child == 0) {
            SaveRecord(game);
            _exit(0);
        }
        if (kill) {
            usleep(useconds_t(std::uniform_int_distribution<int>(0, 2500)(pick)));
            ::kill(child, SIGKILL);
            ++killed;
        }
        waitpid(child, nullptr, 0);

        QStringList got;
        const bool read = record::read(path, got);
        const QString states = got.value(4);
        if (read && got.size() == 5 && states == record::solvedText(old, 200))
            ++oldKept;
        else if (read && got.size() == 5 && states == record::solvedText(now, 200))
            ++newWritten;
        else
            ++bad;
    }
    std::printf("rewrites 1000, killed %d: old record %d, new record %d, unreadable or mixed %d; "
                "files left in the folder: %lld\n",
                killed, oldKept, newWritten, bad, static_cast<long long>(QDir(dir.path()).entryList(QDir::Files).size()));
    return bad == 0 ? 0 : 1;
}
