#include "toolkit/db/forms/multi_user_form.h"

#include "controls/bordered_panel.h"
#include "controls/flat_button.h"
#include "platform/modal_box.h"
#include "toolkit/dialogs/dialog_font.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace toolkit {

namespace {

constexpr QSize clientSize(549, 417);
constexpr int borderWidth = 5;   // inner margin of the whole form
constexpr int titleHeight = 17;  // the caption strip "انتخاب مشتري جهت ورود ...."
constexpr int sideBarWidth = 66; // the bar holding the enter button and the picture
constexpr int enterButtonHeight = 32;
constexpr QSize pictureSize(59, 80);
constexpr int listColumns = 3;
const QColor titleBackground(0xFF, 0xFF, 0xD9);
const QColor sideBarFrame(0x80, 0xFF, 0x00);

/// The side bar's picture: a milk can on a meadow, drawn so the form needs no image file.
QPixmap sideBarPicture()
{
    QPixmap picture(pictureSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB8, 0xE9, 0x86));
    painter.drawRect(0, 58, pictureSize.width(), pictureSize.height() - 58);
    QPainterPath can;
    can.addRoundedRect(QRectF(16, 24, 27, 42), 5, 5);
    can.addRect(QRectF(22, 12, 15, 14));
    painter.setPen(QPen(QColor(0x55, 0x6B, 0x7A), 1.5));
    painter.setBrush(QColor(0xE4, 0xEA, 0xEF));
    painter.drawPath(can.simplified());
    painter.drawRoundedRect(QRectF(19, 8, 21, 6), 2, 2);
    painter.setPen(QPen(QColor(0x55, 0x6B, 0x7A), 1));
    painter.drawLine(QPointF(16, 40), QPointF(43, 40));
    return picture;
}

} // namespace

MultiUserForm::MultiUserForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("MultiUserForm"));
    setLayoutDirection(Qt::RightToLeft);
    setFont(dialogFont(8));
    setFixedSize(clientSize);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    outer->addWidget(panel);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    auto* title = new QLabel(QStringLiteral("انتخاب مشتري جهت ورود ...."), panel);
    title->setObjectName(QStringLiteral("StaticText1"));
    title->setAlignment(Qt::AlignCenter);
    title->setFixedHeight(titleHeight);
    title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    title->setAutoFillBackground(true);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::Window, titleBackground);
    title->setPalette(titlePalette);
    panelLayout->addWidget(title);

    // In a right-to-left row the first item stands at the right edge.
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    panelLayout->addLayout(row, 1);

    auto* sideBar = new controls::BorderedPanel(panel);
    sideBar->setObjectName(QStringLiteral("dxContainer1"));
    sideBar->setColor(Qt::white);
    sideBar->setBorderColor(sideBarFrame);
    sideBar->setBorderSides(Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    sideBar->setFixedWidth(sideBarWidth);
    auto* sideLayout = new QVBoxLayout(sideBar);
    sideLayout->setContentsMargins(1, 1, 1, 1); // keeps the framing line visible
    sideLayout->setSpacing(0);
    m_enter = new controls::FlatButton(QStringLiteral("ورود"), sideBar);
    m_enter->setObjectName(QStringLiteral("dxButton1"));
    m_enter->setFixedHeight(enterButtonHeight);
    m_enter->setDefault(true);
    sideLayout->addWidget(m_enter);
    sideLayout->addStretch(1);
    auto* picture = new QLabel(sideBar);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(sideBarPicture());
    picture->setFixedSize(pictureSize);
    sideLayout->addWidget(picture, 0, Qt::AlignHCenter);
    row->addWidget(sideBar);

    m_list = new QListWidget(panel);
    m_list->setObjectName(QStringLiteral("RadioGroup1"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setLayoutDirection(Qt::RightToLeft);
    m_list->viewport()->installEventFilter(this);
    row->addWidget(m_list, 1);

    connect(m_enter, &controls::FlatButton::clicked, this, &MultiUserForm::dxButton1Click);
}

void MultiUserForm::setCustomers(const QStringList& customers)
{
    m_list->clear();
    m_list->addItems(customers);
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
}

QString MultiUserForm::selectedCustomer() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void MultiUserForm::dxButton1Click()
{
    if (!m_list->selectedItems().isEmpty())
        done(platform::mrOk);
}

void MultiUserForm::RadioGroup1DblClick()
{
    dxButton1Click();
}

bool MultiUserForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list->viewport())
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) {
        // Three columns share the list's width; rows take the font's line height.
        const int columnWidth = m_list->viewport()->width() / listColumns;
        m_list->setGridSize(QSize(columnWidth, m_list->fontMetrics().height() + 4));
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The press of the double click has already selected the entry under the pointer.
        RadioGroup1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MultiUserForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MultiUserForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace toolkit
