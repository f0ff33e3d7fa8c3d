#pragma once

#include <QString>
#include <optional>

namespace platform {

/// The XKB group to lock for a keyboard layout identifier (kPersianLayout or kEnglishLayout),
/// given the desktop's configured layouts ("us,ir": one layout a group, at most four groups,
/// a variant in parentheses allowed). Only a map holding both a Persian ("ir") and a US ("us")
/// layout is switched; any other map, or another identifier, gives no group.
std::optional<int> xkbGroupFor(const QString& layoutId, const QString& configuredLayouts);

} // namespace platform
