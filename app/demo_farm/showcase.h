#pragma once

#include "app/select_form.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace app {

/// Starts the selection program on a program folder in the order of its entry (form, toolkit
/// object, data module) and shows the form; the form owns the other two. For the demo's
/// screenshots: boxes go through whatever presenter is installed.
std::unique_ptr<TSelectForm> startSelectionProgram(const QString& programFolder);

/// Types each number into the body entry and presses Enter there, as an operator does.
void typeBodyNumbers(TSelectForm& form, const QStringList& numbers);

} // namespace app
