#include "dataaccess/query.h"
#include "platform/keyboard_layout.h"
#include "support/scripted_prompt_presenter.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/db/db_fixture.h"
#include "toolkit/prompts/prompts.h"

#include <gmock/gmock.h>
#include <ostream>

namespace {

using namespace toolkit_db_testing;
using testing::ElementsAre;

const QString prompt = QStringLiteral("نژاد را انتخاب كنيد");
const QString listFailed = QStringLiteral("خطا در اجراي دستور تشكيل ليست ");

/// A farm database of the embedded engine with a small table of breeds, the toolkit's
/// statements running on it, and the prompts answered by a script.
class SelectFromListTest : public ToolkitDbTest {
protected:
    SelectFromListTest()
    {
        makeDatabase(serverFolder(), "Farm",
                     {"CREATE TABLE Breeds (Name TEXT, Code INTEGER, Note TEXT)",
                      "INSERT INTO Breeds VALUES ('هلشتاين', 3, 'a'), ('  جرسي', 1, 'b'), "
                      "('O''Brien \"x\"', 2, 'c'), (NULL, 4, 'd'), ('   ', 5, 'e')"});
        connectTo(farm, "Farm");
        state.ServerConnection = &farm;
        platform::switchKeyboardLayout(platform::kEnglishLayout);
    }

    bool select(const QString& command, QString& value)
    {
        return prompts.SelectFromList(prompt, command, value);
    }

    db::Connection farm;
    testing_support::ScriptedPromptPresenter prompter;
    toolkit::SettingsTools settings;
    toolkit::Prompts prompts{state, boxes, settings};
};

TEST_F(SelectFromListTest, OneBlankThenTheFirstColumnAsTextInTheOrderDelivered)
{
    QString value = QStringLiteral("قبلي");
    EXPECT_FALSE(select("SELECT Name, Note FROM Breeds ORDER BY Code DESC", value));
    EXPECT_FALSE(select("SELECT Code FROM Breeds ORDER BY Note", value));

    ASSERT_EQ(prompter.shown.size(), 2u);
    const platform::PromptRequest& names = prompter.shown[0];
    EXPECT_EQ(names.caption, QStringLiteral("ليست انتخابي"));
    EXPECT_EQ(names.prompt, prompt);
    EXPECT_EQ(names.input, platform::PromptInput::DropDownList);
    EXPECT_THAT(names.entries, ElementsAre(" ", "   ", "", "هلشتاين", "O'Brien \"x\"", "  جرسي"));
    EXPECT_TRUE(names.text.isEmpty()) << "a value not among the entries shows none chosen";
    EXPECT_EQ(prompter.layouts[0], platform::kPersianLayout);
    EXPECT_THAT(prompter.shown[1].entries, ElementsAre(" ", "3", "1", "2", "4", "5"));
    EXPECT_EQ(value, QStringLiteral("قبلي"));
    EXPECT_TRUE(boxPresenter.shown.empty());
}

TEST_F(SelectFromListTest, ChosenEntryIsTakenUnchanged)
{
    prompter.choose(5);
    QString value;
    EXPECT_TRUE(select("SELECT Name FROM Breeds ORDER BY Code DESC", value));
    EXPECT_EQ(value, QStringLiteral("  جرسي"));
}

TEST_F(SelectFromListTest, ValueAmongTheEntriesShowsChosenByItsFirst255Characters)
{
    const QString longName = QString(255, QChar(0x0645));
    db::Query insert(farm);
    insert.setSQL("INSERT INTO Breeds (Name, Code) VALUES (:name, 9)");
    insert.ParamByName("name").Value = longName;
    insert.ExecSQL();

    QString value = QStringLiteral("هلشتاين");
    prompter.answer(platform::mrOk);
    EXPECT_TRUE(select("SELECT Name FROM Breeds", value));
    EXPECT_EQ(value, QStringLiteral("هلشتاين"));

    value = longName + QStringLiteral("tail");
    prompter.answer(platform::mrOk);
    EXPECT_TRUE(select("SELECT Name FROM Breeds", value));
    EXPECT_EQ(value, longName);
    EXPECT_EQ(prompter.shown.back().text, longName);
}

TEST_F(SelectFromListTest, BlankChoicesAreRefusedAndOnlyCancelLeaves)
{
    prompter.choose(0); // the single blank
    prompter.choose(1); // "   "
    prompter.choose(2); // null, read as empty
    prompter.answer(platform::mrCancel);
    QString value = QStringLiteral("قبلي");
    EXPECT_FALSE(select("SELECT Name FROM Breeds ORDER BY Code DESC", value));
    EXPECT_EQ(value, QStringLiteral("قبلي"));
    EXPECT_EQ(prompter.shown.size(), 4u);
}

TEST_F(SelectFromListTest, NoRowsOffersOnlyTheBlank)
{
    prompter.choose(0);
    prompter.answer(platform::mrOk);
    QString value;
    EXPECT_FALSE(select("SELECT Name FROM Breeds WHERE Code > 100", value));
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_THAT(prompter.shown[0].entries, ElementsAre(" "));
    EXPECT_EQ(prompter.shown[1].text, " ");
}

struct FailureCase {
    const char* name;
    const char* command;
    bool connection; ///< the toolkit has its connection
    bool connected;
    /// A failing row is named, not dumped.
    friend void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }
};

class SelectFromListFailure : public SelectFromListTest,
                              public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SelectFromListFailure, ShowsTheMessageAndNoPrompt)
{
    const FailureCase& c = GetParam();
    if (!c.connection)
        state.ServerConnection = nullptr;
    if (!c.connected)
        farm.Disconnect();
    QString value = QStringLiteral("قبلي");
    prompter.choose(1);
    EXPECT_FALSE(select(QString::fromUtf8(c.command), value));
    EXPECT_EQ(value, QStringLiteral("قبلي"));
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown.front().caption, QStringLiteral("پيام"));
    EXPECT_EQ(boxPresenter.shown.front().text, listFailed);
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout) << "no prompt built";
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SelectFromListFailure,
    ::testing::Values(FailureCase{"noSuchTable", "SELECT Name FROM Nowhere", true, true},
                      FailureCase{"syntax", "SELEC Name FROM Breeds", true, true},
                      FailureCase{"emptyStatement", "", true, true},
                      FailureCase{"returnsNoRows", "UPDATE Breeds SET Note = 'z' WHERE 1 = 0", true,
                                  true},
                      FailureCase{"noConnection", "SELECT Name FROM Breeds", false, true},
                      FailureCase{"notConnected", "SELECT Name FROM Breeds", true, false}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(SelectFromListTest, AfterTheEndRequestTheListClosesAtOnce)
{
    platform::requestEnd();
    prompter.choose(1);
    QString value = QStringLiteral("قبلي");
    EXPECT_FALSE(select("SELECT Name FROM Breeds", value));
    EXPECT_EQ(value, QStringLiteral("قبلي"));
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(prompter.closed.size(), 1u);
    EXPECT_EQ(prompter.closed.front().entries.size(), 6);
}

} // namespace
