#pragma once

#include "platform/date_pick_box.h"

#include <deque>
#include <utility>
#include <vector>

namespace testing_support {

/// Records every date picker shown and answers each from a queue; with the queue empty it
/// cancels. Installs itself for its lifetime.
class ScriptedDatePicker final : public platform::DatePickerPresenter {
public:
    ScriptedDatePicker() { platform::setDatePickerPresenter(this); }
    ~ScriptedDatePicker() override { platform::setDatePickerPresenter(nullptr); }
    ScriptedDatePicker(const ScriptedDatePicker&) = delete;
    ScriptedDatePicker& operator=(const ScriptedDatePicker&) = delete;

    /// The next picker is left with this answer.
    void answer(platform::DatePickAnswer answer) { m_answers.push_back(std::move(answer)); }

    platform::DatePickAnswer present(const platform::DatePickRequest& request) override
    {
        shown.push_back(request);
        if (m_answers.empty())
            return {platform::mrCancel, QString()};
        platform::DatePickAnswer next = m_answers.front();
        m_answers.pop_front();
        return next;
    }
    void closedAtOnce(const platform::DatePickRequest& request) override
    {
        closed.push_back(request);
    }

    std::vector<platform::DatePickRequest> shown;  ///< pickers shown and answered, in order
    std::vector<platform::DatePickRequest> closed; ///< pickers closed at once after an end request

private:
    std::deque<platform::DatePickAnswer> m_answers;
};

} // namespace testing_support
