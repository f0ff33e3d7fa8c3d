#include "app/showcase/showcase.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace app {
namespace {

void press(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

} // namespace

std::unique_ptr<SelectionProgram> startSelectionProgram(const QString& programFolder)
{
    auto program = std::make_unique<SelectionProgram>(programFolder);
    program->show();
    QApplication::processEvents();
    return program;
}

void typeBodyNumbers(TSelectForm& form, const QStringList& numbers)
{
    for (const QString& number : numbers) {
        form.edit2->clear();
        for (const QChar digit : number)
            press(form.edit2, Qt::Key(digit.unicode()), QString(digit));
        press(form.edit2, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
}

} // namespace app
