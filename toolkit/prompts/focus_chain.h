#pragma once

class QWidget;

namespace toolkit {

enum class FocusStep { Next, Previous };

/// Moves the focus of form to the next or previous control in its tab order, as a dialog's
/// own navigation does, walking the focus chain itself: a control that would take a Tab for
/// itself (a multi-line edit) is left as soon as any other. Controls that are hidden,
/// disabled, take no Tab focus or hand their focus to a proxy are passed over; the walk wraps
/// round. With no other control nothing changes.
void moveFocus(QWidget& form, FocusStep step);

} // namespace toolkit
