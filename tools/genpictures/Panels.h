#pragma once
// The main window's pictures: its background, the panels behind its read-outs, the dial,
// the scroll bars and the keypad window's background. One look throughout: cream paper in
// rounded frames of warm wood, with plain inner areas where labels draw their text.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

namespace genpictures {

struct NamedPicture {
    QString name;
    QImage image;
};

// The colour of the main background, which also fills the panels' rounded corners.
QColor baseColor();
// The flat inner colour of every panel (the dial pictures share it around the dial).
QColor paperColor();

// "基本背景", 774 x 592.
QImage mainBackground();
// The panels, the dial pictures, the scroll bars and "キーパット", each at the size of the
// control it fills.
QVector<NamedPicture> framePictures();

// Buttons on the dial pictures (132 x 124): up, down, left, right, turn.
const QVector<QRect>& dialButtons();
// Buttons on the scroll bars along their length: to the start, one back, one on, to the end.
const QVector<QPair<int, int>>& scrollButtons(bool horizontal);

QImage dialPicture(bool acrossHighlighted);
QImage scrollBar(bool horizontal);
QImage keypadBackground();

} // namespace genpictures
