#pragma once

#include "platform/prompt_box.h"

#include <QFont>
#include <QString>

namespace toolkit {

/// The font of every prompt: Tahoma, 9 points.
QFont promptFont();

/// The prompt as a label shows it: CR LF and a lone CR become line breaks.
QString promptLines(const QString& prompt);

/// The prompt broken into the lines it takes at width pixels in font, words kept whole, one
/// "\n" between lines, and without the blank each broken line ends with (a right-aligned line
/// would stand that far from the edge). An empty prompt is one empty line.
QString wrappedPrompt(const QFont& font, const QString& prompt, int width);

/// A one-line edit's own height in font: the text's height and 4 pixels of frame and margin
/// above and below it.
int editHeight(const QFont& font);

/// The height of every drop-down list of the prompts: a 16-pixel item in a 3-pixel edge.
constexpr int dropDownHeight = 22;

/// Where the controls of a prompt stand, in pixels, measured in units of font's average
/// character size (X, Y) with the MulDiv rule:
///   prompt text  left 8X/4, top 8Y/8, width 164X/4 (it wraps there), height of its lines
///   input        left as the prompt, 5 below it, width 164X/4, inputHeight high
///   OK, cancel   left 38X/4 and 92X/4, 15 below the input, 50X/4 wide, 14Y/8 high
///   client area  180X/4 wide, 13 below the buttons
platform::PromptGeometry promptGeometry(const QFont& font, const QString& prompt, int inputHeight);

} // namespace toolkit
