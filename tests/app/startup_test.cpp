// Start-up on a real embedded farm: the working table made from "Create.List" once, a missing
// script, a wrong server.
#include "app/lists/select_texts.h"
#include "platform/end_request.h"
#include "selection_app.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

class StartUp : public ::testing::Test {
protected:
    testing_support::ScriptedBoxPresenter boxes;
    app_test::RecordingTones tones;
    app_test::FarmFolders folders;
};

TEST_F(StartUp, MakesTheMissingWorkingTableFromCreateListAndNotAgain)
{
    folders.writeFarm();
    folders.installCreateList();
    folders.writeSettings();
    const QString scriptCopy = folders.programFolder() + QStringLiteral("T4V/Temp.Txt");
    {
        app_test::SelectionApp app(folders.programFolder());
        EXPECT_FALSE(platform::endRequested());
        EXPECT_EQ(folders.rows("SELECT name FROM sqlite_master WHERE name = '2Tarvex'"),
                  "2Tarvex\n");
        EXPECT_TRUE(app.dm->T2Tarvex.Active());
        EXPECT_EQ(app.form->CRDBGrid1->model()->rowCount(), 0);
        EXPECT_EQ(app.form->CRDBGrid1->model()->columnCount(), 23);
        EXPECT_FALSE(app.tools->MsgBoxForm) << "the wait box is closed";
        EXPECT_TRUE(QFile::exists(scriptCopy)) << "the script ran";
    }
    ASSERT_TRUE(QFile::remove(scriptCopy));
    {
        app_test::SelectionApp app(folders.programFolder());
        EXPECT_FALSE(platform::endRequested());
        EXPECT_TRUE(app.dm->T2Tarvex.Active());
        EXPECT_FALSE(QFile::exists(scriptCopy)) << "the script ran again";
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUp, WithoutCreateListReportsTheMissingFileThenTheConnectionAndEnds)
{
    folders.writeFarm();
    folders.writeSettings();
    app_test::SelectionApp app(folders.programFolder());
    ASSERT_EQ(boxes.shown.size(), 2u) << app_test::shownBoxes(boxes);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("فايل پيدا نشد")))
        << boxes.shown[0].text.toStdString();
    EXPECT_EQ(boxes.shown[1].text, app::texts::kServerConnectionFailed);
    EXPECT_TRUE(platform::endRequested());
}

TEST_F(StartUp, AWrongServerShowsOneMessageAndEnds)
{
    folders.writeFarm();
    folders.installCreateList();
    folders.writeSettings(QStringLiteral("sqlite:../nofarm"), QStringLiteral("Farm"));
    app_test::SelectionApp app(folders.programFolder());
    ASSERT_EQ(boxes.shown.size(), 1u) << app_test::shownBoxes(boxes);
    EXPECT_EQ(boxes.shown[0].text, app::texts::kServerConnectionFailed);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("پيام"));
    EXPECT_TRUE(platform::endRequested());
    EXPECT_FALSE(app.dm->T2Tarvex.Active());
}

} // namespace
