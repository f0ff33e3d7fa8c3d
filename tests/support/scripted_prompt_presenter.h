#pragma once

#include "platform/keyboard_layout.h"
#include "platform/modal_box.h"
#include "platform/prompt_box.h"

#include <QString>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace testing_support {

/// Records every prompt shown and answers each from a queue; with the queue empty it cancels,
/// so an acceptance loop that keeps refusing ends instead of hanging. Installs itself for its
/// lifetime.
class ScriptedPromptPresenter final : public platform::PromptPresenter {
public:
    ScriptedPromptPresenter() { platform::setPromptPresenter(this); }
    ~ScriptedPromptPresenter() override { platform::setPromptPresenter(nullptr); }
    ScriptedPromptPresenter(const ScriptedPromptPresenter&) = delete;
    ScriptedPromptPresenter& operator=(const ScriptedPromptPresenter&) = delete;

    using Response = std::function<platform::PromptAnswer(const platform::PromptRequest&)>;

    /// The next prompt is answered by response, which may act as the user would meanwhile.
    void respond(Response response) { m_answers.push_back(std::move(response)); }
    /// The next prompt is left with this result and its text as shown.
    void answer(int result)
    {
        respond([result](const platform::PromptRequest& request) {
            return platform::PromptAnswer{result, request.text};
        });
    }
    /// The next prompt's control is given text (typed, or the entry chosen), then OK.
    void type(const QString& text)
    {
        respond([text](const platform::PromptRequest&) {
            return platform::PromptAnswer{platform::mrOk, text};
        });
    }
    /// The next prompt's list entry at index is chosen, then OK.
    void choose(int index)
    {
        respond([index](const platform::PromptRequest& request) {
            return platform::PromptAnswer{platform::mrOk, request.entries.at(index)};
        });
    }

    platform::PromptAnswer present(const platform::PromptRequest& request) override
    {
        shown.push_back(request);
        layouts.push_back(platform::requestedKeyboardLayout());
        if (m_answers.empty())
            return {platform::mrCancel, request.text};
        const Response next = std::move(m_answers.front());
        m_answers.pop_front();
        return next(request);
    }
    void closedAtOnce(const platform::PromptRequest& request) override
    {
        closed.push_back(request);
    }

    std::vector<platform::PromptRequest> shown;  ///< prompts shown and answered, in order
    std::vector<QString> layouts;                ///< keyboard layout requested as each was shown
    std::vector<platform::PromptRequest> closed; ///< prompts closed at once after an end request

private:
    std::deque<Response> m_answers;
};

} // namespace testing_support
