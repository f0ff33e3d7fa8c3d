#include "toolkit/dialogs/message_board_form.h"

#include "controls/bordered_panel.h"
#include "controls/bouncing_bar.h"
#include "controls/flat_button.h"
#include "platform/modal_box.h"
#include "platform/shell.h"
#include "platform/text_file.h"
#include "toolkit/base/error_report.h"
#include "toolkit/dialogs/dialog_font.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

namespace toolkit {

namespace {

// Sizes in pixels.
constexpr int boardWidth = 547;  // the client area inside the border
constexpr int boardHeight = 590; // at first, before a recording stretches it
constexpr int borderWidth = 5;   // between the frame and the client area
constexpr int titleColumnWidth = 188;
constexpr int textColumnWidth = 357;
constexpr int busyBarHeight = 13;
constexpr int buttonBarHeight = 30;
constexpr int buttonWidth = 73;
constexpr int screenHeightSpare = 40; // a recording board is this much shorter than the screen

const QColor listBackground(0xFF, 0xFF, 0xE6);
const QColor listTitleRow(0xD9, 0xFF, 0xD9);
const QColor rowCountBackground(0xE4, 0xE1, 0xDC);
const QColor busyTick(0xFF, 0x79, 0x79);
const QColor buttonBarLine(0xB0, 0xB0, 0xB0);

QString chooseWithDialog(QWidget* parent, const QString& suggestedName, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), suggestedName, filter);
}

} // namespace

TMessageBoardForm::TMessageBoardForm(std::function<void()> onShow, SaveNameChooser chooseSaveName,
                                     FileOpener openFile)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      m_onShow(std::move(onShow)),
      m_chooseSaveName(chooseSaveName ? std::move(chooseSaveName) : chooseWithDialog),
      m_openFile(openFile ? std::move(openFile) : platform::shellOpen)
{
    setObjectName(QStringLiteral("MessageBoardForm"));
    setFont(dialogFont());
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(boardWidth + 2 * borderWidth, boardHeight + 2 * borderWidth);

    MessageList = new QTableWidget(0, 2, this);
    MessageList->setObjectName(QStringLiteral("MessageList"));
    MessageList->setFrameShape(QFrame::NoFrame);
    MessageList->setHorizontalHeaderLabels({QStringLiteral(" "), QStringLiteral(" ")});
    MessageList->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    MessageList->horizontalHeader()->setHighlightSections(false);
    MessageList->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; border: 0px; "
                       "border-right: 1px solid #B0B0B0; }")
            .arg(listTitleRow.name()));
    MessageList->verticalHeader()->hide();
    MessageList->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    MessageList->setColumnWidth(0, titleColumnWidth);
    MessageList->setColumnWidth(1, textColumnWidth);
    MessageList->setSelectionBehavior(QAbstractItemView::SelectRows);
    MessageList->setSelectionMode(QAbstractItemView::SingleSelection);
    MessageList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MessageList->setWordWrap(false);
    QPalette listPalette = MessageList->palette();
    listPalette.setColor(QPalette::Base, listBackground);
    MessageList->setPalette(listPalette);

    PBT = new controls::BouncingBar(this);
    PBT->setObjectName(QStringLiteral("PBT"));
    PBT->setFixedHeight(busyBarHeight);
    // The bar checks the tick's width against its own, so it takes its width first.
    PBT->resize(boardWidth, busyBarHeight);
    PBT->setColor(listBackground);
    PBT->setTickColor(busyTick);
    PBT->setTickWidth(200);
    PBT->setTickJump(1);
    PBT->setTickCount(5);
    PBT->setProgressStyle(controls::BouncingBar::TtprProgressStyle::tprBouncer);

    dxContainer1 = new controls::BorderedPanel(this);
    dxContainer1->setObjectName(QStringLiteral("dxContainer1"));
    dxContainer1->setFixedHeight(buttonBarHeight);
    // The bar's pieces stand where they are placed, whatever the reading order.
    dxContainer1->setLayoutDirection(Qt::LeftToRight);
    dxContainer1->setBorderColor(buttonBarLine);
    dxContainer1->setBorderSides(Qt::TopEdge);

    dxButton1 = new controls::FlatButton(QStringLiteral("برگشت"), dxContainer1);
    dxButton1->setObjectName(QStringLiteral("dxButton1"));
    dxButton1->setGeometry(0, 1, buttonWidth, buttonBarHeight - 1);
    connect(dxButton1, &controls::FlatButton::clicked, this, &TMessageBoardForm::dxButton1Click);

    dxButton2 = new controls::FlatButton(QStringLiteral("ذخيره گزارش"), dxContainer1);
    dxButton2->setObjectName(QStringLiteral("dxButton2"));
    dxButton2->setGeometry(boardWidth - buttonWidth, 1, buttonWidth, buttonBarHeight - 1);
    connect(dxButton2, &controls::FlatButton::clicked, this, &TMessageBoardForm::dxButton2Click);

    Label1 = new QLabel(dxContainer1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(133, 4, 281, 20);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setLayoutDirection(Qt::RightToLeft);
    Label1->setAutoFillBackground(true);
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::Window, rowCountBackground);
    Label1->setPalette(labelPalette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    layout->setSpacing(0);
    layout->addWidget(MessageList);
    layout->addWidget(PBT);
    layout->addWidget(dxContainer1);

    // The board sees the keys before its controls do.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TMessageBoardForm::StartRecording(bool IsFarsi, const QString& Title)
{
    Label1->clear();
    MessageList->setLayoutDirection(IsFarsi ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(Title);
    MessageList->setRowCount(0);
    dxButton1->setEnabled(false);
    dxButton2->setEnabled(false);
    if (!isVisible())
        show();
    PBT->show();
    PBT->Tick();
    dxButton1->repaint();
    const int frameExtra = frameGeometry().height() - height();
    const int screenHeight = screen()->geometry().height();
    setFixedHeight(screenHeight - screenHeightSpare - frameExtra);
    move(x(), 0);
}

void TMessageBoardForm::PostThisMessage(const QString& Titr, const QString& Value)
{
    if (!isVisible())
        show();
    for (const BoardRow& row : splitBoardText(Titr, Value))
        appendRow(row);
    PBT->Tick();
    showRowCount();
    QCoreApplication::processEvents();
}

void TMessageBoardForm::StopRecording()
{
    showRowCount();
    dxButton1->setEnabled(true);
    dxButton2->setEnabled(true);
    PBT->hide();
}

bool TMessageBoardForm::isOnScreen() const
{
    return isVisible();
}

void TMessageBoardForm::ExecuteFile(const QString& FileName)
{
    m_openFile(FileName);
}

std::vector<BoardRow> TMessageBoardForm::rows() const
{
    std::vector<BoardRow> result;
    result.reserve(static_cast<std::size_t>(MessageList->rowCount()));
    for (int r = 0; r < MessageList->rowCount(); ++r)
        result.push_back({MessageList->item(r, 0)->text(), MessageList->item(r, 1)->text()});
    return result;
}

QStringList TMessageBoardForm::reportLines() const
{
    QStringList lines;
    for (const BoardRow& row : rows())
        lines << boardLine(row);
    return lines;
}

QString TMessageBoardForm::saveFilter()
{
    return QStringLiteral("فايلهاي گزارش (*.Txt);;همه فايلها (*.*)");
}

void TMessageBoardForm::dxButton1Click()
{
    hide();
}

void TMessageBoardForm::dxButton2Click()
{
    guarded([this] { saveReport(); });
}

void TMessageBoardForm::saveReport()
{
    if (MessageList->rowCount() == 0) {
        platform::showPlainBox(QStringLiteral("ليست خالي است"));
        return;
    }
    const QString suggested = suggestedReportName(windowTitle(), rows().front());
    const QString chosen = m_chooseSaveName(this, suggested, saveFilter());
    if (chosen.isEmpty())
        return;
    const QString FileName = chosen + QStringLiteral(".Txt");
    platform::writeTextFile(FileName, reportLines());
    ExecuteFile(FileName);
}

bool TMessageBoardForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool escape = key->key() == Qt::Key_Escape;
        if (enter || escape) {
            // Enter closes as it is typed, Escape as it is released.
            if ((enter && event->type() == QEvent::KeyPress) ||
                (escape && event->type() == QEvent::KeyRelease))
                dxButton1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMessageBoardForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->geometry().center());
        move(frame.topLeft());
    }
    if (m_onShow)
        m_onShow();
}

void TMessageBoardForm::appendRow(const BoardRow& row)
{
    const int r = MessageList->rowCount();
    MessageList->insertRow(r);
    MessageList->setItem(r, 0, new QTableWidgetItem(row.title));
    MessageList->setItem(r, 1, new QTableWidgetItem(row.text));
}

void TMessageBoardForm::showRowCount()
{
    Label1->setText(QStringLiteral("تعداد سطر : ") + QString::number(MessageList->rowCount()));
}

} // namespace toolkit
