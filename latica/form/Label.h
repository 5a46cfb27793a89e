#pragma once
#include "Color.h"
#include "Control.h"
#include "Font.h"

#include <QString>

namespace form {

enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Right, Centre };

// A windowless text label.
class Label : public Control {
public:
    explicit Label(Container* container);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    Colour foreColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(BackStyle style);

    const Font& font() const { return m_font; }
    void setFont(const Font& font);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);
    // The text stands in the middle of the label's height instead of at its top.
    void setVerticalCentre(bool centre);
    void setWordWrap(bool wrap);
    // The label takes the size of its caption whenever caption or font change.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // A new invisible label in the same container with every property of this one.
    Label* clone() const;

    void paint(QPainter& painter) const override;

private:
    void fitToCaption();

    QString m_caption;
    Colour m_backColor = 0xFFFFFF;
    Colour m_foreColor = 0x000000;
    BackStyle m_backStyle = BackStyle::Opaque;
    Font m_font;
    Alignment m_alignment = Alignment::Left;
    bool m_verticalCentre = false;
    bool m_wordWrap = true;
    bool m_autoSize = false;
};

} // namespace form
