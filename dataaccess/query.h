#pragma once

#include "dataaccess/dataset.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>

namespace db {

/// A named parameter of a query's statement.
class Param {
public:
    QString Name;   ///< without the ":"
    QVariant Value; ///< null until set; text is always sent as Unicode
};

/// A statement on a connection. Its text may name parameters as :name (outside literals,
/// brackets, quotes and comments); each is sent as a bound value, never spliced into the text.
/// Rows of a result are read whole into the dataset, so RecordCount and First always work.
class Query : public Dataset {
    Q_OBJECT
public:
    explicit Query(Connection& connection, QObject* parent = nullptr);

    /// The statement text: lines joined with CR LF.
    QString sqlText() const;
    /// The lines of the statement as set and added.
    QStringList SQLLines() const { return m_lines; }
    /// Sets the statement text whole (it may hold line breaks). Closes the query.
    void setSQL(const QString& text);
    /// Empties the statement text. Closes the query.
    void clearSQL();
    /// Adds one line at the end of the statement text. Closes the query.
    void addSQL(const QString& line);
    /// Writes the statement's lines to a text file, replacing it whole. Raises platform::Error.
    void saveSQLToFile(const QString& path) const;

    /// Checks that the statement can be sent: a text and an open connection; DbError otherwise.
    /// The engine compiles the statement when it runs.
    void Prepare();
    /// Runs a row-returning statement and reads its rows; the first row becomes current.
    /// A statement that returns no rows raises DbError (and has run). DbError on failure.
    void Open();
    /// Runs any statement; a row-returning one is opened as by Open. DbError on failure.
    void ExecSQL();
    /// True only while the statement runs; execution is synchronous, so after ExecSQL or Open
    /// it is always false.
    bool Executing() const { return m_executing; }
    /// Rows changed by the last ExecSQL of a statement that returns no rows; -1 when unknown.
    qint64 RowsAffected() const { return m_rowsAffected; }

    int ParamCount() const { return static_cast<int>(m_params.size()); }
    /// By position, in the order the names first occur in the text; DbError when out of range.
    Param& Params(int index);
    /// Without regard to letter case; DbError naming the parameter when absent.
    Param& ParamByName(const QString& name);

private:
    void textChanged();
    void execute(bool requireRows);

    QStringList m_lines;
    std::deque<Param> m_params;
    QString m_engineText;            ///< the text with every :name turned into "?"
    std::vector<int> m_bindingOrder; ///< parameter index of each "?" in m_engineText
    bool m_executing = false;
    qint64 m_rowsAffected = -1;
};

} // namespace db
