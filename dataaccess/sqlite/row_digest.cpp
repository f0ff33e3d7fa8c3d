#include "dataaccess/sqlite/row_digest.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"

#include <QtGlobal>
#include <cstring>
#include <sqlite3.h>

namespace db::sqlite {

namespace {

/// A 64-bit digest taken a word at a time. Each step is one-to-one both in the digest so far
/// and in the word, so two equally long sequences of words that differ in one word always end
/// differently; other differences end alike only by chance.
class Digest {
public:
    explicit Digest(quint64 seed) : m_value(seed) {}

    void add(quint64 word)
    {
        m_value ^= word * 0x9E3779B97F4A7C15ULL;
        m_value = ((m_value << 29) | (m_value >> 35)) * 0xBF58476D1CE4E5B9ULL;
    }
    void add(const unsigned char* bytes, std::size_t length)
    {
        for (; length >= sizeof(quint64); bytes += sizeof(quint64), length -= sizeof(quint64)) {
            quint64 word;
            std::memcpy(&word, bytes, sizeof word);
            add(word);
        }
        if (length > 0) {
            quint64 word = 0;
            std::memcpy(&word, bytes, length);
            add(word);
        }
    }
    quint64 value() const { return m_value; }

private:
    quint64 m_value;
};

void rowDigest(sqlite3_context* context, int count, sqlite3_value** values)
{
    Digest digest(static_cast<quint64>(count));
    for (int i = 0; i < count; ++i) {
        sqlite3_value* value = values[i];
        // Each value's kind and length go in before its bytes, so that neither a null and an
        // empty text nor "ab","c" and "a","bc" give the same words.
        const int kind = sqlite3_value_type(value);
        switch (kind) {
        case SQLITE_INTEGER:
            digest.add(static_cast<quint64>(kind));
            digest.add(static_cast<quint64>(sqlite3_value_int64(value)));
            break;
        case SQLITE_FLOAT: {
            const double real = sqlite3_value_double(value);
            quint64 bits;
            std::memcpy(&bits, &real, sizeof bits);
            digest.add(static_cast<quint64>(kind));
            digest.add(bits);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            // The bytes as stored: a text is not converted.
            const auto* bytes = static_cast<const unsigned char*>(sqlite3_value_blob(value));
            const auto length = static_cast<quint64>(sqlite3_value_bytes(value));
            digest.add(static_cast<quint64>(kind) | length << 8);
            digest.add(bytes, length);
            break;
        }
        default:
            digest.add(static_cast<quint64>(kind));
            break;
        }
    }
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(digest.value()));
}

} // namespace

void installRowDigest(sqlite3* db)
{
    // Direct only: a digest has no place in a view or trigger another program would meet.
    if (sqlite3_create_function_v2(db, "row_digest", -1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                                   rowDigest, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
}

QString rowDigestCall(const QStringList& columns)
{
    QStringList names;
    names.reserve(columns.size());
    for (const QString& column : columns)
        names.append(sql::bracketName(column));
    return QStringLiteral("row_digest(%1)").arg(names.join(QStringLiteral(", ")));
}

} // namespace db::sqlite
