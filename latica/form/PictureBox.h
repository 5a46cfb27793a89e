#pragma once
#include "Color.h"
#include "Container.h"
#include "Font.h"

#include <QImage>
#include <QRegion>
#include <QString>

namespace form {

// A picture box: a picture, a persistent drawing surface (text printed at CurrentX and
// CurrentY, lines, block copies) and windowless controls on top.
class PictureBox : public Container {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    Colour foreColor() const { return m_foreColor; }
    void setForeColor(Colour colour) { m_foreColor = colour; }
    const Font& font() const { return m_font; }
    void setFont(const Font& font) { m_font = font; }
    void setFontBold(bool bold) { m_font.bold = bold; }
    void setFontItalic(bool italic) { m_font.italic = italic; }
    void setBorder(bool border);

    // The picture shown under all drawing; an empty image removes it. With auto-size the
    // box takes the picture's size.
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool loadPicture(const QString& path);
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }

    // Drawing keeps what it draws; the flag only says how the game means to use the box.
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // Prints text at the current position; the position moves right past it. With
    // newLine the position moves to the start of the next line instead.
    void print(const QString& text, bool newLine = false);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text = QStringLiteral("亜")) const;
    // Clears the drawing to the back colour and the picture; the position goes to (0, 0).
    void cls();
    void line(int x1, int y1, int x2, int y2, Colour colour);

    // The drawing surface, made on first use; block copies read and write it.
    QImage& canvas();
    bool hasCanvas() const { return !m_canvas.isNull(); }
    void refresh() { update(); }
    void refresh(const QRegion& area) { update(area); }

    PictureBox* clone() const;

protected:
    void paintBackground(QPainter& painter, const QRect& exposed) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillBlank(QImage& image) const;

    Colour m_backColor = 0xC0C0C0;
    Colour m_foreColor = 0x000000;
    Font m_font;
    QImage m_picture;
    QImage m_canvas;
    bool m_autoSize = false;
    bool m_autoRedraw = false;
    bool m_border = false;
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace form
