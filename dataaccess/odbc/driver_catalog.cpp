#include "dataaccess/odbc/driver_catalog.h"

#include "dataaccess/odbc/odbc_handle.h"
#include "dataaccess/odbc/wide_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTextStream>
#include <array>
#include <sqlext.h>

namespace db::odbc {
namespace {

/// Lists what SQLDriversW or SQLDataSourcesW return, first the name of each entry.
template <typename Lister> QStringList listNames(Lister list)
{
    QStringList names;
    const Environment environment;
    std::array<SQLWCHAR, 512> name{};
    std::array<SQLWCHAR, 1024> description{};
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT descriptionLength = 0;
        const SQLRETURN rc =
            list(environment.get(), direction, name.data(), static_cast<SQLSMALLINT>(name.size()),
                 &nameLength, description.data(), static_cast<SQLSMALLINT>(description.size()),
                 &descriptionLength);
        if (!succeeded(rc))
            return names;
        names << fromWideBuffer(name.data(), static_cast<qsizetype>(name.size()));
        direction = SQL_FETCH_NEXT;
    }
}

const QString libraryFile = QStringLiteral("libtdsodbc.so");

} // namespace

QStringList installedDrivers()
{
    return listNames([](SQLHENV env, SQLUSMALLINT direction, SQLWCHAR* name, SQLSMALLINT nameMax,
                        SQLSMALLINT* nameLength, SQLWCHAR* attributes, SQLSMALLINT attributesMax,
                        SQLSMALLINT* attributesLength) {
        return SQLDriversW(env, direction, name, nameMax, nameLength, attributes, attributesMax,
                           attributesLength);
    });
}

QStringList dataSources()
{
    return listNames([](SQLHENV env, SQLUSMALLINT direction, SQLWCHAR* name, SQLSMALLINT nameMax,
                        SQLSMALLINT* nameLength, SQLWCHAR* description, SQLSMALLINT descriptionMax,
                        SQLSMALLINT* descriptionLength) {
        return SQLDataSourcesW(env, direction, name, nameMax, nameLength, description,
                               descriptionMax, descriptionLength);
    });
}

QString freeTdsLibraryPath()
{
    // This build's own multiarch folder first, then any other multiarch folder, then the
    // places other distributions use.
    QStringList candidates;
    candidates
        << QStringLiteral("/usr/lib/%1-linux-gnu/odbc/").arg(QSysInfo::buildCpuArchitecture()) +
               libraryFile;
    const QDir lib(QStringLiteral("/usr/lib"));
    for (const QString& folder : lib.entryList({QStringLiteral("*-linux-gnu*")}, QDir::Dirs))
        candidates << lib.filePath(folder + QStringLiteral("/odbc/") + libraryFile);
    for (const char* folder : {"/usr/lib/odbc/", "/usr/lib64/", "/usr/local/lib/", "/usr/lib/"})
        candidates << QLatin1String(folder) + libraryFile;
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList freeTdsServers(const QStringList& files)
{
    QStringList sources = files;
    if (sources.isEmpty()) {
        const QString configured = qEnvironmentVariable("FREETDSCONF");
        sources << (configured.isEmpty() ? QStringLiteral("/etc/freetds/freetds.conf")
                                         : configured);
        sources << QDir::home().filePath(QStringLiteral(".freetds.conf"));
    }
    QStringList servers;
    for (const QString& path : sources) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')))
                continue;
            const QString name = line.mid(1, line.size() - 2).trimmed();
            if (!name.isEmpty() &&
                name.compare(QLatin1String("global"), Qt::CaseInsensitive) != 0 &&
                !servers.contains(name, Qt::CaseInsensitive))
                servers << name;
        }
    }
    return servers;
}

} // namespace db::odbc
