#include "toolkit/dialogs/wait_box_form.h"

#include "toolkit/dialogs/dialog_font.h"

#include <QLabel>
#include <QPalette>
#include <QStyle>

namespace toolkit {

namespace {

constexpr int margin = 12;   // from the frame to the icon and from the text to the frame
constexpr int iconSize = 32; // the warning icon, square
constexpr int iconGap = 12;  // between the icon and the text

} // namespace

WaitBoxForm::WaitBoxForm(const Look& look) : QWidget(nullptr, Qt::Dialog)
{
    Qt::WindowFlags frame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (look.closeButton)
        frame |= Qt::WindowCloseButtonHint;
    setWindowFlags(frame);
    setFont(dialogFont());
    setLayoutDirection(Qt::LeftToRight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.background);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    icon->setGeometry(margin, margin, iconSize, iconSize);

    m_text = new QLabel(look.firstText, this);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setLayoutDirection(Qt::RightToLeft);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->move(margin + iconSize + iconGap, margin + iconSize / 3);
    m_text->adjustSize();

    setFixedSize(m_text->geometry().right() + 1 + margin, look.height);
}

void WaitBoxForm::showWrapped(const QString& Msg)
{
    const int labelWidth = m_text->width();
    m_text->setWordWrap(true);
    m_text->setGeometry(width() - labelWidth, 0, labelWidth, height());
    m_text->setText(Msg);
}

void WaitBoxForm::showOneLine(const QString& Msg)
{
    m_text->setText(Msg);
    m_text->adjustSize();
}

} // namespace toolkit
