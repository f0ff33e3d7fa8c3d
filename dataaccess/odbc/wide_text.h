#pragma once

#include <QString>
#include <sql.h>
#include <vector>

namespace db::odbc {

// unixODBC's SQLWCHAR is a 16-bit UTF-16 code unit, the same unit QString holds.
static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the wide ODBC functions must take UTF-16");

/// The text as a NUL-terminated UTF-16 buffer for the wide ODBC functions.
std::vector<SQLWCHAR> toWide(const QString& text);

/// The first `length` code units of a UTF-16 buffer the driver filled.
QString fromWide(const SQLWCHAR* text, qsizetype length);

/// The text a driver wrote, NUL-terminated, into a zeroed buffer of `capacity` code units. It
/// ends at the first NUL whatever length the driver reported: some drivers report bytes of
/// UTF-8 where code units are due.
QString fromWideBuffer(const SQLWCHAR* buffer, qsizetype capacity);

} // namespace db::odbc
