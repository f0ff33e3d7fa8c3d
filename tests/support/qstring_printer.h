#pragma once

#include <QString>
#include <ostream>

/// Lets GoogleTest print texts as UTF-8 in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
