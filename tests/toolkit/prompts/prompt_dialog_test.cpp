#include "prompt_driver.h"
#include "prompts_fixture.h"
#include "toolkit/prompts/prompt_dialog.h"
#include "toolkit/prompts/prompt_layout.h"
#include "toolkit/prompts/qt_prompt_presenter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ostream>

namespace {

using namespace prompts_testing;

const QString longPrompt = QStringLiteral(
    "شماره بدن دامي را كه مي خواهيد به ليست انتخاب اضافه شود وارد كنيد؛ شماره بايد در گله "
    "موجود باشد و دام نبايد قبلا در ليست آمده باشد");

/// The request an operation makes, kept by the scripted presenter.
class PromptDialogTest : public PromptsTest {
protected:
    platform::PromptRequest requestOf(const std::function<void(toolkit::Prompts&)>& call)
    {
        call(prompts);
        return prompter.shown.back();
    }
};

TEST_F(PromptDialogTest, ControlsStandWhereTheRequestSaysUnmirrored)
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const platform::PromptRequest request = requestOf([](toolkit::Prompts& p) {
        QString value = QStringLiteral("گاو");
        p.InQuery(longPrompt, value);
    });
    toolkit::PromptDialog dialog(request);
    dialog.show();
    QApplication::setLayoutDirection(Qt::LeftToRight);

    const platform::PromptGeometry& g = request.geometry;
    EXPECT_EQ(dialog.size(), g.client);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "not resizable";
    EXPECT_EQ(dialog.promptLabel()->geometry(), g.prompt);
    EXPECT_EQ(dialog.input()->geometry(), g.input);
    EXPECT_EQ(dialog.okButton()->geometry(), g.ok);
    EXPECT_EQ(dialog.cancelButton()->geometry(), g.cancel);
    EXPECT_LT(dialog.okButton()->x(), dialog.cancelButton()->x());
    EXPECT_GT(g.prompt.height(), 2 * QFontMetrics(dialog.font()).height()) << "wrapped";

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("سوال"));
    EXPECT_EQ(dialog.promptLabel()->text(),
              toolkit::wrappedPrompt(dialog.font(), longPrompt, g.prompt.width()));
    EXPECT_TRUE(dialog.promptLabel()->wordWrap());
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("قبول"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("انصراف"));
    EXPECT_TRUE(dialog.okButton()->isDefault());
    for (QWidget* w : {static_cast<QWidget*>(&dialog), dialog.input(),
                       static_cast<QWidget*>(dialog.promptLabel())}) {
        EXPECT_EQ(w->layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(w->font().pointSize(), 9);
    }
    auto* edit = qobject_cast<QLineEdit*>(dialog.input());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->maxLength(), 255);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("گاو")) << "all of it selected";
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(dialog.focusWidget(), edit);
}

TEST_F(PromptDialogTest, PasswordShowsStars)
{
    const platform::PromptRequest request = requestOf([](toolkit::Prompts& p) {
        QString value = QStringLiteral("رمز 1");
        p.PassInQuery(QStringLiteral("رمز ورود"), value);
    });
    toolkit::PromptDialog dialog(request);
    dialog.show();
    auto* edit = qobject_cast<QLineEdit*>(dialog.input());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->displayText(), QStringLiteral("*****"));
    EXPECT_EQ(dialog.inputText(), QStringLiteral("رمز 1"));
}

TEST_F(PromptDialogTest, DropDownListShowsTheEntriesAndTheChosenOne)
{
    const QStringList entries{QStringLiteral("الف"), QStringLiteral("ب"), QStringLiteral("ج")};
    const auto listOf = [&](const QString& value) {
        toolkit::PromptDialog dialog(requestOf([&](toolkit::Prompts& p) {
            QString v = value;
            p.InQueryCombo(QStringLiteral("گروه"), entries, v);
        }));
        auto* list = qobject_cast<QComboBox*>(dialog.input());
        EXPECT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->maxVisibleItems(), 10);
        EXPECT_EQ(list->height(), 22);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, entries);
        return std::make_pair(list->currentIndex(), dialog.inputText());
    };
    EXPECT_EQ(listOf(QStringLiteral("ب")), std::make_pair(1, QStringLiteral("ب")));
    EXPECT_EQ(listOf(QStringLiteral("د")), std::make_pair(-1, QString()));
}

/// A prompt run on the real dialog with real keys and clicks.
struct KeyCase {
    const char* name;
    std::function<bool(toolkit::Prompts&, QString&)> call;
    QString value;
    std::vector<Act> acts;
    bool accepted;
    QString finalValue;
    /// A failing row is named, not dumped.
    friend void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }
};

class RealPrompt : public PromptsTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    RealPrompt() { platform::setPromptPresenter(&presenter); }
    ~RealPrompt() override { platform::setPromptPresenter(nullptr); }

    toolkit::QtPromptPresenter presenter;
};

TEST_P(RealPrompt, KeysAndClicksOfAPerson)
{
    const KeyCase& c = GetParam();
    PromptDriver driver(c.acts);
    QString value = c.value;
    EXPECT_EQ(c.call(prompts, value), c.accepted);
    EXPECT_EQ(value, c.finalValue);
    EXPECT_EQ(driver.acted, static_cast<int>(c.acts.size()));
    EXPECT_EQ(driver.extra, 0);
}

const auto inQuery = [](toolkit::Prompts& p, QString& v) { return p.InQuery(longPrompt, v); };
const auto inQueryEng = [](toolkit::Prompts& p, QString& v) { return p.InQueryEng("Name", v); };
const auto passInQuery = [](toolkit::Prompts& p, QString& v) { return p.PassInQuery("رمز", v); };
const auto inQueryCombo = [](toolkit::Prompts& p, QString& v) {
    return p.InQueryCombo(QStringLiteral("گروه"),
                          {QStringLiteral(" "), QStringLiteral("الف"), QStringLiteral("ب")}, v);
};
const Act enter = [](toolkit::PromptDialog& d) { press(d, Qt::Key_Return); };

INSTANTIATE_TEST_SUITE_P(
    Keys, RealPrompt,
    ::testing::Values(KeyCase{"typedPersianThenEnter",
                              inQuery,
                              QString(),
                              {[](auto& d) {
                                  type(d, QStringLiteral("گاو ۱۲"));
                                  press(d, Qt::Key_Enter);
                              }},
                              true,
                              QStringLiteral("گاو ۱۲")},
                      KeyCase{"typingReplacesTheSelectedValue",
                              inQueryEng,
                              QStringLiteral("old"),
                              {[](auto& d) {
                                  type(d, QStringLiteral("new"));
                                  press(d, Qt::Key_Return);
                              }},
                              true,
                              QStringLiteral("new")},
                      KeyCase{"escapeCancels",
                              inQueryEng,
                              QStringLiteral("old"),
                              {[](auto& d) {
                                  type(d, QStringLiteral("new"));
                                  press(d, Qt::Key_Escape);
                              }},
                              false,
                              QStringLiteral("old")},
                      KeyCase{"closedByTheFrame",
                              inQuery,
                              QStringLiteral("old"),
                              {[](auto& d) { d.close(); }},
                              false,
                              QStringLiteral("old")},
                      KeyCase{"clickOnOk",
                              inQuery,
                              QStringLiteral("old"),
                              {[](auto& d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); }},
                              true,
                              QStringLiteral("old")},
                      KeyCase{
                          "clickOnCancel",
                          inQuery,
                          QStringLiteral("old"),
                          {[](auto& d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); }},
                          false,
                          QStringLiteral("old")},
                      KeyCase{"enterOnTheFocusedCancelButton",
                              inQuery,
                              QStringLiteral("old"),
                              {[](auto& d) {
                                  press(d, Qt::Key_Tab);
                                  press(d, Qt::Key_Tab);
                                  EXPECT_EQ(d.focusWidget(), d.cancelButton());
                                  press(d, Qt::Key_Return);
                              }},
                              false,
                              QStringLiteral("old")},
                      KeyCase{"blankRefusedAndShownAgainAsLeft",
                              inQuery,
                              QString(),
                              {[](auto& d) {
                                   type(d, QStringLiteral("  "));
                                   press(d, Qt::Key_Return);
                               },
                               [](auto& d) {
                                   EXPECT_EQ(d.inputText(), QStringLiteral("  "));
                                   press(d, Qt::Key_End);
                                   type(d, QStringLiteral("ب"));
                                   press(d, Qt::Key_Return);
                               }},
                              true,
                              QStringLiteral("  ب")},
                      KeyCase{"passwordTypedAsStars",
                              passInQuery,
                              QString(),
                              {[](auto& d) {
                                  type(d, QStringLiteral("a b"));
                                  EXPECT_EQ(qobject_cast<QLineEdit*>(d.input())->displayText(),
                                            QStringLiteral("***"));
                                  press(d, Qt::Key_Return);
                              }},
                              true,
                              QStringLiteral("a b")},
                      KeyCase{"atMost255CharactersTyped",
                              inQueryEng,
                              QString(),
                              {[](auto& d) {
                                  type(d, QString(300, QLatin1Char('x')));
                                  press(d, Qt::Key_Return);
                              }},
                              true,
                              QString(255, QLatin1Char('x'))},
                      KeyCase{"listEntryChosenWithArrowKeys",
                              inQueryCombo,
                              QStringLiteral("الف"),
                              {[](auto& d) {
                                  press(d, Qt::Key_Down);
                                  press(d, Qt::Key_Return);
                              }},
                              true,
                              QStringLiteral("ب")},
                      KeyCase{"listBlankEntryRefused",
                              inQueryCombo,
                              QStringLiteral(" "),
                              {enter, enter, [](auto& d) { press(d, Qt::Key_Escape); }},
                              false,
                              QStringLiteral(" ")}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(PromptDialogTest, EndRequestedWhileOpenClosesCancelled)
{
    toolkit::QtPromptPresenter presenter;
    platform::setPromptPresenter(&presenter);
    // The prompt is the only window here: its closing must not post a second quit.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    bool accepted = true;
    QString value = QStringLiteral("old");
    // As in the program: the prompt opens from a handler running in the application's loop.
    QTimer::singleShot(0, [&] { accepted = prompts.InQuery(longPrompt, value); });
    PromptDriver driver({[](auto& d) {
        type(d, QStringLiteral("typed"));
        platform::requestEnd();
    }});
    platform::runEventLoop();
    platform::setPromptPresenter(nullptr);
    QGuiApplication::setQuitOnLastWindowClosed(true);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(value, QStringLiteral("old"));
    EXPECT_EQ(driver.acted, 1);
}

} // namespace
