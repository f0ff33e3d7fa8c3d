#include "toolkit/db/field_templates.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/table.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/db/command_store.h"
#include "toolkit/db/db_text_tools.h"

namespace toolkit {

namespace {

const QString kSection = QStringLiteral("ini");
const QChar kSeparator = u'~';

bool isComment(const QString& line)
{
    const QString text = DbTextTools::RemoveRLBLank(line);
    return DbTextTools::IsBlank(text) || text.startsWith(QStringLiteral("//"));
}

QStringList withoutComments(const QStringList& lines)
{
    QStringList kept;
    for (const QString& line : lines) {
        if (!isComment(line))
            kept.append(line);
    }
    return kept;
}

/// The text before the first "~"; the empty text when there is none, which names no field.
QString fieldNameOf(const QString& line)
{
    const qsizetype separator = line.indexOf(kSeparator);
    return separator < 0 ? QString() : line.left(separator);
}

} // namespace

FieldTemplates::FieldTemplates(TemplateFlag& flag, CommandStore& store)
    : m_flag(flag), m_store(store)
{
}

void FieldTemplates::LoadDefField(db::Table& TableName, const QString& IniFileName)
{
    const QStringList lines = m_store.SQlCmdReadOneWriteStringList(kSection, IniFileName);
    m_flag.LastINIFound = false;
    if (lines.isEmpty())
        return;
    m_flag.LastINIFound = true;
    for (const QString& raw : withoutComments(lines)) {
        const QString line = DbTextTools::RemoveRLBLank(raw);
        const QString name = fieldNameOf(line);
        if (name.isEmpty())
            continue;
        if (db::Field* field = TableName.FindField(name))
            field->setAsString(line.mid(name.size() + 1));
    }
}

void FieldTemplates::SaveDefField(db::Table& TableName, const QString& IniFileName)
{
    const QStringList lines = m_store.SQlCmdReadOneWriteStringList(kSection, IniFileName);
    if (lines.isEmpty())
        return;
    QStringList rebuilt;
    for (const QString& line : withoutComments(lines)) {
        const QString name = fieldNameOf(line);
        db::Field* field = TableName.FindField(DbTextTools::RemoveRLBLank(name));
        if (name.isEmpty() || field == nullptr)
            throw db::DbError(QStringLiteral("The line \"%1\" of the field template %2 names no "
                                             "field of the table %3.")
                                  .arg(line, IniFileName, TableName.TableName()));
        rebuilt.append(DbTextTools::RemoveRLBLank(name + kSeparator + field->AsString()));
    }
    if (!m_flag.LastINIFound)
        return;
    if (!m_store.SQlCmdWriteStringList(kSection, IniFileName, rebuilt))
        throw db::DbError(
            QStringLiteral("The field template %1 could not be stored.").arg(IniFileName));
}

} // namespace toolkit
