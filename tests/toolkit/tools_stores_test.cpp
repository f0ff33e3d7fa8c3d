// The stores and templates through the toolkit object, as a host program reaches them: the
// store is bound to the connection the data module lends, not to the toolkit's own.
#include "dataaccess/query.h"
#include "dataaccess/table.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/templates/template_controls.h"
#include "toolkit/tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void run(db::Connection& connection, const QString& sql)
{
    db::Query query(connection);
    query.setSQL(sql);
    query.ExecSQL();
}

class ToolsStoresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("server"));
        QFile database(m_dir.filePath("server/Farm.db"));
        ASSERT_TRUE(database.open(QIODevice::WriteOnly)); // an empty file is an empty database
        database.close();
        m_farm.Server = "sqlite:" + m_dir.filePath("server");
        m_farm.Database = "Farm";
        m_farm.Connect();
        run(m_farm, "CREATE TABLE SqlCommands (Sec nvarchar(30), Titr nvarchar(100), Seq int, "
                    "SDate nvarchar(10), SqlCmd ntext)");
        run(m_farm, "CREATE TABLE Dbo.Info (GroupSec nvarchar(50), KeyName nvarchar(50), "
                    "KeyValue sql_variant, Discription nvarchar(255))");
        run(m_farm, "CREATE TABLE Cows (Serial int, Name nvarchar(20))");
    }
    QTemporaryDir m_dir;
    db::Connection m_farm;
    testing_support::ScriptedBoxPresenter m_boxes;
};

TEST_F(ToolsStoresTest, StoresRunOnTheConnectionLentAfterCreation)
{
    toolkit::TTools tools(m_dir.path());
    tools.FormCreate(QDate(2024, 12, 9));
    EXPECT_FALSE(tools.SQlCmdWriteStringList("ini", "Cows", {"Name~x"}));
    ASSERT_EQ(m_boxes.shown.size(), 1u); // the toolkit's own connection is not open
    EXPECT_EQ(m_boxes.shown[0].text, QStringLiteral("خطا"));

    const toolkit::ServerConnectionLoan loan = tools.LendServerConnection(m_farm);
    ASSERT_TRUE(tools.SQlCmdWriteStringList("ini", "Cows", {"// cows", "Name~Holstein"}));
    EXPECT_EQ(tools.SQlCmdReadOneWriteStringList("ini", "Cows"),
              (QStringList{"// cows", "Name~Holstein"}));
    EXPECT_EQ(tools.TSqlCommands()->FieldByName("SDate").AsString(), "1403/09/19");

    db::Table cows(m_farm, "Cows");
    cows.Open();
    cows.Insert();
    tools.LoadDefField(cows, "Cows");
    EXPECT_TRUE(tools.state().LastINIFound);
    EXPECT_EQ(cows.FieldByName("Name").AsString(), "Holstein");
    cows.FieldByName("Name").setAsString("Jersey");
    tools.SaveDefField(cows, "Cows");
    EXPECT_EQ(tools.SQlCmdReadOne("ini"), "Name~Jersey");

    tools.WriteInformation("Version", "Program", "0012", "");
    EXPECT_EQ(tools.FReadInformation("Version", "Program"), "0012");
    tools.VersionShow();
    EXPECT_TRUE(tools.MessageBoardForm().isOnScreen());
    EXPECT_EQ(tools.MessageBoardForm().rows(),
              (std::vector<toolkit::BoardRow>{{"Program", "0012"}}));
    tools.MessageBoardForm().hide();
    EXPECT_EQ(m_boxes.shown.size(), 1u);
}

TEST_F(ToolsStoresTest, FormTemplatesLiveInTheProgramFoldersIni)
{
    toolkit::TTools tools(m_dir.path());
    tools.FormCreate();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ini"));
    QWidget form;
    form.setObjectName("CowForm");
    auto* edit = new toolkit::TDBEdit(&form);
    edit->setObjectName("Name");
    tools.SaveTempleateForDef(form);
    ASSERT_TRUE(
        QFile::rename(m_dir.filePath("ini/1CowForm.Ini"), m_dir.filePath("ini/CowForm.Ini")));
    edit->setText(QStringLiteral("گاو"));
    tools.SaveDef(form);
    edit->clear();
    tools.LoadDef(form);
    EXPECT_EQ(edit->text(), QStringLiteral("گاو"));
}

} // namespace
