// The selection form on a real X display under a real window manager, which adds a frame the
// form has to make room for. Run by run_under_window_manager.sh, never on the offscreen platform.
#include "../selection_app.h"
#include "controls/flat_button.h"
#include "platform/end_request.h"
#include "support/scripted_box_presenter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

TEST(SelectFormUnderAWindowManager, TheWholeWindowAndTheReturnButtonFitTheWorkArea)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    testing_support::ScriptedBoxPresenter boxes;
    app_test::FarmFolders folders;
    folders.writeFarm();
    folders.installCreateList();
    folders.writeSettings();
    app_test::SelectionApp app(folders.programFolder());
    ASSERT_FALSE(platform::endRequested()) << app_test::shownBoxes(boxes);

    app::TSelectForm& form = *app.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The window manager decorates the window, then the form makes room for the frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.windowHandle()->frameMargins().isNull(); }))
        << "the window manager gave the window no frame";
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect expected(available.left(), 0, available.width(), available.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.frameGeometry() == expected; }))
        << "frame at " << form.frameGeometry().y() << " height " << form.frameGeometry().height();

    const QRect button(form.dxButton2->mapToGlobal(QPoint(0, 0)), form.dxButton2->size());
    EXPECT_TRUE(available.contains(button)) << "return button at " << button.y() << ".."
                                            << button.bottom() << " of " << available.bottom();
}

} // namespace
