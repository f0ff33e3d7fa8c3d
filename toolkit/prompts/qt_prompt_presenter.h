#pragma once

#include "platform/prompt_box.h"

namespace toolkit {

/// Shows every prompt of the system as a real modal dialog (PromptDialog) over the active
/// window. Installed by the program entry with platform::setPromptPresenter.
class QtPromptPresenter final : public platform::PromptPresenter {
public:
    platform::PromptAnswer present(const platform::PromptRequest& request) override;
};

} // namespace toolkit
