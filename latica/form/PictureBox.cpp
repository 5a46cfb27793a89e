#include "PictureBox.h"

#include "Picture.h"
#include "Shape.h"

#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>

namespace form {

PictureBox::PictureBox(QWidget* parent) : Container(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(Colour colour)
{
    m_backColor = colour;
    update();
}

void PictureBox::setBorder(bool border)
{
    m_border = border;
    update();
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    if (!m_canvas.isNull())
        cls();
    update();
}

bool PictureBox::loadPicture(const QString& path)
{
    const QImage image = readPicture(path);
    if (image.isNull())
        return false;
    setPicture(image);
    return true;
}

void PictureBox::fillBlank(QImage& image) const
{
    image.fill(toQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&image);
        p.drawImage(0, 0, m_picture);
    }
}

QImage& PictureBox::canvas()
{
    if (m_canvas.isNull() || m_canvas.size() != size()) {
        QImage grown(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        fillBlank(grown);
        if (!m_canvas.isNull()) {
            QPainter p(&grown);
            p.drawImage(0, 0, m_canvas);
        }
        m_canvas = grown;
    }
    return m_canvas;
}

void PictureBox::cls()
{
    if (!m_canvas.isNull() || m_autoRedraw) {
        canvas();
        fillBlank(m_canvas);
    }
    m_currentX = 0;
    m_currentY = 0;
    update();
}

int PictureBox::textWidth(const QString& text) const
{
    return QFontMetrics(m_font.toQFont()).horizontalAdvance(text);
}

int PictureBox::textHeight(const QString&) const { return QFontMetrics(m_font.toQFont()).height(); }

void PictureBox::print(const QString& text, bool newLine)
{
    QImage& image = canvas();
    QFont font = m_font.toQFont();
    QFontMetrics metrics(font);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(toQColor(m_foreColor));
        p.drawText(QPointF(m_currentX, m_currentY + metrics.ascent()), text);
    }
    if (newLine) {
        m_currentX = 0;
        m_currentY += metrics.height();
    } else {
        m_currentX += metrics.horizontalAdvance(text);
    }
    update();
}

void PictureBox::line(int x1, int y1, int x2, int y2, Colour colour)
{
    QImage& image = canvas();
    {
        QPainter p(&image);
        p.setPen(toQColor(colour));
        p.drawLine(x1, y1, x2, y2);
    }
    update();
}

PictureBox* PictureBox::clone() const
{
    auto* copy = new PictureBox(parentWidget());
    copy->hide();
    copy->setGeometry(geometry());
    copy->m_backColor = m_backColor;
    copy->m_foreColor = m_foreColor;
    copy->m_font = m_font;
    copy->m_picture = m_picture;
    copy->m_autoSize = m_autoSize;
    copy->m_autoRedraw = m_autoRedraw;
    copy->m_border = m_border;
    copy->setFocusPolicy(focusPolicy());
    return copy;
}

void PictureBox::paintBackground(QPainter& painter, const QRect& exposed)
{
    const QImage& image = !m_canvas.isNull() ? m_canvas : m_picture;
    painter.fillRect(exposed, toQColor(m_backColor));
    const qreal ratio = painter.device()->devicePixelRatioF();
    const int w = width(), h = height();
    // At a display scale such as 1.25 the box's last device column and row lie partly
    // beyond its size: an image covering the box is stretched over them rather than leave
    // them in the back colour.
    const bool partPixels = ratio != qreal(qRound(ratio)) && image.width() >= w && image.height() >= h;
    if (partPixels)
        painter.drawImage(QRectF(0, 0, std::ceil(w * ratio) / ratio, std::ceil(h * ratio) / ratio), image,
                          QRectF(0, 0, w, h));
    else if (!image.isNull())
        painter.drawImage(exposed.topLeft(), image, exposed);
    if (m_border)
        drawOutline(painter, rect(), QColor(64, 64, 64));
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    Container::resizeEvent(event);
    if (!m_canvas.isNull())
        canvas();
}

} // namespace form
