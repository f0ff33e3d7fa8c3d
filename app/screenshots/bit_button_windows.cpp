// The gradient bit button in its looks and states, read right to left and left to right.
#include "app/screenshots/screenshot_registry.h"
#include "controls/bit_button/xf_bit_btn.h"
#include "toolkit/dialogs/dialog_font.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <functional>

namespace {

using controls::TXFBitBtn;
using controls::TXFGradient;

enum class State { Idle, Hot, Pressed, Disabled, Default, Swapped };

/// The date picker's look: Fine and Flat, across, pale green, yellow while hot.
void pickerLook(TXFBitBtn& button)
{
    button.setFine(true);
    button.setFlatFace(true);
    TXFGradient& g = button.gradient();
    g.setDirection(TXFGradient::gdHorizontal);
    g.setEndColor(controls::rgbColor(0xE2, 0xFF, 0xC6));
    g.setHotColor(controls::rgbColor(0xFF, 0xFF, 0x80));
    g.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor);
}

TXFBitBtn* button(const QString& caption, State state, const std::function<void(TXFBitBtn&)>& look,
                  QWidget* parent)
{
    auto* b = new TXFBitBtn(caption, parent);
    b->setFont(toolkit::dialogFont(9));
    b->setFixedSize(80, 28);
    b->setFocusPolicy(Qt::NoFocus);
    look(*b);
    switch (state) {
    case State::Idle:
        break;
    case State::Hot: {
        QEnterEvent enter(QPointF(40, 14), QPointF(40, 14), QPointF(40, 14));
        QApplication::sendEvent(b, &enter);
        break;
    }
    case State::Pressed:
        b->setDown(true);
        break;
    case State::Disabled:
        b->setEnabled(false);
        break;
    case State::Default:
        b->setDefault(true);
        break;
    case State::Swapped:
        b->gradient().setSwapColors(true);
        break;
    }
    return b;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(toolkit::dialogFont(9));
    return label;
}

/// One row a look, one column a state, in the reading order `direction`.
std::unique_ptr<QWidget> buttons(Qt::LayoutDirection direction)
{
    auto window = std::make_unique<QWidget>();
    window->setLayoutDirection(direction);
    auto* grid = new QGridLayout(window.get());
    const std::vector<std::pair<QString, State>> states{
        {QStringLiteral("عادي"), State::Idle},       {QStringLiteral("زير ماوس"), State::Hot},
        {QStringLiteral("فشرده"), State::Pressed},   {QStringLiteral("غيرفعال"), State::Disabled},
        {QStringLiteral("پيش فرض"), State::Default}, {QStringLiteral("رنگ معكوس"), State::Swapped}};
    const std::vector<std::pair<QString, std::function<void(TXFBitBtn&)>>> looks{
        {QStringLiteral("عمودي"), [](TXFBitBtn&) {}},
        {QStringLiteral("افقي"), pickerLook},
        {QStringLiteral("با تصوير"),
         [](TXFBitBtn& b) {
             b.setIcon(b.style()->standardIcon(QStyle::SP_DialogApplyButton));
             b.setIconSize(QSize(16, 16));
         }},
    };
    for (std::size_t c = 0; c < states.size(); ++c) {
        grid->addWidget(heading(states[c].first, window.get()), 0, static_cast<int>(c) + 1,
                        Qt::AlignCenter);
    }
    for (std::size_t r = 0; r < looks.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        grid->addWidget(heading(looks[r].first, window.get()), row, 0);
        for (std::size_t c = 0; c < states.size(); ++c) {
            const QString caption = c % 2 == 0 ? QStringLiteral("قبول") : QStringLiteral("انصراف");
            grid->addWidget(button(caption, states[c].second, looks[r].second, window.get()), row,
                            static_cast<int>(c) + 1);
        }
    }
    return window;
}

const screenshots::Registration bitButtonWindows{{
    {QStringLiteral("control-XFBitBtn"), [] { return buttons(Qt::RightToLeft); }},
    {QStringLiteral("control-XFBitBtn-LeftToRight"), [] { return buttons(Qt::LeftToRight); }},
}};

} // namespace
