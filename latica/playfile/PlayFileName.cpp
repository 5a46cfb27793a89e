#include "PlayFileName.h"

#include "OpenCrosswordImport.h"

QString playFileBaseName(const QString& fileName)
{
    if (isOpenCrosswordPath(fileName))
        return fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString playFileTitleFor(const QString& fileName)
{
    if (isOpenCrosswordPath(fileName))
        return fileName;
    return playFileBaseName(fileName) + QStringLiteral(".kmi");
}
