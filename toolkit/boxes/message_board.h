#pragma once

#include <QString>

namespace toolkit {

/// The message board protocol that long operations write their reports through. The board
/// window implements it; whether it is on screen is its visibility.
class MessageBoard {
public:
    virtual ~MessageBoard() = default;
    /// Opens a new, empty report titled Title and shows the board busy.
    virtual void StartRecording(bool IsFarsi, const QString& Title) = 0;
    /// Appends one or more rows (long texts are split) and shows the board if it is hidden.
    virtual void PostThisMessage(const QString& Titr, const QString& Value) = 0;
    /// Ends the report: buttons enabled, busy bar hidden; the board stays on screen.
    virtual void StopRecording() = 0;
    /// True while the board window is shown.
    virtual bool isOnScreen() const = 0;
};

} // namespace toolkit
