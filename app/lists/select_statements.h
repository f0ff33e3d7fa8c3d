#pragma once

#include <QString>
#include <optional>

namespace app {

/// The entry the operator pressed Enter in.
enum class LookupEntry { Body, EarTag };

/// Body numbers are kept five characters long, with leading zeros.
inline constexpr int kBodyNumberWidth = 5;

/// The typed body number with zeros in front up to five characters; longer texts stay as typed.
QString paddedBodyNumber(const QString& typed);

/// The lookup among the animals present on the farm (presence code 0 or 1). The body entry
/// looks up the padded body number, the ear-tag entry the text as typed. With a sex item, only
/// animals whose sex contains that item's text are found.
QString lookupStatement(LookupEntry entry, const QString& typed,
                        const std::optional<QString>& sexItem);

/// The INSERT ... SELECT that adds the animal with serial Ser to the working list with the facts
/// of its status row, its inseminations, its latest sperm recommendation and, when the farm has
/// protocol tables, its open protocol entry. An animal without a status row adds no row.
QString insertListStatement(const QString& Ser, bool withProtocols);

} // namespace app
