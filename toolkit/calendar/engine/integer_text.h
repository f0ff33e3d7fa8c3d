#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace toolkit {

/// Reads a signed 32-bit integer the way every date and time field is read: leading blanks and
/// one sign are allowed, then at least one ASCII digit and nothing after the digits. No value
/// when the text does not read so or the number does not fit.
std::optional<int> tryReadInteger(QStringView text);

/// As tryReadInteger; a text that does not read raises ConversionError naming the text.
int readInteger(QStringView text);

/// The text without the blanks and control characters (codes up to 32) at both ends.
QString trimBlanks(QStringView text);

} // namespace toolkit
