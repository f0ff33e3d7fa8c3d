// The drawn controls: the gradient label, shaded left to right and top to bottom.
#include "app/screenshots/screenshot_registry.h"
#include "controls/gradient_label.h"
#include "toolkit/dialogs/dialog_font.h"

#include <QVBoxLayout>

namespace {

using controls::GradientLabel;

GradientLabel* gradientLabel(const QString& caption, GradientLabel::TGradientType type,
                             QWidget* parent)
{
    auto* label = new GradientLabel(caption, parent);
    label->setFont(toolkit::dialogFont(12));
    label->setLayoutDirection(Qt::RightToLeft);
    label->setAlignment(Qt::AlignCenter);
    label->setColor(QColor(0x00, 0x40, 0x80));
    label->setColorTo(QColor(0xD9, 0xFF, 0xD9));
    label->setGradientType(type);
    label->setVAlignment(GradientLabel::TVAlignment::vaCenter);
    label->setFixedSize(360, 48);
    return label;
}

std::unique_ptr<QWidget> gradientLabels()
{
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(gradientLabel(QStringLiteral("انتخاب دام براي گزارش"),
                                    GradientLabel::TGradientType::gtFullHorizontal, window.get()));
    layout->addWidget(gradientLabel(QStringLiteral("ليست دام هاي انتخاب شده"),
                                    GradientLabel::TGradientType::gtFullVertical, window.get()));
    return window;
}

const screenshots::Registration controlWindows{{
    {QStringLiteral("control-GradientLabel"), gradientLabels},
}};

} // namespace
