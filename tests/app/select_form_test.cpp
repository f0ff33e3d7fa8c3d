// The selection form as the operator sees it: right to left, the side panel, the grid's columns,
// and the keyboard path through the form.
#include "app/demo_farm/demo_farm.h"
#include "app/lists/select_texts.h"
#include "controls/flat_button.h"
#include "platform/end_request.h"
#include "selection_app.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using app_test::SelectionApp;

struct GridColumnCase {
    const char* field;
    QString title;
    int width;
    unsigned rgb;
};

// field, title shown, width, colour
const std::vector<GridColumnCase> kGridColumns{
    {"Serial", QStringLiteral("سريال"), 100, 0xEEFFDD},
    {"Exist", QStringLiteral("موجوديت"), 64, 0xEEFFDD},
    {"Body", QStringLiteral("بدن"), 34, 0xEEFFDD},
    {"MilkPeriod", QStringLiteral("شكم"), 64, 0xEEFFDD},
    {"BCode", QStringLiteral("بهاربند"), 94, 0xEEFFDD},
    {"TDate", QStringLiteral("تلقيح"), 64, 0xFFF1EA},
    {"TNUM", QStringLiteral("نويت تلقيح"), 64, 0xFFF1EA},
    {"DisT", QStringLiteral("فاصله تلقيح"), 64, 0xFFF1EA},
    {"DateLastBrid", QStringLiteral("تاريخ توليد مثلي"), 77, 0xFFFFF0},
    {"LastBriding", QStringLiteral("توليد مثلي"), 64, 0xFFFFF0},
    {"ZSittuation", QStringLiteral("وضعيت زايش قبل"), 124, 0xFFFFF0},
    {"DIM", QStringLiteral("DIM"), 64, 0xF4EAEA},
    {"BSC", QStringLiteral("BSC"), 64, 0xF4EAEA},
    {"MilkAS", QStringLiteral("شير آخر"), 64, 0xE6FFE6},
    {"PreMilk", QStringLiteral("شير قبل"), 64, 0xE6FFE6},
    {"BeforAct", QStringLiteral("عمل قبلي پروتكل"), 304, 0xF5ECFF},
    {"CurAct", QStringLiteral("عمل فعلي پروتكل"), 304, 0xF5ECFF},
    {"NextAct", QStringLiteral("عمل بعدي پروتكل"), 304, 0xF5ECFF},
    {"ES1", QStringLiteral("اسپرم 1"), 100, 0xE6F7FF},
    {"ES2", QStringLiteral("اسپرم 2"), 100, 0xE6F7FF},
    {"Es3", QStringLiteral("اسپرم 3"), 100, 0xE6F7FF},
    {"Es4", QStringLiteral("اسپرم 4"), 100, 0xE6F7FF},
    {"Es5", QStringLiteral("اسپرم 5"), 100, 0xE6F7FF},
};

class SelectForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.writeFarm();
        folders.installCreateList();
        folders.writeSettings();
        app = std::make_unique<SelectionApp>(folders.programFolder());
        ASSERT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);
    }

    testing_support::ScriptedBoxPresenter boxes;
    app_test::RecordingTones tones;
    app_test::FarmFolders folders;
    std::unique_ptr<SelectionApp> app;
};

TEST_F(SelectForm, GridColumnsHaveTheirFieldsTitlesWidthsAndColours)
{
    app->enter(app->form->edit2, QStringLiteral("12"));
    const QTableView* grid = app->form->CRDBGrid1;
    const QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->columnCount(), int(kGridColumns.size()));
    ASSERT_EQ(model->rowCount(), 1);
    for (int i = 0; i < int(kGridColumns.size()); ++i) {
        const GridColumnCase& c = kGridColumns[std::size_t(i)];
        SCOPED_TRACE(c.field);
        EXPECT_EQ(model->headerData(i, Qt::Horizontal).toString(), c.title);
        EXPECT_EQ(grid->horizontalHeader()->sectionSize(i), c.width + 1) << "and the grid line";
        EXPECT_EQ(model->index(0, i).data(Qt::BackgroundRole).value<QColor>(),
                  QColor::fromRgb(c.rgb));
        EXPECT_FALSE(grid->isColumnHidden(i));
        EXPECT_FALSE(model->flags(model->index(0, i)) & Qt::ItemIsEditable);
    }
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("501"));
    EXPECT_EQ(grid->horizontalHeader()->defaultAlignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(grid->verticalHeader()->isVisible());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(SelectForm, SidePanelReadsRightToLeft)
{
    app::TSelectForm& form = *app->form;
    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(form.windowTitle().isEmpty());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    // The panel stands at the right edge, the grid fills the rest on its left.
    EXPECT_EQ(form.pnl2->width(), 241);
    EXPECT_EQ(form.pnl2->geometry().right(), form.rect().right());
    EXPECT_LT(form.CRDBGrid1->geometry().right(), form.pnl2->geometry().left());

    EXPECT_EQ(form.rg1->title(), app::texts::kSexGroup);
    EXPECT_EQ(form.rg1Items->checkedId(), 1);
    EXPECT_EQ(form.rg1Items->button(0)->text(), app::texts::kSexMale);
    EXPECT_EQ(form.rg1Items->button(2)->text(), app::texts::kSexBoth);
    EXPECT_TRUE(form.lblWarmLab->text().isEmpty());
    for (QLineEdit* entry : {form.edit1, form.edit2})
        EXPECT_EQ(entry->size(), QSize(73, 19));
    // The body entry stands right of the ear-tag entry.
    EXPECT_GT(form.edit2->mapTo(&form, QPoint()).x(), form.edit1->mapTo(&form, QPoint()).x());
    EXPECT_GT(form.dxButton4->mapTo(&form, QPoint()).x(),
              form.dxButton3->mapTo(&form, QPoint()).x());
    for (controls::FlatButton* button :
         {form.dxButton4, form.dxButton3, form.dxButton1, form.dxButton2})
        EXPECT_EQ(button->size(), QSize(80, 25));
    EXPECT_EQ(form.dxButton4->text(), app::texts::kDeleteButton);
    EXPECT_EQ(form.dxButton2->text(), app::texts::kReturnButton);
    EXPECT_FALSE(form.CheckBox1->isEnabled());
    EXPECT_EQ(form.CheckBox1->text(), app::texts::kProtocolCheckBox);
}

TEST_F(SelectForm, FillsTheWorkAreaWithTheGridFocused)
{
    app::TSelectForm& form = *app->form;
    const QRect desk = app->tools->state().DeskSize;
    EXPECT_EQ(form.frameGeometry(), QRect(desk.left(), 0, desk.width(), desk.height()));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.CRDBGrid1);
}

TEST_F(SelectForm, TabWalksThePanelInOrderThenTheGrid)
{
    app::TSelectForm& form = *app->form;
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.rg1Items->checkedButton()->setFocus();
    const std::vector<QWidget*> order{form.edit2,     form.edit1,     form.dxButton4,
                                      form.dxButton3, form.dxButton1, form.dxButton2,
                                      form.CRDBGrid1};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
    // From the grid of an empty list the focus comes back to the sex group.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.rg1Items->checkedButton());
}

TEST_F(SelectForm, TheKeyboardAloneAddsAnAnimal)
{
    app::TSelectForm& form = *app->form;
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.rg1Items->checkedButton()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.edit2);
    QTest::keyClicks(form.edit2, QStringLiteral("12"));
    QTest::keyClick(form.edit2, Qt::Key_Return);
    EXPECT_EQ(app->gridSerials(), QStringList{QStringLiteral("501")});
}

} // namespace

// Every value of a demo farm's working list shows whole: with the form's Tahoma at the columns'
// widths, since the grid's cells keep two pixels of margin; with a wider font in its place
// because the columns widen as far as their values need.
namespace {

class SelectFormGrid : public testing::TestWithParam<const char*> {};

TEST_P(SelectFormGrid, EveryValueOfADemoFarmFitsItsColumn)
{
    testing_support::ScriptedBoxPresenter boxes;
    app_test::RecordingTones tones;
    app_test::FarmFolders folders;
    app::DemoFarmOptions options;
    options.animals = 400;
    app::writeDemoFarm(folders.farmPath(), options);
    folders.installCreateList();
    folders.writeSettings();
    SelectionApp app(folders.programFolder());
    ASSERT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);
    QTableView* grid = app.form->CRDBGrid1;
    if (const QString family = QString::fromLatin1(GetParam()); !family.isEmpty()) {
        QFont wider = grid->font();
        wider.setFamilies({family});
        grid->setFont(wider);
        ASSERT_EQ(QFontInfo(grid->font()).family(), family);
    } else {
        ASSERT_EQ(QFontInfo(grid->font()).family(), "Tahoma") << "fonts-wine installs it";
    }

    const std::string serials =
        folders.rows("SELECT Serial FROM Main WHERE ExistCode BETWEEN 0 AND 1");
    for (const QString& serial : QString::fromStdString(serials).split('\n', Qt::SkipEmptyParts))
        app.form->InsertList(serial);
    app.dm->T2Tarvex.Refresh();

    const QAbstractItemModel* model = grid->model();
    ASSERT_GT(model->rowCount(), 300);
    const QFontMetrics metrics(grid->font());
    constexpr int kMarginsAndLine = 2 * 2 + 1; // a section holds the cell and its grid line
    for (int column = 0; column < model->columnCount(); ++column) {
        const int width = grid->horizontalHeader()->sectionSize(column);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            ASSERT_LE(metrics.horizontalAdvance(text) + kMarginsAndLine, width)
                << "row " << row << ", column " << column << ": " << text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, SelectFormGrid, testing::Values("", "DejaVu Sans"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(*info.param ? "DejaVuSans" : "Tahoma");
                         });

} // namespace
