#include "TalkFiles.h"

#include "support/TestSupport.h"

#include "form/Cp932.h"

#include <QHash>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>

namespace talkfiles {

qint32 HandMade::record(const QString& text)
{
    bool ok = false;
    const QByteArray bytes = form::toCp932(text, &ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return rawRecord(bytes);
}

qint32 HandMade::rawRecord(const QByteArray& bytes)
{
    const qint32 position = qint32(data.size() + 1);
    char length[2];
    qToLittleEndian<quint16>(quint16(bytes.size()), length);
    data.append(length, 2);
    data.append(bytes);
    return position;
}

void HandMade::setIndex(int talk, qint32 position)
{
    if (index.size() < qsizetype(talk) * 4)
        index.append(QByteArray(qsizetype(talk) * 4 - index.size(), '\0'));
    qToLittleEndian<qint32>(position, index.data() + qsizetype(talk - 1) * 4);
}

void HandMade::write()
{
    testsupport::writeFile(indexPath(), index);
    testsupport::writeFile(dataPath(), data);
}

ToolRun runTalkbuild(const QString& folder, const QString& sourceName, const QStringList& extra)
{
    QProcess process;
    process.start(QStringLiteral(LATICA_TALKBUILD_EXE),
                  QStringList{QStringLiteral("--batch"), QStringLiteral("--folder"), folder,
                              QStringLiteral("--source"), sourceName} + extra);
    EXPECT_TRUE(process.waitForFinished(60000));
    ToolRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QList<ExpectedTalk> expectedTalks(const QStringList& sourceLines)
{
    const QChar endMark(0x2234);
    QList<ExpectedTalk> talks;
    QHash<QString, int> sharedByRef;  // reference number -> index into talks
    int stored = 0;
    bool open = false;   // a talk whose end mark has not come yet
    for (const QString& line : sourceLines) {
        if (!line.startsWith(QLatin1String("':")) || line.startsWith(QLatin1String("':/New")))
            continue;
        const QString text = line.mid(12);
        if (open) {
            talks.last().text += text;
        } else {
            ExpectedTalk talk;
            talk.text = text;
            if (line.mid(6, 1) == QLatin1String(">"))
                talk.number = line.mid(7, 4).toInt();
            const QString kind = line.mid(2, 1);
            const QString ref = line.mid(3, 3);
            if (kind == QLatin1String("%")) {
                talk.sharedWith = talks[sharedByRef.value(ref)].storedIndex;
            } else {
                talk.storedIndex = stored++;
                if (kind == QLatin1String("#"))
                    sharedByRef.insert(ref, int(talks.size()));
            }
            talks.append(talk);
        }
        open = !line.endsWith(endMark);
    }
    for (ExpectedTalk& talk : talks)
        talk.text.chop(talk.text.endsWith(endMark) ? 1 : 0);
    return talks;
}

} // namespace talkfiles
