#include "TextBox.h"
#include "Pump.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace form {

TextBox::TextBox(QWidget* parent) : Widget(parent), m_edit(new QLineEdit(this))
{
    m_edit->setFrame(false);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    m_font = m_edit->font();
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [this] { fitText(); });
}

void TextBox::fitText()
{
    // The line edit keeps 2 pixels on either side of its text and one for the cursor.
    const int room = m_edit->contentsRect().width() - 5;
    QFont font = m_font;
    while (font.pixelSize() > MinFitPixels && QFontMetrics(font).horizontalAdvance(m_edit->text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    if (font != m_edit->font())
        m_edit->setFont(font);
}

QString TextBox::text() const { return m_edit->text(); }
void TextBox::setText(const QString& text) { m_edit->setText(text); }
void TextBox::selectAll() { m_edit->selectAll(); }
void TextBox::setFont(const Font& font)
{
    m_font = font.toQFont();
    m_edit->setFont(m_font);
    fitText();
}

void TextBox::setColours(Colour back, Colour fore)
{
    QPalette p = m_edit->palette();
    p.setColor(QPalette::Base, toQColor(back));
    p.setColor(QPalette::Text, toQColor(fore));
    m_edit->setPalette(p);
}

void TextBox::focusInput() { m_edit->setFocus(Qt::OtherFocusReason); }
bool TextBox::hasInputFocus() const { return m_edit->hasFocus(); }

void TextBox::resizeEvent(QResizeEvent* event)
{
    Widget::resizeEvent(event);
    m_edit->setGeometry(rect());
    fitText();
}

bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        int code = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ? 13
                 : key->text().isEmpty() ? 0 : key->text().at(0).unicode();
        if (code && onKeyPress) {
            auto handler = onKeyPress;
            runHandler([&] { handler(code); });
            if (code == 13)
                return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (onClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            auto handler = onClick;
            runHandler(handler);
        }
        break;
    case QEvent::FocusIn:
        if (onGotFocus) {
            auto handler = onGotFocus;
            runHandler(handler);
        }
        break;
    case QEvent::FocusOut:
        if (onLostFocus) {
            auto handler = onLostFocus;
            runHandler(handler);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace form
