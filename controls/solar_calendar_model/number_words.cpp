#include "controls/solar_calendar_model/number_words.h"

#include <array>

namespace controls {

namespace {

// Index 0 of each table is never written.
const std::array<QString, 10> units{QString(),
                                    QStringLiteral("يك "),
                                    QStringLiteral("دو "),
                                    QStringLiteral("سه "),
                                    QStringLiteral("چهار "),
                                    QStringLiteral("پنج "),
                                    QStringLiteral("شش "),
                                    QStringLiteral("هفت "),
                                    QStringLiteral("هشت "),
                                    QStringLiteral("نه ")};
const std::array<QString, 10> teens{QStringLiteral("ده "),     QStringLiteral("يازده "),
                                    QStringLiteral("دوازده "), QStringLiteral("سيزده "),
                                    QStringLiteral("چهارده "), QStringLiteral("پانزده "),
                                    QStringLiteral("شانزده "), QStringLiteral("هفده "),
                                    QStringLiteral("هجده "),   QStringLiteral("نوزده ")};
const std::array<QString, 10> tens{QString(),
                                   QString(),
                                   QStringLiteral("بيست "),
                                   QStringLiteral("سي "),
                                   QStringLiteral("چهل "),
                                   QStringLiteral("پنجاه "),
                                   QStringLiteral("شصت "),
                                   QStringLiteral("هفتاد "),
                                   QStringLiteral("هشتاد "),
                                   QStringLiteral("نود ")};
const std::array<QString, 10> hundreds{QString(),
                                       QStringLiteral("صد "),
                                       QStringLiteral("دويست "),
                                       QStringLiteral("سيصد "),
                                       QStringLiteral("چهارصد "),
                                       QStringLiteral("پانصد "),
                                       QStringLiteral("ششصد "),
                                       QStringLiteral("هفتصد "),
                                       QStringLiteral("هشتصد "),
                                       QStringLiteral("نهصد ")};
// Group 1 and up: thousand, million, milliard (an int reaches 2 milliards).
const std::array<QString, 4> groupWords{QString(), QStringLiteral("هزار "),
                                        QStringLiteral("ميليون "), QStringLiteral("ميليارد ")};
const QString joiningWord = QStringLiteral(" و ");
const QString zeroWord = QStringLiteral("صفر");

const QString ordinalEnding = QStringLiteral("م");
const QString three = QStringLiteral("سه");
const QString thirty = QStringLiteral("سي");

// Whether the trimmed words end with the whole word `word`.
bool endsWithWord(const QString& words, const QString& word)
{
    return words == word || words.endsWith(QLatin1Char(' ') + word);
}

} // namespace

QString numberWords(int n)
{
    if (n < 0)
        return {};
    if (n == 0)
        return zeroWord;
    // Built from the right: each piece goes in front of what is written already, and a joining
    // word goes in front of a piece whenever something stands after it.
    QString text;
    bool written = false;
    const auto put = [&text, &written](const QString& piece) {
        if (written)
            text.prepend(joiningWord);
        text.prepend(piece);
        written = true;
    };
    for (std::size_t group = 0; n > 0; ++group, n /= 1000) {
        const auto digits = static_cast<int>(n % 1000); // [0, 999]
        const int unit = digits % 10;
        const int ten = digits / 10 % 10;
        const int hundred = digits / 100;
        if (group >= 1 && digits != 0) {
            put(groupWords[group]);
            written = false; // the group's own digits stand before its word with no joining
        }
        if (ten != 1 && unit != 0)
            put(units[unit]);
        if (ten >= 2)
            put(tens[ten]);
        else if (ten == 1)
            put(teens[unit]);
        if (hundred != 0)
            put(hundreds[hundred]);
    }
    return text;
}

QString ordinalWords(int n)
{
    if (n < 0)
        return {};
    const QString words = numberWords(n).trimmed();
    if (endsWithWord(words, three))
        return words.chopped(three.size()) + QStringLiteral("سوم ");
    if (endsWithWord(words, thirty))
        return words + QStringLiteral(" ام ");
    return words + ordinalEnding + QLatin1Char(' ');
}

QString yearWords(int year, TFormat format)
{
    const bool fourDigits = year >= 1000 && year <= 9999;
    return numberWords(format == fShort && fourDigits ? year % 100 : year);
}

} // namespace controls
