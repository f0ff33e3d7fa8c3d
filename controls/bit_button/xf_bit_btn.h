#pragma once

#include "controls/bit_button/glyph_layout.h"
#include "controls/bit_button/xf_gradient.h"

#include <QPushButton>

namespace controls {

/// A push button with a caption and an optional glyph (icon()), drawn by the system in the
/// classic look: the raised frame, a black frame while it is the window's active default, a
/// pressed frame with the caption moved a pixel right and down, a focus rectangle four pixels
/// inside, and the gradient face of gradient() behind glyph and caption. Fine keeps only the
/// outer pixel of the frame, Flat none (Fine and Flat: a one-pixel edge). The glyph's icon
/// modes give its disabled and pressed looks. Painting is not mirrored in right-to-left reading;
/// glyph and caption follow the reading order.
class TXFBitBtn : public QPushButton {
    Q_OBJECT

public:
    explicit TXFBitBtn(const QString& caption = QString(), QWidget* parent = nullptr);

    /// The gradient settings; a change of them repaints the button.
    TXFGradientButton& gradient() { return *m_gradient; }
    const TXFGradientButton& gradient() const { return *m_gradient; }
    /// Takes the settings of `value`, repainting when they differ from the button's.
    void setGradient(const TXFGradient& value);

    bool fine() const { return m_fine; }
    void setFine(bool value);
    /// The Flat look of this button (QPushButton's own flat property is not used).
    bool flatFace() const { return m_flat; }
    void setFlatFace(bool value);

    TButtonLayout glyphLayout() const { return m_layout; }
    void setGlyphLayout(TButtonLayout value);
    /// Pixels between the glyph and the button's edge; -1 (the default) centres glyph and caption.
    int margin() const { return m_margin; }
    void setMargin(int value);
    /// Pixels between glyph and caption; 4 by default, -1 to spread them over the free space.
    int spacing() const { return m_spacing; }
    void setSpacing(int value);
    /// The caption breaks between words to fit the button's width.
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);

    /// Whether the button is drawn as its window's active default: it has the focus, or it is
    /// the default button and the focus is on no other push button.
    bool isActiveDefault() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    /// The whole button as it is drawn now.
    QImage picture() const;
    void drawGlyphAndCaption(QImage& image, const QRect& client, bool down) const;
    void drawFace(XFCanvas& canvas, bool hot, bool down, bool focusOrDefault) const;
    int captionFlags() const;
    /// Repaints when the mouse's coming or going changes the picture.
    void setMouseInControl(bool value);

    TXFGradientButton* m_gradient;
    bool m_mouseInControl = false;
    bool m_fine = false;
    bool m_flat = false;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    bool m_wordWrap = false;
};

} // namespace controls
