// Start-up on a real embedded farm: the working table made from "Create.List" once, a missing
// script, a wrong server.
#include "app/lists/select_texts.h"
#include "platform/end_request.h"
#include "platform/modal_box.h"
#include "selection_app.h"
#include "toolkit/dialogs/wait_box_form.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

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

TEST_F(StartUp, FindsCreateListInAnyLetterCase)
{
    folders.writeFarm();
    ASSERT_TRUE(QFile::copy(QStringLiteral(FARM_CREATE_LIST),
                            folders.programFolder() + QStringLiteral("CREATE.LIST")));
    folders.writeSettings();
    app_test::SelectionApp app(folders.programFolder());
    EXPECT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);
    EXPECT_TRUE(app.dm->T2Tarvex.Active());
}

/// Answers every box with its default and notes, for each, whether a wait box stood under it.
class WaitBoxWitness final : public platform::BoxPresenter {
public:
    WaitBoxWitness() { platform::setBoxPresenter(this); }
    ~WaitBoxWitness() override { platform::setBoxPresenter(nullptr); }
    WaitBoxWitness(const WaitBoxWitness&) = delete;
    WaitBoxWitness& operator=(const WaitBoxWitness&) = delete;

    int present(const platform::BoxRequest& request) override
    {
        texts.push_back(request.text);
        const QWidgetList windows = QApplication::topLevelWidgets();
        waitBoxUnder.push_back(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            return qobject_cast<toolkit::WaitBoxForm*>(window) != nullptr && window->isVisible();
        }));
        return request.defaultResult;
    }
    void closedAtOnce(const platform::BoxRequest& request) override
    {
        texts.push_back(request.text);
    }

    std::vector<QString> texts;
    std::vector<bool> waitBoxUnder;
};

struct RunnerFailureCase {
    const char* name;
    std::function<bool(const QString& programFolder)> arrange; ///< false when it could not
};

// Names the case in failure messages.
void PrintTo(const RunnerFailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class RunnerRaises : public StartUp, public ::testing::WithParamInterface<RunnerFailureCase> {};

// The creation wait box once stayed on screen under the failure message when the script runner
// raised.
TEST_P(RunnerRaises, TheWaitBoxIsClosedBeforeTheFailureMessage)
{
    folders.writeFarm();
    folders.installCreateList();
    folders.writeSettings();
    ASSERT_TRUE(GetParam().arrange(folders.programFolder()));
    WaitBoxWitness witness;
    app_test::SelectionApp app(folders.programFolder());
    ASSERT_EQ(witness.texts, std::vector<QString>{app::texts::kServerConnectionFailed});
    EXPECT_FALSE(witness.waitBoxUnder.front()) << "the wait box stood under the message";
    EXPECT_FALSE(app.tools->MsgBoxForm);
    EXPECT_TRUE(platform::endRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RunnerRaises,
    ::testing::Values(
        // A folder where the runner's copy of the script goes: no one can write it, root neither.
        RunnerFailureCase{"workCopyNotWritable",
                          [](const QString& program) {
                              return QDir().mkpath(program + QStringLiteral("T4V/Temp.Txt"));
                          }},
        // A file no one can read, root included: reading a process's memory at address 0 fails.
        RunnerFailureCase{"createListUnreadable",
                          [](const QString& program) {
                              return QFile::remove(program + QStringLiteral("Create.List")) &&
                                     QFile::link(QStringLiteral("/proc/self/mem"),
                                                 program + QStringLiteral("Create.List"));
                          }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
