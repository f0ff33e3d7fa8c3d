#include "platform/keyboard_layout.h"
#include "support/scripted_prompt_presenter.h"
#include "toolkit/db/db_fixture.h"
#include "toolkit/tools.h"

#include <QDialog>
#include <QTimer>
#include <gmock/gmock.h>
#include <optional>

namespace {

using namespace toolkit_db_testing;
using testing::ElementsAre;

/// The toolkit object on an embedded farm database, its prompts answered by a script.
class ToolsPromptsTest : public ToolkitDbTest {
protected:
    ToolsPromptsTest()
    {
        makeDatabase(serverFolder(), "Farm",
                     {"CREATE TABLE Pens (Name TEXT)",
                      "INSERT INTO Pens VALUES ('جايگاه 1'), ('جايگاه 2')"});
        connectTo(farm, "Farm");
        loan.emplace(tools.LendServerConnection(farm));
    }

    db::Connection farm;
    testing_support::ScriptedPromptPresenter prompter;
    toolkit::TTools tools{dir.path()};
    std::optional<toolkit::ServerConnectionLoan> loan;
};

TEST_F(ToolsPromptsTest, EveryPromptIsAnOperationOfTheToolkit)
{
    QString value;
    prompter.type(QStringLiteral("علي"));
    EXPECT_TRUE(tools.InQuery(QStringLiteral("نام"), value));
    EXPECT_EQ(value, QStringLiteral("علي"));
    prompter.type(QStringLiteral("Ali"));
    EXPECT_TRUE(tools.InQueryEng(QStringLiteral("Name"), value));
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout);
    prompter.type(QStringLiteral(" "));
    EXPECT_TRUE(tools.PassInQuery(QStringLiteral("رمز"), value));
    EXPECT_EQ(value, QStringLiteral(" "));
    prompter.choose(1);
    EXPECT_TRUE(tools.InQueryCombo(QStringLiteral("گروه"), {"الف", "ب"}, value));
    EXPECT_EQ(value, QStringLiteral("ب"));
    prompter.choose(2);
    EXPECT_TRUE(tools.SelectFromList(QStringLiteral("جايگاه"), "SELECT Name FROM Pens", value));
    EXPECT_EQ(value, QStringLiteral("جايگاه 2"));
    EXPECT_THAT(prompter.shown.back().entries, ElementsAre(" ", "جايگاه 1", "جايگاه 2"));
}

TEST_F(ToolsPromptsTest, ListFailureOnTheToolkitsOwnConnectionIsShown)
{
    loan.reset(); // back on the toolkit's own connection, which is not connected
    QString value = QStringLiteral("قبلي");
    EXPECT_FALSE(tools.SelectFromList(QStringLiteral("جايگاه"), "SELECT Name FROM Pens", value));
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown.front().text, QStringLiteral("خطا در اجراي دستور تشكيل ليست "));
}

TEST_F(ToolsPromptsTest, KeyHandlersAreOperationsOfTheToolkit)
{
    QDialog form;
    quint16 key = 13;
    tools.SetKeyActivateConfig(&form, key, Qt::NoModifier);
    EXPECT_EQ(key, 0);
    QTimer::singleShot(0, &form, [&] {
        quint16 escape = 27;
        tools.SetKeyActivateJustClose(&form, escape, Qt::NoModifier);
    });
    EXPECT_EQ(form.exec(), 2);
}

} // namespace
