#include "app/select_form.h"

#include "app/data_module.h"
#include "app/lists/select_texts.h"
#include "app/select_grid_columns.h"
#include "app/working_list/working_list.h"
#include "controls/flat_button.h"
#include "controls/gradient_label.h"
#include "controls/grid_cells.h"
#include "dataaccess/grid/grid_model.h"
#include "platform/end_request.h"
#include "toolkit/base/error_report.h"
#include "toolkit/dialogs/dialog_font.h"
#include "toolkit/tools.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

namespace app {
namespace {

constexpr int kPanelWidth = 241;
constexpr int kPanelBorder = 5;
constexpr int kTitleHeight = 26;
constexpr int kTitleMargin = 3;
constexpr int kGroupHeight = 155;
constexpr int kRadioGroupHeight = 75;
constexpr int kWarningHeight = 23;
constexpr QSize kEntrySize{73, 19};
constexpr QSize kButtonSize{80, 25};
constexpr int kMinimumColumnWidth = 8;
/// A column's width is its cells' own; the grid line beside them comes on top, as in the grid
/// the widths were chosen for (a Qt section holds its cells and the line).
constexpr int kGridLineWidth = 1;
/// How long the form watches for the window manager's frame after it was shown: 2 seconds.
constexpr int kFrameWatchIntervalMs = 50;
constexpr int kFrameWatchTicks = 40;
const QColor kEntryColor(0xFF, 0xFF, 0xF2);
const QColor kTitleColor(0xFF, 0xFF, 0x80);

controls::FlatButton* button(const QString& caption, QWidget* parent)
{
    auto* b = new controls::FlatButton(caption, parent);
    b->setFixedSize(kButtonSize);
    return b;
}

QLineEdit* entry(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setFixedSize(kEntrySize);
    e->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: 1px solid #7F9DB9; "
                                    "padding: 0px; }")
                         .arg(kEntryColor.name()));
    // Its border and background cover it whole: what lies behind is not painted with it. Set
    // once the style sheet is applied, which would clear it.
    e->ensurePolished();
    e->setAttribute(Qt::WA_OpaquePaintEvent);
    return e;
}

/// One row holding the widgets centred, in reading order (right to left).
QHBoxLayout* centredRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* w : widgets)
        row->addWidget(w);
    row->addStretch();
    return row;
}

bool isEnter(QChar key)
{
    return key == QChar(13);
}

} // namespace

TSelectForm::TSelectForm(QWidget* parent) : QWidget(parent)
{
    // No caption text and no frame buttons: only the return button ends the program.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QString());
    setLayoutDirection(Qt::RightToLeft);
    setFont(toolkit::dialogFont(8));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        QApplication::palette("QMenuBar").color(QPalette::Window));
    setPalette(background);

    buildPanel();
    buildGrid();
    auto* form = new QHBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);
    form->addWidget(pnl2); // the first item stands at the right in a right-to-left layout
    form->addWidget(CRDBGrid1, 1);

    QWidget::setTabOrder(rg1Items->button(0), rg1Items->button(1));
    QWidget::setTabOrder(rg1Items->button(1), rg1Items->button(2));
    QWidget::setTabOrder(rg1Items->button(2), edit2);
    QWidget::setTabOrder(edit2, edit1);
    QWidget::setTabOrder(edit1, dxButton4);
    QWidget::setTabOrder(dxButton4, dxButton3);
    QWidget::setTabOrder(dxButton3, dxButton1);
    QWidget::setTabOrder(dxButton1, dxButton2);
    QWidget::setTabOrder(dxButton2, CRDBGrid1);

    edit1->installEventFilter(this);
    edit2->installEventFilter(this);
    connect(dxButton4, &controls::FlatButton::clicked, this, [this] { dxButton4Click(); });
    connect(dxButton3, &controls::FlatButton::clicked, this, [this] { dxButton3Click(); });
    connect(dxButton1, &controls::FlatButton::clicked, this, [this] { dxButton1Click(); });
    connect(dxButton2, &controls::FlatButton::clicked, this, [this] { dxButton2Click(); });
    m_frameWatch.setInterval(kFrameWatchIntervalMs);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] { watchTheFrame(); });
}

TSelectForm::~TSelectForm() = default;

void TSelectForm::buildPanel()
{
    pnl2 = new QWidget(this);
    pnl2->setObjectName(QStringLiteral("pnl2"));
    pnl2->setFixedWidth(kPanelWidth);
    pnl2->setAutoFillBackground(true);
    QPalette white = pnl2->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnl2->setPalette(white);
    auto* panel = new QVBoxLayout(pnl2);
    panel->setContentsMargins(kPanelBorder, kPanelBorder, kPanelBorder, kPanelBorder);
    panel->setSpacing(kTitleMargin);

    GradientLabel1 = new controls::GradientLabel(pnl2);
    GradientLabel1->setText(texts::kTitleCaption);
    GradientLabel1->setFixedHeight(kTitleHeight);
    using Title = controls::GradientLabel;
    GradientLabel1->setColor(kTitleColor);
    GradientLabel1->setColorTo(Qt::white);
    GradientLabel1->setGradientType(Title::TGradientType::gtFullHorizontal);
    GradientLabel1->setGradientDirection(Title::TGradientDirection::gdRightToLeft);
    GradientLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GradientLabel1->setVAlignment(Title::TVAlignment::vaCenter);
    GradientLabel1->setEllipsType(Title::TEllipsType::etEndEllips);
    GradientLabel1->setIndent(0);
    GradientLabel1->setOrientation(Title::TGradientOrientation::goHorizontal);
    GradientLabel1->setTransparentText(false);
    panel->addWidget(GradientLabel1);

    grp4 = new QGroupBox(pnl2);
    grp4->setFixedHeight(kGroupHeight);
    auto* group = new QVBoxLayout(grp4);
    group->setContentsMargins(4, 2, 4, 4);
    group->setSpacing(2);

    rg1 = new QGroupBox(texts::kSexGroup, grp4);
    rg1->setFixedHeight(kRadioGroupHeight);
    rg1Items = new QButtonGroup(rg1);
    auto* items = new QHBoxLayout(rg1); // three columns
    int id = 0;
    for (const QString& text : {texts::kSexMale, texts::kSexFemale, texts::kSexBoth}) {
        auto* item = new QRadioButton(text, rg1);
        rg1Items->addButton(item, id++);
        items->addWidget(item);
    }
    rg1Items->button(1)->setChecked(true);
    group->addWidget(rg1);

    lblWarmLab = new QLabel(grp4);
    lblWarmLab->setFixedHeight(kWarningHeight);
    QPalette red = lblWarmLab->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblWarmLab->setPalette(red);
    group->addWidget(lblWarmLab);

    lbl3 = new QLabel(texts::kBodyLabel, grp4);
    edit2 = entry(grp4);
    lbl4 = new QLabel(texts::kEarTagLabel, grp4);
    edit1 = entry(grp4);
    group->addLayout(centredRow({lbl3, edit2, lbl4, edit1}));
    group->addStretch();
    panel->addWidget(grp4);

    dxButton4 = button(texts::kDeleteButton, pnl2);
    dxButton3 = button(texts::kDeleteAllButton, pnl2);
    dxButton1 = button(texts::kReportButton, pnl2);
    panel->addLayout(centredRow({dxButton4, dxButton3}));
    panel->addLayout(centredRow({dxButton1}));
    panel->addStretch();

    CheckBox1 = new QCheckBox(texts::kProtocolCheckBox, pnl2);
    CheckBox1->setEnabled(false); // it only shows whether the farm has protocol tables
    dxButton2 = button(texts::kReturnButton, pnl2);
    panel->addLayout(centredRow({CheckBox1}));
    panel->addLayout(centredRow({dxButton2}));
}

void TSelectForm::buildGrid()
{
    CRDBGrid1 = new QTableView(this);
    // Two pixels between a cell's text and its lines, as in the grid whose column widths the
    // form keeps; the style's own margin is wider and cut the narrow columns short.
    CRDBGrid1->setItemDelegate(new controls::GridCellDelegate(CRDBGrid1));
    CRDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CRDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    CRDBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    CRDBGrid1->setTabKeyNavigation(true);
    CRDBGrid1->setShowGrid(true);
    CRDBGrid1->verticalHeader()->hide();
    CRDBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // A title does not turn bold when its column holds the current cell.
    CRDBGrid1->horizontalHeader()->setHighlightSections(false);
    CRDBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    CRDBGrid1->horizontalHeader()->setStretchLastSection(false);
    // The style's minimum would widen the narrow columns (the body number's is 34 pixels).
    CRDBGrid1->horizontalHeader()->setMinimumSectionSize(kMinimumColumnWidth);
    // The current cell stays highlighted when the grid loses the focus.
    QPalette keep = CRDBGrid1->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        keep.setColor(QPalette::Inactive, role, keep.color(QPalette::Active, role));
    CRDBGrid1->setPalette(keep);
}

void TSelectForm::attach(toolkit::TTools& tools, TDM& dm)
{
    m_tools = &tools;
    m_dm = &dm;
    m_list = std::make_unique<WorkingList>(dm.T2Tarvex, dm.QAskGeneral, dm.qAskMain, tools, tools);
    m_gridModel = std::make_unique<db::GridModel>(dm.D2Tarvex, selectGridColumns());
    CRDBGrid1->setModel(m_gridModel.get());
    for (const db::GridColumn& column : m_gridModel->columns())
        m_columnWidths.push_back(column.width + kGridLineWidth);
    applyColumnWidths();

    // Every re-read resets the model, and with it the header's sections: the widths, also those
    // the operator dragged, are kept here and given back.
    QHeaderView* header = CRDBGrid1->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_applyingWidths && column >= 0 && column < int(m_columnWidths.size()))
            m_columnWidths[std::size_t(column)] = width;
    });
    connect(m_gridModel.get(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_applyingWidths = true; });
    connect(m_gridModel.get(), &QAbstractItemModel::modelReset, this, [this] {
        widenColumnsToFit(0, m_gridModel->rowCount() - 1);
        applyColumnWidths();
    });
    connect(m_gridModel.get(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (widenColumnsToFit(first, last))
                    applyColumnWidths();
            });
    connect(m_gridModel.get(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (widenColumnsToFit(topLeft.row(), bottomRight.row()))
                    applyColumnWidths();
            });

    // The grid's current cell and the working list's current row follow each other.
    connect(CRDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_dm->T2Tarvex.currentRow())
                    m_dm->T2Tarvex.setCurrentRow(current.row());
            });
    connect(&dm.T2Tarvex, &db::Dataset::currentRowChanged, this, [this] { followCurrentRow(); });
    connect(&dm.T2Tarvex, &db::Dataset::contentReset, this, [this] { followCurrentRow(); });
    followCurrentRow();
}

bool TSelectForm::widenColumnsToFit(int firstRow, int lastRow)
{
    // The widths were chosen for Tahoma; a wider font in its place widens a column only as far
    // as a value of the rows needs, so that every value still shows whole.
    const QFont& font = CRDBGrid1->font();
    if (QFontInfo(font).family() == QStringLiteral("Tahoma"))
        return false;
    const QFontMetrics metrics(font);
    bool widened = false;
    for (int column = 0; column < int(m_columnWidths.size()); ++column) {
        int& width = m_columnWidths[std::size_t(column)];
        for (int row = firstRow; row <= lastRow; ++row) {
            const QString text = m_gridModel->index(row, column).data().toString();
            const int needed = metrics.horizontalAdvance(text) +
                               2 * controls::GridCellDelegate::kTextMargin + kGridLineWidth;
            if (needed > width) {
                width = needed;
                widened = true;
            }
        }
    }
    return widened;
}

void TSelectForm::applyColumnWidths()
{
    m_applyingWidths = true;
    for (int i = 0; i < int(m_columnWidths.size()); ++i)
        CRDBGrid1->horizontalHeader()->resizeSection(i, m_columnWidths[std::size_t(i)]);
    m_applyingWidths = false;
}

void TSelectForm::followCurrentRow()
{
    const int row = m_dm->T2Tarvex.currentRow();
    if (row < 0 || row >= m_gridModel->rowCount())
        return;
    const QModelIndex current = CRDBGrid1->currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    CRDBGrid1->setCurrentIndex(m_gridModel->index(row, current.isValid() ? current.column() : 0));
}

void TSelectForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    toolkit::guarded([this] { FormShow(); });
}

void TSelectForm::closeEvent(QCloseEvent* event)
{
    // The frame has no close button; a close asked for by the desktop waits for the return
    // button's end request.
    if (platform::endRequested())
        event->accept();
    else
        event->ignore();
}

void TSelectForm::FormShow()
{
    CRDBGrid1->setFocus();
    if (!m_tools)
        return;
    CheckBox1->setChecked(m_tools->IsTableExist(QStringLiteral("P_Work")));
    fitToWorkArea();
}

void TSelectForm::fitToWorkArea()
{
    // The window, its frame included, covers the work area from the top of the screen.
    const QWindow* window = windowHandle();
    m_fittedFrame = window ? window->frameMargins() : QMargins();
    const QRect desk = m_tools->state().DeskSize;
    const QRect frame(desk.left(), 0, desk.width(), desk.height());
    setGeometry(frame.marginsRemoved(m_fittedFrame));
    // A window manager gives the window its frame only after it is shown, and nothing tells
    // the form when: it looks again for a while and fits itself to the frame it finds.
    if (!m_frameWatch.isActive()) {
        m_frameWatchTicks = 0;
        m_frameWatch.start();
    }
}

void TSelectForm::watchTheFrame()
{
    const QWindow* window = windowHandle();
    if (window && window->frameMargins() != m_fittedFrame)
        fitToWorkArea();
    if (++m_frameWatchTicks >= kFrameWatchTicks)
        m_frameWatch.stop();
}

bool TSelectForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != edit1 && watched != edit2))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab moves the focus and types nothing; keys without a character are no key presses.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->text().isEmpty())
        return false;
    QChar typed = key->text().at(0);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        typed = QChar(13);
    toolkit::guarded([&] {
        if (watched == edit1)
            edit1KeyPress(typed);
        else
            edit2KeyPress(typed);
    });
    // Enter is the lookup's alone; every other character reaches the entry.
    return isEnter(typed);
}

void TSelectForm::edit1KeyPress(QChar& Key)
{
    keyPress(LookupEntry::EarTag, Key);
}

void TSelectForm::edit2KeyPress(QChar& Key)
{
    keyPress(LookupEntry::Body, Key);
}

void TSelectForm::keyPress(LookupEntry entry, QChar key)
{
    if (!m_list)
        return;
    if (!isEnter(key)) {
        m_list->refresh();
        return;
    }
    lookUp(entry);
}

void TSelectForm::lookUp(LookupEntry entry)
{
    lblWarmLab->setText(QString()); // an empty line stays as it is, not even repainted
    QLineEdit* const edit = entry == LookupEntry::Body ? edit2 : edit1;
    const int sex = rg1Items->checkedId();
    const std::optional<QString> sexItem =
        sex == 0 || sex == 1 ? std::optional<QString>(rg1Items->button(sex)->text()) : std::nullopt;

    const LookupOutcome outcome =
        m_list->lookUp(entry, edit->text(), sexItem, CheckBox1->isChecked());
    if (outcome.found == 0) {
        lblWarmLab->setText(texts::kWrongNumber);
        m_tools->WarningSound();
        return;
    }
    // One warning tone for each animal the list held already, and one when the number named
    // several animals; the line shows the last warning.
    for (int i = 0; i < outcome.alreadyListed; ++i)
        m_tools->WarningSound();
    if (outcome.found > 1) {
        lblWarmLab->setText(QString::number(outcome.found) + texts::kAnimalsFound);
        m_tools->WarningSound();
    } else if (outcome.alreadyListed == 1) {
        lblWarmLab->setText(texts::kAlreadyListed);
    }
    edit->selectAll();
}

void TSelectForm::InsertList(const QString& Ser)
{
    m_list->insert(Ser, CheckBox1->isChecked());
}

void TSelectForm::dxButton4Click()
{
    toolkit::guarded([this] {
        if (m_list)
            m_list->deleteCurrent();
    });
}

void TSelectForm::dxButton3Click()
{
    toolkit::guarded([this] {
        if (m_list)
            m_list->deleteAll();
    });
}

void TSelectForm::dxButton1Click()
{
    toolkit::guarded([this] {
        if (!m_list)
            return;
        std::vector<ReportColumn> visible;
        const QHeaderView* header = CRDBGrid1->horizontalHeader();
        for (int shown = 0; shown < header->count(); ++shown) {
            const int column = header->logicalIndex(shown);
            if (!CRDBGrid1->isColumnHidden(column))
                visible.push_back({m_gridModel->shownTitle(column),
                                   m_gridModel->columns()[std::size_t(column)].fieldName});
        }
        if (m_list->handOff(m_tools->AppPath(), visible) == HandOff::GeneratorMissing)
            m_tools->ShowMsg(texts::kReportSystemMissing);
    });
}

void TSelectForm::dxButton2Click()
{
    platform::requestEnd();
}

} // namespace app
