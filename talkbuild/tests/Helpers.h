#pragma once
#include "Reporter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable strings in the messages of failed checks.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tbtest {

// Collects what a run reports.
struct Recorder : tb::Reporter {
    QStringList progressTexts;
    QStringList printed;
    QString start;
    QString end;
    bool allEnded = false;

    void progress(const QString& text) override { progressTexts.append(text); }
    void print(const QString& line) override { printed.append(line); }
    void startTime(const QString& time) override { start = time; }
    void endTime(const QString& time) override { end = time; }
    void allEnd() override { allEnded = true; }
};

enum class Encoding { Cp932, Utf8 };

struct Options {
    QString talkStart = QStringLiteral("1100");
    QString refStart = QStringLiteral("200");
    bool round = true;
    Encoding encoding = Encoding::Cp932;
    QString sourceName = QStringLiteral("Story");
};

// One run of the tool on a source made of `lines`, in a folder of its own.
struct Outcome {
    bool ok = false;
    Recorder report;
    QStringList newLines;     // the rewritten source, decoded
    QByteArray newBytes;
    bool dataWritten = false; // both data files exist
    QByteArray data;
    QByteArray index;
};

QByteArray cp932(const QString& text);
QString fromCp932(const QByteArray& bytes);
QByteArray sourceBytes(const QStringList& lines, Encoding encoding);
Outcome convert(const QStringList& lines, const Options& options = {});
Outcome convertBytes(const QByteArray& source, const Options& options = {});

// Reading the data files back, independently of the tool's own code.
qint32 indexRecord(const QByteArray& index, int talk);
// The texts of all records in file order.
QStringList records(const QByteArray& data);
// The talk at a 1-based position: records joined up to the one ending with the end mark.
QString talkAt(const QByteArray& data, qint32 position);
QString talk(const Outcome& outcome, int number);

} // namespace tbtest
