#pragma once

#include "platform/modal_box.h"

#include <deque>
#include <vector>

namespace testing_support {

/// Records every box shown and answers each from a queue of results; with the queue empty it
/// answers the box's default button. Installs itself for its lifetime.
class ScriptedBoxPresenter final : public platform::BoxPresenter {
public:
    ScriptedBoxPresenter() { platform::setBoxPresenter(this); }
    ~ScriptedBoxPresenter() override { platform::setBoxPresenter(nullptr); }
    ScriptedBoxPresenter(const ScriptedBoxPresenter&) = delete;
    ScriptedBoxPresenter& operator=(const ScriptedBoxPresenter&) = delete;

    /// The next box is answered with this result.
    void answer(int result) { m_answers.push_back(result); }

    int present(const platform::BoxRequest& request) override
    {
        shown.push_back(request);
        if (m_answers.empty())
            return request.defaultResult;
        const int result = m_answers.front();
        m_answers.pop_front();
        return result;
    }
    void closedAtOnce(const platform::BoxRequest& request) override { closed.push_back(request); }

    std::vector<platform::BoxRequest> shown;  ///< boxes shown and answered, in order
    std::vector<platform::BoxRequest> closed; ///< boxes that closed at once after an end request

private:
    std::deque<int> m_answers;
};

} // namespace testing_support
