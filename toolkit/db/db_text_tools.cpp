#include "toolkit/db/db_text_tools.h"

#include "toolkit/db/statement_text.h"

#include <QtGlobal>

namespace toolkit {

QString DbTextTools::RemoveRLBLank(const QString& InSt)
{
    if (IsBlank(InSt))
        return InSt;
    qsizetype first = 0;
    qsizetype last = InSt.size();
    while (InSt[first] == QLatin1Char(' '))
        ++first; // stops at the latest on the character above code 32 that IsBlank found
    while (InSt[last - 1] == QLatin1Char(' '))
        --last;
    return InSt.mid(first, last - first);
}

QString DbTextTools::FindXOR(const QString& St)
{
    QString out = St;
    for (qsizetype i = 0; i < out.size(); ++i) {
        // position p = i + 1; the key 2 × p is kept to its low 16 bits
        const auto key = static_cast<char16_t>((2 * (i + 1)) & 0xFFFF);
        out[i] = QChar(static_cast<char16_t>(out[i].unicode() ^ key));
    }
    return out;
}

QString DbTextTools::FindXORSimple(const QString& St)
{
    QString out = St;
    for (QChar& c : out)
        c = QChar(static_cast<char16_t>(c.unicode() ^ 1));
    return out;
}

bool DbTextTools::IsBlank(const QString& St)
{
    return trimmedOfControls(St).isEmpty();
}

} // namespace toolkit
