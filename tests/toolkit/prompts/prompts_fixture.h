#pragma once

#include "platform/end_request.h"
#include "platform/keyboard_layout.h"
#include "support/qstring_printer.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "support/scripted_prompt_presenter.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/prompts/prompts.h"

#include <QCoreApplication>
#include <QString>
#include <gtest/gtest.h>

namespace prompts_testing {

/// The prompts with every prompt and box answered by a script, no tones, the keyboard layout
/// set to US English and the end request cleared before and after each test.
class PromptsTest : public ::testing::Test {
protected:
    PromptsTest()
    {
        platform::resetEndRequest();
        platform::switchKeyboardLayout(platform::kEnglishLayout);
    }
    ~PromptsTest() override
    {
        QCoreApplication::processEvents(); // takes a posted quit while no loop runs
        platform::resetEndRequest();
    }

    toolkit::ToolsState state;
    testing_support::ScriptedBoxPresenter boxPresenter;
    testing_support::ScriptedPromptPresenter prompter;
    testing_support::RecordingTones silentTones;
    toolkit::MessageBoxes boxes;
    toolkit::SettingsTools settings;
    toolkit::Prompts prompts{state, boxes, settings};
};

} // namespace prompts_testing
