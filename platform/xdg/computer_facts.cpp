#include "platform/xdg/computer_facts.h"

#include "platform/x_desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr int kMostKeyboardLayouts = 16;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<quint64> meminfoKb(const QByteArray& text, const QByteArray& name)
{
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        const QList<QByteArray> fields = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const quint64 kb = fields.value(0).toULongLong(&ok);
        if (ok)
            return kb;
    }
    return std::nullopt;
}

std::optional<quint32> rootVolumeSerial()
{
    struct stat root {};
    if (::stat("/", &root) != 0)
        return std::nullopt;
    const QDir byUuid(QStringLiteral("/dev/disk/by-uuid"));
    for (const QFileInfo& link :
         byUuid.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        struct stat device {};
        const QByteArray target = QFile::encodeName(link.canonicalFilePath());
        if (::stat(target.constData(), &device) == 0 && S_ISBLK(device.st_mode) &&
            device.st_rdev == root.st_dev)
            return volumeSerialOfUuid(link.fileName());
    }
    return std::nullopt;
}

QStringList keyboardLanguages()
{
    QString layouts = xkbConfiguredLayouts();
    if (layouts.isEmpty())
        layouts = layoutsOfKeyboardDefaults(fileBytes(QStringLiteral("/etc/default/keyboard")));
    QStringList languages;
    for (const QString& layout : layouts.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (languages.size() < kMostKeyboardLayouts)
            languages.append(keyboardLanguageName(layout.trimmed()));
    return languages;
}

} // namespace

std::optional<MemoryFigures> parseMeminfo(const QByteArray& text)
{
    const auto total = meminfoKb(text, "MemTotal");
    if (!total || *total == 0)
        return std::nullopt;
    const quint64 available = std::min(meminfoKb(text, "MemAvailable").value_or(*total), *total);
    MemoryFigures figures;
    figures.totalPhysicalKb = *total;
    figures.totalVirtualKb = meminfoKb(text, "SwapTotal").value_or(0);
    figures.loadPercent = int((*total - available) * 100 / *total); // [0, 100]
    return figures;
}

std::optional<quint32> volumeSerialOfUuid(const QString& uuid)
{
    QString digits = uuid;
    digits.remove(QLatin1Char('-'));
    bool ok = false;
    const quint32 serial = digits.left(8).toUInt(&ok, 16);
    if (!ok || digits.size() < 8)
        return std::nullopt;
    return serial;
}

QString keyboardLanguageName(const QString& layout)
{
    // A variant in parentheses does not change the language: "ir(pes_keypad)" is "ir".
    const QString code = layout.section(QLatin1Char('('), 0, 0).trimmed();
    const QLocale::Territory territory = QLocale::codeToTerritory(code.toUpper());
    if (territory != QLocale::AnyTerritory) {
        // Layouts named after a country whose first language the locale data cannot tell.
        static const QHash<QString, QLocale::Language> firstLanguages = {
            {QStringLiteral("us"), QLocale::English}, {QStringLiteral("gb"), QLocale::English},
            {QStringLiteral("ir"), QLocale::Persian}, {QStringLiteral("af"), QLocale::Persian},
            {QStringLiteral("iq"), QLocale::Arabic},  {QStringLiteral("ca"), QLocale::French}};
        QLocale::Language language = firstLanguages.value(code.toLower(), QLocale::AnyLanguage);
        // Most layouts share their code with the language ("de", "fr", "ru").
        const QLocale::Language sameCode = QLocale::codeToLanguage(code.toLower());
        if (language == QLocale::AnyLanguage && sameCode != QLocale::AnyLanguage &&
            QLocale(sameCode).territory() == territory)
            language = sameCode;
        // Otherwise a language whose own first territory it is.
        for (const QLocale& candidate :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, territory))
            if (language == QLocale::AnyLanguage &&
                QLocale(candidate.language()).territory() == territory)
                language = candidate.language();
        if (language != QLocale::AnyLanguage)
            return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(language),
                                                 QLocale::territoryToString(territory));
    }
    const QLocale::Language language = QLocale::codeToLanguage(code.toLower());
    return language != QLocale::AnyLanguage ? QLocale::languageToString(language) : code;
}

QString layoutsOfKeyboardDefaults(const QByteArray& text)
{
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("XKBLAYOUT=")) {
            QByteArray value = line.mid(int(qstrlen("XKBLAYOUT=")));
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.mid(1, value.size() - 2);
            return QString::fromUtf8(value);
        }
    }
    return QString();
}

ComputerFacts computerFacts()
{
    ComputerFacts facts;
    facts.volumeSerial = rootVolumeSerial();
    facts.keyboardLanguages = keyboardLanguages();
    if (const auto memory = parseMeminfo(fileBytes(QStringLiteral("/proc/meminfo")))) {
        facts.memoryLoadPercent = memory->loadPercent;
        facts.totalPhysicalKb = memory->totalPhysicalKb;
        facts.totalVirtualKb = memory->totalVirtualKb;
    }
    return facts;
}

} // namespace platform
