// The selection form on demo farms of the embedded engine: Enter to the grid showing the new
// row (the grid repainted), and the re-read of the working list on an ordinary key, each beside
// the same statements run directly through the sqlite3 C API in the same iterations. Each
// figure of the form carries its ratio to the raw one (x_raw).
#include "app/demo_farm/demo_farm.h"
#include "app/lists/select_statements.h"
#include "app/lists/select_texts.h"
#include "app/showcase/showcase.h"
#include "platform/modal_box.h"
#include "platform/text_file.h"
#include "platform/tones.h"
#include "toolkit/db/db_text_tools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

/// Tones take their duration; a benchmark hears none.
class SilentTones final : public platform::Tones {
public:
    void sound(int, int) override {}
    void noSound() override {}
    void beep() override {}
};

/// A box would wait for a person: answer it and say so.
class AnsweringBoxes final : public platform::BoxPresenter {
public:
    int present(const platform::BoxRequest& request) override
    {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(request.text));
        return request.defaultResult;
    }
};

void check(sqlite3* db, int rc, const std::string& what)
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) {
        std::fprintf(stderr, "%s: %s\n", what.c_str(), sqlite3_errmsg(db));
        std::abort();
    }
}

/// Runs a statement and reads every value of every row, as a dataset reads a result.
int runRaw(sqlite3* db, const QString& sql, std::vector<std::string>* firstColumn = nullptr)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    check(db, sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr),
          text.toStdString());
    int rows = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_INTEGER:
                benchmark::DoNotOptimize(sqlite3_column_int64(statement, c));
                break;
            case SQLITE_FLOAT:
                benchmark::DoNotOptimize(sqlite3_column_double(statement, c));
                break;
            case SQLITE_NULL:
                break;
            default:
                benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                benchmark::DoNotOptimize(sqlite3_column_bytes(statement, c));
            }
        }
        if (firstColumn)
            firstColumn->emplace_back(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        ++rows;
    }
    check(db, rc, text.toStdString());
    sqlite3_finalize(statement);
    return rows;
}

const QString kReadList = QStringLiteral("SELECT rowid, * FROM [2Tarvex]");

/// A demo farm of a given size, the program started on it, and a raw connection beside it.
struct Farm {
    explicit Farm(int animals)
    {
        QDir root(folder.path());
        root.mkpath(QStringLiteral("program"));
        root.mkpath(QStringLiteral("farm"));
        const QString program = root.filePath(QStringLiteral("program")) + QLatin1Char('/');
        const QString path = root.filePath(QStringLiteral("farm/Bench.db"));
        app::DemoFarmOptions options;
        options.animals = animals;
        app::writeDemoFarm(path, options);
        QFile::copy(QStringLiteral(FARM_CREATE_LIST), program + QStringLiteral("Create.List"));
        using toolkit::DbTextTools;
        platform::writeTextFile(program + QStringLiteral("WTimes.DLL"),
                                {DbTextTools::FindXOR(QString()),
                                 DbTextTools::FindXOR(QStringLiteral("sqlite:../farm")),
                                 DbTextTools::FindXOR(QStringLiteral("Bench")),
                                 DbTextTools::FindXOR(QStringLiteral("sa"))});
        selection = app::startSelectionProgram(program);
        // The operator types into the body number's entry, which has the focus; the grid,
        // without it, shows no focus frame.
        selection->form().edit2->setFocus();

        const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                           SQLITE_OPEN_READWRITE, nullptr);
        check(raw, opened, "open");
        sqlite3_busy_timeout(raw, 5000);
        // Body numbers of one present female animal each with a status row: Enter adds one row
        // and sounds no warning.
        std::vector<std::string> bodies;
        runRaw(raw,
               QStringLiteral("SELECT M.Body FROM Main M JOIN CowStatusView S ON S.Serial = "
                              "M.Serial WHERE M.ExistCode BETWEEN 0 AND 1 AND M.Sex = '%1' "
                              "AND M.Body IN (SELECT Body FROM Main WHERE ExistCode BETWEEN 0 "
                              "AND 1 GROUP BY Body HAVING COUNT(*) = 1) LIMIT 500")
                   .arg(app::texts::kSexFemale),
               &bodies);
        for (const std::string& body : bodies)
            bodyNumbers << QString::fromStdString(body);
    }
    ~Farm()
    {
        selection.reset();
        sqlite3_close(raw);
    }
    Farm(const Farm&) = delete;
    Farm& operator=(const Farm&) = delete;

    /// The working list holding `rows` rows, added as another workstation would.
    void fillList(int rows)
    {
        runRaw(raw, QStringLiteral("DELETE FROM [2Tarvex]"));
        const QString copy = QStringLiteral(
            "INSERT INTO [2Tarvex] SELECT Serial, Body, DisZ, DateTalghih, DateLastBriding, TNum, "
            "MilkAmountSum, BodyScore, '7HO12345', '29HO13579', '014HO11111', NULL, NULL, "
            "'تزريق GnRH', 'تزريق پروستاگلاندين', 'تلقيح در زمان مقرر', LastBriding, PreMilk, "
            "MilkPeriod, BCode, ReadyDieStatuse, DisT, ZSittuation FROM CowStatusView LIMIT %1");
        for (int listed = 0; listed < rows;) {
            runRaw(raw, copy.arg(rows - listed));
            listed = runRaw(raw, QStringLiteral("SELECT 1 FROM [2Tarvex]"));
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<app::SelectionProgram> selection;
    sqlite3* raw = nullptr;
    QStringList bodyNumbers;
};

/// The farms made so far, by herd size; emptied before the application object goes.
std::map<int, std::unique_ptr<Farm>>& farms()
{
    static std::map<int, std::unique_ptr<Farm>> made;
    return made;
}

Farm& farm(int animals)
{
    std::unique_ptr<Farm>& slot = farms()[animals];
    if (!slot)
        slot = std::make_unique<Farm>(animals);
    return *slot;
}

void press(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

double seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

/// The form's figure is the iteration time; beside it the raw statements' mean and the ratio.
/// Both are measured in the same iterations, one after the other, so that a disk or processor
/// that slows down during the run slows both.
void report(benchmark::State& state, double formTotal, double rawTotal)
{
    const double iterations = double(state.iterations());
    state.counters["form_ms"] = formTotal / iterations * 1000;
    state.counters["raw_ms"] = rawTotal / iterations * 1000;
    if (rawTotal > 0)
        state.counters["x_raw"] = formTotal / rawTotal;
}

/// The statements of one Enter, straight through the sqlite3 C API: the lookup, the list read,
/// the INSERT of each animal not listed, the list read that the grid shows.
void enterRaw(Farm& f, const QString& body)
{
    std::vector<std::string> serials;
    runRaw(f.raw, app::lookupStatement(app::LookupEntry::Body, body, app::texts::kSexFemale),
           &serials);
    std::vector<std::string> listed;
    runRaw(f.raw, kReadList, &listed);
    for (const std::string& serial : serials)
        if (std::find(listed.begin(), listed.end(), serial) == listed.end())
            runRaw(f.raw, app::insertListStatement(QString::fromStdString(serial), true));
    runRaw(f.raw, kReadList);
}

void EnterToGrid(benchmark::State& state)
{
    Farm& f = farm(int(state.range(0)));
    app::TSelectForm& form = f.selection->form();
    double formTotal = 0;
    double rawTotal = 0;
    double keyTotal = 0;
    int next = 0;
    for (auto _ : state) {
        const QString body = f.bodyNumbers.at(next++ % f.bodyNumbers.size());
        runRaw(f.raw, QStringLiteral("DELETE FROM [2Tarvex]"));
        Clock::time_point start = Clock::now();
        enterRaw(f, body);
        rawTotal += seconds(start);

        runRaw(f.raw, QStringLiteral("DELETE FROM [2Tarvex]"));
        form.edit2->setText(body);
        start = Clock::now();
        press(form.edit2, Qt::Key_Return, QStringLiteral("\r"));
        keyTotal += seconds(start);
        form.CRDBGrid1->viewport()->repaint();
        const double elapsed = seconds(start);
        if (form.CRDBGrid1->model()->rowCount() != 1 || !form.lblWarmLab->text().isEmpty()) {
            state.SkipWithError("the animal did not join the list alone");
            break;
        }
        state.SetIterationTime(elapsed);
        formTotal += elapsed;
    }
    report(state, formTotal, rawTotal);
    // Of the form's time, the key's handling (lookup, list, model) and the repaint after it.
    state.counters["key_ms"] = keyTotal / double(state.iterations()) * 1000;
    state.counters["paint_ms"] = (formTotal - keyTotal) / double(state.iterations()) * 1000;
}

constexpr int kKeystrokeFarm = 10000;

void KeystrokeRefresh(benchmark::State& state)
{
    Farm& f = farm(kKeystrokeFarm);
    f.fillList(int(state.range(0)));
    app::TSelectForm& form = f.selection->form();
    form.edit2->clear();
    double formTotal = 0;
    double rawTotal = 0;
    bool typeDigit = true;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        runRaw(f.raw, kReadList);
        rawTotal += seconds(start);

        start = Clock::now();
        // A digit, then a backspace: both are characters, both refresh the list, which nothing
        // changed (the raw side is the re-read a refresh would otherwise do).
        if (typeDigit)
            press(form.edit2, Qt::Key_1, QStringLiteral("1"));
        else
            press(form.edit2, Qt::Key_Backspace, QStringLiteral("\b"));
        // What the event loop does next: the entry repaints; the grid, unchanged, does not.
        QApplication::processEvents();
        const double elapsed = seconds(start);
        typeDigit = !typeDigit;
        state.SetIterationTime(elapsed);
        formTotal += elapsed;
    }
    if (form.CRDBGrid1->model()->rowCount() != state.range(0))
        state.SkipWithError("the grid does not show the whole list");
    report(state, formTotal, rawTotal);
}

/// Another workstation adds a row to the list and, the next time, takes it away again; then the
/// operator types a character, and the form shows the list as it now is.
void RefreshAfterAnotherWorkstation(benchmark::State& state)
{
    Farm& f = farm(kKeystrokeFarm);
    f.fillList(int(state.range(0)));
    app::TSelectForm& form = f.selection->form();
    form.edit2->clear();
    press(form.edit2, Qt::Key_1, QStringLiteral("1")); // the list as filled, read once
    double formTotal = 0;
    double rawTotal = 0;
    bool add = true;
    for (auto _ : state) {
        runRaw(f.raw, add ? QStringLiteral("INSERT INTO [2Tarvex] SELECT * FROM [2Tarvex] LIMIT 1")
                          : QStringLiteral("DELETE FROM [2Tarvex] WHERE rowid = "
                                           "(SELECT MAX(rowid) FROM [2Tarvex])"));
        Clock::time_point start = Clock::now();
        runRaw(f.raw, kReadList);
        rawTotal += seconds(start);

        start = Clock::now();
        press(form.edit2, add ? Qt::Key_1 : Qt::Key_Backspace,
              add ? QStringLiteral("1") : QStringLiteral("\b"));
        form.CRDBGrid1->viewport()->repaint();
        const double elapsed = seconds(start);
        state.SetIterationTime(elapsed);
        formTotal += elapsed;
        const int expected = int(state.range(0)) + (add ? 1 : 0);
        if (form.CRDBGrid1->model()->rowCount() != expected) {
            state.SkipWithError("the grid does not show the other workstation's change");
            break;
        }
        add = !add;
    }
    report(state, formTotal, rawTotal);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SilentTones tones;
    platform::setTones(&tones);
    AnsweringBoxes boxes;
    platform::setBoxPresenter(&boxes);

    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("EnterToGrid", EnterToGrid)
        ->ArgName("animals")
        ->Arg(1000)
        ->Arg(10000)
        ->Arg(100000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("KeystrokeRefresh", KeystrokeRefresh)
        ->ArgName("listed")
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RefreshAfterAnotherWorkstation", RefreshAfterAnotherWorkstation)
        ->ArgName("listed")
        ->Arg(1000)
        ->Arg(10000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    farms().clear();
    platform::setBoxPresenter(nullptr);
    platform::setTones(nullptr);
    return 0;
}
