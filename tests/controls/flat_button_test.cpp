#include "controls/flat_button.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using controls::FlatButton;

/// A window with an entry and two flat buttons, as the forms have them.
struct Window {
    Window()
    {
        auto* layout = new QHBoxLayout(&widget);
        layout->addWidget(edit);
        layout->addWidget(first);
        layout->addWidget(second);
        widget.setLayoutDirection(Qt::RightToLeft);
        widget.show();
    }

    QWidget widget;
    QLineEdit* edit = new QLineEdit;
    FlatButton* first = new FlatButton(QStringLiteral("ورود"));
    FlatButton* second = new FlatButton(QStringLiteral("برگشت"));
};

enum class Target { Entry, OtherButton };

struct EnterCase {
    const char* name;
    bool makeDefault;
    bool enabled;
    bool visible;
    Target target;
    Qt::Key key;
    int defaultClicks;
    int otherClicks;
};

void PrintTo(const EnterCase& c, std::ostream* os)
{
    *os << c.name;
}

class EnterKey : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterKey, PressesTheRightButton)
{
    const EnterCase& c = GetParam();
    Window w;
    w.first->setDefault(c.makeDefault);
    w.first->setEnabled(c.enabled);
    w.first->setVisible(c.visible);
    QSignalSpy firstClicks(w.first, &FlatButton::clicked);
    QSignalSpy secondClicks(w.second, &FlatButton::clicked);

    QTest::keyClick(c.target == Target::Entry ? static_cast<QWidget*>(w.edit) : w.second, c.key);

    EXPECT_EQ(firstClicks.count(), c.defaultClicks);
    EXPECT_EQ(secondClicks.count(), c.otherClicks);
}

INSTANTIATE_TEST_SUITE_P(Rows, EnterKey,
                         ::testing::Values(EnterCase{"ReturnInAnEntryPressesTheDefault", true, true,
                                                     true, Target::Entry, Qt::Key_Return, 1, 0},
                                           EnterCase{"KeypadEnterPressesTheDefault", true, true,
                                                     true, Target::Entry, Qt::Key_Enter, 1, 0},
                                           EnterCase{"NoDefaultNothingPressed", false, true, true,
                                                     Target::Entry, Qt::Key_Return, 0, 0},
                                           EnterCase{"DisabledDefaultNotPressed", true, false, true,
                                                     Target::Entry, Qt::Key_Return, 0, 0},
                                           EnterCase{"HiddenDefaultNotPressed", true, true, false,
                                                     Target::Entry, Qt::Key_Return, 0, 0},
                                           EnterCase{"FocusedButtonTakesEnter", true, true, true,
                                                     Target::OtherButton, Qt::Key_Return, 0, 1},
                                           EnterCase{"OtherKeysPressNothing", true, true, true,
                                                     Target::Entry, Qt::Key_Escape, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FlatButton, MouseClickOnlyWhenEnabled)
{
    Window w;
    QSignalSpy clicks(w.first, &FlatButton::clicked);
    QTest::mouseClick(w.first, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    w.first->setEnabled(false);
    QTest::mouseClick(w.first, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(FlatButton, DefaultOfADialogAcceptsItOnEnter)
{
    QDialog dialog;
    auto* layout = new QHBoxLayout(&dialog);
    auto* edit = new QLineEdit;
    auto* enter = new FlatButton(QStringLiteral("ورود"));
    layout->addWidget(edit);
    layout->addWidget(enter);
    enter->setDefault(true);
    QObject::connect(enter, &FlatButton::clicked, &dialog, &QDialog::accept);
    dialog.show();

    QTest::keyClick(edit, Qt::Key_Return);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(FlatButton, MovedToAnotherWindowServesThatWindow)
{
    Window from;
    Window to;
    from.first->setDefault(true);
    QSignalSpy clicks(from.first, &FlatButton::clicked);

    to.widget.layout()->addWidget(from.first);
    from.first->show();
    QTest::keyClick(from.edit, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyClick(to.edit, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(FlatButton, NoLongerDefaultIgnoresEnter)
{
    Window w;
    w.first->setDefault(true);
    w.first->setDefault(false);
    QSignalSpy clicks(w.first, &FlatButton::clicked);
    QTest::keyClick(w.edit, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
