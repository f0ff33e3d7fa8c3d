#pragma once

#include "dataaccess/base/engine.h"

#include <QString>
#include <QVariant>

namespace db {

class Dataset;

/// A value as text, the way Field::AsString reads it.
QString textOf(const QVariant& value);

/// One column of a dataset, reading and writing the dataset's current row.
class Field {
public:
    Field(Dataset& owner, int index, ColumnInfo info);

    QString FieldName() const { return m_info.name; }
    /// Lower case, without size ("nvarchar", "int"); empty for a computed column.
    QString DeclaredType() const { return m_info.declaredType; }
    int Index() const { return m_index; }

    /// The value of the current row (of the edit buffer while inserting or editing).
    QVariant Value() const;
    bool IsNull() const;
    /// Null reads as empty; a whole number in decimal; a real number in the general format
    /// with up to 15 significant digits and "." (12.5, 0.1, 1E+20); bytes as UTF-8.
    QString AsString() const;
    /// Null reads as 0; a real number is cut toward zero (DbError beyond 64 bits); text must
    /// hold a whole number (blanks around it allowed), otherwise DbError.
    qint64 AsInteger() const;
    /// Null reads as 0; text must hold a number with "." as decimal separator, otherwise DbError.
    double AsFloat() const;

    /// Writes the text into the edit buffer, converted to the field's kind: a number for
    /// integer, real, decimal and bit columns (DbError when the text is no number; an empty
    /// text writes null; a bit also takes "True" and "False" in any letter case), the text
    /// itself otherwise. DbError unless the dataset is inserting or editing.
    void setAsString(const QString& text);
    /// Writes a value as it stands into the edit buffer; same state rule as setAsString.
    void setValue(const QVariant& value);
    /// Writes null; same state rule as setAsString.
    void Clear();

private:
    Dataset* m_owner;
    int m_index;
    ColumnInfo m_info;
};

} // namespace db
