// genpictures: draws every picture the game loads and writes them as JPEG files.
// Usage: genpictures <program-folder>
//   <program-folder>/Picture/cast          the cast pictures (frames above, masks below)
//   <program-folder>/Picture/WorldPicture  the world pictures of the stage
//   <program-folder>/sys/Picture           the main window's background and panels
// or:    genpictures --icon <theme-folder> <name>
//   <theme-folder>/<N>x<N>/apps/<name>.png the desktop icon at the hicolor theme's sizes
#include <QDir>
#include <QImage>
#include <iostream>

#include "Canvas.h"
#include "Family.h"
#include "Icon.h"
#include "Panels.h"
#include "Scenery.h"

using namespace genpictures;

namespace {

bool write(const QString& folder, const QString& name, const QImage& image)
{
    QString error;
    if (!QDir().mkpath(folder)) {
        std::cerr << "genpictures: cannot create " << folder.toStdString() << "\n";
        return false;
    }
    if (!saveJpeg(image, folder + QLatin1Char('/') + name + QStringLiteral(".jpg"), &error)) {
        std::cerr << "genpictures: " << error.toStdString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--icon")
        return writeIconTheme(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    if (argc != 2) {
        std::cerr << "usage: genpictures <program-folder>\n"
                     "       genpictures --icon <theme-folder> <name>\n";
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString cast = root + QStringLiteral("/Picture/cast");
    bool ok = true;
    for (const Member& member : family())
        for (int mood = 1; mood <= 5; ++mood)
            ok = write(cast, member.name + QString::number(mood), faceStrip(member.look, mood)) && ok;
    ok = write(cast, QStringLiteral("背景スプライト"), backSprite()) && ok;
    ok = write(cast, QStringLiteral("流雲"), cloudCast()) && ok;
    const QString world = root + QStringLiteral("/Picture/WorldPicture");
    ok = write(world, QStringLiteral("オープニング背景"), openingBackground()) && ok;
    ok = write(world, QStringLiteral("背景(160x123)"), playWorld()) && ok;
    const QString sys = root + QStringLiteral("/sys/Picture");
    ok = write(sys, QStringLiteral("基本背景"), mainBackground()) && ok;
    for (const NamedPicture& picture : framePictures())
        ok = write(sys, picture.name, picture.image) && ok;
    return ok ? 0 : 1;
}
