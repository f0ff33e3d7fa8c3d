#pragma once

#include <QString>
#include <QStringView>

namespace db::sqlite {

/// SQLite gives a column the affinity its declared type's name suggests, and a NUMERIC affinity
/// turns a text such as "0012" into the number 12. The T-SQL types sql_variant, image and
/// datetime would get that affinity, so their columns are declared with " blob" after the type
/// ("sql_variant blob"): such a column keeps every value as it was written. nvarchar, nchar,
/// ntext and the other text types already keep text; bit keeps the numbers 0 and 1.

/// The type SQLite is given for a T-SQL column type, or a null text when it stays as written.
QString storedColumnType(QStringView tsqlType);

/// The T-SQL type of a declared column type as fields and the catalogue report it: lower case,
/// without its size, without the " blob" that storedColumnType added ("sql_variant").
QString tsqlColumnType(const QString& declared);

} // namespace db::sqlite
