#pragma once
#include "Color.h"
#include "Control.h"

class QColor;
class QPainter;
class QRect;

namespace form {

// A windowless rectangle: an outline, a filled bar, or both.
class Shape : public Control {
public:
    explicit Shape(Container* container);

    Colour borderColor() const { return m_borderColor; }
    void setBorderColor(Colour colour);
    void setBorderVisible(bool visible);
    Colour fillColor() const { return m_fillColor; }
    void setFillColor(Colour colour);
    void setFilled(bool filled);

    Shape* clone() const;
    void paint(QPainter& painter) const override;

private:
    Colour m_borderColor = 0x000000;
    bool m_borderVisible = true;
    Colour m_fillColor = 0x000000;
    bool m_filled = false;
};

// A one-pixel outline along the inside of `r`, whole at every display scale.
void drawOutline(QPainter& painter, const QRect& r, const QColor& colour);

} // namespace form
