// The lookup typed into the real form on a real embedded farm: what lands in the working list,
// the warning line and the warning sounds.
#include "app/lists/select_texts.h"
#include "platform/end_request.h"
#include "selection_app.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using app_test::SelectionApp;
namespace serials = app_test::serials;

/// A farm with the working table, and the program started on it.
class Lookup : public ::testing::Test {
protected:
    void SetUp() override { start(true); }
    void start(bool withProtocols)
    {
        folders.writeFarm(withProtocols);
        folders.installCreateList();
        folders.writeSettings();
        app = std::make_unique<SelectionApp>(folders.programFolder());
        ASSERT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);
        ASSERT_TRUE(boxes.shown.empty());
    }
    std::string listed() const
    {
        return folders.rows("SELECT Serial FROM [2Tarvex] ORDER BY Serial");
    }
    QString warning() const { return app->form->lblWarmLab->text(); }

    testing_support::ScriptedBoxPresenter boxes;
    app_test::RecordingTones tones;
    app_test::FarmFolders folders;
    std::unique_ptr<SelectionApp> app;
};

enum class Entry { Body, EarTag };

struct LookupCase {
    const char* name;
    Entry entry;
    int sexItem; ///< 0 male, 1 female, 2 both
    QString typed;
    QString warning;
    int warnings;
    std::string listed;
};

/// The case's name, in test listings.
void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class LookupCases : public Lookup, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupCases, ListWarningAndSounds)
{
    const LookupCase& c = GetParam();
    app->form->rg1Items->button(c.sexItem)->click();
    app->enter(c.entry == Entry::Body ? app->form->edit2 : app->form->edit1, c.typed);
    EXPECT_EQ(listed(), c.listed);
    EXPECT_EQ(warning(), c.warning);
    EXPECT_EQ(tones.warnings(), c.warnings);
    EXPECT_TRUE(boxes.shown.empty());
    // The grid shows what the table holds.
    EXPECT_EQ(app->gridSerials().size(), std::count(c.listed.begin(), c.listed.end(), '\n'));
}

const QString kWrong = app::texts::kWrongNumber;
const QString kTwoFound = QStringLiteral("2") + app::texts::kAnimalsFound;

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupCases,
    ::testing::Values(
        LookupCase{"BodyPaddedWithZeros", Entry::Body, 1, "12", {}, 0, "501\n"},
        LookupCase{"BodyOfSixDigitsAsTyped", Entry::Body, 1, "123456", {}, 0, "509\n"},
        LookupCase{"EmptyBodyIsFiveZeros", Entry::Body, 1, "", kWrong, 1, ""},
        LookupCase{"EarTagAsTyped", Entry::EarTag, 1, "7001", {}, 0, "501\n"},
        LookupCase{"EarTagNotPadded", Entry::EarTag, 1, "12", kWrong, 1, ""},
        LookupCase{"EarTagWithItsOwnZeros", Entry::EarTag, 1, "0012", {}, 0, "509\n"},
        LookupCase{"SharedBodyAddsBothAndCounts", Entry::Body, 1, "77", kTwoFound, 1, "503\n504\n"},
        LookupCase{"AnimalNoLongerPresentIsWrong", Entry::Body, 1, "90", kWrong, 1, ""},
        LookupCase{"AnimalWithoutStatusAddsNothingSilently", Entry::Body, 1, "55", {}, 0, ""},
        LookupCase{"MaleUnderFemaleIsWrong", Entry::Body, 1, "66", kWrong, 1, ""},
        LookupCase{"MaleUnderMale", Entry::Body, 0, "66", {}, 0, "507\n"},
        LookupCase{"FemaleUnderMaleIsWrong", Entry::Body, 0, "12", kWrong, 1, ""},
        LookupCase{"BothFindsEither", Entry::Body, 2, "66", {}, 0, "507\n"},
        LookupCase{"QuoteInTheNumberIsOnlyText", Entry::EarTag, 2, "' OR ''='", kWrong, 1, ""}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST_F(Lookup, TheSameNumberTwiceWarnsAndKeepsOneRow)
{
    app->enter(app->form->edit2, QStringLiteral("12"));
    app->enter(app->form->edit2, QStringLiteral("12"));
    EXPECT_EQ(listed(), "501\n");
    EXPECT_EQ(warning(), app::texts::kAlreadyListed);
    EXPECT_EQ(tones.warnings(), 1);
}

TEST_F(Lookup, ASharedNumberListedBeforeWarnsForEachAnimalThenCounts)
{
    app->enter(app->form->edit2, QStringLiteral("77"));
    app->enter(app->form->edit2, QStringLiteral("77"));
    EXPECT_EQ(listed(), "503\n504\n");
    EXPECT_EQ(warning(), kTwoFound);
    EXPECT_EQ(tones.warnings(), 1 + 3);
}

TEST_F(Lookup, EnterSelectsTheTextAndTheNextNumberReplacesIt)
{
    QLineEdit* body = app->form->edit2;
    app->enter(body, QStringLiteral("12"));
    EXPECT_EQ(body->selectedText(), QStringLiteral("12"));
    QTest::keyClicks(body, QStringLiteral("34"));
    QTest::keyClick(body, Qt::Key_Return);
    EXPECT_EQ(body->text(), QStringLiteral("34"));
    EXPECT_EQ(listed(), "501\n502\n");
}

TEST_F(Lookup, EnterClearsTheLastWarning)
{
    app->enter(app->form->edit2, QStringLiteral("90"));
    ASSERT_EQ(warning(), kWrong);
    app->enter(app->form->edit1, QStringLiteral("7001"));
    EXPECT_EQ(warning(), QString());
}

TEST_F(Lookup, RowsCarryTheFactsOfStatusInseminationsSpermAndProtocol)
{
    EXPECT_TRUE(app->form->CheckBox1->isChecked());
    for (const char* body : {"12", "34", "45"})
        app->enter(app->form->edit2, QString::fromLatin1(body));
    EXPECT_EQ(folders.rows("SELECT Serial, Body, DIM, TDate, DateLastBrid, TNUM, MilkAS, BSC, "
                           "ES1, ES2, Es3, Es4, Es5, BeforAct, CurAct, NextAct, LastBriding, "
                           "PreMilk, MilkPeriod, BCode, Exist, DisT, ZSittuation "
                           "FROM [2Tarvex] ORDER BY Serial"),
              // The open protocol entry with the latest start, at level 2: level 1's act before.
              "501|00012|120|1403/07/20|1403/05/20|2|35.5|3.25|S1|S2|S3|<null>|<null>|"
              "تزريق GnRH|تزريق پروستاگلاندين|تلقيح در زمان مقرر|گوساله ماده|33.0|3|4|موجود|40|"
              "زايمان طبيعي\n"
              // Aborted: the two inseminations after the abortion; only a closed protocol entry.
              "502|00034|200|1403/06/12|1403/03/01|2|20.0|2.75|<null>|<null>|<null>|<null>|"
              "<null>|<null>|<null>|<null>|گوساله نر|22.5|2|7|موجود|70|سقط جنين\n"
              // The latest sperm recommendation belongs to the earlier lactation.
              "508|00045|150|1403/06/01|1403/04/20|1|30.0|3.0|<null>|<null>|<null>|<null>|"
              "<null>|<null>|<null>|<null>|گوساله نر|31.0|2|5|موجود|80|زايمان طبيعي\n");
}

TEST_F(Lookup, ADatabaseErrorReachesTheGeneralReportAndTheFormGoesOn)
{
    folders.exec("DROP VIEW CowStatusView");
    app->enter(app->form->edit2, QStringLiteral("12"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, platform::BoxKind::Error);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("CowStatusView")))
        << boxes.shown[0].text.toStdString();
    EXPECT_FALSE(platform::endRequested());
    app->enter(app->form->edit2, QStringLiteral("90"));
    EXPECT_EQ(warning(), kWrong);
}

// A NUL pasted into an entry once cut the statement and showed the engine's raw "unrecognized
// token"; the general report now says what is wrong, and nothing is listed.
TEST_F(Lookup, ANulPastedIntoAnEntryIsRefusedWithAClearMessage)
{
    for (QLineEdit* entry : {app->form->edit2, app->form->edit1}) {
        entry->setText(QStringLiteral("12") + QChar(u'\0') + QStringLiteral("3"));
        QTest::keyClick(entry, Qt::Key_Return);
    }
    ASSERT_EQ(boxes.shown.size(), 2u) << app_test::shownBoxes(boxes);
    for (const platform::BoxRequest& box : boxes.shown) {
        EXPECT_EQ(box.kind, platform::BoxKind::Error);
        EXPECT_TRUE(box.text.contains(QStringLiteral("NUL character"))) << box.text.toStdString();
    }
    EXPECT_EQ(listed(), "");
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(Lookup, EveryOtherKeyRereadsTheList)
{
    folders.exec("INSERT INTO [2Tarvex] (Serial, Body) VALUES ('900', '00900')");
    EXPECT_TRUE(app->gridSerials().isEmpty());
    QTest::keyClick(app->form->edit2, Qt::Key_1);
    EXPECT_EQ(app->gridSerials(), QStringList{QStringLiteral("900")});
}

class LookupWithoutProtocols : public Lookup {
protected:
    void SetUp() override { start(false); }
};

TEST_F(LookupWithoutProtocols, StepsReadNone)
{
    EXPECT_FALSE(app->form->CheckBox1->isChecked());
    app->enter(app->form->edit2, QStringLiteral("12"));
    EXPECT_EQ(folders.rows("SELECT BeforAct, CurAct, NextAct, ES1 FROM [2Tarvex]"),
              "ندارد|ندارد|ندارد|S1\n");
}

} // namespace
