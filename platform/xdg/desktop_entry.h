#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

/// A file in the freedesktop key-file format (desktop entries, mimeapps.list): groups of
/// "Key=Value" lines, UTF-8 with LF. Values are held as plain text and escaped only when the
/// file is written, so a value can never add a line, a key or a group. Comments and blank lines
/// of a parsed file are kept in place; keys compare exactly, as the format says.
class DesktopEntry {
public:
    /// Reads the format; lines before the first group, and lines that are neither a group, a
    /// key nor a comment, are dropped.
    static DesktopEntry parse(const QByteArray& bytes);

    /// The value of the key in the group, unescaped; empty when it is missing.
    QString value(const QString& group, const QString& key) const;
    bool contains(const QString& group, const QString& key) const;
    /// Sets the key of the group, adding the group at the end and the key at the end of its
    /// group when they are missing.
    void set(const QString& group, const QString& key, const QString& value);

    QStringList groups() const;
    /// The file's bytes: UTF-8, every line ended by LF.
    QByteArray toBytes() const;

private:
    struct Line {
        QString key; ///< empty for a comment or blank line, whose text is in value as written
        QString value;
    };
    struct Group {
        QString name;
        std::vector<Line> lines;
    };
    Group* find(const QString& group);
    const Group* find(const QString& group) const;

    std::vector<Group> m_groups;
};

/// A value as the key-file format writes it: "\\" for a backslash, "\n", "\t", "\r" for the
/// control characters and "\s" for a leading blank.
QString escapeKeyFileValue(const QString& text);
/// The text of a written value: the escapes above undone; an unknown escape is kept as written.
QString unescapeKeyFileValue(const QString& value);

/// One argument of an Exec line as written: its text, and whether it stood in double quotes.
struct ExecArgument {
    QString text;
    bool quoted = false;
    bool operator==(const ExecArgument&) const = default;
};

/// An argument as the Exec key writes it: "%" doubled; enclosed in double quotes, with '"', '`',
/// '$' and '\' escaped by a backslash, when alwaysQuote is set or it holds a character the Exec
/// rules reserve (blank, tab, newline, quotes, '\', '>', '<', '~', '|', '&', ';', '$', '*', '?',
/// '#', '(', ')', '`') or is empty. Field codes ("%f") are written by the caller, unquoted.
QString quoteExecArgument(const QString& argument, bool alwaysQuote = false);
/// The arguments of an (unescaped) Exec value: quotes and their backslash escapes undone, "%%"
/// read as "%". Other field codes are kept as they stand.
std::vector<ExecArgument> splitExec(const QString& exec);

/// Writes the bytes to the file, replacing it whole (a temporary file beside it, then a
/// rename), the folder made when missing; ownerExecutable adds the owner's execute permission.
/// Returns false when the file could not be written.
bool replaceFile(const QString& path, const QByteArray& bytes, bool ownerExecutable = false);

} // namespace platform
