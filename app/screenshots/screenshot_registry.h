#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace screenshots {

/// A window to render: its file name (without ".png") and how to make it, filled and ready.
struct Screenshot {
    QString name;
    std::function<std::unique_ptr<QWidget>()> make;
};

/// Every window registered so far, in registration order.
const std::vector<Screenshot>& allScreenshots();

/// Registers windows at start-up. A file that adds windows holds one of these:
///   const screenshots::Registration boxes{{{"name", [] { return makeTheWindow(); }}}};
class Registration {
public:
    explicit Registration(std::vector<Screenshot> windows);
};

} // namespace screenshots
