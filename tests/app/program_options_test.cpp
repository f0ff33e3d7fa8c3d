// The program's command line: its own folder, or a farm folder named with --farm-folder.
#include "app/options/program_options.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

/// A command line; "FARM" stands for an existing farm folder, "MISSING" for one that is not there.
struct OptionsCase {
    const char* name;
    QStringList arguments;
    const char* folder; ///< "APP", "FARM" or "" when refused
};

class ProgramOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTest, ChoosesTheProgramFolder)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    ASSERT_TRUE(QDir(temp.path()).mkdir("farm"));
    const QString farm = QDir(temp.path()).filePath("farm");
    QFile file(QDir(farm).filePath("Create.List"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString application = "/usr/lib/cowselect";
    QStringList arguments;
    for (QString argument : GetParam().arguments) {
        argument.replace("FARM", farm).replace("MISSING", temp.filePath("missing"));
        arguments << argument;
    }
    const app::ProgramFolderChoice choice = app::programFolderFrom(arguments, application);
    const QString expected = GetParam().folder;
    if (expected.isEmpty()) {
        EXPECT_TRUE(choice.folder.isEmpty());
        EXPECT_FALSE(choice.error.isEmpty());
    } else {
        EXPECT_EQ(choice.folder, expected == "APP" ? application : farm);
        EXPECT_TRUE(choice.error.isEmpty()) << choice.error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramOptionsTest,
    testing::Values(OptionsCase{"NoneKeepsTheProgramsOwnFolder", {}, "APP"},
                    OptionsCase{"FarmFolderAsTwoArguments", {"--farm-folder", "FARM"}, "FARM"},
                    OptionsCase{"FarmFolderWithEquals", {"--farm-folder=FARM"}, "FARM"},
                    OptionsCase{"FarmFolderCleaned", {"--farm-folder", "FARM/./"}, "FARM"},
                    OptionsCase{"FolderMissing", {"--farm-folder"}, ""},
                    OptionsCase{"FolderEmpty", {"--farm-folder="}, ""},
                    OptionsCase{"FolderNotThere", {"--farm-folder", "MISSING"}, ""},
                    OptionsCase{"FolderIsAFile", {"--farm-folder", "FARM/Create.List"}, ""},
                    OptionsCase{"UnknownOption", {"--demo"}, ""},
                    OptionsCase{"ExtraArgument", {"--farm-folder", "FARM", "more"}, ""}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

TEST(ProgramOptions, RelativeFarmFolderIsMadeAbsolute)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(temp.path()));
    ASSERT_TRUE(QDir().mkdir("farm"));
    const app::ProgramFolderChoice choice = app::programFolderFrom({"--farm-folder", "farm"}, "/x");
    QDir::setCurrent(before);
    EXPECT_EQ(choice.folder, QDir(temp.path()).filePath("farm"));
}

} // namespace
