#pragma once
// The four family members and their face casts: five moods, nine frames each.
#include <QImage>
#include <QString>
#include <QVector>

#include "Figure.h"

namespace genpictures {

struct Member {
    QString name;   // 姉, 兄, 父, 母
    Look look;
};

QVector<Member> family();

// The pose of frame 1..9 of a face cast: 1 rest; 2-5 a blink with a small nod; 6-9 the
// talking mouths.
Pose framePose(int mood, int frame);

// One transparent 80 x 112 frame.
QImage figureFrame(const Look& look, const Pose& pose);

// The cast picture of one face: nine frames with their masks beneath.
QImage faceStrip(const Look& look, int mood);

} // namespace genpictures
