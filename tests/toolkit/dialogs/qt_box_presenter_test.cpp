#include "platform/end_request.h"
#include "support/recording_tones.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/dialogs/box_dialog.h"
#include "toolkit/dialogs/qt_box_presenter.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

/// Acts on the next modal dialog as soon as it is on screen.
void onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

/// Types key as the person would: into the dialog's focused control.
void typeInto(QWidget* modal, Qt::Key key)
{
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, key);
}

struct KeyCase {
    const char* name;
    std::function<int(toolkit::MessageBoxes&)> show;
    Qt::Key key;
    int expected;
};

class QtBoxKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    QtBoxKeys() { platform::setBoxPresenter(&presenter); }
    ~QtBoxKeys() override { platform::setBoxPresenter(nullptr); }

    toolkit::QtBoxPresenter presenter;
    testing_support::RecordingTones tones;
    toolkit::MessageBoxes messages;
};

TEST_P(QtBoxKeys, KeyPressesTheRightButton)
{
    const KeyCase& c = GetParam();
    onNextModal([&c](QWidget* modal) { typeInto(modal, c.key); });
    EXPECT_EQ(c.show(messages), c.expected);
}

const QString question = QStringLiteral("ادامه مي دهيد؟");

INSTANTIATE_TEST_SUITE_P(
    Keys, QtBoxKeys,
    ::testing::Values(KeyCase{"AskYesNoEscapeIsNo", [](auto& m) { return m.AskYesNo(question); },
                              Qt::Key_Escape, platform::mrNo},
                      KeyCase{"AskYesNoEnterIsYes", [](auto& m) { return m.AskYesNo(question); },
                              Qt::Key_Return, platform::mrYes},
                      KeyCase{"AskYesNoAllEscapeIsNo",
                              [](auto& m) { return m.AskYesNoAll(question); }, Qt::Key_Escape,
                              platform::mrNo},
                      KeyCase{"AskYesNoAllEnterIsYes",
                              [](auto& m) { return m.AskYesNoAll(question); }, Qt::Key_Enter,
                              platform::mrYes},
                      KeyCase{"ChartOrFr3EscapeIsNeither", [](auto& m) { return m.ChartOrFr3(); },
                              Qt::Key_Escape, platform::mrCancel},
                      KeyCase{"ChartOrFr3EnterIsReport", [](auto& m) { return m.ChartOrFr3(); },
                              Qt::Key_Return, platform::mrYes},
                      KeyCase{"ShowMsgEscapeCloses",
                              [](auto& m) {
                                  m.ShowMsg(question);
                                  return platform::mrOk;
                              },
                              Qt::Key_Escape, platform::mrOk}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(QtBoxKeys, ClickedButtonGivesItsResult)
{
    onNextModal([](QWidget* modal) {
        QTest::mouseClick(static_cast<toolkit::BoxDialog*>(modal)->button(platform::mrNo),
                          Qt::LeftButton);
    });
    EXPECT_EQ(messages.ChartOrFr3(), platform::mrNo);
}

TEST_F(QtBoxKeys, EndRequestedWhileOpenClosesWithTheCancelResult)
{
    // As in the program: the box opens from a handler running in the application's loop.
    int result = platform::mrNone;
    QTimer::singleShot(0, [&] { result = messages.AskYesNoAll(question); });
    onNextModal([](QWidget*) { platform::requestEnd(); });
    platform::runEventLoop();
    platform::resetEndRequest();
    EXPECT_EQ(result, platform::mrNo);
}

TEST(BoxDialog, ShowsTheRequestLeftToRightWithTextsReadingRightToLeft)
{
    platform::BoxRequest request;
    request.kind = platform::BoxKind::Confirmation;
    request.caption = QStringLiteral("سوال");
    request.text = QStringLiteral("سطر اول") + QChar(13) + QStringLiteral("سطر دوم");
    request.buttons = {
        {QStringLiteral("بله"), 6}, {QStringLiteral("خير"), 7}, {QStringLiteral("هيچكدام"), 2}};
    request.defaultResult = 6;
    request.cancelResult = 7;
    toolkit::BoxDialog dialog(request);
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), request.caption);
    const auto* text = dialog.findChild<QLabel*>(QStringLiteral("boxText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("سطر اول\nسطر دوم"));
    EXPECT_EQ(text->layoutDirection(), Qt::RightToLeft);
    QPushButton* yes = dialog.button(6);
    QPushButton* no = dialog.button(7);
    QPushButton* neither = dialog.button(2);
    ASSERT_TRUE(yes && no && neither);
    EXPECT_LT(yes->x(), no->x());
    EXPECT_LT(no->x(), neither->x());
    EXPECT_TRUE(yes->isDefault());
    EXPECT_FALSE(no->isDefault());
    EXPECT_GT(text->x(), 0) << "the icon stands left of the text";
}

} // namespace
