#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace db {
class Table;
}

namespace toolkit {

struct ServerSlot;
struct SolarToday;
class MessageBoxes;

/// The command store: named texts (statements, field templates, any multi-line text) in the
/// farm's table "SqlCommands", filed under a section (`Sec`, 30 characters) and a title (`Titr`,
/// 100 characters), with the solar date of the last write (`SDate`) and a sequence (`Seq`, "0").
///
/// One table dataset, bound to the toolkit's ServerConnection when first needed and opened once;
/// it is read again before every lookup, so rows another workstation wrote since are found.
/// Sections and titles are cut to their column widths both when a row is written and when one
/// is looked up, so a long name finds the row written under it. The toolkit never creates the
/// table.
class CommandStore {
public:
    CommandStore(const ServerSlot& slot, const SolarToday& today, MessageBoxes& boxes);
    ~CommandStore();
    CommandStore(const CommandStore&) = delete;
    CommandStore& operator=(const CommandStore&) = delete;

    /// Opens the store unless it is open on the current ServerConnection. A connection that is
    /// not open shows "خطا" and leaves the store closed; an error while opening leaves it closed.
    void OPenSqlCommands();
    /// Makes the first row of (Sec, Titr) current: by section alone when Titr is empty, by title
    /// alone when only Sec is empty. DbError when the store cannot be opened.
    bool SQlCmdFind(const QString& Sec, const QString& Titr);
    /// Stores the lines joined with CR LF under (Sec, Titr), updating the row SQlCmdFind finds or
    /// adding one. False on any failure, whose pending change is then dropped.
    bool SQlCmdWriteStringList(const QString& Sec, const QString& Titr,
                               const QStringList& Commands);
    /// The stored text of (Sec, Titr) split into lines (a final line break ends the last line);
    /// empty when there is no such row. DbError when the store cannot be opened.
    QStringList SQlCmdReadOneWriteStringList(const QString& Sec, const QString& Titr);
    /// The stored text of the section's first row, line breaks kept; empty when there is none.
    QString SQlCmdReadOne(const QString& Sec);
    /// The text of a procedure computing, in one SELECT … INTO [_Sec], one column per command of
    /// the section (the command in parentheses, named by its title), in the store's order. The
    /// text is built only, never run. DbError when the store cannot be opened.
    QStringList SQlCmdReadAndCreatStoreProce(const QString& Sec);

    /// The store's dataset, positioned by the last SQlCmdFind; null before it is first opened.
    db::Table* TSqlCommands() const { return m_store.get(); }

private:
    /// The open store, read again; DbError when it cannot be opened.
    db::Table& freshStore();

    const ServerSlot& m_slot;
    const SolarToday& m_today;
    MessageBoxes& m_boxes;
    std::unique_ptr<db::Table> m_store;
};

} // namespace toolkit
