#pragma once

namespace toolkit {

/// Restores the process-wide formats and the keyboard layout that other operations may change.
class SettingsTools {
public:
    /// Date formats "dd/mm/yyyy", time formats "HH:mm:ss", decimal separator ".", Persian keyboard.
    void SetConfigAgain();
    /// The board calls this each time it is shown.
    void _SetConfigAgain();
    void SwitchToFarsi();
    void SwitchToEnglish();
    /// The formats alone, as the creation handler sets them (no decimal separator, no keyboard).
    static void setDateTimeFormats();
};

} // namespace toolkit
