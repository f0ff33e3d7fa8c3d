#include "toolkit/dialogs/box_dialog.h"

#include "toolkit/dialogs/dialog_font.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace toolkit {

namespace {

/// A text line longer than this many pixels wraps, so that the box stays readable.
constexpr int textWidthLimit = 480;
constexpr int iconSize = 32;
constexpr int buttonMinimumWidth = 75;
constexpr char resultProperty[] = "boxResult";

QStyle::StandardPixmap iconOf(platform::BoxKind kind)
{
    switch (kind) {
    case platform::BoxKind::Information:
        return QStyle::SP_MessageBoxInformation;
    case platform::BoxKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case platform::BoxKind::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    case platform::BoxKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

BoxDialog::BoxDialog(const platform::BoxRequest& request, QWidget* parent)
    : QDialog(parent), m_cancelResult(request.cancelResult)
{
    setWindowTitle(request.caption);
    setFont(dialogFont());
    // Positions stay as laid out left to right; each text reads right to left.
    setLayoutDirection(Qt::LeftToRight);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(iconOf(request.kind)).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    const QString text = QString(request.text).replace(QChar(13), QChar(10));
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("boxText"));
    label->setTextFormat(Qt::PlainText);
    label->setLayoutDirection(Qt::RightToLeft);
    // Every line stands at the right edge, whatever language it starts with.
    label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    label->setWordWrap(true);
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split(QChar(10)))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    label->setFixedWidth(std::min(widest + metrics.averageCharWidth(), textWidthLimit));

    auto* textRow = new QHBoxLayout;
    textRow->setSpacing(12);
    textRow->addWidget(icon);
    textRow->addWidget(label);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const platform::BoxButton& spec : request.buttons) {
        auto* button = new QPushButton(spec.text, this);
        button->setProperty(resultProperty, spec.result);
        button->setLayoutDirection(Qt::RightToLeft);
        button->setMinimumWidth(buttonMinimumWidth);
        button->setAutoDefault(false);
        if (spec.result == request.defaultResult) {
            button->setDefault(true);
            button->setFocus();
        }
        connect(button, &QPushButton::clicked, this,
                [this, result = spec.result] { done(result); });
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(16);
    layout->addLayout(textRow);
    layout->addLayout(buttonRow);
}

QPushButton* BoxDialog::button(int result) const
{
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->property(resultProperty).toInt() == result)
            return button;
    }
    return nullptr;
}

void BoxDialog::reject()
{
    done(m_cancelResult);
}

} // namespace toolkit
