#pragma once
#include "Color.h"
#include "Font.h"
#include "Widget.h"

#include <functional>

class QLineEdit;

namespace form {

// A one-line text box.
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

    // A typed character (13 for Enter).
    std::function<void(int)> onKeyPress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_edit;
};

} // namespace form
