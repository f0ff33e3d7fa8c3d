// The statements of one Enter on the selection form through the embedded engine's T-SQL
// translation, beside SQLite preparing the same text: what the compatibility layer adds to a
// statement before the engine sees it.
#include "app/demo_farm/demo_farm.h"
#include "app/lists/select_statements.h"
#include "app/lists/select_texts.h"
#include "dataaccess/sqlite/tsql_translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

/// The working list's columns, as the list's CREATE TABLE names them.
const QStringList kListColumns{"Serial",  "Body",        "DIM",        "TDate",      "DateLastBrid",
                               "TNUM",    "MilkAS",      "BSC",        "ES1",        "ES2",
                               "Es3",     "Es4",         "Es5",        "BeforAct",   "CurAct",
                               "NextAct", "LastBriding", "PreMilk",    "MilkPeriod", "BCode",
                               "Exist",   "DisT",        "ZSittuation"};

QString bracketed(const QString& separator)
{
    return u'[' + kListColumns.join(u']' + separator + u'[') + u']';
}

/// A demo farm with a working list, opened through the sqlite3 C API, for preparing the
/// statements against its schema.
struct PreparedFarm {
    PreparedFarm()
    {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Bench.db"));
        app::writeDemoFarm(path, app::DemoFarmOptions{});
        const QByteArray create = QStringLiteral("CREATE TABLE [2Tarvex](%1)")
                                      .arg(bracketed(QStringLiteral(",")))
                                      .toUtf8();
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK ||
            sqlite3_exec(db, create.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "cannot open the demo farm: %s\n", sqlite3_errmsg(db));
            std::abort();
        }
    }
    ~PreparedFarm() { sqlite3_close(db); }
    PreparedFarm(const PreparedFarm&) = delete;
    PreparedFarm& operator=(const PreparedFarm&) = delete;

    QTemporaryDir folder;
    sqlite3* db = nullptr;
};

PreparedFarm& farm()
{
    static PreparedFarm made;
    return made;
}

/// The working list's columns read with their digests, as a refresh reads them.
QString digestRead()
{
    return QStringLiteral("SELECT rowid, row_digest(%1) FROM [2Tarvex]")
        .arg(bracketed(QStringLiteral(", ")));
}

QString statement(int kind)
{
    switch (kind) {
    case 0:
        return app::lookupStatement(app::LookupEntry::Body, QStringLiteral("123"),
                                    app::texts::kSexFemale);
    case 1:
        return app::insertListStatement(QStringLiteral("1000123"), true);
    default:
        return digestRead();
    }
}

const char* const kNames[] = {"lookup", "insert", "digest read"};

void Translate(benchmark::State& state)
{
    const QString text = statement(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(db::sqlite::translateTsql(text));
    state.SetLabel(kNames[state.range(0)]);
}

/// SQLite preparing the translated text: the engine's own share of the same statement. The
/// digest function is not registered on this connection, so the digest read is not prepared.
void Prepare(benchmark::State& state)
{
    const QByteArray text = db::sqlite::translateTsql(statement(int(state.range(0)))).sql.toUtf8();
    sqlite3* db = farm().db;
    for (auto _ : state) {
        sqlite3_stmt* prepared = nullptr;
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &prepared, nullptr) !=
            SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(db));
            break;
        }
        sqlite3_finalize(prepared);
    }
    state.SetLabel(kNames[state.range(0)]);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("Translate", Translate)
        ->DenseRange(0, 2)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Prepare", Prepare)
        ->DenseRange(0, 1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
