#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string>

namespace calendar_test {

/// A test name made of a table row's values, so that a failing row says which it is: letters
/// and digits stay, a leading "-" reads "minus", "." reads "p", every other character "_", an
/// empty value "empty"; values are joined by "__".
inline std::string caseName(std::initializer_list<QString> values)
{
    std::string name;
    for (const QString& value : values) {
        if (!name.empty())
            name += "__";
        if (value.isEmpty())
            name += "empty";
        for (int i = 0; i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (c.unicode() < 128 && c.isLetterOrNumber())
                name += char(c.unicode());
            else if (c == QLatin1Char('-') && i == 0)
                name += "minus";
            else if (c == QLatin1Char('.'))
                name += 'p';
            else
                name += '_';
        }
    }
    return name;
}

/// The name of a number's row (see caseName).
inline std::string caseName(double number)
{
    return caseName({QString::number(number, 'g', 17)});
}

} // namespace calendar_test
