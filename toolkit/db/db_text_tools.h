#pragma once

#include <QString>

namespace toolkit {

/// The toolkit's small text operations around settings and statements. They hold no state.
class DbTextTools {
public:
    /// Blanks (code 32 only) removed at the start, then at the end. A text of nothing but
    /// characters of code 32 or less comes back unchanged, as does a tab with blanks behind it.
    static QString RemoveRLBLank(const QString& InSt);
    /// Character p (from 1), a 16-bit code unit, XOR-ed with 2 × p (low 16 bits); its own inverse.
    static QString FindXOR(const QString& St);
    /// Every code unit XOR-ed with 1; its own inverse.
    static QString FindXORSimple(const QString& St);
    /// True when nothing is left once every leading and trailing character of code 32 or less is
    /// removed.
    static bool IsBlank(const QString& St);
};

} // namespace toolkit
