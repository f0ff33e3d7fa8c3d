#pragma once

#include "toolkit/dialogs/wait_box_form.h"

#include <QString>
#include <memory>

namespace toolkit {

/// The please-wait box in its three variants. Whichever variant makes the box fixes its size,
/// colour and caption; the others only change its text. At most one box exists at a time.
class WaitBoxes {
public:
    WaitBoxes();
    ~WaitBoxes();
    WaitBoxes(const WaitBoxes&) = delete;
    WaitBoxes& operator=(const WaitBoxes&) = delete;

    /// Narrow box, height 100, no frame buttons, caption "پيام"; Msg wraps at its right edge.
    void ShowBoxMessage(const QString& Msg);
    /// Wide box, height 120, with the frame's close button, caption "Warning"; Msg on one line.
    void ShowBigBoxMessage(const QString& Msg);
    /// As ShowBigBoxMessage, but a box it makes is narrow, 150 high and coloured Color
    /// (red in the lowest byte, green in the next, blue in the third).
    void ShowBoxMessageColor(const QString& Msg, int Color);
    /// Destroys the box; without one nothing happens.
    void ShowBoxClose();

    /// The wait box on screen or hidden; empty when there is none.
    std::unique_ptr<WaitBoxForm> MsgBoxForm;

private:
    void create(const WaitBoxForm::Look& look, const QString& caption);
};

} // namespace toolkit
