#include "dataaccess/sqlite/translation_cache.h"

#include <algorithm>

namespace db::sqlite {

TranslationCache::TranslationCache(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 1))
{
    m_recent.reserve(m_capacity);
}

Translation TranslationCache::translate(const QString& tsql)
{
    const auto found = std::find_if(m_recent.rbegin(), m_recent.rend(),
                                    [&](const auto& entry) { return entry.first == tsql; });
    if (found != m_recent.rend()) {
        // Moved to the end, the most recently used place.
        std::rotate(std::prev(found.base()), found.base(), m_recent.end());
        return m_recent.back().second;
    }
    Translation translation = translateTsql(tsql);
    if (m_recent.size() == m_capacity)
        m_recent.erase(m_recent.begin());
    m_recent.emplace_back(tsql, translation);
    return translation;
}

} // namespace db::sqlite
