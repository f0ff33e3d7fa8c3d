#pragma once

#include "platform/folder_chooser.h"

#include <deque>
#include <optional>
#include <vector>

namespace testing_support {

/// Records every folder dialog shown and answers each from a queue (a folder, or nothing for
/// cancel); with the queue empty it cancels. Installs itself for its lifetime.
class ScriptedFolderChooser final : public platform::FolderChooser {
public:
    ScriptedFolderChooser() { platform::setFolderChooser(this); }
    ~ScriptedFolderChooser() override { platform::setFolderChooser(nullptr); }
    ScriptedFolderChooser(const ScriptedFolderChooser&) = delete;
    ScriptedFolderChooser& operator=(const ScriptedFolderChooser&) = delete;

    /// The next dialog is answered with this folder, or cancelled with nothing.
    void answer(std::optional<QString> folder) { m_answers.push_back(std::move(folder)); }

    std::optional<QString> choose(const platform::FolderRequest& request) override
    {
        shown.push_back(request);
        if (m_answers.empty())
            return std::nullopt;
        auto folder = m_answers.front();
        m_answers.pop_front();
        return folder;
    }

    std::vector<platform::FolderRequest> shown; ///< dialogs shown, in order

private:
    std::deque<std::optional<QString>> m_answers;
};

} // namespace testing_support
