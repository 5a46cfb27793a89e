#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace form {

namespace {
QString g_override;
}

QString ProgramFolder::path()
{
    if (!g_override.isEmpty())
        return g_override;
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::setPath(const QString& folder) { g_override = folder; }

QString ProgramFolder::resolve(const QString& relative) { return resolveIn(path(), relative); }

QString ProgramFolder::resolveIn(const QString& folder, const QString& relative)
{
    QString current = folder;
    const QStringList parts = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QDir dir(current);
        QString match = part;
        if (!QFileInfo::exists(dir.filePath(part))) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                      | QDir::Hidden | QDir::System);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        current = dir.filePath(match);
    }
    return current;
}

} // namespace form
