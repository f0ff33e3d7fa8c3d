#include "toolkit/dialogs/wait_boxes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString narrowText = QStringLiteral("           لطفا صبر كنيد               ");
const QString wideText = QStringLiteral("                                           لطفا صبر كنيد "
                                        "                                          ");

struct VariantCase {
    const char* name;
    std::function<void(toolkit::WaitBoxes&, const QString&)> show;
    QString firstText;
    int height;
    QColor background;
    QString caption;
    bool closeButton;
};

class WaitBoxVariant : public ::testing::TestWithParam<VariantCase> {
protected:
    toolkit::WaitBoxes boxes;
};

TEST_P(WaitBoxVariant, MakesTheBoxOnFirstCallWithItsOwnLook)
{
    const VariantCase& c = GetParam();
    c.show(boxes, QString());

    ASSERT_TRUE(boxes.MsgBoxForm);
    const toolkit::WaitBoxForm& box = *boxes.MsgBoxForm;
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isModal());
    EXPECT_EQ(box.textLabel()->text(), c.firstText);
    EXPECT_EQ(box.height(), c.height);
    EXPECT_EQ(box.palette().color(QPalette::Window), c.background);
    EXPECT_EQ(box.windowTitle(), c.caption);
    EXPECT_EQ(box.windowFlags().testFlag(Qt::WindowCloseButtonHint), c.closeButton);
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box.textLabel()->layoutDirection(), Qt::RightToLeft);
}

TEST_P(WaitBoxVariant, LaterCallsOfAnyVariantChangeOnlyTheText)
{
    const VariantCase& c = GetParam();
    c.show(boxes, QString());
    const QPointer<toolkit::WaitBoxForm> first = boxes.MsgBoxForm.get();
    const QSize size = first->size();

    boxes.ShowBoxMessage(QStringLiteral("ساخت جدول"));
    boxes.ShowBigBoxMessage(QStringLiteral("ساخت جدول دوم"));
    boxes.ShowBoxMessageColor(QStringLiteral("ساخت جدول سوم"), 0x0000FF);

    ASSERT_EQ(boxes.MsgBoxForm.get(), first.data());
    EXPECT_EQ(first->size(), size);
    EXPECT_EQ(first->palette().color(QPalette::Window), c.background);
    EXPECT_EQ(first->windowTitle(), c.caption);
    EXPECT_EQ(first->textLabel()->text(), QStringLiteral("ساخت جدول سوم"));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, WaitBoxVariant,
    ::testing::Values(
        VariantCase{"ShowBoxMessage",
                    [](toolkit::WaitBoxes& b, const QString& m) { b.ShowBoxMessage(m); },
                    narrowText, 100, QColor(0xF9, 0xFF, 0xE1), QStringLiteral("پيام"), false},
        VariantCase{"ShowBigBoxMessage",
                    [](toolkit::WaitBoxes& b, const QString& m) { b.ShowBigBoxMessage(m); },
                    wideText, 120, QColor(0xFF, 0xDB, 0xCA), QStringLiteral("Warning"), true},
        // Red in the lowest byte: 0x2080F0 is red F0, green 80, blue 20.
        VariantCase{
            "ShowBoxMessageColor",
            [](toolkit::WaitBoxes& b, const QString& m) { b.ShowBoxMessageColor(m, 0x2080F0); },
            narrowText, 150, QColor(0xF0, 0x80, 0x20), QStringLiteral("Warning"), true}),
    [](const ::testing::TestParamInfo<VariantCase>& info) { return std::string(info.param.name); });

TEST(WaitBox, TheWideLineMakesAWiderBox)
{
    toolkit::WaitBoxes narrow;
    toolkit::WaitBoxes wide;
    narrow.ShowBoxMessage(QString());
    wide.ShowBigBoxMessage(QString());
    // The wide line holds 60 blanks more than the narrow one; they alone make the difference.
    const QFontMetrics metrics(wide.MsgBoxForm->textLabel()->font());
    EXPECT_NEAR(wide.MsgBoxForm->width() - narrow.MsgBoxForm->width(),
                metrics.horizontalAdvance(QString(60, QLatin1Char(' '))), 2);
}

TEST(WaitBox, ShowBoxMessageWrapsTheTextAtTheRightEdge)
{
    toolkit::WaitBoxes boxes;
    boxes.ShowBigBoxMessage(QString());
    const QLabel* label = boxes.MsgBoxForm->textLabel();
    const int width = label->width();

    const QString longText =
        QString(20, QChar(0x0633)) + QStringLiteral(" ") + QString(200, QChar(0x0645));
    boxes.ShowBoxMessage(longText);

    EXPECT_EQ(label->text(), longText);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->width(), width);
    EXPECT_EQ(label->geometry().right(), boxes.MsgBoxForm->width() - 1);
    EXPECT_EQ(label->geometry().top(), 0);
    EXPECT_EQ(label->height(), boxes.MsgBoxForm->height());
}

TEST(WaitBox, BigBoxMessageKeepsTheLabelOnOneLineSizedToItsText)
{
    toolkit::WaitBoxes boxes;
    boxes.ShowBoxMessageColor(QString(), 0);
    const QLabel* label = boxes.MsgBoxForm->textLabel();
    const QString longText = QString(300, QChar(0x0645));
    boxes.ShowBigBoxMessage(longText);

    EXPECT_FALSE(label->wordWrap());
    EXPECT_GT(label->width(), boxes.MsgBoxForm->width());
    EXPECT_EQ(label->height(), label->sizeHint().height());
}

TEST(WaitBox, BoxClosedByItsCloseButtonStaysHiddenUntilDestroyed)
{
    toolkit::WaitBoxes boxes;
    boxes.ShowBigBoxMessage(QString());
    boxes.MsgBoxForm->close();
    ASSERT_TRUE(boxes.MsgBoxForm);

    boxes.ShowBigBoxMessage(QStringLiteral("مرحله دوم"));
    EXPECT_FALSE(boxes.MsgBoxForm->isVisible());
    EXPECT_EQ(boxes.MsgBoxForm->textLabel()->text(), QStringLiteral("مرحله دوم"));
}

TEST(WaitBox, CloseDestroysTheBoxAndIsHarmlessRepeated)
{
    toolkit::WaitBoxes boxes;
    boxes.ShowBoxClose();
    boxes.ShowBoxMessage(QString());
    const QPointer<toolkit::WaitBoxForm> box = boxes.MsgBoxForm.get();

    boxes.ShowBoxClose();
    boxes.ShowBoxClose();

    EXPECT_FALSE(boxes.MsgBoxForm);
    EXPECT_TRUE(box.isNull());
    boxes.ShowBoxMessageColor(QString(), 0);
    EXPECT_EQ(boxes.MsgBoxForm->height(), 150) << "a new box takes the look of its maker";
}

} // namespace
