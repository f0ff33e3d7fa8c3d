#include "app/demo_farm/demo_farm.h"

#include "dataaccess/sqlite/tsql_translator.h"
#include "platform/error.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace app {
namespace {

void check(sqlite3* db, int rc, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw platform::Error(QStringLiteral("%1: %2").arg(QString::fromUtf8(what),
                                                           QString::fromUtf8(sqlite3_errmsg(db))));
}

void exec(sqlite3* db, const char* sql)
{
    check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr), sql);
}

const char* const kSchema = R"sql(
CREATE TABLE Main (
    Serial INTEGER PRIMARY KEY,
    Body nvarchar(10) NOT NULL,
    PEar nvarchar(20) NULL,
    BDate nvarchar(10) NULL,
    Sex nvarchar(10) NULL,
    ExistCode int NOT NULL
);
CREATE INDEX IX_Main_Body ON Main (Body, ExistCode);
CREATE INDEX IX_Main_PEar ON Main (PEar, ExistCode);
CREATE TABLE CowStatus (
    Serial INTEGER PRIMARY KEY REFERENCES Main (Serial),
    DisZ int NULL,
    DateTalghih nvarchar(10) NULL,
    DateLastBriding nvarchar(10) NULL,
    ZSittuation nvarchar(50) NULL,
    ZSDate nvarchar(10) NULL,
    TNum int NULL,
    MilkAmountSum float NULL,
    BodyScore float NULL,
    MilkPeriod int NULL,
    LastBriding nvarchar(50) NULL,
    PreMilk float NULL,
    BCode nvarchar(20) NULL,
    ReadyDieStatuse nvarchar(30) NULL,
    DisT int NULL
);
CREATE VIEW CowStatusView AS
    SELECT M.Serial, M.Body, S.DisZ, S.DateTalghih, S.DateLastBriding, S.ZSittuation, S.ZSDate,
           S.TNum, S.MilkAmountSum, S.BodyScore, S.MilkPeriod, S.LastBriding, S.PreMilk, S.BCode,
           S.ReadyDieStatuse, S.DisT
    FROM Main M JOIN CowStatus S ON S.Serial = M.Serial;
CREATE TABLE Talghih (
    Serial int NOT NULL,
    Tdate nvarchar(10) NOT NULL,
    SpermCode nvarchar(20) NULL,
    MilkPeriod int NULL
);
CREATE INDEX IX_Talghih_Serial ON Talghih (Serial, Tdate);
CREATE TABLE RecommandSperm (
    Serial int NOT NULL,
    MilkPeriod int NOT NULL,
    SDate nvarchar(10) NOT NULL,
    Esp1 nvarchar(20) NULL,
    Esp2 nvarchar(20) NULL,
    Esp3 nvarchar(20) NULL,
    Esp4 nvarchar(20) NULL,
    Esp5 nvarchar(20) NULL
);
CREATE INDEX IX_RecommandSperm_Serial ON RecommandSperm (Serial, SDate);
)sql";

const char* const kProtocolSchema = R"sql(
CREATE TABLE P_ProtocolDesign (
    ProName nvarchar(50) NOT NULL,
    PLevel int NOT NULL,
    PAct nvarchar(100) NULL,
    PRIMARY KEY (ProName, PLevel)
);
CREATE TABLE P_Work (
    Serial int NOT NULL,
    ProName nvarchar(50) NOT NULL,
    PCurLevel int NOT NULL,
    PInDate nvarchar(10) NOT NULL,
    POutDate nvarchar(10) NOT NULL DEFAULT '',
    PLastAct nvarchar(100) NULL,
    PNextAct nvarchar(100) NULL
);
CREATE INDEX IX_P_Work_Serial ON P_Work (Serial, PInDate);
)sql";

// The toolkit's two stores, declared as a farm's SQL Server declares them; the engine's own
// translation gives them the column types that keep what is written.
const char* const kStoresSchema = R"sql(
CREATE TABLE SqlCommands (
    Sec nvarchar(30) NULL,
    Titr nvarchar(100) NULL,
    Seq int NULL,
    SDate nvarchar(10) NULL,
    SqlCmd ntext NULL
);
CREATE TABLE Dbo.Info (
    GroupSec nvarchar(50) NOT NULL,
    KeyName nvarchar(50) NOT NULL,
    KeyValue sql_variant NULL,
    Discription nvarchar(255) NULL
);
)sql";

/// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    /// A whole number in [low, high].
    int between(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    /// True with the given chance in percent.
    bool percent(int chance) { return between(1, 100) <= chance; }

private:
    std::uint64_t m_state;
};

// Solar dates as day numbers: day 0 is 1390/01/01, and every year is taken as 365 days
// (months 1-6 of 31 days, 7-11 of 30, month 12 of 29), so each day number is a valid date.
constexpr int kBaseYear = 1390;
constexpr std::array<int, 12> kMonthDays{31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29};
// 1403/09/19: 13 years of 365 days, six months of 31, two of 30, and 18 days.
constexpr int kReferenceDay = 13 * 365 + 6 * 31 + 2 * 30 + 18;

QString solarDate(int day)
{
    int year = kBaseYear + day / 365;
    int rest = day % 365; // [0, 364]
    int month = 0;
    while (rest >= kMonthDays[static_cast<std::size_t>(month)]) {
        rest -= kMonthDays[static_cast<std::size_t>(month)];
        ++month;
    }
    return QStringLiteral("%1/%2/%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month + 1, 2, 10, QLatin1Char('0'))
        .arg(rest + 1, 2, 10, QLatin1Char('0'));
}

const QString kFemale = QStringLiteral("ماده");
const QString kMale = QStringLiteral("نر");
const QStringList kCalvingStates{QStringLiteral("زايمان طبيعي"), QStringLiteral("سخت زايي"),
                                 QStringLiteral("دوقلوزايي"), QStringLiteral("مرده زايي")};
const QString kAbortion = QStringLiteral("سقط جنين");
const QStringList kCalves{QStringLiteral("گوساله ماده"), QStringLiteral("گوساله نر"),
                          QStringLiteral("دوقلو")};
const QString kPresent = QStringLiteral("موجود");
const QString kReadyToCull = QStringLiteral("آماده حذف");

struct Protocol {
    QString name;
    QStringList acts; ///< the act of level 1, 2, ...
};
const std::vector<Protocol> kProtocols{
    {QStringLiteral("اوسينك"),
     {QStringLiteral("تزريق GnRH"), QStringLiteral("تزريق پروستاگلاندين"),
      QStringLiteral("تزريق دوم GnRH"), QStringLiteral("تلقيح در زمان مقرر")}},
    {QStringLiteral("پري سينك"),
     {QStringLiteral("تزريق اول پروستاگلاندين"), QStringLiteral("تزريق دوم پروستاگلاندين"),
      QStringLiteral("شروع اوسينك")}},
    {QStringLiteral("درمان متريت"),
     {QStringLiteral("معاينه و شستشوي رحم"), QStringLiteral("تزريق آنتي بيوتيك"),
      QStringLiteral("معاينه مجدد")}},
};
const QString kProtocolEnd = QStringLiteral("پايان پروتكل");

/// A prepared INSERT whose values are bound in order and which is run by step().
class Insert {
public:
    Insert(sqlite3* db, const char* sql) : m_db(db)
    {
        check(db, sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr), sql);
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& text(const QString& value)
    {
        // An empty text stays a text: the engine binds a null pointer as NULL.
        const QByteArray utf8 = value.toUtf8();
        check(m_db,
              sqlite3_bind_text(m_statement, ++m_index, utf8.isNull() ? "" : utf8.constData(),
                                int(utf8.size()), SQLITE_TRANSIENT),
              "bind");
        return *this;
    }
    Insert& integer(qint64 value)
    {
        check(m_db, sqlite3_bind_int64(m_statement, ++m_index, value), "bind");
        return *this;
    }
    Insert& real(double value)
    {
        check(m_db, sqlite3_bind_double(m_statement, ++m_index, value), "bind");
        return *this;
    }
    Insert& null()
    {
        check(m_db, sqlite3_bind_null(m_statement, ++m_index), "bind");
        return *this;
    }
    void step()
    {
        check(m_db, sqlite3_step(m_statement), "insert");
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
        m_index = 0;
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    int m_index = 0;
};

QString spermCode(Random& random)
{
    static const std::array<const char*, 4> kStuds{"7HO", "29HO", "014HO", "1HO"};
    return QString::fromLatin1(kStuds[static_cast<std::size_t>(random.between(0, 3))]) +
           QString::number(random.between(10000, 16999));
}

/// One decimal place, as the farm's scales record milk.
double tenths(Random& random, int low, int high)
{
    return random.between(low * 10, high * 10) / 10.0;
}

class FarmWriter {
public:
    FarmWriter(sqlite3* db, const DemoFarmOptions& options)
        : m_random(options.seed), m_options(options),
          m_main(db, "INSERT INTO Main VALUES (?,?,?,?,?,?)"),
          m_status(db, "INSERT INTO CowStatus VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
          m_talghih(db, "INSERT INTO Talghih VALUES (?,?,?,?)"),
          m_sperm(db, "INSERT INTO RecommandSperm VALUES (?,?,?,?,?,?,?,?)")
    {
        if (options.withProtocols) {
            m_design = std::make_unique<Insert>(db, "INSERT INTO P_ProtocolDesign VALUES (?,?,?)");
            m_work = std::make_unique<Insert>(db, "INSERT INTO P_Work VALUES (?,?,?,?,?,?,?)");
        }
    }

    void write()
    {
        if (m_work)
            writeProtocolDesigns();
        int bodyNumber = 1;
        for (int i = 0; i < m_options.animals; ++i) {
            const qint64 serial = 1000001 + i;
            // Every 40th animal shares its body number with the one before it, both present.
            const bool sharesBody = i % 40 == 39;
            // Every 9th animal has left the farm; half of them passed their body number on.
            const bool gone = i % 9 == 4;
            const bool passesBodyOn = gone && i % 2 == 0;
            if (i > 0 && !sharesBody && !(m_previousPassedBodyOn))
                ++bodyNumber;
            m_previousPassedBodyOn = passesBodyOn;
            writeAnimal(serial, bodyNumber, gone);
        }
    }

private:
    void writeProtocolDesigns()
    {
        for (const Protocol& protocol : kProtocols)
            for (int level = 1; level <= protocol.acts.size(); ++level)
                m_design->text(protocol.name).integer(level).text(protocol.acts[level - 1]).step();
    }

    void writeAnimal(qint64 serial, int bodyNumber, bool gone)
    {
        Random& r = m_random;
        const bool male = r.percent(4);
        const int ageDays = r.between(300, 8 * 365);
        const int existCode = gone ? r.between(2, 3) : r.between(0, 1);
        m_main.integer(serial)
            .text(QStringLiteral("%1").arg(bodyNumber, 5, 10, QLatin1Char('0')))
            .text(QString::number(3000 + serial % 100000))
            .text(solarDate(kReferenceDay - ageDays))
            .text(male ? kMale : kFemale)
            .integer(existCode)
            .step();
        // Young stock and bulls have no status row yet.
        if (male || ageDays < 450 || r.percent(2))
            return;
        writeHistory(serial, ageDays);
    }

    void writeHistory(qint64 serial, int ageDays)
    {
        Random& r = m_random;
        const int birthDay = kReferenceDay - ageDays;
        const int lactation = std::max(1, std::min(7, (ageDays - 700) / 400 + 1));
        const int dim = r.between(5, std::min(420, ageDays - 440)); // [5, 420]
        const int calvingDay = kReferenceDay - dim;
        const bool aborted = r.percent(6);

        // Inseminations: some before the last calving, the rest in the current lactation,
        // roughly three weeks apart, starting 50 days after calving.
        const int total = r.between(m_options.inseminationsPerAnimal / 2,
                                    m_options.inseminationsPerAnimal * 3 / 2);
        const int current = std::min(total, r.between(0, std::max(0, dim - 50) / 21 + 1));
        int day = calvingDay - 300;
        for (int k = 0; k < total - current && day > birthDay + 400; ++k, day -= 23)
            m_talghih.integer(serial)
                .text(solarDate(day))
                .text(spermCode(r))
                .integer(lactation - 1)
                .step();
        int lastInsemination = -1;
        int abortionDay = -1;
        day = calvingDay + 50;
        for (int k = 0; k < current && day < kReferenceDay; ++k, day += r.between(18, 25)) {
            m_talghih.integer(serial)
                .text(solarDate(day))
                .text(spermCode(r))
                .integer(lactation)
                .step();
            lastInsemination = day;
            // An abortion after the first inseminations of the lactation; inseminations after
            // it start again.
            if (aborted && abortionDay < 0 && k == current / 2)
                abortionDay = std::min(day + 10, kReferenceDay - 1);
        }
        const bool abortedNow = abortionDay >= 0;

        m_status.integer(serial).integer(dim);
        if (lastInsemination >= 0)
            m_status.text(solarDate(lastInsemination));
        else
            m_status.null();
        m_status.text(solarDate(calvingDay));
        m_status
            .text(abortedNow ? kAbortion
                             : kCalvingStates[r.between(0, int(kCalvingStates.size()) - 1)])
            .text(solarDate(abortedNow ? abortionDay : calvingDay))
            .integer(current)
            .real(tenths(r, 12, 55))
            .real(r.between(9, 16) * 0.25)
            .integer(lactation)
            .text(kCalves[r.between(0, int(kCalves.size()) - 1)])
            .real(tenths(r, 12, 55))
            .text(QString::number(r.between(1, 16)))
            .text(r.percent(5) ? kReadyToCull : kPresent);
        if (lastInsemination >= 0)
            m_status.integer(kReferenceDay - lastInsemination);
        else
            m_status.null();
        m_status.step();

        writeRecommendations(serial, lactation, calvingDay);
        if (m_work)
            writeProtocolEntries(serial, calvingDay);
    }

    void writeRecommendations(qint64 serial, int lactation, int calvingDay)
    {
        Random& r = m_random;
        // About one in twelve animals has as its latest recommendation one of the earlier
        // lactation: its sperm columns stay empty in the working list.
        const bool stale = r.percent(8);
        const int count = r.between(2, 4);
        for (int k = 0; k < count; ++k) {
            const bool last = k == count - 1;
            const int period = (last && stale) || !last ? lactation - 1 : lactation;
            const int day =
                last && !stale ? calvingDay + r.between(1, 30) : calvingDay - 200 + k * 40;
            m_sperm.integer(serial).integer(period).text(solarDate(day));
            const int codes = r.between(3, 5);
            for (int c = 0; c < 5; ++c) {
                if (c < codes)
                    m_sperm.text(spermCode(r));
                else
                    m_sperm.null();
            }
            m_sperm.step();
        }
    }

    void writeProtocolEntries(qint64 serial, int calvingDay)
    {
        Random& r = m_random;
        const int entries = r.percent(20) ? 0 : (r.percent(25) ? 2 : 1);
        for (int k = 0; k < entries; ++k) {
            const Protocol& protocol =
                kProtocols[static_cast<std::size_t>(r.between(0, int(kProtocols.size()) - 1))];
            const bool open = k == entries - 1 && r.percent(60);
            const int level = r.between(1, int(protocol.acts.size()));
            // Entries 25 days apart, each closed 12 days after it began: no two share a date.
            const int inDay = calvingDay - 40 + k * 25;
            m_work->integer(serial)
                .text(protocol.name)
                .integer(level)
                .text(solarDate(inDay))
                .text(open ? QString() : solarDate(inDay + 12))
                .text(protocol.acts[level - 1])
                .text(level < protocol.acts.size() ? protocol.acts[level] : kProtocolEnd)
                .step();
        }
    }

    Random m_random;
    const DemoFarmOptions& m_options;
    Insert m_main;
    Insert m_status;
    Insert m_talghih;
    Insert m_sperm;
    std::unique_ptr<Insert> m_design;
    std::unique_ptr<Insert> m_work;
    bool m_previousPassedBodyOn = false;
};

/// A few stored commands, a field template and the "Version" section of the information table.
void writeStores(sqlite3* db)
{
    const QString day = solarDate(kReferenceDay);
    Insert command(db, "INSERT INTO SqlCommands VALUES (?,?,0,?,?)");
    command.text(QStringLiteral("Reports"))
        .text(QStringLiteral("دام هاي موجود"))
        .text(day)
        .text(QStringLiteral("select count(*) from Main where ExistCode < 2"))
        .step();
    command.text(QStringLiteral("Reports"))
        .text(QStringLiteral("ميانگين شير"))
        .text(day)
        .text(QStringLiteral("select avg(MilkAmountSum) from CowStatus"))
        .step();
    command.text(QStringLiteral("ini"))
        .text(QStringLiteral("CowForm"))
        .text(day)
        .text(QStringLiteral("// پيش فرض فرم دام\r\nSex~%1\r\nExistCode~0").arg(kFemale))
        .step();
    Insert info(db, "INSERT INTO Info VALUES (?,?,?,?)");
    info.text(QStringLiteral("Version"))
        .text(QStringLiteral("نسخه برنامه"))
        .text(QStringLiteral("1.4.2"))
        .text(QStringLiteral("نسخه نصب شده روي اين رايانه"))
        .step();
    info.text(QStringLiteral("Version"))
        .text(QStringLiteral("نسخه بانك اطلاعات"))
        .text(QStringLiteral("0012"))
        .null()
        .step();
    info.text(QStringLiteral("Version"))
        .text(QStringLiteral("تاريخ بروز رساني"))
        .text(day)
        .null()
        .step();
    info.text(QStringLiteral("DEFAULT"))
        .text(QStringLiteral("FarmName"))
        .text(QStringLiteral("گاوداري نمونه"))
        .null()
        .step();
}

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

} // namespace

void createFarmSchema(sqlite3* db, bool withProtocols)
{
    exec(db, kSchema);
    if (withProtocols)
        exec(db, kProtocolSchema);
    exec(db, db::sqlite::translateTsql(QString::fromUtf8(kStoresSchema)).sql.toUtf8().constData());
}

void writeDemoFarm(const QString& path, const DemoFarmOptions& options)
{
    const QString temporary = path + QStringLiteral(".part");
    QFile::remove(temporary);
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        std::unique_ptr<sqlite3, CloseDatabase> db(raw);
        if (rc != SQLITE_OK)
            throw platform::Error(QStringLiteral("%1: %2").arg(
                temporary, raw ? QString::fromUtf8(sqlite3_errmsg(raw)) : QString()));
        try {
            exec(db.get(), "PRAGMA journal_mode=MEMORY; BEGIN");
            createFarmSchema(db.get(), options.withProtocols);
            FarmWriter(db.get(), options).write();
            writeStores(db.get());
            exec(db.get(), "COMMIT");
        } catch (...) {
            db.reset();
            QFile::remove(temporary);
            throw;
        }
    }
    // A journal left by an earlier farm of the same name would be applied to the new file.
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        throw platform::Error(QStringLiteral("cannot replace %1").arg(path));
    }
}

} // namespace app
