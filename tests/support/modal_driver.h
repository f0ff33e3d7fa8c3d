#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace testing_support {

/// Acts on each modal dialog of type Dialog as soon as it is the active modal window, one act a
/// showing, in order. A showing beyond the acts is counted and cancelled, so a test never hangs
/// on the dialog. Keys go where the focus is, so each dialog is given the time to become active.
template <typename Dialog> class ModalDriver {
public:
    /// What the user does in one showing of the dialog.
    using Act = std::function<void(Dialog&)>;

    explicit ModalDriver(std::vector<Act> acts) : m_acts(std::move(acts))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    int acted = 0; ///< showings acted on
    int extra = 0; ///< showings beyond the acts

private:
    void poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("driven").toBool())
            return;
        dialog->setProperty("driven", true);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << "the dialog never became active";
        if (acted < static_cast<int>(m_acts.size())) {
            m_acts[acted++](*dialog);
        } else {
            ++extra;
            dialog->reject();
        }
    }

    std::vector<Act> m_acts;
    QTimer m_timer;
};

} // namespace testing_support
