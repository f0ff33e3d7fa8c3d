#pragma once

#include <QString>
#include <QStringList>

namespace platform {

/// The 8-bit code page text files are written in ("windows-1256" unless configured).
QString textCodePage();
/// Sets the code page by its name as the converter knows it; raises Error for a name it does not
/// know, keeping the code page it had.
void setTextCodePage(const QString& name);

/// Writes the lines in the 8-bit code page, without a byte-order mark, each ended by CR LF,
/// replacing the file whole (a temporary file beside it, then a rename). A text the code page
/// cannot hold whole, or that would not read back as written (it begins with U+FEFF, or its
/// first bytes in the code page are those of a byte-order mark), is written as UTF-8 with a
/// byte-order mark instead. Raises Error on failure.
void writeTextFile(const QString& path, const QStringList& lines);

/// As writeTextFile, for a file holding a secret: the file, and the temporary file it is made
/// from, can be read and written by their owner only from the moment they exist. A permission
/// that cannot be set fails the write.
void writePrivateTextFile(const QString& path, const QStringList& lines);

/// Reads a text file: a UTF-8 or UTF-16 (either byte order) byte-order mark is honoured,
/// otherwise the 8-bit code page is decoded. Raises Error when the file cannot be read.
QString readTextFile(const QString& path);
/// The same, split into lines on CR LF, CR or LF (a last line without an ending counts).
QStringList readTextLines(const QString& path);

} // namespace platform
