#include "toolkit/prompts/prompt_layout.h"

#include "toolkit/dialogs/dialog_font.h"
#include "toolkit/prompts/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>

namespace toolkit {

namespace {
constexpr int promptPointSize = 9;
constexpr int editFrame = 4;           // frame and margin of an edit, above and below its text
constexpr int inputGap = 5;            // between the prompt text and the input
constexpr int buttonGap = 15;          // between the input and the buttons
constexpr int bottomMargin = 13;       // under the buttons
constexpr int unboundedHeight = 32767; // room for any prompt while it is measured
} // namespace

QFont promptFont()
{
    return dialogFont(promptPointSize);
}

QString promptLines(const QString& prompt)
{
    QString lines = prompt;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

QString wrappedPrompt(const QFont& font, const QString& prompt, int width)
{
    QStringList lines;
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(Qt::RightToLeft);
    for (const QString& paragraph : promptLines(prompt).split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList broken;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            broken.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        for (qsizetype i = 0; i + 1 < broken.size(); ++i) {
            while (broken[i].endsWith(QLatin1Char(' ')))
                broken[i].chop(1);
        }
        lines.append(broken.isEmpty() ? QStringList{QString()} : broken);
    }
    return lines.join(QLatin1Char('\n'));
}

int editHeight(const QFont& font)
{
    return QFontMetrics(font).height() + 2 * editFrame;
}

platform::PromptGeometry promptGeometry(const QFont& font, const QString& prompt, int inputHeight)
{
    const CharSize unit = averageCharSize(font);
    const int textWidth = mulDiv(164, unit.x, 4);
    // An empty prompt still takes one line, as a blank would.
    const QString lines = prompt.isEmpty() ? QStringLiteral(" ") : promptLines(prompt);
    const int textHeight =
        QFontMetrics(font)
            .boundingRect(QRect(0, 0, textWidth, unboundedHeight),
                          Qt::TextWordWrap | Qt::AlignRight | Qt::AlignTop, lines)
            .height();

    platform::PromptGeometry g;
    g.prompt = QRect(mulDiv(8, unit.x, 4), mulDiv(8, unit.y, 8), textWidth, textHeight);
    g.input = QRect(g.prompt.left(), g.prompt.top() + g.prompt.height() + inputGap, textWidth,
                    inputHeight);
    const int buttonTop = g.input.top() + g.input.height() + buttonGap;
    const QSize button(mulDiv(50, unit.x, 4), mulDiv(14, unit.y, 8));
    g.ok = QRect(QPoint(mulDiv(38, unit.x, 4), buttonTop), button);
    g.cancel = QRect(QPoint(mulDiv(92, unit.x, 4), buttonTop), button);
    g.client = QSize(mulDiv(180, unit.x, 4), g.cancel.top() + g.cancel.height() + bottomMargin);
    return g;
}

} // namespace toolkit
