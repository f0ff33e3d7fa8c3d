// The list's buttons on the real form: delete, delete all, the report hand-off and return.
#include "app/lists/select_texts.h"
#include "controls/flat_button.h"
#include "platform/end_request.h"
#include "selection_app.h"
#include "support/wait_for_file.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStringEncoder>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using app_test::SelectionApp;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The lines as the report generator reads them: the 8-bit code page, every line ended by CR LF.
QByteArray ansiLines(const QStringList& lines)
{
    QStringEncoder encoder("windows-1256");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encoder.encode(line + QStringLiteral("\r\n"));
    EXPECT_FALSE(encoder.hasError());
    return bytes;
}

const QStringList kReportLines{
    QStringLiteral("~سريال"),
    QStringLiteral("~موجوديت"),
    QStringLiteral("~بدن"),
    QStringLiteral("~شكم"),
    QStringLiteral("~بهاربند"),
    QStringLiteral("~تلقيح"),
    QStringLiteral("~نويت تلقيح"),
    QStringLiteral("~فاصله تلقيح"),
    QStringLiteral("~تاريخ توليد مثلي"),
    QStringLiteral("~توليد مثلي"),
    QStringLiteral("~وضعيت زايش قبل"),
    QStringLiteral("~DIM"),
    QStringLiteral("~BSC"),
    QStringLiteral("~شير آخر"),
    QStringLiteral("~شير قبل"),
    QStringLiteral("~عمل قبلي پروتكل"),
    QStringLiteral("~عمل فعلي پروتكل"),
    QStringLiteral("~عمل بعدي پروتكل"),
    QStringLiteral("~اسپرم 1"),
    QStringLiteral("~اسپرم 2"),
    QStringLiteral("~اسپرم 3"),
    QStringLiteral("~اسپرم 4"),
    QStringLiteral("~اسپرم 5"),
    QStringLiteral("Select "),
    QStringLiteral("Serial ,"),
    QStringLiteral("Exist ,"),
    QStringLiteral("Body ,"),
    QStringLiteral("MilkPeriod ,"),
    QStringLiteral("BCode ,"),
    QStringLiteral("TDate ,"),
    QStringLiteral("TNUM ,"),
    QStringLiteral("DisT ,"),
    QStringLiteral("DateLastBrid ,"),
    QStringLiteral("LastBriding ,"),
    QStringLiteral("ZSittuation ,"),
    QStringLiteral("DIM ,"),
    QStringLiteral("BSC ,"),
    QStringLiteral("MilkAS ,"),
    QStringLiteral("PreMilk ,"),
    QStringLiteral("BeforAct ,"),
    QStringLiteral("CurAct ,"),
    QStringLiteral("NextAct ,"),
    QStringLiteral("ES1 ,"),
    QStringLiteral("ES2 ,"),
    QStringLiteral("Es3 ,"),
    QStringLiteral("Es4 ,"),
    QStringLiteral("Es5"),
    QStringLiteral("From [2Tarvex] "),
};

class ListUpkeep : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.writeFarm();
        folders.installCreateList();
        folders.writeSettings();
        app = std::make_unique<SelectionApp>(folders.programFolder());
        ASSERT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);
    }
    std::string listed() const
    {
        return folders.rows("SELECT Serial FROM [2Tarvex] ORDER BY Serial");
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    testing_support::ScriptedBoxPresenter boxes;
    app_test::RecordingTones tones;
    app_test::FarmFolders folders;
    std::unique_ptr<SelectionApp> app;
};

TEST_F(ListUpkeep, DeleteRemovesTheRowCurrentInTheGrid)
{
    for (const char* body : {"12", "34", "45"})
        app->enter(app->form->edit2, QString::fromLatin1(body));
    QTableView* grid = app->form->CRDBGrid1;
    const int row = int(app->gridSerials().indexOf(QStringLiteral("502")));
    ASSERT_GE(row, 0);
    const QRect cell = grid->visualRect(grid->model()->index(row, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    click(app->form->dxButton4);
    EXPECT_EQ(listed(), "501\n508\n");
    EXPECT_EQ(app->gridSerials().size(), 2);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ListUpkeep, DeleteAllRemovesEveryRowAlsoThoseAddedElsewhere)
{
    app->enter(app->form->edit2, QStringLiteral("12"));
    folders.exec("INSERT INTO [2Tarvex] (Serial, Body) VALUES ('900', '00900')");
    click(app->form->dxButton3);
    EXPECT_EQ(listed(), "");
    EXPECT_TRUE(app->gridSerials().isEmpty());
}

TEST_F(ListUpkeep, OnAnEmptyListDeleteAndDeleteAllSendNothing)
{
    // Another workstation adds a row after this list was last read: the list still looks empty.
    folders.exec("INSERT INTO [2Tarvex] (Serial, Body) VALUES ('900', '00900')");
    click(app->form->dxButton4);
    click(app->form->dxButton3);
    EXPECT_EQ(listed(), "900\n");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ListUpkeep, ReportWritesBothFilesAndStartsTheGenerator)
{
    folders.installReportGenerator();
    app->enter(app->form->edit2, QStringLiteral("12"));
    click(app->form->dxButton1);
    const QString folder = folders.programFolder();
    const QByteArray definition = fileBytes(folder + QStringLiteral("CSVReport.JSC"));
    EXPECT_EQ(definition, ansiLines(kReportLines));
    EXPECT_EQ(fileBytes(folder + QStringLiteral("PassedReportName.txt")),
              ansiLines({folder + QStringLiteral("CSVReport.JSC")}));
    EXPECT_TRUE(testing_support::fileAppears(folders.startedMarker()));
    EXPECT_TRUE(boxes.shown.empty());

    // A second request with the grid unchanged writes the same file again.
    QFile::remove(folders.startedMarker());
    click(app->form->dxButton1);
    EXPECT_EQ(fileBytes(folder + QStringLiteral("CSVReport.JSC")), definition);
    EXPECT_TRUE(testing_support::fileAppears(folders.startedMarker()));
}

TEST_F(ListUpkeep, WithoutTheGeneratorTheReportShowsTheMessageAndWritesNothing)
{
    const QString folder = folders.programFolder();
    {
        QFile earlier(folder + QStringLiteral("CSVReport.JSC"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    click(app->form->dxButton1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, app::texts::kReportSystemMissing);
    EXPECT_EQ(fileBytes(folder + QStringLiteral("CSVReport.JSC")), QByteArray("earlier"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("PassedReportName.txt")));
}

TEST_F(ListUpkeep, ReturnEndsTheProgram)
{
    EXPECT_FALSE(app->form->close()) << "the frame cannot close the form";
    EXPECT_FALSE(platform::endRequested());
    click(app->form->dxButton2);
    EXPECT_TRUE(platform::endRequested());
}

// A program folder copied from Windows may hold the generator in another letter case; a folder
// of its name is no generator.
TEST_F(ListUpkeep, TheGeneratorIsFoundInAnyLetterCaseAndOnlyAsAFile)
{
    ASSERT_TRUE(QDir().mkpath(folders.programFolder() + QStringLiteral("VexaSystem.exe")));
    click(app->form->dxButton1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, app::texts::kReportSystemMissing);

    folders.installReportGenerator(QStringLiteral("vexasystem.EXE"));
    click(app->form->dxButton1);
    EXPECT_TRUE(testing_support::fileAppears(folders.startedMarker()));
    EXPECT_EQ(boxes.shown.size(), 1u) << app_test::shownBoxes(boxes);
}

} // namespace
