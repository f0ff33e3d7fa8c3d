#pragma once

#include <QString>

namespace toolkit {

/// The toolkit's modal message boxes and tones. Every box goes through platform::showModalBox.
class MessageBoxes {
public:
    /// Information box, caption "پيام", one button "بازگشت"; returns when it is closed.
    void ShowMsg(const QString& St);
    /// Error box with the system's own message under the text.
    void ShowExceptMsg(const QString& Msg, const QString& ErMsg);
    /// Yes/no question: 6 or 7.
    int AskYesNo(const QString& St);
    /// Yes/no/no to all/yes to all: 6, 7, 9 or 10.
    int AskYesNoAll(const QString& St);
    /// Report, chart or neither: 6, 7 or 2.
    int ChartOrFr3();
    /// A tone of aFreq Hz for aDelay ms; returns after the duration.
    void Sound(int aFreq, int aDelay);
    void NoSound();
    /// 1200 Hz for 50 ms, then 900 Hz for 100 ms.
    void WarningSound();
};

} // namespace toolkit
