#pragma once

#include <QString>

namespace platform {

/// True when a name built from data can name a file inside a folder and nothing else: not
/// empty, no "/", no "..", no NUL character.
bool isSafeFileName(const QString& name);

/// The extension without its leading dot when it is one or more letters, digits, "_" or "-"
/// (".txt" and "txt" give "txt"); empty for anything else.
QString plainExtension(const QString& ext);

} // namespace platform
