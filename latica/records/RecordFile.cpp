#include "RecordFile.h"

#include "form/Cp932.h"
#include "playfile/PlayFileName.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <algorithm>

namespace record {

namespace {

const QString NameCaption = QStringLiteral(";プレーヤー名");
const QString SolvedCaption = QStringLiteral(";解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み");

} // namespace

QString commentLine(int kind)
{
    return kind == 1 ? QStringLiteral(";このファイルはＣＤ－ＲＯＭから起動したときの、Laticaで使う個人成績データです。")
                     : QStringLiteral(";このファイルはLaticaで使う個人成績データです。");
}

QString fileNameFor(const QString& playFileTitle)
{
    return playFileBaseName(playFileTitle) + QStringLiteral(".log");
}

QStringList newRecord(int kind, int crossCount)
{
    return {commentLine(kind), NameCaption, Unregistered, SolvedCaption,
            solvedText(std::vector<int>(size_t(std::max(crossCount, 0)) + 1, 0), crossCount)};
}

QString solvedText(const std::vector<int>& solved, int count)
{
    QStringList flags;
    for (int i = 1; i <= count; ++i)
        flags << QString::number(i < int(solved.size()) ? solved[size_t(i)] : 0);
    return flags.join(QLatin1Char(','));
}

bool read(const QString& path, QStringList& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    lines = parse(file.readAll());
    return true;
}

QStringList parse(const QByteArray& bytes)
{
    QStringList lines = form::splitLines(form::fromCp932(bytes));
    // What is missing reads as a new record has it: no name, nothing solved.
    const QStringList blank = newRecord(0, 0);
    for (qsizetype i = lines.size(); i < Lines; ++i)
        lines << blank[i];
    return lines;
}

QByteArray bytesOf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += form::toCp932(line) + "\r\n";
    return bytes;
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    const QByteArray bytes = bytesOf(lines);
    // Unbuffered, a disk that fills up fails the write itself: a buffered write that
    // failed only when committed was not noticed, and the cut file replaced the record.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        // A short write leaves the system's reason (a full disk) in errno, not in the file.
        const int reason = errno;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(reason));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString storableName(const QString& name)
{
    QString stored;
    for (const uint c : name.toUcs4()) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        bool ok = true;
        form::toCp932(one, &ok);
        stored += ok ? one : QStringLiteral("？");
    }
    return stored;
}

} // namespace record
