#pragma once

#include "dataaccess/sqlite/tsql_translator.h"

#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

namespace db::sqlite {

/// The translations of the last texts a session ran, so that a text run again (a table's
/// refresh runs the same reads each time) is not translated again. A text the translation
/// refuses is not kept: it is refused again each time it is run.
class TranslationCache {
public:
    explicit TranslationCache(std::size_t capacity = 16);

    /// translateTsql(tsql), from the cache when the same text was translated lately.
    Translation translate(const QString& tsql);

private:
    std::size_t m_capacity;
    std::vector<std::pair<QString, Translation>> m_recent; ///< the most recently used last
};

} // namespace db::sqlite
