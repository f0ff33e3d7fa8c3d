#include "toolkit/prompts/focus_chain.h"

#include <QWidget>

namespace toolkit {

namespace {

bool takesTabFocus(const QWidget& widget, const QWidget& form)
{
    return &widget != &form && widget.window() == &form && widget.isVisibleTo(&form) &&
           widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus) && !widget.focusProxy();
}

} // namespace

void moveFocus(QWidget& form, FocusStep step)
{
    QWidget* start = form.focusWidget() ? form.focusWidget() : &form;
    const auto neighbour = [step](QWidget* w) {
        return step == FocusStep::Next ? w->nextInFocusChain() : w->previousInFocusChain();
    };
    // The chain is a ring through every widget of the window.
    for (QWidget* w = neighbour(start); w && w != start; w = neighbour(w)) {
        if (takesTabFocus(*w, form)) {
            w->setFocus(step == FocusStep::Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace toolkit
