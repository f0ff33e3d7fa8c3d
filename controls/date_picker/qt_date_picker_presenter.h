#pragma once

#include "platform/date_pick_box.h"

namespace controls {

/// Shows every date picker of the system as the real modal dialog (TDatePickerNew) over the
/// active window. Installed by the program entry with platform::setDatePickerPresenter.
class QtDatePickerPresenter final : public platform::DatePickerPresenter {
public:
    platform::DatePickAnswer present(const platform::DatePickRequest& request) override;
};

} // namespace controls
