#include "toolkit/calendar/engine/integer_text.h"

#include "toolkit/calendar/engine/conversion_error.h"

#include <cstdint>
#include <limits>

namespace toolkit {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

std::optional<int> tryReadInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // The magnitude is gathered in 64 bits and checked against the 32-bit range at every digit.
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<int>::min()}
                                        : std::int64_t{std::numeric_limits<int>::max()};
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int readInteger(QStringView text)
{
    const std::optional<int> value = tryReadInteger(text);
    if (!value)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

QString trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.sliced(first, last - first).toString();
}

} // namespace toolkit
