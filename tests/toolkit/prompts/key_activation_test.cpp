#include "platform/modal_box.h"
#include "toolkit/prompts/key_preview.h"
#include "toolkit/prompts/prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using toolkit::Prompts;

/// A data-entry form whose controls, in tab order, are: first, memo (multi-line), a disabled
/// edit, list, a hidden edit, button. Its keys go to handler before its controls see them.
class EntryForm : public QDialog {
public:
    explicit EntryForm(toolkit::KeyDownHandler handler)
    {
        setLayoutDirection(Qt::RightToLeft);
        first = new QLineEdit(this);
        memo = new QTextEdit(this);
        disabled = new QLineEdit(this);
        disabled->setEnabled(false);
        list = new QComboBox(this);
        list->addItems({QStringLiteral("يك"), QStringLiteral("دو")});
        hidden = new QLineEdit(this);
        hidden->hide();
        button = new QPushButton(QStringLiteral("ثبت"), this);
        int top = 0;
        for (QWidget* w :
             std::initializer_list<QWidget*>{first, memo, disabled, list, hidden, button}) {
            w->setGeometry(10, top, 200, 24);
            top += 30;
        }
        resize(220, top);
        new toolkit::KeyPreview(*this, std::move(handler));
    }

    QLineEdit* first;
    QTextEdit* memo;
    QLineEdit* disabled;
    QComboBox* list;
    QLineEdit* hidden;
    QPushButton* button;
};

class KeyActivation : public ::testing::Test {
protected:
    void press(Qt::Key key)
    {
        QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
        QTest::keyClick(target, key);
    }

    EntryForm form{&Prompts::SetKeyActivateConfig};
};

struct MoveCase {
    const char* name;
    int from; ///< index into the form's controls
    Qt::Key key;
    int to;
    /// A failing row is named, not dumped.
    friend void PrintTo(const MoveCase& c, std::ostream* out) { *out << c.name; }
};

class FocusMoves : public KeyActivation, public ::testing::WithParamInterface<MoveCase> {
protected:
    QWidget* control(int index) const
    {
        const QWidget* all[] = {form.first, form.memo, form.list, form.button};
        return const_cast<QWidget*>(all[index]);
    }
};

TEST_P(FocusMoves, EnterAndLeftGoOnRightGoesBack)
{
    const MoveCase& c = GetParam();
    form.show();
    control(c.from)->setFocus();
    const QString memoText = QStringLiteral("سطر");
    form.memo->setPlainText(memoText);
    press(c.key);
    EXPECT_EQ(form.focusWidget(), control(c.to));
    EXPECT_EQ(form.memo->toPlainText(), memoText) << "the key was swallowed";
    EXPECT_EQ(form.list->currentIndex(), 0);
    EXPECT_TRUE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FocusMoves,
    ::testing::Values(MoveCase{"enterFromEdit", 0, Qt::Key_Return, 1},
                      MoveCase{"keypadEnterLeavesTheMemo", 1, Qt::Key_Enter, 2},
                      MoveCase{"leftLeavesTheMemo", 1, Qt::Key_Left, 2},
                      MoveCase{"leftSkipsHiddenToButton", 2, Qt::Key_Left, 3},
                      MoveCase{"enterWrapsRound", 3, Qt::Key_Return, 0},
                      MoveCase{"rightBackSkipsDisabled", 2, Qt::Key_Right, 1},
                      MoveCase{"rightWrapsRoundBack", 0, Qt::Key_Right, 3}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(KeyActivation, OtherKeysReachTheControls)
{
    form.show();
    form.memo->setFocus();
    QTest::keyClicks(form.memo, "ab");
    press(Qt::Key_Up);
    press(Qt::Key_Tab); // a multi-line edit takes Tab for itself
    EXPECT_EQ(form.memo->toPlainText(), QStringLiteral("ab\t"));
    EXPECT_EQ(form.focusWidget(), form.memo);
}

TEST_F(KeyActivation, EscapeEndsAModalFormWithCancel)
{
    for (auto handler : {&Prompts::SetKeyActivateConfig, &Prompts::SetKeyActivateJustClose}) {
        EntryForm modal(handler);
        QTimer::singleShot(0, &modal, [&] {
            modal.memo->setFocus();
            QTest::keyClick(modal.memo, Qt::Key_Escape);
        });
        EXPECT_EQ(modal.exec(), platform::mrCancel);
    }
}

TEST_F(KeyActivation, EscapeClosesAModelessForm)
{
    form.show();
    form.first->setFocus();
    press(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KeyActivation, JustCloseLeavesEveryOtherKeyToTheControls)
{
    EntryForm plain(&Prompts::SetKeyActivateJustClose);
    plain.show();
    plain.memo->setFocus();
    QTest::keyClicks(plain.memo, "ab");
    QTest::keyClick(plain.memo, Qt::Key_Return);
    QTest::keyClick(plain.memo, Qt::Key_Left);
    QTest::keyClicks(plain.memo, "c");
    // Enter broke the line and Left went back over the break.
    EXPECT_EQ(plain.memo->toPlainText(), QStringLiteral("abc\n"));
    EXPECT_EQ(plain.focusWidget(), plain.memo);
}

struct CodeCase {
    const char* name;
    quint16 key;
    quint16 afterConfig;
    /// A failing row is named, not dumped.
    friend void PrintTo(const CodeCase& c, std::ostream* out) { *out << c.name; }
};

class KeyCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(KeyCodes, OnlyTheMovingKeysAreSwallowed)
{
    const CodeCase& c = GetParam();
    QWidget form;
    quint16 key = c.key;
    Prompts::SetKeyActivateConfig(&form, key, Qt::NoModifier);
    EXPECT_EQ(key, c.afterConfig);
    key = c.key;
    Prompts::SetKeyActivateJustClose(&form, key, Qt::NoModifier);
    EXPECT_EQ(key, c.key);
    Prompts::SetKeyActivateConfig(nullptr, key, Qt::NoModifier); // no form: nothing happens
}

INSTANTIATE_TEST_SUITE_P(Codes, KeyCodes,
                         ::testing::Values(CodeCase{"enter", 13, 0}, CodeCase{"left", 37, 0},
                                           CodeCase{"right", 39, 0}, CodeCase{"escape", 27, 27},
                                           CodeCase{"up", 38, 38}, CodeCase{"tab", 9, 9},
                                           CodeCase{"letterA", 65, 65}),
                         [](const ::testing::TestParamInfo<CodeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(VirtualKeys, CodesOfQtKeys)
{
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Return), 13);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Enter), 13);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Escape), 27);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Left), 37);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Right), 39);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_F12), 0x7B);
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Z), 'Z');
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_7), '7');
    EXPECT_EQ(toolkit::virtualKeyOf(Qt::Key_Alt), std::nullopt);
}

} // namespace
