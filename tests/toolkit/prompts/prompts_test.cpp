#include "platform/error.h"
#include "platform/modal_box.h"
#include "prompts_fixture.h"
#include "toolkit/prompts/prompt_layout.h"

#include <functional>
#include <gmock/gmock.h>
#include <ostream>

namespace {

using namespace prompts_testing;
using platform::PromptInput;
using testing::ElementsAre;
using testing::ElementsAreArray;

/// One of the four prompts that need no database, called on Value.
using Prompt = std::function<bool(toolkit::Prompts&, QString& Value)>;

const QString prompt = QStringLiteral("نام دام را وارد كنيد");
const QStringList groups{QStringLiteral("گروه يك"), QStringLiteral(".همه گروهها."),
                         QStringLiteral("  گروه دو"), QStringLiteral("   ")};

const Prompt inQuery = [](toolkit::Prompts& p, QString& v) { return p.InQuery(prompt, v); };
const Prompt inQueryEng = [](toolkit::Prompts& p, QString& v) { return p.InQueryEng(prompt, v); };
const Prompt passInQuery = [](toolkit::Prompts& p, QString& v) { return p.PassInQuery(prompt, v); };
const Prompt inQueryCombo = [](toolkit::Prompts& p, QString& v) {
    return p.InQueryCombo(prompt, groups, v);
};

struct ShowCase {
    const char* name;
    Prompt call;
    QString caption;
    PromptInput input;
    QString layout;
    /// A failing row is named, not dumped.
    friend void PrintTo(const ShowCase& c, std::ostream* out) { *out << c.name; }
};

class PromptShows : public PromptsTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(PromptShows, ItsCaptionControlButtonsAndKeyboard)
{
    const ShowCase& c = GetParam();
    QString value = QStringLiteral("گروه يك");
    EXPECT_FALSE(c.call(prompts, value));

    ASSERT_EQ(prompter.shown.size(), 1u);
    const platform::PromptRequest& shown = prompter.shown.front();
    EXPECT_EQ(shown.caption, c.caption);
    EXPECT_EQ(shown.prompt, prompt);
    EXPECT_EQ(shown.input, c.input);
    EXPECT_EQ(shown.okText, QStringLiteral("قبول"));
    EXPECT_EQ(shown.cancelText, QStringLiteral("انصراف"));
    EXPECT_EQ(shown.text, QStringLiteral("گروه يك"));
    EXPECT_EQ(prompter.layouts.front(), c.layout) << "switched before the prompt is shown";
    const bool list = c.input == PromptInput::DropDownList;
    EXPECT_EQ(shown.maxLength, list ? 0 : 255);
    EXPECT_EQ(shown.visibleRows, list ? 10 : 0);
    const int inputHeight = list ? 22 : toolkit::editHeight(toolkit::promptFont());
    EXPECT_EQ(shown.geometry, toolkit::promptGeometry(toolkit::promptFont(), prompt, inputHeight));
    EXPECT_TRUE(boxPresenter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Prompts, PromptShows,
    ::testing::Values(ShowCase{"InQuery", inQuery, QStringLiteral("سوال"), PromptInput::Edit,
                               platform::kPersianLayout},
                      ShowCase{"InQueryEng", inQueryEng, QStringLiteral("دريافت ورودي"),
                               PromptInput::Edit, platform::kEnglishLayout},
                      ShowCase{"PassInQuery", passInQuery, QStringLiteral("دريافت رمز ورود"),
                               PromptInput::Password, platform::kPersianLayout},
                      ShowCase{"InQueryCombo", inQueryCombo, QStringLiteral("سوال"),
                               PromptInput::DropDownList, platform::kPersianLayout}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

/// What the user does at each showing, in order; a script that runs out cancels.
using Script = std::function<void(testing_support::ScriptedPromptPresenter&)>;

struct LoopCase {
    const char* name;
    Prompt call;
    QString value;
    Script script;
    bool accepted;
    QString finalValue;
    std::vector<QString> textsShown; ///< the control's text at each showing
    /// A failing row is named, not dumped.
    friend void PrintTo(const LoopCase& c, std::ostream* out) { *out << c.name; }
};

class AcceptanceLoop : public PromptsTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(AcceptanceLoop, ShowsAgainUntilAcceptedOrCancelled)
{
    const LoopCase& c = GetParam();
    c.script(prompter);
    QString value = c.value;
    EXPECT_EQ(c.call(prompts, value), c.accepted);
    EXPECT_EQ(value, c.finalValue);
    std::vector<QString> texts;
    for (const platform::PromptRequest& shown : prompter.shown)
        texts.push_back(shown.text);
    EXPECT_THAT(texts, ElementsAreArray(c.textsShown));
    EXPECT_TRUE(boxPresenter.shown.empty()) << "a refused input shows no message";
}

const QString old = QStringLiteral("قبلي");
const QString blanks = QStringLiteral("   ");

INSTANTIATE_TEST_SUITE_P(
    Loops, AcceptanceLoop,
    ::testing::Values(LoopCase{"typedTextKeptUntrimmed",
                               inQuery,
                               old,
                               [](auto& p) { p.type(QStringLiteral("  گاو ۱۲ ")); },
                               true,
                               QStringLiteral("  گاو ۱۲ "),
                               {old}},
                      LoopCase{"cancelKeepsValue",
                               inQuery,
                               old,
                               [](auto& p) { p.answer(platform::mrCancel); },
                               false,
                               old,
                               {old}},
                      LoopCase{"frameCloseKeepsValue",
                               inQueryEng,
                               old,
                               [](auto& p) { p.answer(0); },
                               false,
                               old,
                               {old}},
                      LoopCase{"blankValueRefusedAsShown",
                               inQuery,
                               blanks,
                               [](auto& p) {
                                   p.answer(platform::mrOk);
                                   p.answer(platform::mrOk);
                               },
                               false,
                               blanks,
                               {blanks, blanks, blanks}},
                      LoopCase{"controlCharactersAreBlanks",
                               inQueryEng,
                               old,
                               [](auto& p) {
                                   p.type(QStringLiteral(" \t\r\n"));
                                   p.type(QStringLiteral("x"));
                               },
                               true,
                               QStringLiteral("x"),
                               {old, QStringLiteral(" \t\r\n")}},
                      LoopCase{"refusedTextShownAgainThenAccepted",
                               inQuery,
                               old,
                               [](auto& p) {
                                   p.type(blanks);
                                   p.type(QStringLiteral(" a"));
                               },
                               true,
                               QStringLiteral(" a"),
                               {old, blanks}},
                      LoopCase{"passwordOfBlanksAccepted",
                               passInQuery,
                               old,
                               [](auto& p) { p.type(blanks); },
                               true,
                               blanks,
                               {old}},
                      LoopCase{"emptyPasswordRefused",
                               passInQuery,
                               QString(),
                               [](auto& p) {
                                   p.answer(platform::mrOk);
                                   p.type(QStringLiteral("Rz1"));
                               },
                               true,
                               QStringLiteral("Rz1"),
                               {QString(), QString()}},
                      LoopCase{"comboValueAmongEntriesShownChosen",
                               inQueryCombo,
                               QStringLiteral("  گروه دو"),
                               [](auto& p) { p.answer(platform::mrOk); },
                               true,
                               QStringLiteral("  گروه دو"),
                               {QStringLiteral("  گروه دو")}},
                      LoopCase{"comboValueNotAmongEntriesShowsNone",
                               inQueryCombo,
                               QStringLiteral("گروه"),
                               [](auto& p) {
                                   p.answer(platform::mrOk);
                                   p.choose(0);
                               },
                               true,
                               QStringLiteral("گروه يك"),
                               {QString(), QString()}},
                      LoopCase{"comboBlankEntryRefused",
                               inQueryCombo,
                               old,
                               [](auto& p) {
                                   p.choose(2);
                                   p.answer(platform::mrCancel);
                               },
                               false,
                               old,
                               {QString(), blanks}}),
    [](const ::testing::TestParamInfo<LoopCase>& info) { return std::string(info.param.name); });

class EditLimit : public PromptsTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(EditLimit, LongValueOpensWithItsFirst255Characters)
{
    QString value = QString(200, QChar(0x0634)) + QString(100, QLatin1Char('x'));
    prompter.answer(platform::mrOk);
    EXPECT_TRUE(GetParam().call(prompts, value));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown.front().text.size(), 255);
    EXPECT_EQ(value, QString(200, QChar(0x0634)) + QString(55, QLatin1Char('x')));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EditLimit,
    ::testing::Values(ShowCase{"InQuery", inQuery, {}, PromptInput::Edit, {}},
                      ShowCase{"InQueryEng", inQueryEng, {}, PromptInput::Edit, {}},
                      ShowCase{"PassInQuery", passInQuery, {}, PromptInput::Password, {}}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

TEST_F(PromptsTest, ComboDropsOnlyTheFirstAllGroupsEntryAndLeavesTheCallersList)
{
    const QString all = QStringLiteral(".همه گروهها.");
    const QStringList twice{all, QStringLiteral("الف"), all, QStringLiteral("ب")};
    const QStringList without{QStringLiteral("الف"), QStringLiteral(".همه گروهها"),
                              QStringLiteral(" .همه گروهها.")};
    QString value;
    prompts.InQueryCombo(prompt, twice, value);
    prompts.InQueryCombo(prompt, without, value);

    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].entries, (QStringList{QStringLiteral("الف"), all, "ب"}));
    EXPECT_EQ(prompter.shown[1].entries, without);
    EXPECT_EQ(twice, (QStringList{all, QStringLiteral("الف"), all, QStringLiteral("ب")}));
}

TEST_F(PromptsTest, KeyboardIsSwitchedOnceBeforeTheFirstShowing)
{
    // The user switches to the other layout in the prompt, then presses OK on a blank text.
    prompter.respond([](const platform::PromptRequest&) {
        platform::switchKeyboardLayout(platform::kEnglishLayout);
        return platform::PromptAnswer{platform::mrOk, QString()};
    });
    QString value;
    EXPECT_FALSE(prompts.InQuery(prompt, value));
    EXPECT_THAT(prompter.layouts, ElementsAre(platform::kPersianLayout, platform::kEnglishLayout));
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout) << "not restored";
}

TEST_F(PromptsTest, AfterTheEndRequestEveryPromptClosesAtOnceCancelled)
{
    platform::requestEnd();
    for (const Prompt& call : {inQuery, inQueryEng, passInQuery, inQueryCombo}) {
        QString value = old;
        prompter.type(QStringLiteral("never typed"));
        EXPECT_FALSE(call(prompts, value));
        EXPECT_EQ(value, old);
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(prompter.closed.size(), 4u);
}

TEST_F(PromptsTest, EndRequestedWhileARefusedPromptIsShownAgain)
{
    prompter.respond([](const platform::PromptRequest&) {
        platform::requestEnd();
        return platform::PromptAnswer{platform::mrOk, QStringLiteral(" ")};
    });
    QString value = old;
    EXPECT_FALSE(prompts.InQuery(prompt, value));
    EXPECT_EQ(value, old);
    EXPECT_EQ(prompter.shown.size(), 1u);
    ASSERT_EQ(prompter.closed.size(), 1u);
    EXPECT_EQ(prompter.closed.front().text, QStringLiteral(" "));
}

TEST(PromptSeam, WithoutAPresenterAPromptRaisesInsteadOfHanging)
{
    toolkit::ServerSlot noConnection;
    toolkit::MessageBoxes boxes;
    toolkit::SettingsTools settings;
    toolkit::Prompts prompts(noConnection, boxes, settings);
    QString value;
    EXPECT_THROW(prompts.InQuery(prompt, value), platform::Error);
}

} // namespace
