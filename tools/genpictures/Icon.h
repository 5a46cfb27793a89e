#pragma once
// The game's icon for desktop menus: a small crossword on cream paper in a rounded wooden
// frame, the look of the main window's panels, with a pencil at the larger sizes.
#include <QImage>
#include <QString>
#include <QVector>

namespace genpictures {

// The square sizes of the hicolor icon theme that the icon is drawn at.
const QVector<int>& iconSizes();

// The icon at one size, on a transparent background.
QImage gameIcon(int size);

// Writes the icon at every size as <theme>/<N>x<N>/apps/<name>.png; false with a message
// on standard error when a file cannot be written.
bool writeIconTheme(const QString& theme, const QString& name);

} // namespace genpictures
