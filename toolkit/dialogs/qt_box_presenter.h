#pragma once

#include "platform/modal_box.h"

namespace toolkit {

/// Shows every message box of the system as a real modal dialog (BoxDialog) over the active
/// window. Installed by the program entry with platform::setBoxPresenter.
class QtBoxPresenter final : public platform::BoxPresenter {
public:
    int present(const platform::BoxRequest& request) override;
};

} // namespace toolkit
