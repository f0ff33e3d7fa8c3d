#include "controls/flat_button.h"
#include "platform/end_request.h"
#include "platform/modal_box.h"
#include "toolkit/db/forms/multi_user_chooser.h"
#include "toolkit/db/forms/multi_user_form.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using toolkit::MultiUserForm;

const QStringList customers{QStringLiteral("گاوداري مهر"), QStringLiteral("O'Brien Farm"),
                            QStringLiteral("دامپروري البرز")};

QListWidget& listOf(MultiUserForm& form)
{
    return *form.findChild<QListWidget*>(QStringLiteral("RadioGroup1"));
}

controls::FlatButton& enterOf(MultiUserForm& form)
{
    return *form.findChild<controls::FlatButton*>(QStringLiteral("dxButton1"));
}

QPoint centreOfRow(QListWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

/// A double click as the window system delivers it: a click, then the double-click event.
void doubleClickRow(QListWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, row));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, row));
}

class MultiUserFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.setCustomers(customers);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    MultiUserForm form;
};

TEST_F(MultiUserFormTest, LooksAsDesigned)
{
    EXPECT_EQ(form.size(), QSize(549, 417));
    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(form.windowTitle().isEmpty());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    const auto* title = form.findChild<QLabel*>(QStringLiteral("StaticText1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("انتخاب مشتري جهت ورود ...."));
    EXPECT_EQ(title->height(), 17);
    EXPECT_EQ(enterOf(form).text(), QStringLiteral("ورود"));
    EXPECT_EQ(enterOf(form).height(), 32);
    EXPECT_TRUE(enterOf(form).isDefault());
    const auto* sideBar = form.findChild<QWidget*>(QStringLiteral("dxContainer1"));
    ASSERT_NE(sideBar, nullptr);
    EXPECT_EQ(sideBar->width(), 66);
    // The side bar stands at the right edge, the list to its left.
    EXPECT_GT(sideBar->mapTo(&form, QPoint(0, 0)).x(), listOf(form).mapTo(&form, QPoint(0, 0)).x());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Image1"))->size(), QSize(59, 80));
}

TEST_F(MultiUserFormTest, ListsCustomersInOrderNoneSelected)
{
    QListWidget& list = listOf(form);
    ASSERT_EQ(list.count(), customers.size());
    for (int i = 0; i < customers.size(); ++i)
        EXPECT_EQ(list.item(i)->text(), customers[i]);
    EXPECT_TRUE(list.selectedItems().isEmpty());

    list.setCurrentRow(1);
    form.setCustomers({QStringLiteral("A")});
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(form.selectedCustomer().isEmpty());
}

TEST_F(MultiUserFormTest, ThreeColumnsShareTheListsWidth)
{
    QListWidget& list = listOf(form);
    const int columnWidth = list.viewport()->width() / 3;
    EXPECT_EQ(list.visualItemRect(list.item(0)).width(), columnWidth);
    // Entries run down the first column at the right edge, then on into the next.
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many.append(QStringLiteral("مشتري %1").arg(i));
    form.setCustomers(many);
    QCoreApplication::processEvents();
    const QRect first = list.visualItemRect(list.item(0));
    EXPECT_EQ(list.visualItemRect(list.item(1)).left(), first.left());
    EXPECT_GT(first.right(), list.viewport()->width() - columnWidth);
    EXPECT_LT(list.visualItemRect(list.item(59)).left(), first.left());
}

TEST_F(MultiUserFormTest, EnterWithoutSelectionDoesNothing)
{
    QSignalSpy finished(&form, &QDialog::finished);
    QTest::mouseClick(&enterOf(form), Qt::LeftButton);
    QTest::keyClick(&listOf(form), Qt::Key_Return);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MultiUserFormTest, EnterButtonChoosesTheSelectedCustomer)
{
    QListWidget& list = listOf(form);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, 1));
    QTest::mouseClick(&enterOf(form), Qt::LeftButton);
    EXPECT_EQ(form.result(), platform::mrOk);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.selectedCustomer(), QStringLiteral("O'Brien Farm"));
}

TEST_F(MultiUserFormTest, EnterKeyPressesTheDefaultButton)
{
    QListWidget& list = listOf(form);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, 2));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(form.result(), platform::mrOk);
    EXPECT_EQ(form.selectedCustomer(), customers[2]);
}

TEST_F(MultiUserFormTest, DoubleClickChoosesTheCustomer)
{
    QListWidget& list = listOf(form);
    doubleClickRow(list, 0);
    EXPECT_EQ(form.result(), platform::mrOk);
    EXPECT_EQ(form.selectedCustomer(), customers[0]);
}

TEST(MultiUserChooser, ModalRunReturnsTheChoiceAndKeepsTheForm)
{
    platform::resetEndRequest();
    toolkit::MultiUserChooser chooser;
    const MultiUserForm* created = nullptr;
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, [&chooser, round] {
            MultiUserForm& form = *chooser.form();
            doubleClickRow(listOf(form), round);
        });
        // Never leaves a test waiting: a modal loop still running after a while is closed.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&chooser] { chooser.form()->reject(); });
        guard.start(10000);

        QString chosen;
        EXPECT_EQ(chooser.ChooseCustomer(customers, chosen), platform::mrOk);
        EXPECT_EQ(chosen, customers[round]);
        EXPECT_EQ(listOf(*chooser.form()).count(), customers.size());
        if (round == 0)
            created = chooser.form();
        EXPECT_EQ(chooser.form(), created) << "the form is made once and kept";
    }
}

TEST(MultiUserChooser, AfterAnEndRequestAnswersNoChoiceAtOnce)
{
    toolkit::MultiUserChooser chooser;
    platform::requestEnd();
    QString chosen = QStringLiteral("untouched");
    EXPECT_EQ(chooser.ChooseCustomer(customers, chosen), platform::mrCancel);
    EXPECT_EQ(chosen, QStringLiteral("untouched"));
    EXPECT_FALSE(chooser.form()->isVisible());
    QCoreApplication::processEvents(); // takes the posted quit while no loop runs
    platform::resetEndRequest();
}

} // namespace
