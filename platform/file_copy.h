#pragma once

#include <QString>

namespace platform {

/// Copies the whole content of a file (its size taken when the copy starts) to target,
/// replacing any file there. The copy is written to a temporary file beside the target and
/// renamed over it, so a failed copy leaves the old target as it was and no part of a new one.
/// False when the source cannot be opened for reading or the target is the source itself
/// (under any name or link), which then stays whole. Raises Error naming the file when the
/// target cannot be written or the source fails while being read.
bool copyFileWhole(const QString& source, const QString& target);

} // namespace platform
