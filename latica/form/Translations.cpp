#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace form {

bool useJapaneseToolkitTexts()
{
    static QTranslator translator;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         folder)) {
        std::fprintf(stderr, "latica: no Japanese texts for the toolkit's dialogs in %s\n",
                     folder.toLocal8Bit().constData());
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace form
