#pragma once
#include "Color.h"
#include "Font.h"
#include "Widget.h"

#include <functional>

class QLineEdit;

namespace form {

// A one-line text box. Its text always shows whole from its first character: text wider
// than the box is drawn in a smaller size of the font, down to MinFitPixels, rather than
// scrolled out of sight.
class TextBox : public Widget {
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void selectAll();
    void setFont(const Font& font);
    void setColours(Colour back, Colour fore);
    void focusInput();
    bool hasInputFocus() const;
    QLineEdit* editor() const { return m_edit; }

    static constexpr int MinFitPixels = 9;

    // A typed character (13 for Enter).
    std::function<void(int)> onKeyPress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();

    QLineEdit* m_edit;
    QFont m_font;  // the size set; fitText may draw smaller
};

} // namespace form
