#include "dataaccess/base/sql_text.h"

#include <QStringList>

namespace db::sql {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'#';
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// The end of a literal opened at `begin` and closed by `close`, where a doubled `close`
/// stands for itself; `terminated` tells whether the closing character was found.
qsizetype literalEnd(const QString& s, qsizetype begin, QChar close, bool& terminated)
{
    qsizetype i = begin + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            terminated = true;
            return i + 1;
        }
        ++i;
    }
    terminated = false;
    return s.size();
}

/// The end of a block comment opened at `begin`; block comments nest.
qsizetype blockCommentEnd(const QString& s, qsizetype begin, bool& terminated, bool& nested)
{
    int depth = 0;
    qsizetype i = begin;
    while (i + 1 < s.size()) {
        if (s[i] == u'/' && s[i + 1] == u'*') {
            nested = nested || depth > 0;
            ++depth;
            i += 2;
        } else if (s[i] == u'*' && s[i + 1] == u'/') {
            --depth;
            i += 2;
            if (depth == 0) {
                terminated = true;
                return i;
            }
        } else {
            ++i;
        }
    }
    terminated = false;
    return s.size();
}

qsizetype numberEnd(const QString& s, qsizetype i)
{
    while (i < s.size() && isAsciiDigit(s[i]))
        ++i;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isAsciiDigit(s[i]))
            ++i;
    }
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (j < s.size() && isAsciiDigit(s[j])) {
            i = j;
            while (i < s.size() && isAsciiDigit(s[i]))
                ++i;
        }
    }
    return i;
}

qsizetype wordEnd(const QString& s, qsizetype i)
{
    while (i < s.size() && isWordPart(s[i]))
        ++i;
    return i;
}

} // namespace

QString quoteString(const QString& value)
{
    QString doubled = value;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + u'\'';
}

QString bracketName(const QString& name)
{
    QString doubled = name;
    doubled.replace(u']', QStringLiteral("]]"));
    return u'[' + doubled + u']';
}

QString bracketQualifiedName(const QString& name)
{
    QStringList parts;
    QString raw;
    std::vector<Token> partTokens;
    const auto flush = [&] {
        // A bracket or quote the name leaves open is no delimiter: it would swallow the rest of
        // the statement.
        const bool delimited = partTokens.size() == 1 && partTokens.front().terminated &&
                               (partTokens.front().kind == TokenKind::Bracketed ||
                                partTokens.front().kind == TokenKind::Quoted);
        parts.append(delimited ? partTokens.front().text(name).toString()
                               : bracketName(raw.trimmed()));
        raw.clear();
        partTokens.clear();
    };
    for (const Token& token : tokenize(name)) {
        if (token.kind == TokenKind::Symbol && token.text(name) == u".") {
            flush();
            continue;
        }
        raw += token.text(name);
        if (token.kind != TokenKind::Space)
            partTokens.push_back(token);
    }
    flush();
    return parts.join(u'.');
}

std::vector<Token> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    const qsizetype n = sql.size();
    tokens.reserve(static_cast<std::size_t>(n / 3 + 1)); // words, blanks and symbols take turns
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar next = i + 1 < n ? sql[i + 1] : QChar();
        Token token{TokenKind::Symbol, i, 1};
        qsizetype end = i + 1;
        if (c.isSpace()) {
            token.kind = TokenKind::Space;
            while (end < n && sql[end].isSpace())
                ++end;
        } else if (c == u'-' && next == u'-') {
            token.kind = TokenKind::Comment;
            end = sql.indexOf(u'\n', i);
            end = end < 0 ? n : end;
        } else if (c == u'/' && next == u'*') {
            token.kind = TokenKind::Comment;
            end = blockCommentEnd(sql, i, token.terminated, token.nested);
        } else if (c == u'\'') {
            token.kind = TokenKind::String;
            end = literalEnd(sql, i, u'\'', token.terminated);
        } else if ((c == u'N' || c == u'n') && next == u'\'') {
            token.kind = TokenKind::NString;
            end = literalEnd(sql, i + 1, u'\'', token.terminated);
        } else if (c == u'[') {
            token.kind = TokenKind::Bracketed;
            end = literalEnd(sql, i, u']', token.terminated);
        } else if (c == u'"') {
            token.kind = TokenKind::Quoted;
            end = literalEnd(sql, i, u'"', token.terminated);
        } else if (c == u'@') {
            token.kind = TokenKind::Variable;
            end = wordEnd(sql, next == u'@' ? i + 2 : i + 1);
        } else if (isAsciiDigit(c) || (c == u'.' && isAsciiDigit(next))) {
            token.kind = TokenKind::Number;
            end = numberEnd(sql, i);
            // "2Tarvex" and the like: a name that begins with digits
            if (end < n && isWordPart(sql[end])) {
                token.kind = TokenKind::Word;
                end = wordEnd(sql, end);
            }
        } else if (isWordStart(c)) {
            token.kind = TokenKind::Word;
            end = wordEnd(sql, i + 1);
        } else if (c == u'?') {
            token.kind = TokenKind::Parameter;
        } else if (c == u':' && isWordStart(next)) {
            token.kind = TokenKind::Parameter;
            end = wordEnd(sql, i + 1);
        } else if ((c == u'<' && (next == u'=' || next == u'>')) ||
                   ((c == u'>' || c == u'!') && next == u'=') || (c == u'|' && next == u'|') ||
                   (c == u':' && next == u':')) {
            end = i + 2; // <= <> >= != || ::
        }
        token.length = end - i;
        tokens.push_back(token);
        i = end;
    }
    return tokens;
}

QString tokenName(const QString& sql, const Token& token)
{
    const QStringView text = token.text(sql);
    if (token.kind == TokenKind::Bracketed || token.kind == TokenKind::Quoted) {
        const QChar close = token.kind == TokenKind::Bracketed ? u']' : u'"';
        QString inner =
            text.mid(1, token.terminated ? text.size() - 2 : text.size() - 1).toString();
        inner.replace(QString(2, close), QString(close));
        return inner;
    }
    return text.toString();
}

} // namespace db::sql
