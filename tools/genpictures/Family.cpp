#include "Family.h"

#include <QPainter>

#include "Canvas.h"

namespace genpictures {

QVector<Member> family()
{
    Look sister{HairStyle::LongWithRibbon, Outfit::BlouseAndSkirt,
                QColor(253, 226, 206), QColor(150, 86, 50), QColor(208, 146, 100), QColor(156, 84, 40),
                QColor(243, 148, 172), QColor(255, 252, 248), QColor(172, 52, 82), QColor(122, 62, 46),
                QColor(224, 52, 82)};
    sister.faceY = 35;
    sister.shoulderHalf = 12.5;
    sister.hemY = 88;

    Look brother{HairStyle::ShortSpiky, Outfit::Hoodie,
                 QColor(246, 214, 186), QColor(42, 46, 66), QColor(100, 110, 142), QColor(52, 72, 116),
                 QColor(62, 128, 190), QColor(250, 250, 250), QColor(48, 62, 102), QColor(246, 246, 246),
                 QColor(212, 62, 52)};
    brother.faceY = 31;
    brother.faceRy = 16.5;
    brother.shoulderHalf = 15.5;
    brother.hemY = 80;

    Look father{HairStyle::ShortParted, Outfit::Cardigan,
                QColor(240, 206, 178), QColor(92, 86, 82), QColor(178, 174, 168), QColor(74, 52, 40),
                QColor(112, 134, 84), QColor(250, 250, 246), QColor(192, 170, 122), QColor(92, 60, 42),
                QColor(142, 36, 50)};
    father.adult = true;
    father.eyeW = 4.0;
    father.eyeH = 4.4;
    father.faceY = 29;
    father.faceRx = 15;
    father.faceRy = 17.5;
    father.shoulderHalf = 16.5;
    father.hemY = 82;

    Look mother{HairStyle::Bun, Outfit::DressAndApron,
                QColor(250, 222, 200), QColor(84, 52, 42), QColor(146, 104, 84), QColor(112, 72, 40),
                QColor(166, 138, 204), QColor(255, 253, 250), QColor(250, 222, 132), QColor(236, 150, 162),
                QColor(232, 140, 58)};
    mother.adult = true;
    mother.eyeW = 4.6;
    mother.eyeH = 5.4;
    mother.faceY = 34.5;
    mother.faceRx = 15;
    mother.faceRy = 16.5;
    mother.shoulderHalf = 14;
    mother.hemY = 100;

    return {{QStringLiteral("姉"), sister}, {QStringLiteral("兄"), brother},
            {QStringLiteral("父"), father}, {QStringLiteral("母"), mother}};
}

Pose framePose(int mood, int frame)
{
    Pose pose;
    pose.mood = mood;
    switch (frame) {
    case 2: pose.lid = 0.5; break;
    case 3: pose.lid = 1; pose.nod = 1; break;
    case 4: pose.lid = 0.5; pose.nod = 1; break;
    case 5: pose.nod = 1; break;
    case 6: case 7: case 8: case 9: pose.talk = frame - 5; break;
    default: break;
    }
    return pose;
}

QImage figureFrame(const Look& look, const Pose& pose)
{
    return paintSupersampled(QSize(int(FrameWidth), int(FrameHeight)), 4, Qt::transparent,
                             [&](QPainter& p) { drawFigure(p, look, pose); });
}

QImage faceStrip(const Look& look, int mood)
{
    QVector<QImage> frames;
    for (int frame = 1; frame <= 9; ++frame)
        frames << figureFrame(look, framePose(mood, frame));
    return castStrip(frames);
}

} // namespace genpictures
