#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

const QString kReservedInExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

bool isGroupLine(const QString& line)
{
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

// Blanks after the "=" are not part of the value; those at its end are.
QString withoutLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() &&
           (text.at(start) == QLatin1Char(' ') || text.at(start) == QLatin1Char('\t')))
        ++start;
    return text.mid(start);
}

} // namespace

DesktopEntry DesktopEntry::parse(const QByteArray& bytes)
{
    DesktopEntry entry;
    QList<QByteArray> rawLines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        rawLines.removeLast(); // the last LF ends the last line; it does not start a blank one
    for (const QByteArray& raw : rawLines) {
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isGroupLine(line)) {
            entry.m_groups.push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        if (entry.m_groups.empty())
            continue;
        std::vector<Line>& lines = entry.m_groups.back().lines;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            lines.push_back({QString(), line});
        else if (equals > 0)
            lines.push_back({line.left(equals).trimmed(),
                             unescapeKeyFileValue(withoutLeadingBlanks(line.mid(equals + 1)))});
    }
    return entry;
}

DesktopEntry::Group* DesktopEntry::find(const QString& group)
{
    for (Group& g : m_groups)
        if (g.name == group)
            return &g;
    return nullptr;
}

const DesktopEntry::Group* DesktopEntry::find(const QString& group) const
{
    return const_cast<DesktopEntry*>(this)->find(group);
}

QString DesktopEntry::value(const QString& group, const QString& key) const
{
    if (const Group* g = find(group))
        for (const Line& line : g->lines)
            if (!line.key.isEmpty() && line.key == key)
                return line.value;
    return QString();
}

bool DesktopEntry::contains(const QString& group, const QString& key) const
{
    if (const Group* g = find(group))
        for (const Line& line : g->lines)
            if (!line.key.isEmpty() && line.key == key)
                return true;
    return false;
}

void DesktopEntry::set(const QString& group, const QString& key, const QString& value)
{
    Group* g = find(group);
    if (!g) {
        m_groups.push_back({group, {}});
        g = &m_groups.back();
    }
    for (Line& line : g->lines)
        if (line.key == key) {
            line.value = value;
            return;
        }
    g->lines.push_back({key, value});
}

QStringList DesktopEntry::groups() const
{
    QStringList names;
    for (const Group& g : m_groups)
        names.append(g.name);
    return names;
}

QByteArray DesktopEntry::toBytes() const
{
    QString text;
    for (const Group& g : m_groups) {
        if (!text.isEmpty() && !text.endsWith(QLatin1String("\n\n")))
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + g.name + QLatin1String("]\n");
        for (const Line& line : g.lines)
            text += (line.key.isEmpty()
                         ? line.value
                         : line.key + QLatin1Char('=') + escapeKeyFileValue(line.value)) +
                    QLatin1Char('\n');
    }
    return text.toUtf8();
}

QString escapeKeyFileValue(const QString& text)
{
    QString out;
    bool leading = true; // a leading blank would be trimmed when read
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && leading) {
            out += QLatin1String("\\s");
            continue;
        }
        leading = false;
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

QString unescapeKeyFileValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        if (next == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            out += QLatin1Char('\\') + next;
    }
    return out;
}

QString quoteExecArgument(const QString& argument, bool alwaysQuote)
{
    QString text = argument;
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    const bool quote = alwaysQuote || text.isEmpty() ||
                       std::any_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return kReservedInExec.contains(c); });
    if (!quote)
        return text;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (kEscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

std::vector<ExecArgument> splitExec(const QString& exec)
{
    std::vector<ExecArgument> arguments;
    ExecArgument current;
    bool inArgument = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size() &&
                kEscapedInQuotes.contains(exec.at(i + 1)))
                current.text += exec.at(++i);
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                current.text += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments.push_back(current);
            current = {};
            inArgument = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = inArgument = current.quoted = true;
        } else {
            current.text += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    for (ExecArgument& argument : arguments)
        argument.text.replace(QLatin1String("%%"), QLatin1String("%"));
    return arguments;
}

bool replaceFile(const QString& path, const QByteArray& bytes, bool ownerExecutable)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (ownerExecutable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ReadOwner |
                            QFileDevice::WriteOwner);
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace platform
