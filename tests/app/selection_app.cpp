#include "selection_app.h"

#include "app/demo_farm/demo_farm.h"
#include "dataaccess/base/connection_settings.h"
#include "platform/end_request.h"
#include "platform/text_file.h"
#include "toolkit/db/db_text_tools.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace app_test {
namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

Database openFarm(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    Database result(db);
    if (rc != SQLITE_OK)
        ADD_FAILURE() << path.toStdString() << ": " << sqlite3_errmsg(db);
    sqlite3_busy_timeout(db, 5000);
    return result;
}

// Animals, statuses and histories whose facts the tests know by heart.
const char* const kFarm = R"sql(
INSERT INTO Main VALUES
    (501, '00012', '7001', '1398/02/11', 'ماده', 0),
    (502, '00034', '7002', '1399/05/01', 'ماده', 1),
    (503, '00077', '7003', '1399/06/01', 'ماده', 0),
    (504, '00077', '7004', '1400/01/15', 'ماده', 0),
    (505, '00090', '7005', '1397/03/03', 'ماده', 3),
    (506, '00055', '7006', '1403/01/20', 'ماده', 0),
    (507, '00066', '7007', '1401/02/02', 'نر', 0),
    (508, '00045', '7008', '1399/09/09', 'ماده', 0),
    (509, '123456', '0012', '1400/10/10', 'ماده', 0);
INSERT INTO CowStatus VALUES
    (501, 120, '1403/07/20', '1403/05/20', 'زايمان طبيعي', '1403/05/20', 2, 35.5, 3.25, 3,
     'گوساله ماده', 33, '4', 'موجود', 40),
    (502, 200, '1403/06/12', '1403/03/01', 'سقط جنين', '1403/05/10', 5, 20, 2.75, 2,
     'گوساله نر', 22.5, '7', 'موجود', 70),
    (503, 90, NULL, '1403/06/20', 'سخت زايي', '1403/06/20', 0, 40, 3, 4, 'دوقلو', 38, '2',
     'موجود', NULL),
    (504, 60, NULL, '1403/07/20', 'زايمان طبيعي', '1403/07/20', 0, 28, 3.5, 1, 'گوساله ماده',
     0, '2', 'آماده حذف', NULL),
    (505, 10, NULL, '1403/09/01', 'زايمان طبيعي', '1403/09/01', 0, 15, 3, 5, 'گوساله ماده',
     18, '9', 'فروش', NULL),
    (507, 0, NULL, NULL, NULL, NULL, 0, 0, 0, 0, NULL, 0, '12', 'موجود', NULL),
    (508, 150, '1403/06/01', '1403/04/20', 'زايمان طبيعي', '1403/04/20', 1, 30, 3, 2,
     'گوساله نر', 31, '5', 'موجود', 80),
    (509, 30, NULL, '1403/08/20', 'زايمان طبيعي', '1403/08/20', 0, 25, 3, 1, 'گوساله نر', 0,
     '1', 'موجود', NULL);
INSERT INTO Talghih VALUES
    (502, '1403/04/01', '7HO1', 2), (502, '1403/04/25', '7HO2', 2),
    (502, '1403/05/10', '7HO3', 2), (502, '1403/05/20', '7HO4', 2),
    (502, '1403/06/12', '7HO5', 2), (501, '1403/07/20', '7HO6', 3);
INSERT INTO RecommandSperm VALUES
    (501, 2, '1402/11/01', 'OLD1', 'OLD2', NULL, NULL, NULL),
    (501, 3, '1403/06/01', 'S1', 'S2', 'S3', NULL, NULL),
    (508, 2, '1403/05/01', 'N1', 'N2', 'N3', 'N4', 'N5'),
    (508, 1, '1403/05/15', 'P1', 'P2', NULL, NULL, NULL);
)sql";

const char* const kProtocols = R"sql(
INSERT INTO P_ProtocolDesign VALUES
    ('اوسينك', 1, 'تزريق GnRH'), ('اوسينك', 2, 'تزريق پروستاگلاندين'),
    ('اوسينك', 3, 'تلقيح در زمان مقرر'), ('درمان متريت', 1, 'معاينه رحم');
INSERT INTO P_Work VALUES
    (501, 'درمان متريت', 1, '1403/05/25', '1403/06/05', 'معاينه رحم', 'پايان'),
    (501, 'اوسينك', 1, '1403/06/10', '', 'تزريق GnRH', 'تزريق پروستاگلاندين'),
    (501, 'اوسينك', 2, '1403/07/01', '', 'تزريق پروستاگلاندين', 'تلقيح در زمان مقرر'),
    (502, 'درمان متريت', 1, '1403/04/01', '1403/04/10', 'معاينه رحم', 'پايان');
)sql";

} // namespace

std::string shownBoxes(const testing_support::ScriptedBoxPresenter& boxes)
{
    std::string out;
    for (const platform::BoxRequest& box : boxes.shown)
        out += "[" + box.caption.toStdString() + "] " + box.text.toStdString() + "\n";
    return out;
}

FarmFolders::FarmFolders()
{
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("farm"));
}

QString FarmFolders::programFolder() const
{
    return m_root.filePath(QStringLiteral("program")) + QLatin1Char('/');
}

QString FarmFolders::farmPath() const
{
    return m_root.filePath(QStringLiteral("farm/Farm.db"));
}

QString FarmFolders::farmServer() const
{
    // Relative to the program folder, and short: scrambled, every character stays printable.
    return QStringLiteral("sqlite:../farm");
}

void FarmFolders::writeFarm(bool withProtocols) const
{
    Database db = openFarm(farmPath(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    app::createFarmSchema(db.get(), withProtocols);
    exec(kFarm);
    if (withProtocols)
        exec(kProtocols);
}

void FarmFolders::installCreateList() const
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(FARM_CREATE_LIST),
                            programFolder() + QStringLiteral("Create.List")));
}

void FarmFolders::writeSettings(const QString& server, const QString& database) const
{
    using toolkit::DbTextTools;
    platform::writeTextFile(programFolder() + QStringLiteral("WTimes.DLL"),
                            {DbTextTools::FindXOR(QString()), DbTextTools::FindXOR(server),
                             DbTextTools::FindXOR(database),
                             DbTextTools::FindXOR(QStringLiteral("sa"))});
}

void FarmFolders::installReportGenerator(const QString& name) const
{
    const QString path = programFolder() + name;
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > '" + QFile::encodeName(startedMarker()) + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString FarmFolders::startedMarker() const
{
    return m_root.filePath(QStringLiteral("generator-started"));
}

void FarmFolders::exec(const std::string& sql) const
{
    Database db = openFarm(farmPath(), SQLITE_OPEN_READWRITE);
    char* message = nullptr;
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << sql << ": " << message;
    sqlite3_free(message);
}

std::string FarmFolders::rows(const std::string& sql) const
{
    Database db = openFarm(farmPath(), SQLITE_OPEN_READONLY);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db.get());
        return {};
    }
    std::string out;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            if (c > 0)
                out += '|';
            const auto* text = sqlite3_column_text(statement, c);
            out += text ? reinterpret_cast<const char*>(text) : "<null>";
        }
        out += '\n';
    }
    sqlite3_finalize(statement);
    return out;
}

SelectionApp::SelectionApp(const QString& programFolder)
{
    platform::resetEndRequest();
    program = std::make_unique<app::SelectionProgram>(programFolder);
    form = &program->form();
    tools = &program->tools();
    dm = &program->dm();
    program->show();
    QApplication::processEvents();
}

SelectionApp::~SelectionApp()
{
    program.reset();
    db::setApplicationPath(QString());
    platform::resetEndRequest();
}

void SelectionApp::enter(QWidget* entry, const QString& text)
{
    auto* edit = static_cast<QLineEdit*>(entry);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList SelectionApp::gridSerials() const
{
    QStringList serials;
    const QAbstractItemModel* model = form->CRDBGrid1->model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        serials << model->index(row, 0).data().toString();
    return serials;
}

} // namespace app_test
