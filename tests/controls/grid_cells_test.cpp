#include "controls/grid_cells.h"

#include <QFont>
#include <QHeaderView>
#include <QImage>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using controls::GridCellDelegate;

/// The style's own item view cells with the grid's two-pixel text margin: what the grid's cells
/// looked like before they had a delegate of their own, and must still look like.
class TwoPixelMargins final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        // An item view's text margin is this metric plus one.
        if (metric == PM_FocusFrameHMargin)
            return GridCellDelegate::kTextMargin - 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

/// Values of every kind the working list shows, and some it might.
const QStringList kValues{
    QStringLiteral("1000003"),
    QStringLiteral("00037"),
    QStringLiteral("1403/08/04"),
    QStringLiteral("موجود"),
    QStringLiteral("تزريق GnRH"),
    QStringLiteral("7HO12345"),
    QString(),
    QStringLiteral("<b>not bold</b>"),
    QStringLiteral("تلقيح در زمان مقرر با اسپرم 29HO13579 پس از همزمان سازي")};

constexpr int kColumnWidth = 70;

/// A right-to-left grid of the values, three to a row, with a coloured column and one selected
/// cell, painted by `delegate` (nullptr: the style's own item delegate with two-pixel margins).
class Grid {
public:
    explicit Grid(QAbstractItemDelegate* delegate)
    {
        for (int i = 0; i < kValues.size(); ++i) {
            auto* item = new QStandardItem(kValues[i]);
            if (i % 3 == 1)
                item->setBackground(QColor(0xE8, 0xFF, 0xE0));
            model.setItem(i / 3, i % 3, item);
        }
        view.setLayoutDirection(Qt::RightToLeft);
        view.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        view.verticalHeader()->hide();
        view.setWordWrap(false); // a cell shows one line
        if (delegate != nullptr) {
            delegate->setParent(&view);
            view.setItemDelegate(delegate);
        } else {
            view.setStyle(&margins);
        }
        view.setModel(&model);
        for (int column = 0; column < 3; ++column)
            view.setColumnWidth(column, kColumnWidth);
        view.resize(260, 160);
        view.setCurrentIndex(model.index(1, 2));
        // With the focus, the current cell shows the focus frame.
        view.show();
        view.activateWindow();
        view.setFocus();
    }

    QImage cells() { return view.viewport()->grab().toImage(); }

    TwoPixelMargins margins;
    QStandardItemModel model;
    QTableView view;
};

TEST(GridCellDelegate, PaintsCellsAsTheStyleDoesWithTwoPixelMargins)
{
    // Each painted while it is the active window, as the current cell's frame depends on it.
    Grid styled(nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&styled.view));
    const QImage expected = styled.cells();
    styled.view.hide();
    Grid own(new GridCellDelegate);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&own.view));
    ASSERT_TRUE(own.view.hasFocus());
    EXPECT_EQ(own.cells(), expected) << "first painting";
    EXPECT_EQ(own.cells(), expected) << "painted again from the kept texts";
}

// What changes between two paintings shows on the second as on a grid painted afresh.
TEST(GridCellDelegate, ShowsChangedValuesWidthsAndFonts)
{
    const auto change = [](Grid& grid, int step) {
        switch (step) {
        case 0:
            grid.model.item(0, 0)->setText(QStringLiteral("1000013"));
            grid.model.item(2, 2)->setText(QStringLiteral("1403/02/21"));
            break;
        case 1: // narrower: the long value and the date are cut short
            grid.view.setColumnWidth(2, 40);
            break;
        case 2:
            grid.view.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
            break;
        default:
            grid.view.setColumnWidth(2, kColumnWidth);
        }
    };
    Grid painted(new GridCellDelegate);
    painted.cells();
    for (int step = 0; step < 4; ++step) {
        change(painted, step);
        Grid fresh(new GridCellDelegate);
        for (int done = 0; done <= step; ++done)
            change(fresh, done);
        EXPECT_EQ(painted.cells(), fresh.cells()) << "after step " << step;
    }
}

} // namespace
