// Open crossword files on disk: which paths are one, and the reader each extension takes.
#include "OpenCrosswordImport.h"

#include <QFile>
#include <QFileInfo>

bool isOpenCrosswordPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("ipuz"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("puz"), Qt::CaseInsensitive) == 0;
}

ImportedCrossword importOpenCrosswordFile(const QString& path)
{
    ImportedCrossword failed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = QStringLiteral("cannot open %1 (%2)").arg(path, file.errorString());
        return failed;
    }
    if (file.size() > MaxOpenCrosswordBytes) {
        failed.error = QStringLiteral("%1 has %2 bytes; an open crossword file has at most %3").arg(path).arg(file.size()).arg(MaxOpenCrosswordBytes);
        return failed;
    }
    const QByteArray bytes = file.read(MaxOpenCrosswordBytes + 1);
    const bool puz = QFileInfo(path).suffix().compare(QLatin1String("puz"), Qt::CaseInsensitive) == 0;
    OpenCrosswordRead read = puz ? readPuz(bytes) : readIpuz(bytes);
    if (!read.ok) {
        failed.error = read.error;
        return failed;
    }
    if (read.crossword.title.trimmed().isEmpty())
        read.crossword.title = QFileInfo(path).completeBaseName();
    return importOpenCrossword(read.crossword);
}
