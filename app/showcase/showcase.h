#pragma once

#include "app/selection_program.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace app {

/// Starts the selection program on a program folder as its entry does and shows the form, for
/// the demo's pictures: boxes go through whatever presenter is installed.
std::unique_ptr<SelectionProgram> startSelectionProgram(const QString& programFolder);

/// Types each number into the body entry and presses Enter there, as an operator does.
void typeBodyNumbers(TSelectForm& form, const QStringList& numbers);

} // namespace app
