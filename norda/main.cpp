// norda: the puzzle author's tool. "norda build" turns a puzzle source into a play file;
// "norda check" reads play files by the game's rules and reports every problem; "norda
// import" and "norda export" bring puzzles in from and out to .ipuz and .puz files.
#include "Build.h"
#include "Check.h"
#include "Export.h"
#include "Import.h"
#include "keypad/RomaKana.h"
#include "playfile/CrossFile.h"
#include "playfile/OpenCrosswordImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int Clean = 0, Problems = 1, BadArguments = 2;
// A source is a few hundred lines; anything far larger is not one.
constexpr qint64 MaxSourceBytes = 16 * 1024 * 1024;

const char* const Usage =
    "usage: norda build SOURCE.txt -o FILE.kmi   turn a puzzle source into a play file\n"
    "       norda check FILE.kmi...              report every problem of play files\n"
    "       norda import FILE.ipuz|FILE.puz... -o OUT.kmi [--title T]\n"
    "                                            put open crosswords into one play file\n"
    "       norda export FILE.kmi -o FOLDER      write each puzzle as an .ipuz file\n"
    "exit status: 0 clean, 1 problems found, 2 bad arguments\n";

void print(FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int badArguments(const QString& why)
{
    print(stderr, QStringLiteral("norda: %1\n").arg(why));
    std::fputs(Usage, stderr);
    return BadArguments;
}

// Reads a whole input file, or says why it cannot.
bool readInput(const QString& path, qint64 limit, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open the file (%1)").arg(file.errorString());
        return false;
    }
    if (file.size() > limit) {
        *error = QStringLiteral("the file has %1 bytes; expected at most %2").arg(file.size()).arg(limit);
        return false;
    }
    *bytes = file.readAll();
    return true;
}

int build(const QStringList& args)
{
    QString source, output;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !output.isEmpty())
                return badArguments(QStringLiteral("build takes one -o FILE.kmi"));
            output = args[++i];
        } else if (args[i].startsWith(QLatin1Char('-')) || !source.isEmpty()) {
            return badArguments(QStringLiteral("build does not take \"%1\"").arg(args[i]));
        } else {
            source = args[i];
        }
    }
    if (source.isEmpty() || output.isEmpty())
        return badArguments(QStringLiteral("build needs a source and -o FILE.kmi"));

    QByteArray bytes;
    QString error;
    if (!readInput(source, MaxSourceBytes, &bytes, &error)) {
        print(stderr, QStringLiteral("%1: error: %2\n").arg(source, error));
        return Problems;
    }
    const norda::BuildResult result = norda::buildPlayFile(bytes);
    print(stderr, result.diagnostics.format(source));
    if (result.playFile.isEmpty())
        return Problems;
    // Written whole or not at all: a failed build leaves an older file as it was.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(result.playFile) != result.playFile.size() || !file.commit()) {
        print(stderr, QStringLiteral("%1: error: cannot write the play file (%2)\n").arg(output, file.errorString()));
        return Problems;
    }
    return Clean;
}

// Writes a whole file or nothing: a failed write leaves an older file as it was.
bool writeOutput(const QString& path, const QByteArray& bytes, const QString& what)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        print(stderr, QStringLiteral("%1: error: cannot write the %2 (%3)\n").arg(path, what, file.errorString()));
        return false;
    }
    return true;
}

int importFiles(const QStringList& args)
{
    QStringList inputs;
    QString output, title;
    bool titled = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") || args[i] == QLatin1String("--title")) {
            const bool out = args[i] == QLatin1String("-o");
            if (i + 1 >= args.size() || (out ? !output.isEmpty() : titled))
                return badArguments(out ? QStringLiteral("import takes one -o OUT.kmi") : QStringLiteral("import takes one --title T"));
            (out ? output : title) = args[++i];
            titled = titled || !out;
        } else if (args[i].startsWith(QLatin1Char('-'))) {
            return badArguments(QStringLiteral("import does not take \"%1\"").arg(args[i]));
        } else if (!isOpenCrosswordPath(args[i])) {
            return badArguments(QStringLiteral("import reads .ipuz and .puz files, not \"%1\"").arg(args[i]));
        } else {
            inputs << args[i];
        }
    }
    if (inputs.isEmpty() || output.isEmpty())
        return badArguments(QStringLiteral("import needs one or more .ipuz or .puz files and -o OUT.kmi"));
    if (titled && title.trimmed().isEmpty())
        return badArguments(QStringLiteral("the --title is empty"));
    const norda::ImportResult result = norda::importPlayFile(inputs, title);
    print(stderr, result.messages);
    if (result.playFile.isEmpty() || !writeOutput(output, result.playFile, QStringLiteral("play file")))
        return Problems;
    return Clean;
}

int exportFile(const QStringList& args)
{
    QString input, folder;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !folder.isEmpty())
                return badArguments(QStringLiteral("export takes one -o FOLDER"));
            folder = args[++i];
        } else if (args[i].startsWith(QLatin1Char('-')) || !input.isEmpty()) {
            return badArguments(QStringLiteral("export does not take \"%1\"").arg(args[i]));
        } else {
            input = args[i];
        }
    }
    if (input.isEmpty() || folder.isEmpty())
        return badArguments(QStringLiteral("export needs a play file and -o FOLDER"));
    QByteArray bytes;
    QString error;
    if (!readInput(input, MaxPlayFileBytes, &bytes, &error)) {
        print(stderr, QStringLiteral("%1: error: %2\n").arg(input, error));
        return Problems;
    }
    const norda::ExportResult result = norda::exportIpuz(bytes, QFileInfo(input).completeBaseName());
    print(stderr, result.diagnostics.format(input));
    if (result.files.empty())
        return Problems;
    if (!QDir().mkpath(folder)) {
        print(stderr, QStringLiteral("%1: error: cannot make the folder\n").arg(folder));
        return Problems;
    }
    for (const norda::ExportedFile& file : result.files) {
        if (!writeOutput(QDir(folder).filePath(file.name), file.bytes, QStringLiteral(".ipuz file")))
            return Problems;
    }
    return Clean;
}

int check(const QStringList& files)
{
    if (files.isEmpty())
        return badArguments(QStringLiteral("check needs one or more play files"));
    for (const QString& file : files) {
        if (file.startsWith(QLatin1Char('-')))
            return badArguments(QStringLiteral("check does not take \"%1\"").arg(file));
    }
    norda::KanaTyping typing(keypad::RomaKanaTablePath());
    int puzzles = 0, errors = 0, warnings = 0;
    for (const QString& file : files) {
        QByteArray bytes;
        QString error;
        norda::CheckResult result;
        if (!readInput(file, MaxPlayFileBytes, &bytes, &error))
            result.diagnostics.error(0, error);
        else
            result = norda::checkPlayFile(bytes, typing);
        print(stdout, result.diagnostics.format(file));
        puzzles += result.puzzles;
        errors += result.diagnostics.count(norda::Severity::Error);
        warnings += result.diagnostics.count(norda::Severity::Warning);
    }
    print(stdout, QStringLiteral("norda check: %1 file%2, %3 puzzle%4: %5 error%6, %7 warning%8\n")
                      .arg(files.size()).arg(files.size() == 1 ? "" : "s")
                      .arg(puzzles).arg(puzzles == 1 ? "" : "s")
                      .arg(errors).arg(errors == 1 ? "" : "s")
                      .arg(warnings).arg(warnings == 1 ? "" : "s"));
    return errors + warnings == 0 ? Clean : Problems;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return badArguments(QStringLiteral("no command"));
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("build"))
        return build(args);
    if (verb == QLatin1String("check"))
        return check(args);
    if (verb == QLatin1String("import"))
        return importFiles(args);
    if (verb == QLatin1String("export"))
        return exportFile(args);
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return Clean;
    }
    return badArguments(QStringLiteral("unknown command \"%1\"").arg(verb));
}
