#include "platform/end_request.h"
#include "platform/modal_box.h"
#include "support/scripted_box_presenter.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

/// A quit a case left posted is taken before the next case starts, so that no case ends
/// another's loop; each case's timers die with its local scope object.
class EndRequestTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        QCoreApplication::processEvents();
        platform::resetEndRequest();
    }
};

platform::BoxRequest question()
{
    platform::BoxRequest r;
    r.kind = platform::BoxKind::Confirmation;
    r.caption = QStringLiteral("سوال");
    r.buttons = {{QStringLiteral("بله"), platform::mrYes}, {QStringLiteral("خير"), platform::mrNo}};
    r.defaultResult = platform::mrYes;
    r.cancelResult = platform::mrNo;
    return r;
}

TEST_F(EndRequestTest, RequestReturnsAtOnceAndCodeAfterItRuns)
{
    std::vector<QString> order;
    QObject scope;
    platform::requestEnd();
    order.push_back("after request");
    EXPECT_TRUE(platform::endRequested());
    QTimer::singleShot(0, &scope, [&] { order.push_back("loop pass"); });
    EXPECT_EQ(platform::runEventLoop(), 0); // returns: the end was requested before the loop
    order.push_back("after loop");
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "after request");
    EXPECT_EQ(order[1], "after loop");
}

TEST_F(EndRequestTest, RequestMadeInsideTheLoopEndsItAtTheNextPass)
{
    std::vector<QString> order;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        platform::requestEnd();
        order.push_back("requester ran on");
        QTimer::singleShot(0, &scope, [&] { order.push_back("later event"); });
    });
    platform::runEventLoop();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), "requester ran on");
}

TEST_F(EndRequestTest, BoxShownAfterRequestClosesAtOnceWithItsCancelResult)
{
    testing_support::ScriptedBoxPresenter boxes;
    boxes.answer(platform::mrYes);
    EXPECT_EQ(platform::showModalBox(question()), platform::mrYes);
    platform::requestEnd();
    EXPECT_EQ(platform::showModalBox(question()), platform::mrNo);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.closed.size(), 1u);
}

TEST_F(EndRequestTest, AQuitTakenByAnEarlierPassIsNotLost)
{
    platform::requestEnd();
    QCoreApplication::processEvents(); // takes the posted quit while no loop runs
    bool hung = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        hung = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    EXPECT_EQ(platform::runEventLoop(), 0);
    EXPECT_FALSE(hung);
}

TEST_F(EndRequestTest, CodeAfterTheRequestRunsOnAndItsBoxesCloseBeforeTheLoopEnds)
{
    testing_support::ScriptedBoxPresenter boxes;
    std::vector<QString> order;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        platform::requestEnd();
        const int answer = platform::showModalBox(question());
        order.push_back(QStringLiteral("box closed with %1").arg(answer));
    });
    EXPECT_EQ(platform::runEventLoop(), 0);
    order.push_back(QStringLiteral("loop ended"));
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], QStringLiteral("box closed with %1").arg(platform::mrNo));
    EXPECT_EQ(order[1], "loop ended");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(boxes.closed.size(), 1u);
}

TEST_F(EndRequestTest, WithoutPresenterABoxIsAnErrorNotAHang)
{
    EXPECT_THROW(platform::showModalBox(question()), std::exception);
}

} // namespace
