#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace db::sqlite {

/// Makes the function row_digest(value, ...) known to a connection: one 64-bit integer from
/// the kinds and bytes of its arguments, the same for the same values.
/// Raises DbError when the connection refuses it.
void installRowDigest(sqlite3* db);

/// The call of row_digest over `columns`, names as a statement writes them.
QString rowDigestCall(const QStringList& columns);

} // namespace db::sqlite
