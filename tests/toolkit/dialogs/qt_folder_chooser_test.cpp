#include "toolkit/dialogs/qt_folder_chooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

/// Acts on the next modal dialog as soon as it is on screen.
void onNextModal(std::function<void(QFileDialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

QLineEdit* nameLine(QFileDialog* dialog)
{
    auto* line = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    EXPECT_NE(line, nullptr);
    line->setFocus();
    line->clear();
    return line;
}

/// Types a folder name into the dialog's name line and presses Enter, as a person would.
void typeAndEnter(QFileDialog* dialog, const QString& text)
{
    QLineEdit* line = nameLine(dialog);
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
}

/// Puts a whole path into the name line (as pasting would; typed keys would go to the
/// completer's list) and presses Enter.
void pasteAndEnter(QFileDialog* dialog, const QString& path)
{
    QLineEdit* line = nameLine(dialog);
    line->setText(path);
    QTest::keyClick(line, Qt::Key_Return);
}

/// Farm folders under a temporary root: root/farms/north, and a folder beside the root.
class QtFolderChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString base = QDir(m_dir.path()).canonicalPath();
        m_root = base + QStringLiteral("/farms");
        m_outside = base + QStringLiteral("/elsewhere");
        ASSERT_TRUE(QDir().mkpath(m_root + QStringLiteral("/north")));
        ASSERT_TRUE(QDir().mkpath(m_outside));
    }

    toolkit::QtFolderChooser m_chooser;
    QString m_root;
    QString m_outside;

private:
    QTemporaryDir m_dir;
};

TEST_F(QtFolderChooserTest, OpensOnTheRootWithTheCaptionAndAnswersTheFolderChosen)
{
    QString caption;
    QString opened;
    onNextModal([&](QFileDialog* dialog) {
        caption = dialog->windowTitle();
        opened = dialog->directory().absolutePath();
        typeAndEnter(dialog, QStringLiteral("north"));
    });
    const auto chosen = m_chooser.choose({QStringLiteral("انتخاب پوشه"), m_root});
    EXPECT_EQ(caption, QStringLiteral("انتخاب پوشه"));
    EXPECT_EQ(opened, m_root);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, m_root + QStringLiteral("/north"));
}

TEST_F(QtFolderChooserTest, EscapeCancels)
{
    onNextModal([](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_FALSE(m_chooser.choose({QStringLiteral("c"), m_root}).has_value());
}

TEST_F(QtFolderChooserTest, StaysInsideTheRoot)
{
    // Going up from the root brings the dialog back to it; a folder outside is none chosen.
    QString afterGoingUp;
    onNextModal([&](QFileDialog* dialog) {
        auto* up = dialog->findChild<QToolButton*>(QStringLiteral("toParentButton"));
        ASSERT_NE(up, nullptr);
        QTest::mouseClick(up, Qt::LeftButton);
        afterGoingUp = dialog->directory().absolutePath();
        pasteAndEnter(dialog, m_outside);
    });
    const auto chosen = m_chooser.choose({QStringLiteral("c"), m_root});
    EXPECT_FALSE(chosen.has_value()) << chosen.value_or(QString()).toStdString();
    EXPECT_EQ(afterGoingUp.toStdString(), m_root.toStdString());
}

TEST_F(QtFolderChooserTest, WithoutARootAnyFolderCanBeChosen)
{
    onNextModal([&](QFileDialog* dialog) { pasteAndEnter(dialog, m_outside); });
    EXPECT_EQ(m_chooser.choose({QStringLiteral("c"), QString()}).value_or(QString()).toStdString(),
              m_outside.toStdString());
}

} // namespace
