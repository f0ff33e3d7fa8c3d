#include "controls/bouncing_bar.h"
#include "controls/flat_button.h"
#include "platform/text_file.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/dialogs/message_board_form.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString rowCountPrefix = QStringLiteral("تعداد سطر : ");

class MessageBoard : public ::testing::Test {
protected:
    QStringList gridTexts(int column) const
    {
        QStringList texts;
        for (int r = 0; r < board.MessageList->rowCount(); ++r)
            texts << board.MessageList->item(r, column)->text();
        return texts;
    }

    testing_support::ScriptedBoxPresenter boxes;
    QTemporaryDir folder;
    int shows = 0;
    QStringList suggestedNames;
    QStringList filters;
    QString chosenName; ///< what the save dialog answers; empty is cancel
    QStringList opened;
    toolkit::TMessageBoardForm board{
        [this] { ++shows; },
        [this](QWidget*, const QString& suggested, const QString& filter) {
            suggestedNames << suggested;
            filters << filter;
            return chosenName;
        },
        [this](const QString& path) {
            opened << path;
            return true;
        }};
};

TEST_F(MessageBoard, StartsHiddenAndEmpty)
{
    EXPECT_FALSE(board.isOnScreen());
    EXPECT_EQ(board.MessageList->rowCount(), 0);
    EXPECT_TRUE(board.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(board.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(board.MessageList->columnWidth(0), 188);
    EXPECT_EQ(board.MessageList->columnWidth(1), 357);
    EXPECT_EQ(shows, 0);
}

TEST_F(MessageBoard, RecordingShowsTheBoardBusyAtTheTopAtFullScreenHeight)
{
    board.PostThisMessage(QStringLiteral("قبلي"), QStringLiteral("x"));
    board.StopRecording();

    board.StartRecording(false, QStringLiteral("گزارش مشخصات كامپيوتر"));

    EXPECT_TRUE(board.isOnScreen());
    EXPECT_EQ(board.windowTitle(), QStringLiteral("گزارش مشخصات كامپيوتر"));
    EXPECT_EQ(board.MessageList->rowCount(), 0);
    EXPECT_EQ(board.Label1->text(), QString());
    EXPECT_FALSE(board.dxButton1->isEnabled());
    EXPECT_FALSE(board.dxButton2->isEnabled());
    EXPECT_TRUE(board.PBT->isVisible());
    EXPECT_EQ(board.MessageList->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(board.frameGeometry().top(), 0);
    EXPECT_EQ(board.frameGeometry().height(), board.screen()->geometry().height() - 40);

    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    EXPECT_EQ(board.MessageList->layoutDirection(), Qt::RightToLeft);
}

TEST_F(MessageBoard, PostsSplitRowsAndCountEveryRow)
{
    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    const int edgeBefore = board.PBT->edgePos();
    board.PostThisMessage(QStringLiteral("موفقيت در"), QStringLiteral("1"));
    EXPECT_NE(board.PBT->edgePos(), edgeBefore) << "each post moves the busy bar";

    const QString longText = QString(70, QChar(0x0633)) + QString(9, QChar(0x0645)) +
                             QStringLiteral(" ") + QString(10, QChar(0x0646));
    board.PostThisMessage(QStringLiteral("خطا"), longText);

    EXPECT_EQ(gridTexts(0), (QStringList{QStringLiteral("موفقيت در"), QStringLiteral("خطا"),
                                         QStringLiteral(" .. ")}));
    EXPECT_EQ(gridTexts(1),
              (QStringList{QStringLiteral("1"), longText.left(70), longText.mid(70)}));
    EXPECT_EQ(board.Label1->text(), rowCountPrefix + QStringLiteral("3"));
    EXPECT_FALSE(board.dxButton1->isEnabled()) << "posting leaves the buttons as they are";

    board.StopRecording();
    EXPECT_TRUE(board.dxButton1->isEnabled());
    EXPECT_TRUE(board.dxButton2->isEnabled());
    EXPECT_FALSE(board.PBT->isVisible());
    EXPECT_TRUE(board.isOnScreen());
    EXPECT_EQ(board.Label1->text(), rowCountPrefix + QStringLiteral("3"));
}

TEST_F(MessageBoard, FirstShownInTheCentreOfTheScreen)
{
    board.PostThisMessage(QStringLiteral("a"), QStringLiteral("b"));
    const QPoint offset = board.frameGeometry().center() - board.screen()->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

struct CloseKey {
    const char* name;
    Qt::Key key;
    bool closesOnPress; ///< Enter closes as it is typed, Escape as it is released
};

class MessageBoardClosing : public MessageBoard, public ::testing::WithParamInterface<CloseKey> {};

TEST_P(MessageBoardClosing, KeyClosesEvenWhileRecordingAndPostingShowsAgain)
{
    const CloseKey& c = GetParam();
    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    ASSERT_EQ(shows, 1);

    QTest::keyPress(board.MessageList, c.key);
    EXPECT_EQ(board.isOnScreen(), !c.closesOnPress);
    QTest::keyRelease(board.MessageList, c.key);
    EXPECT_FALSE(board.isOnScreen());

    board.PostThisMessage(QStringLiteral("ادامه"), QStringLiteral("2"));
    EXPECT_TRUE(board.isOnScreen());
    EXPECT_EQ(shows, 2) << "every show restores the process settings";
    EXPECT_EQ(board.MessageList->rowCount(), 1);
    EXPECT_TRUE(board.PBT->isVisible());
    EXPECT_FALSE(board.dxButton1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageBoardClosing,
                         ::testing::Values(CloseKey{"Escape", Qt::Key_Escape, false},
                                           CloseKey{"Return", Qt::Key_Return, true},
                                           CloseKey{"Enter", Qt::Key_Enter, true}),
                         [](const ::testing::TestParamInfo<CloseKey>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MessageBoard, ReturnButtonHidesAFinishedBoard)
{
    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    board.StopRecording();
    QTest::mouseClick(board.dxButton1, Qt::LeftButton);
    EXPECT_FALSE(board.isOnScreen());
}

TEST_F(MessageBoard, SavingAnEmptyReportShowsThePlainNoticeAndNoDialog)
{
    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    board.StopRecording();

    QTest::mouseClick(board.dxButton2, Qt::LeftButton);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown.front().text, QStringLiteral("ليست خالي است"));
    EXPECT_TRUE(suggestedNames.isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MessageBoard, SavesTheReportWithTxtAppendedAndOpensIt)
{
    ASSERT_TRUE(folder.isValid());
    const QString chosen = folder.filePath(QStringLiteral("report.Txt"));
    QFile old(chosen + QStringLiteral(".Txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer report that must be replaced whole\r\n");
    old.close();
    chosenName = chosen;

    board.StartRecording(true, QStringLiteral("ساخت جداول"));
    board.PostThisMessage(QStringLiteral("موفقيت در"), QStringLiteral("1"));
    board.PostThisMessage(QStringLiteral("دستور"), QStringLiteral("set a=1 where b=2"));
    board.StopRecording();
    QTest::mouseClick(board.dxButton2, Qt::LeftButton);

    EXPECT_EQ(suggestedNames, QStringList{QStringLiteral("ساخت جداول موفقيت در1")});
    EXPECT_EQ(filters, QStringList{toolkit::TMessageBoardForm::saveFilter()});
    const QString saved = chosen + QStringLiteral(".Txt");
    EXPECT_EQ(opened, QStringList{saved});
    EXPECT_TRUE(boxes.shown.empty());

    const QString expected = QStringLiteral("موفقيت در=1\r\nدستور=set a=1 where b=2\r\n");
    EXPECT_EQ(platform::readTextFile(saved), expected);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().size(), expected.size()) << "one byte a character, no byte-order mark";
}

TEST_F(MessageBoard, CancelledSaveWritesAndOpensNothing)
{
    board.PostThisMessage(QStringLiteral("a"), QStringLiteral("b"));
    QTest::mouseClick(board.dxButton2, Qt::LeftButton);
    EXPECT_EQ(suggestedNames.size(), 1);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MessageBoard, FailedSaveIsReportedAndOpensNothing)
{
    chosenName = folder.filePath(QStringLiteral("missing-folder/report"));
    board.PostThisMessage(QStringLiteral("a"), QStringLiteral("b"));
    QTest::mouseClick(board.dxButton2, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown.front().kind, platform::BoxKind::Error);
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
