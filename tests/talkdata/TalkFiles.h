#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace talkfiles {

// Talk data files made by hand in a folder of their own: records appended in order and
// index records set at will, so that every kind of damage can be laid out.
class HandMade {
public:
    // Appends one record of CP932 text; returns its 1-based position.
    qint32 record(const QString& text);
    qint32 rawRecord(const QByteArray& bytes);
    void setIndex(int talk, qint32 position);
    // Writes both files; the paths are those below.
    void write();
    QString indexPath() const { return m_dir.filePath(QStringLiteral("TalkIx.dat")); }
    QString dataPath() const { return m_dir.filePath(QStringLiteral("TalkDt.dat")); }

    QByteArray data;
    QByteArray index;

private:
    QTemporaryDir m_dir;
};

// Runs the real talkbuild in batch mode on the given source in `folder`.
struct ToolRun {
    int exitCode = -1;
    QString errors;
};
ToolRun runTalkbuild(const QString& folder, const QString& sourceName, const QStringList& extra = {});

// What a story script source holds, read from its talk lines by the rules of the data
// format (independently of talkbuild): every talk in stored order with its number and
// text, the shared ones under their numbers as well.
struct ExpectedTalk {
    int number = 0;      // 0: reachable only by continuing
    QString text;        // without the end mark
    int storedIndex = -1; // position in the stored sequence, -1 for a reused ("%") talk
    int sharedWith = -1;  // for a "%" talk: the stored index of its "#" talk
};
QList<ExpectedTalk> expectedTalks(const QStringList& sourceLines);

} // namespace talkfiles
