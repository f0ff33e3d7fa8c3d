#include "dataaccess/base/db_error.h"
#include "dataaccess/sqlite/translation_cache.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace {

using db::sqlite::translateTsql;
using db::sqlite::TranslationCache;

// Texts of one length that translate differently, so that a cache answering for the wrong text
// shows.
const QStringList kTexts{
    QStringLiteral("select top 1 a from dbo.t"), QStringLiteral("select top 2 a from dbo.t"),
    QStringLiteral("select top 3 a from dbo.u"), QStringLiteral("select N'x' from sysobjects")};

TEST(TranslationCache, AnswersEveryTextAsTheTranslatorDoesWhateverTheOrder)
{
    // Runs of texts on a cache of two: hits, misses, evictions and texts used again after
    // being evicted.
    const std::vector<std::vector<int>> runs{
        {0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 0, 1, 2}, {0, 1, 0, 2, 0, 1}, {3, 2, 1, 0, 3, 0, 2}};
    for (const std::vector<int>& run : runs) {
        TranslationCache cache(2);
        for (int i : run) {
            const db::sqlite::Translation expected = translateTsql(kTexts[i]);
            const db::sqlite::Translation got = cache.translate(kTexts[i]);
            EXPECT_EQ(got.sql, expected.sql) << "text " << i;
            EXPECT_EQ(got.readsDatabaseList, expected.readsDatabaseList) << "text " << i;
        }
    }
}

TEST(TranslationCache, RefusesARefusedTextEveryTime)
{
    TranslationCache cache;
    const QString refused = QStringLiteral("select * from t where a = @x");
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_THROW(cache.translate(refused), db::DbError) << "attempt " << attempt;
    EXPECT_EQ(cache.translate(kTexts[0]).sql, translateTsql(kTexts[0]).sql);
}

} // namespace
