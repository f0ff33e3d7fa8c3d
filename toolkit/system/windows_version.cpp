#include "toolkit/system/windows_version.h"

namespace toolkit {

namespace {

constexpr int windows95Family = 1;
constexpr int windowsNtFamily = 2;

QString windows95FamilyCode(const platform::SystemVersion& v)
{
    if (v.major == 4 && v.minor == 0)
        return QStringLiteral("400-wvWin95");
    if (v.major == 4 && v.minor == 10) {
        // The second edition says so in the second character of its service-pack text.
        if (v.servicePack.size() >= 2 && v.servicePack.at(1) == QLatin1Char('A'))
            return QStringLiteral("410-wvWin98SE");
        return QStringLiteral("411-wvWin98");
    }
    if (v.major == 4 && v.minor == 90)
        return QStringLiteral("490-wvWinME");
    return QStringLiteral("491-wvUnknown");
}

QString windowsNtFamilyCode(const platform::SystemVersion& v)
{
    if (v.major <= 4)
        return QStringLiteral("433-wvWinNT");
    if (v.major == 5 && v.minor == 0)
        return QStringLiteral("500-wvWin2000");
    if (v.major == 5 && v.minor == 1)
        return QStringLiteral("510-wvWinXP");
    if (v.major == 5 && v.minor == 2)
        return QStringLiteral("520-wv2003Server");
    if (v.major == 6 && v.minor == 0) {
        const bool workstation =
            v.productType.compare(QLatin1String("WINNT"), Qt::CaseInsensitive) == 0;
        return workstation ? QStringLiteral("600-wvWinVista") : QStringLiteral("607-wv2008Server");
    }
    if (v.major == 6 && v.minor == 1)
        return QStringLiteral("610-wvSeven");
    return kUnknownWindowsVersion;
}

} // namespace

QString windowsVersionCode(const platform::SystemVersion& version)
{
    if (!version.isWindows)
        return kUnknownWindowsVersion;
    if (version.platformId == windows95Family)
        return windows95FamilyCode(version);
    if (version.platformId == windowsNtFamily)
        return windowsNtFamilyCode(version);
    return kUnknownWindowsVersion;
}

} // namespace toolkit
