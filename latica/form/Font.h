#pragma once
#include <QFont>
#include <QString>

namespace form {

// A control's font as the game names it: the Windows face names stand for the IPA Gothic
// faces of the same design, and sizes are points at 96 dots per inch.
struct Font {
    QString name = QStringLiteral("ＭＳ Ｐゴシック");
    double size = 9;
    bool bold = false;
    bool italic = false;

    QFont toQFont() const;
    bool operator==(const Font&) const = default;
};

int pointsToPixels(double points);
// The installed face that stands for a face name of the game.
QString mapFontFamily(const QString& name);

} // namespace form
