#include "Helpers.h"

#include "Run.h"
#include "form/Cp932.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tbtest {

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

QByteArray cp932(const QString& text)
{
    form::Cp932Codec codec;
    std::optional<QByteArray> bytes = codec.encode(text);
    EXPECT_TRUE(bytes.has_value()) << text.toStdString();
    return bytes.value_or(QByteArray());
}

QString fromCp932(const QByteArray& bytes)
{
    form::Cp932Codec codec;
    std::optional<QString> text = codec.decode(bytes);
    EXPECT_TRUE(text.has_value());
    return text.value_or(QString());
}

QByteArray sourceBytes(const QStringList& lines, Encoding encoding)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoding == Encoding::Cp932 ? cp932(line) : line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

Outcome convert(const QStringList& lines, const Options& options)
{
    return convertBytes(sourceBytes(lines, options.encoding), options);
}

Outcome convertBytes(const QByteArray& source, const Options& options)
{
    Outcome outcome;
    QTemporaryDir dir;
    EXPECT_TRUE(dir.isValid());
    QFile file(dir.filePath(options.sourceName));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();

    tb::RunSettings settings;
    settings.folder = dir.path();
    settings.talkStart = options.talkStart;
    settings.refStart = options.refStart;
    settings.round = options.round;
    settings.source = options.sourceName;
    outcome.ok = tb::runConversion(settings, outcome.report);

    outcome.newBytes = readAll(dir.filePath(QStringLiteral("new") + options.sourceName));
    const bool utf8 = options.encoding == Encoding::Utf8;
    const QString text = utf8 ? QString::fromUtf8(outcome.newBytes) : fromCp932(outcome.newBytes);
    outcome.newLines = text.split(QStringLiteral("\r\n"));
    if (!outcome.newLines.isEmpty() && outcome.newLines.last().isEmpty())
        outcome.newLines.removeLast();
    const QString dataPath = dir.filePath(QStringLiteral("TalkDt.Dat"));
    const QString indexPath = dir.filePath(QStringLiteral("TalkIx.Dat"));
    outcome.dataWritten = QFile::exists(dataPath) && QFile::exists(indexPath);
    outcome.data = readAll(dataPath);
    outcome.index = readAll(indexPath);
    return outcome;
}

qint32 indexRecord(const QByteArray& index, int talk)
{
    const qsizetype offset = qsizetype(talk - 1) * 4;
    if (talk < 1 || offset + 4 > index.size())
        return -1;
    return qFromLittleEndian<qint32>(index.constData() + offset);
}

QStringList records(const QByteArray& data)
{
    QStringList texts;
    qsizetype pos = 0;
    while (pos + 2 <= data.size()) {
        const int length = qFromLittleEndian<quint16>(data.constData() + pos);
        texts.append(fromCp932(data.mid(pos + 2, length)));
        pos += 2 + length;
    }
    EXPECT_EQ(pos, data.size()) << "records do not fill the file";
    return texts;
}

QString talkAt(const QByteArray& data, qint32 position)
{
    QByteArray text;
    qsizetype pos = position - 1;
    while (pos >= 0 && pos + 2 <= data.size()) {
        const int length = qFromLittleEndian<quint16>(data.constData() + pos);
        text += data.mid(pos + 2, length);
        pos += 2 + length;
        if (text.endsWith("\x81\x88"))
            break;
    }
    return fromCp932(text);
}

QString talk(const Outcome& outcome, int number)
{
    const qint32 position = indexRecord(outcome.index, number);
    return position > 0 ? talkAt(outcome.data, position) : QString();
}

} // namespace tbtest
