#include "dataaccess/sqlite/tsql_translator.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/sqlite/column_types.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>
#include <sqlite3.h>
#include <string_view>
#include <vector>

namespace db::sqlite {

namespace {

using sql::Token;
using sql::TokenKind;

const QString kTablesView = QStringLiteral("temp.information_schema_tables");
const QString kColumnsView = QStringLiteral("temp.information_schema_columns");
const QString kDatabasesTable = QStringLiteral("temp.sysdatabases");
const QString kObjectsView = QStringLiteral("temp.sysobjects");

[[noreturn]] void unsupported(const QString& what)
{
    throw DbError(QStringLiteral("The embedded database engine does not support %1.").arg(what));
}

bool same(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

/// The words the translation looks for. A statement's words are classified once, so that each
/// pass over it compares small numbers instead of texts.
enum class Word : std::uint8_t {
    Other,
    Add,
    All,
    Alter,
    Begin,
    Case,
    Column,
    Create,
    Dbo,
    Distinct,
    Drop,
    Else,
    End,
    Except,
    Exec,
    Execute,
    Exists,
    Identity,
    If,
    InformationSchema,
    Insert,
    Intersect,
    Into,
    Like,
    Max,
    Not,
    Nvarchar,
    Percent,
    Proc,
    Procedure,
    Replace,
    Select,
    Sysdatabases,
    Sysobjects,
    Table,
    Temp,
    Temporary,
    Top,
    Union,
    Varbinary,
    Varchar,
    With,
};

/// The words above in upper case, sorted.
constexpr std::array<std::pair<std::string_view, Word>, 41> kWords{{
    {"ADD", Word::Add},
    {"ALL", Word::All},
    {"ALTER", Word::Alter},
    {"BEGIN", Word::Begin},
    {"CASE", Word::Case},
    {"COLUMN", Word::Column},
    {"CREATE", Word::Create},
    {"DBO", Word::Dbo},
    {"DISTINCT", Word::Distinct},
    {"DROP", Word::Drop},
    {"ELSE", Word::Else},
    {"END", Word::End},
    {"EXCEPT", Word::Except},
    {"EXEC", Word::Exec},
    {"EXECUTE", Word::Execute},
    {"EXISTS", Word::Exists},
    {"IDENTITY", Word::Identity},
    {"IF", Word::If},
    {"INFORMATION_SCHEMA", Word::InformationSchema},
    {"INSERT", Word::Insert},
    {"INTERSECT", Word::Intersect},
    {"INTO", Word::Into},
    {"LIKE", Word::Like},
    {"MAX", Word::Max},
    {"NOT", Word::Not},
    {"NVARCHAR", Word::Nvarchar},
    {"PERCENT", Word::Percent},
    {"PROC", Word::Proc},
    {"PROCEDURE", Word::Procedure},
    {"REPLACE", Word::Replace},
    {"SELECT", Word::Select},
    {"SYSDATABASES", Word::Sysdatabases},
    {"SYSOBJECTS", Word::Sysobjects},
    {"TABLE", Word::Table},
    {"TEMP", Word::Temp},
    {"TEMPORARY", Word::Temporary},
    {"TOP", Word::Top},
    {"UNION", Word::Union},
    {"VARBINARY", Word::Varbinary},
    {"VARCHAR", Word::Varchar},
    {"WITH", Word::With},
}};

/// Which of the words a Word token is, its letters compared without case. Only ASCII letters
/// match, as only they spell a keyword to either engine.
Word wordOf(QStringView text)
{
    // The range of kWords holding the words of each first letter.
    static const std::array<std::pair<std::size_t, std::size_t>, 26> byFirstLetter = [] {
        std::array<std::pair<std::size_t, std::size_t>, 26> ranges{};
        for (std::size_t i = kWords.size(); i-- > 0;) {
            auto& range = ranges[std::size_t(kWords[i].first.front() - 'A')];
            range.first = i;
            range.second = range.second == 0 ? i + 1 : range.second;
        }
        return ranges;
    }();
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    const char16_t first = text.isEmpty() ? u'\0' : upper(text.front().unicode());
    if (first < u'A' || first > u'Z')
        return Word::Other;
    const auto [begin, end] = byFirstLetter[std::size_t(first - u'A')];
    for (std::size_t i = begin; i < end; ++i) {
        const std::string_view word = kWords[i].first;
        if (word.size() != std::size_t(text.size()))
            continue;
        std::size_t j = 1;
        while (j < word.size() && upper(text[qsizetype(j)].unicode()) == char16_t(word[j]))
            ++j;
        if (j == word.size())
            return kWords[i].second;
    }
    return Word::Other;
}

bool isName(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::Bracketed ||
           token.kind == TokenKind::Quoted;
}

class Translator {
public:
    explicit Translator(const QString& text) : m_text(text), m_tokens(sql::tokenize(text))
    {
        m_out.reserve(m_tokens.size());
        m_sig.reserve(m_tokens.size());
        m_word.reserve(m_tokens.size());
        m_symbol.reserve(m_tokens.size());
        for (int i = 0; i < static_cast<int>(m_tokens.size()); ++i) {
            const Token& token = m_tokens[i];
            m_out.push_back(token.text(m_text));
            if (token.kind == TokenKind::Comment && token.nested)
                unsupported(QStringLiteral("nested block comments"));
            if (token.kind == TokenKind::Space || token.kind == TokenKind::Comment)
                continue;
            m_sig.push_back(i);
            const QStringView text = token.text(m_text);
            m_word.push_back(token.kind == TokenKind::Word ? wordOf(text) : Word::Other);
            m_symbol.push_back(token.kind == TokenKind::Symbol && text.size() == 1
                                   ? text.front().unicode()
                                   : u'\0');
        }
        m_statements = splitStatements(0, sigCount());
    }

    Translation run()
    {
        Translation result;
        refuseServerCode();
        mapColumnTypes();
        renameObjects(result);
        rewriteTokens();
        for (std::size_t s = 1; s < m_statements.size(); ++s) {
            if (isWord(m_statements[s].first, Word::If))
                unsupported(QStringLiteral("IF after another statement of the same text"));
        }
        if (sigCount() > 0 && isWord(0, Word::If)) {
            translateIf(result);
            return result;
        }
        for (const auto& [from, to] : m_statements)
            rewriteTop(from, to);
        // Most statements the system writes run as they stand.
        if (m_changed) {
            result.sql = output(0, static_cast<int>(m_tokens.size()), true);
            result.literals = literalsAsValues(result.sql);
        } else {
            result.sql = m_text;
            result.literals = literalsAsValues(m_text, m_tokens);
        }
        return result;
    }

private:
    int sigCount() const { return static_cast<int>(m_sig.size()); }
    const Token& sig(int k) const { return m_tokens[m_sig[k]]; }
    QStringView sigText(int k) const { return sig(k).text(m_text); }
    bool isWord(int k, Word word) const
    {
        return k >= 0 && k < sigCount() && m_word[std::size_t(k)] == word;
    }
    /// A one-character symbol.
    bool isSymbol(int k, char16_t symbol) const
    {
        return k >= 0 && k < sigCount() && m_symbol[std::size_t(k)] == symbol;
    }
    bool isText(int k) const
    {
        return k >= 0 && k < sigCount() &&
               (sig(k).kind == TokenKind::String || sig(k).kind == TokenKind::NString);
    }
    /// Blanks the output of every raw token from sig(from) to sig(to), both included.
    void blank(int from, int to)
    {
        for (int i = m_sig[from]; i <= m_sig[to]; ++i)
            m_out[i] = QStringView();
        m_changed = true;
    }
    /// Writes `text` in place of raw token i.
    void replace(int i, QString text)
    {
        m_written.push_back(std::move(text));
        m_out[i] = m_written.back();
        m_changed = true;
    }
    /// The output of the raw tokens from sig(from) to sig(to - 1); with `raw`, of the raw tokens
    /// [from, to) instead.
    QString output(int from, int to, bool raw = false) const
    {
        if (from >= to)
            return QString();
        const int first = raw ? from : m_sig[from];
        const int last = raw ? to - 1 : m_sig[to - 1];
        qsizetype length = 0;
        for (int i = first; i <= last; ++i)
            length += m_out[i].size();
        QString text;
        text.reserve(length);
        for (int i = first; i <= last; ++i)
            text.append(m_out[i]);
        return text;
    }
    /// The sig index of the ")" closing the "(" at k; DbError when none does.
    int closingParen(int k) const
    {
        int depth = 0;
        for (int j = k; j < sigCount(); ++j) {
            if (isSymbol(j, u'('))
                ++depth;
            else if (isSymbol(j, u')') && --depth == 0)
                return j;
        }
        throw DbError(QStringLiteral("Unbalanced parentheses in the statement."));
    }
    /// The statements of sig range [from, to): runs between ";" outside parentheses.
    std::vector<std::pair<int, int>> splitStatements(int from, int to) const
    {
        std::vector<std::pair<int, int>> statements;
        int depth = 0;
        int start = from;
        for (int k = from; k < to; ++k) {
            if (isSymbol(k, u'('))
                ++depth;
            else if (isSymbol(k, u')'))
                --depth;
            else if (depth == 0 && isSymbol(k, u';')) {
                if (k > start)
                    statements.emplace_back(start, k);
                start = k + 1;
            }
        }
        if (to > start)
            statements.emplace_back(start, to);
        return statements;
    }

    /// Stored procedures and SELECT … INTO, which SQLite would refuse with a bare syntax error.
    void refuseServerCode() const
    {
        for (const auto& [from, to] : m_statements) {
            std::vector<Word> verbs{Word::Other}; // the last verb at each depth
            for (int k = from; k < to; ++k) {
                // CREATE OR ALTER PROCEDURE is found at its ALTER
                if ((isWord(k, Word::Create) || isWord(k, Word::Alter) || isWord(k, Word::Drop)) &&
                    (isWord(k + 1, Word::Procedure) || isWord(k + 1, Word::Proc)))
                    unsupported(QStringLiteral("stored procedures (CREATE, ALTER and DROP "
                                               "PROCEDURE)"));
                if (isWord(k, Word::Exec) || isWord(k, Word::Execute))
                    unsupported(QStringLiteral("running stored procedures (EXEC, EXECUTE)"));
                if (isSymbol(k, u'(')) {
                    verbs.emplace_back();
                } else if (isSymbol(k, u')')) {
                    if (verbs.size() > 1)
                        verbs.pop_back();
                } else if (isWord(k, Word::Select) || isWord(k, Word::Insert) ||
                           isWord(k, Word::Replace)) {
                    verbs.back() = m_word[std::size_t(k)];
                } else if (isWord(k, Word::Into) && verbs.back() == Word::Select) {
                    unsupported(QStringLiteral("SELECT … INTO; create the table first and fill "
                                               "it with INSERT INTO … SELECT"));
                }
            }
        }
    }

    /// Column types of CREATE TABLE and ALTER TABLE … ADD that SQLite would give an affinity
    /// changing what is written (see column_types.h).
    void mapColumnTypes()
    {
        for (const auto& [from, to] : m_statements) {
            const bool temporary =
                isWord(from + 1, Word::Temp) || isWord(from + 1, Word::Temporary);
            if (isWord(from, Word::Create) && isWord(from + (temporary ? 2 : 1), Word::Table)) {
                int depth = 0;
                for (int k = from; k < to; ++k) {
                    if (isSymbol(k, u'(') && ++depth == 1)
                        mapColumnTypeAt(k + 1, to);
                    else if (isSymbol(k, u')'))
                        --depth;
                    else if (depth == 1 && isSymbol(k, u','))
                        mapColumnTypeAt(k + 1, to);
                }
            } else if (isWord(from, Word::Alter) && isWord(from + 1, Word::Table)) {
                for (int k = from + 2; k < to; ++k) {
                    if (isWord(k, Word::Add))
                        mapColumnTypeAt(isWord(k + 1, Word::Column) ? k + 2 : k + 1, to);
                }
            }
        }
    }

    /// The column definition starting at sig(k): its name, then its type.
    void mapColumnTypeAt(int k, int to)
    {
        static const QStringList constraints{QStringLiteral("CONSTRAINT"),
                                             QStringLiteral("PRIMARY"), QStringLiteral("UNIQUE"),
                                             QStringLiteral("CHECK"), QStringLiteral("FOREIGN")};
        if (k + 1 >= to || !isName(sig(k)) || sig(k + 1).kind != TokenKind::Word)
            return;
        if (sig(k).kind == TokenKind::Word &&
            constraints.contains(sigText(k).toString(), Qt::CaseInsensitive))
            return;
        const QString stored = storedColumnType(sigText(k + 1));
        if (!stored.isNull())
            replace(m_sig[k + 1], stored);
    }

    /// Owner prefixes, catalogue views and tables: dotted names are read whole.
    void renameObjects(Translation& result)
    {
        for (int k = 0; k < sigCount(); ++k) {
            if (!isName(sig(k)) || isSymbol(k - 1, u'.'))
                continue;
            int last = k;
            while (isSymbol(last + 1, u'.') && last + 2 < sigCount() && isName(sig(last + 2)))
                last += 2;
            if (staysAsWritten(k, last)) {
                k = last;
                continue;
            }
            QStringList parts;
            QStringList written;
            for (int j = k; j <= last; j += 2) {
                parts.append(sql::tokenName(m_text, sig(j)));
                written.append(sigText(j).toString());
            }
            const QString renamed = renamedObject(parts, written, result);
            if (!renamed.isNull()) {
                blank(k, last);
                replace(m_sig[k], renamed);
            }
            k = last;
        }
    }

    /// True for a name of plain words (most are) that renamedObject leaves as written: its first
    /// part no owner, catalogue or system table, its second no owner.
    bool staysAsWritten(int first, int last) const
    {
        if (sig(first).kind != TokenKind::Word ||
            (last > first && sig(first + 2).kind != TokenKind::Word))
            return false;
        const Word head = m_word[std::size_t(first)];
        if (head == Word::Dbo || head == Word::InformationSchema || head == Word::Sysdatabases ||
            head == Word::Sysobjects)
            return false;
        return last - first < 4 || m_word[std::size_t(first + 2)] != Word::Dbo;
    }

    /// The replacement of a dotted name, or a null text when it stays as written.
    static QString renamedObject(QStringList parts, QStringList written, Translation& result)
    {
        bool changed = false;
        if (parts.size() >= 2 && same(parts[0], u"dbo")) {
            parts.removeFirst();
            written.removeFirst();
            changed = true;
        } else if (parts.size() >= 3 && same(parts[1], u"dbo")) {
            if (!same(parts[0], u"master") || !same(parts[2], u"sysdatabases"))
                unsupported(
                    QStringLiteral("names in another database (%1)").arg(written.join(u'.')));
            parts.remove(0, 2);
            written.remove(0, 2);
            changed = true;
        }
        if (parts.size() >= 2 && same(parts[0], u"INFORMATION_SCHEMA")) {
            if (same(parts[1], u"TABLES"))
                written[1] = kTablesView;
            else if (same(parts[1], u"COLUMNS"))
                written[1] = kColumnsView;
            else
                unsupported(
                    QStringLiteral("the catalogue view INFORMATION_SCHEMA.%1").arg(parts[1]));
            written.removeFirst();
            changed = true;
        } else if (same(parts[0], u"sysdatabases")) {
            written[0] = kDatabasesTable;
            result.readsDatabaseList = true;
            changed = true;
        } else if (same(parts[0], u"sysobjects")) {
            written[0] = kObjectsView;
            changed = true;
        }
        return changed ? written.join(u'.') : QString();
    }

    /// Literals, variables, type sizes and the constructs refused outright.
    void rewriteTokens()
    {
        for (int k = 0; k < sigCount(); ++k) {
            const Token& token = sig(k);
            const QStringView text = sigText(k);
            if (token.kind == TokenKind::NString) {
                replace(m_sig[k], apart(m_sig[k], text.mid(1).toString()));
            } else if (token.kind == TokenKind::Variable) {
                if (!same(text, u"@@VERSION"))
                    unsupported(QStringLiteral("variables and server functions (%1)").arg(text));
                replace(m_sig[k], apart(m_sig[k], sql::quoteString(versionBanner())));
            } else if (isSymbol(k, u'+') && (isText(k - 1) || isText(k + 1))) {
                // SQLite adds the numbers the texts start with instead of joining them
                unsupported(QStringLiteral("joining texts with +; || joins them here"));
            } else if (isWord(k, Word::Identity)) {
                unsupported(QStringLiteral("IDENTITY columns; an INTEGER PRIMARY KEY column "
                                           "numbers the rows instead"));
            } else if (isWord(k, Word::Like) && k + 1 < sigCount() &&
                       (sig(k + 1).kind == TokenKind::String ||
                        sig(k + 1).kind == TokenKind::NString) &&
                       sigText(k + 1).contains(u'[')) {
                unsupported(QStringLiteral("LIKE patterns with [ ] character classes"));
            } else if ((isWord(k, Word::Nvarchar) || isWord(k, Word::Varchar) ||
                        isWord(k, Word::Varbinary)) &&
                       isSymbol(k + 1, u'(') && isWord(k + 2, Word::Max) && isSymbol(k + 3, u')')) {
                blank(k + 1, k + 3);
                k += 3;
            }
        }
    }

    /// A literal written in place of raw token i, with a blank on each side where it would
    /// otherwise touch a quote: 'a'N'b' must stay two literals, not become 'a''b'.
    QString apart(int i, const QString& literal) const
    {
        const bool quoteBefore = i > 0 && m_out[i - 1].endsWith(u'\'');
        const bool quoteAfter =
            i + 1 < static_cast<int>(m_tokens.size()) && m_tokens[i + 1].kind == TokenKind::String;
        return (quoteBefore ? QStringLiteral(" ") : QString()) + literal +
               (quoteAfter ? QStringLiteral(" ") : QString());
    }

    /// SELECT [DISTINCT | ALL] TOP n of the outer query becomes LIMIT n at its end.
    void rewriteTop(int from, int to)
    {
        int depth = 0;
        int topAt = -1;
        bool combined = false;
        QString limit;
        for (int k = from; k < to; ++k) {
            if (isSymbol(k, u'(')) {
                ++depth;
            } else if (isSymbol(k, u')')) {
                --depth;
            } else if (depth == 0 && (isWord(k, Word::Union) || isWord(k, Word::Except) ||
                                      isWord(k, Word::Intersect))) {
                combined = true;
            } else if (isWord(k, Word::Top)) {
                const bool afterSelect =
                    isWord(k - 1, Word::Select) ||
                    ((isWord(k - 1, Word::Distinct) || isWord(k - 1, Word::All)) &&
                     isWord(k - 2, Word::Select));
                if (!afterSelect)
                    unsupported(QStringLiteral("TOP outside a SELECT list"));
                if (depth > 0 || topAt >= 0)
                    unsupported(QStringLiteral("TOP in a subquery"));
                int valueAt = k + 1;
                int end = k + 1;
                if (isSymbol(k + 1, u'(')) {
                    valueAt = k + 2;
                    end = k + 3;
                    if (!isSymbol(end, u')'))
                        unsupported(QStringLiteral("TOP with an expression"));
                }
                // a parameter would move behind the others and take another's value
                if (valueAt >= to || sig(valueAt).kind != TokenKind::Number)
                    unsupported(QStringLiteral("TOP without a literal number"));
                limit = sigText(valueAt).toString();
                if (isWord(end + 1, Word::Percent) || isWord(end + 1, Word::With))
                    unsupported(QStringLiteral("TOP … PERCENT and TOP … WITH TIES"));
                blank(k, end);
                topAt = k;
            }
        }
        if (topAt < 0)
            return;
        if (combined)
            unsupported(QStringLiteral("TOP beside UNION, EXCEPT or INTERSECT"));
        const int last = m_sig[to - 1];
        replace(last, m_out[last].toString() + QStringLiteral(" LIMIT ") + limit);
    }

    void translateIf(Translation& result)
    {
        int k = 1;
        if (isWord(k, Word::Not)) {
            result.runWhen = false;
            ++k;
        }
        if (!isWord(k, Word::Exists) || !isSymbol(k + 1, u'('))
            unsupported(QStringLiteral("IF without EXISTS (…)"));
        const int close = closingParen(k + 1);
        int bodyEnd = sigCount();
        while (bodyEnd > close + 1 && isSymbol(bodyEnd - 1, u';'))
            --bodyEnd;
        const int bodyStart = close + 1;
        if (bodyStart >= bodyEnd)
            unsupported(QStringLiteral("IF without a statement"));
        if (isWord(bodyStart, Word::Begin))
            unsupported(QStringLiteral("IF … BEGIN … END blocks"));
        if (splitStatements(bodyStart, bodyEnd).size() > 1)
            unsupported(QStringLiteral("IF followed by several statements"));
        int openCases = 0;
        for (int j = bodyStart; j < bodyEnd; ++j) {
            if (isWord(j, Word::Case))
                ++openCases;
            else if (isWord(j, Word::End) && openCases > 0)
                --openCases;
            else if (isWord(j, Word::Else) && openCases == 0)
                unsupported(QStringLiteral("IF … ELSE"));
        }
        rewriteTop(bodyStart, bodyEnd);
        result.condition = QStringLiteral("SELECT EXISTS (") + output(k + 2, close) + u')';
        result.sql = output(bodyStart, bodyEnd);
    }

    const QString& m_text;
    std::vector<Token> m_tokens;
    /// The output of each raw token: its text in the statement, or one of m_written.
    std::vector<QStringView> m_out;
    /// The texts written in place of tokens; a deque, so that the views on them stay valid.
    std::deque<QString> m_written;
    bool m_changed = false;   ///< some token's output differs from its text
    std::vector<int> m_sig;   ///< raw indices of the tokens that are neither blanks nor comments
    std::vector<Word> m_word; ///< of each sig token: the word it is, or Other
    std::vector<char16_t> m_symbol; ///< of each sig token: its one-character symbol, or 0
    std::vector<std::pair<int, int>> m_statements; ///< sig ranges between ";"
};

} // namespace

QString versionBanner()
{
    const int number = sqlite3_libversion_number(); // major * 1000000 + minor * 1000 + patch
    const QString release =
        QStringLiteral("%1.%2").arg(number / 1000000).arg(number / 1000 % 1000, 2, 10, QChar(u'0'));
    // 21 characters, so that the release begins at character 22
    return QStringLiteral("Farm embedded engine %1 - SQLite %2")
        .arg(release.leftJustified(5), QString::fromUtf8(sqlite3_libversion()));
}

Translation translateTsql(const QString& tsql)
{
    return Translator(tsql).run();
}

} // namespace db::sqlite
