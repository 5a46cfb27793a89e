#include "Label.h"
#include "Container.h"

#include <QFontMetrics>
#include <QPainter>

namespace form {

Label::Label(Container* container) : Control(container) {}

void Label::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_autoSize)
        fitToCaption();
    repaint();
}

void Label::setBackColor(Colour colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    if (m_backStyle == BackStyle::Opaque)
        repaint();
}

void Label::setForeColor(Colour colour)
{
    if (colour == m_foreColor)
        return;
    m_foreColor = colour;
    repaint();
}

void Label::setBackStyle(BackStyle style)
{
    if (style == m_backStyle)
        return;
    m_backStyle = style;
    repaint();
}

void Label::setFont(const Font& font)
{
    m_font = font;
    if (m_autoSize)
        fitToCaption();
    repaint();
}

void Label::setFontSize(double points)
{
    Font f = m_font;
    f.size = points;
    setFont(f);
}

void Label::setFontBold(bool bold)
{
    Font f = m_font;
    f.bold = bold;
    setFont(f);
}

void Label::setFontItalic(bool italic)
{
    Font f = m_font;
    f.italic = italic;
    setFont(f);
}

void Label::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    repaint();
}

void Label::setVerticalCentre(bool centre)
{
    m_verticalCentre = centre;
    repaint();
}

void Label::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    repaint();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        fitToCaption();
}

void Label::fitToCaption()
{
    QFontMetrics metrics(m_font.toQFont());
    int w = m_caption.isEmpty() ? 0 : metrics.horizontalAdvance(m_caption);
    setRect(QRect(left(), top(), w, metrics.height()));
}

Label* Label::clone() const
{
    auto* copy = new Label(container());
    copy->setVisible(false);
    copy->m_caption = m_caption;
    copy->m_backColor = m_backColor;
    copy->m_foreColor = m_foreColor;
    copy->m_backStyle = m_backStyle;
    copy->m_font = m_font;
    copy->m_alignment = m_alignment;
    copy->m_verticalCentre = m_verticalCentre;
    copy->m_wordWrap = m_wordWrap;
    copy->m_autoSize = m_autoSize;
    copy->setGeometry(left(), top(), width(), height());
    return copy;
}

void Label::paint(QPainter& painter) const
{
    const QRect r = rect();
    if (m_backStyle == BackStyle::Opaque)
        painter.fillRect(r, toQColor(m_backColor));
    if (m_caption.isEmpty())
        return;
    painter.save();
    painter.setClipRect(r);
    painter.setFont(m_font.toQFont());
    painter.setPen(isEnabled() ? toQColor(m_foreColor) : QColor(128, 128, 128));
    int flags = m_verticalCentre ? Qt::AlignVCenter : Qt::AlignTop;
    flags |= m_alignment == Alignment::Centre ? Qt::AlignHCenter
           : m_alignment == Alignment::Right  ? Qt::AlignRight
                                              : Qt::AlignLeft;
    if (m_wordWrap && !m_autoSize)
        flags |= Qt::TextWrapAnywhere;
    painter.drawText(r, flags, m_caption);
    painter.restore();
}

} // namespace form
