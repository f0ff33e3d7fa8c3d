#pragma once

#include <QString>

namespace db {
class Table;
}

namespace toolkit {

struct TemplateFlag;
class CommandStore;

/// Field templates: default values of a table's fields, kept in the command store under the
/// section "ini" with the template's name as title, one "Field~value" line a field. Lines that
/// are empty or begin with "//" (after blanks) are comments. Field names match without regard to
/// letter case; the value is everything after the first "~".
class FieldTemplates {
public:
    FieldTemplates(TemplateFlag& flag, CommandStore& store);

    /// Sets the fields of the table's current record (inserting or editing) from the template
    /// and records in LastINIFound whether the template exists and holds any line. A value a
    /// field cannot take raises DbError; fields set before it keep their values.
    void LoadDefField(db::Table& TableName, const QString& IniFileName);
    /// Writes the current record's values back into the template, while LastINIFound holds;
    /// comment lines are dropped. A line naming no field of the table raises DbError and nothing
    /// is written; a store that refuses the write raises DbError too.
    void SaveDefField(db::Table& TableName, const QString& IniFileName);

private:
    TemplateFlag& m_flag;
    CommandStore& m_store;
};

} // namespace toolkit
