#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/boxes/message_boxes.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using platform::BoxKind;

const QChar CR(13);

struct BoxCase {
    const char* name;
    std::function<int(toolkit::MessageBoxes&)> show;
    BoxKind kind;
    QString caption;
    QString text;
    QStringList buttonTexts;
    std::vector<int> buttonResults;
    int enterResult;
    int escapeResult;
    bool beepsFirst;
};

class MessageBoxShape : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxShape, ShowsTheBoxAsItIsDefined)
{
    const BoxCase& c = GetParam();
    testing_support::ScriptedBoxPresenter boxes;
    testing_support::RecordingTones tones;
    toolkit::MessageBoxes messages;

    c.show(messages);

    ASSERT_EQ(boxes.shown.size(), 1u);
    const platform::BoxRequest& box = boxes.shown.front();
    EXPECT_EQ(box.kind, c.kind);
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.text, c.text);
    QStringList texts;
    std::vector<int> results;
    for (const platform::BoxButton& button : box.buttons) {
        texts << button.text;
        results.push_back(button.result);
    }
    EXPECT_EQ(texts, c.buttonTexts);
    EXPECT_EQ(results, c.buttonResults);
    EXPECT_EQ(box.defaultResult, c.enterResult);
    EXPECT_EQ(box.cancelResult, c.escapeResult);
    EXPECT_EQ(tones.calls, c.beepsFirst ? QStringList{"beep"} : QStringList{});
}

const QString questionText = QStringLiteral("جدول حذف شود؟");

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxShape,
    ::testing::Values(BoxCase{"ShowMsg",
                              [](toolkit::MessageBoxes& m) {
                                  m.ShowMsg(QStringLiteral("فايل پيدا نشد"));
                                  return 0;
                              },
                              BoxKind::Information,
                              QStringLiteral("پيام"),
                              QStringLiteral("فايل پيدا نشد"),
                              {QStringLiteral("بازگشت")},
                              {1},
                              1,
                              1,
                              true},
                      BoxCase{"ShowMsgWithEmptyText",
                              [](toolkit::MessageBoxes& m) {
                                  m.ShowMsg(QString());
                                  return 0;
                              },
                              BoxKind::Information,
                              QStringLiteral("پيام"),
                              QString(),
                              {QStringLiteral("بازگشت")},
                              {1},
                              1,
                              1,
                              true},
                      BoxCase{"AskYesNo",
                              [](toolkit::MessageBoxes& m) { return m.AskYesNo(questionText); },
                              BoxKind::Confirmation,
                              QStringLiteral("سوال"),
                              questionText,
                              {QStringLiteral("بله"), QStringLiteral("خير")},
                              {6, 7},
                              6,
                              7,
                              false},
                      BoxCase{"AskYesNoAll",
                              [](toolkit::MessageBoxes& m) { return m.AskYesNoAll(questionText); },
                              BoxKind::Confirmation,
                              QStringLiteral("سوال"),
                              questionText,
                              {QStringLiteral("بله"), QStringLiteral("خير"),
                               QStringLiteral("خير به همه"), QStringLiteral("بله به همه ")},
                              {6, 7, 9, 10},
                              6,
                              7,
                              false},
                      BoxCase{"ChartOrFr3",
                              [](toolkit::MessageBoxes& m) { return m.ChartOrFr3(); },
                              BoxKind::Confirmation,
                              QStringLiteral("لطفاانتخاب كنيد"),
                              QStringLiteral("تمايل داريد گزارش نمايش داده شود يا نمودار؟"),
                              {QStringLiteral("گزارش"), QStringLiteral("نمودار"),
                               QStringLiteral("هيچكدام")},
                              {6, 7, 2},
                              6,
                              2,
                              false}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(MessageBoxAnswer, QuestionReturnsTheButtonPressed)
{
    testing_support::ScriptedBoxPresenter boxes;
    toolkit::MessageBoxes messages;
    boxes.answer(platform::mrYesToAll);
    EXPECT_EQ(messages.AskYesNoAll(questionText), platform::mrYesToAll);
}

const QString underline = QStringLiteral("_____________________________________");
const QString systemLine = QStringLiteral("پيام اصلي سيستم :");
const QString truncationNote = QStringLiteral("(بدليل طولاني بودن ادامه دستور نمايش داده نمي شود)");
const QString duplicateNote = QStringLiteral("نكته : احتمالا پيام در مورد اطلاعات تكراري است ");

struct ExceptCase {
    const char* name;
    QString msg;
    QString erMsg;
    QString expectedHead; ///< the box text before the underline
};

class ExceptMsgText : public ::testing::TestWithParam<ExceptCase> {};

TEST_P(ExceptMsgText, ComposesMessageNotesAndSystemMessage)
{
    const ExceptCase& c = GetParam();
    testing_support::ScriptedBoxPresenter boxes;
    testing_support::RecordingTones tones;
    toolkit::MessageBoxes messages;

    messages.ShowExceptMsg(c.msg, c.erMsg);

    ASSERT_EQ(boxes.shown.size(), 1u);
    const platform::BoxRequest& box = boxes.shown.front();
    EXPECT_EQ(box.text, c.expectedHead + CR + underline + CR + CR + systemLine + CR + c.erMsg);
    EXPECT_EQ(box.kind, BoxKind::Error);
    EXPECT_EQ(box.caption, QStringLiteral("خطا"));
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(box.buttons.front().text, QStringLiteral("بازگشت"));
    EXPECT_EQ(box.defaultResult, platform::mrOk);
    EXPECT_EQ(box.cancelResult, platform::mrOk);
    EXPECT_EQ(tones.calls, QStringList{"beep"});
}

const QString text300 = QString(299, QLatin1Char('x')) + QLatin1Char('y');

INSTANTIATE_TEST_SUITE_P(
    Composition, ExceptMsgText,
    ::testing::Values(
        ExceptCase{"PlainMessage", QStringLiteral("insert into T"), QStringLiteral("timeout"),
                   QStringLiteral("insert into T")},
        ExceptCase{"EmptyTexts", QString(), QString(), QString()},
        ExceptCase{"Exactly300CharactersShownWhole", text300, QStringLiteral("x"), text300},
        ExceptCase{"Over300CharactersCutWithNotice", text300 + QStringLiteral("zzz"),
                   QStringLiteral("x"), text300 + CR + truncationNote},
        ExceptCase{"PrimaryKeyUpperCase", QStringLiteral("m"),
                   QStringLiteral("Violation of PRIMARY KEY constraint 'PK_T'"),
                   QStringLiteral("m") + CR + duplicateNote},
        ExceptCase{"PrimaryKeyMixedCase", QStringLiteral("m"), QStringLiteral("a Primary kEY b"),
                   QStringLiteral("m") + CR + duplicateNote},
        ExceptCase{"OtherKeyNoNote", QStringLiteral("m"), QStringLiteral("FOREIGN KEY"),
                   QStringLiteral("m")},
        ExceptCase{"CutThenNote", text300 + QLatin1Char('z'), QStringLiteral("primary key"),
                   text300 + CR + truncationNote + CR + duplicateNote}),
    [](const ::testing::TestParamInfo<ExceptCase>& info) { return std::string(info.param.name); });

TEST(Tones, WarningSoundIsAHighThenALongerLowTone)
{
    testing_support::RecordingTones tones;
    toolkit::MessageBoxes messages;
    messages.WarningSound();
    EXPECT_EQ(tones.calls, (QStringList{"sound 1200 50", "sound 900 100", "noSound"}));
}

TEST(Tones, SoundPassesFrequencyAndDurationThrough)
{
    testing_support::RecordingTones tones;
    toolkit::MessageBoxes messages;
    messages.Sound(18, 30);
    messages.NoSound();
    EXPECT_EQ(tones.calls, (QStringList{"sound 18 30", "noSound"}));
}

} // namespace
