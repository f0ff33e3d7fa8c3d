#pragma once

#include "toolkit/boxes/message_board.h"

#include <QString>
#include <utility>
#include <vector>

namespace toolkit_system_testing {

/// Remembers every call of the board protocol.
class RecordingBoard final : public toolkit::MessageBoard {
public:
    void StartRecording(bool IsFarsi, const QString& Title) override
    {
        ++starts;
        farsi = IsFarsi;
        caption = Title;
        rows.clear();
    }
    void PostThisMessage(const QString& Titr, const QString& Value) override
    {
        rows.emplace_back(Titr, Value);
    }
    void StopRecording() override { ++stops; }
    bool isOnScreen() const override { return starts > 0; }

    int starts = 0;
    int stops = 0;
    bool farsi = true;
    QString caption;
    std::vector<std::pair<QString, QString>> rows;
};

} // namespace toolkit_system_testing
