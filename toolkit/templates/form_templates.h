#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace toolkit {

struct ProgramPlace;

/// Form templates: what a data-entry form's controls last held, kept in the text file
/// "ini/NAME.Ini" of the program folder (NAME: the form's object name), one line a control:
/// class "~" name "~" value, the value being everything after the second "~" (empty when there
/// is none). The folder and the file are found without regard to letter case, the folder is
/// never created, and the file is read and written through the text-file layer (code page,
/// CR LF, byte-order marks honoured, replaced whole).
///
/// The controls handled are those of template_controls.h, by the class keys TDBEdit,
/// TDBComboBox, TDBRadioGroup, TRadioGroup and TDBCheckBox (matched without regard to case); a
/// line is applied only when its control is of the kind its class names.
class FormTemplates {
public:
    explicit FormTemplates(const ProgramPlace& place);

    /// Writes the starter file "ini/1NAME.Ini": one line "class~name~ " per owned component.
    /// platform::Error when the folder "ini" is missing or the file cannot be written.
    void SaveTempleateForDef(QWidget& Sender);
    /// Fills the form's controls from its file; nothing happens when there is none.
    void LoadDef(QWidget& Sender);
    /// Writes the controls' current values back into the file it found (only an existing file
    /// is updated). A line of one of our controls takes the control's class key; lines of other
    /// widgets, and of names not on the form, are written back as they were. Blank lines are
    /// dropped. platform::Error when the file cannot be written.
    void SaveDef(QWidget& Sender);

private:
    /// The form's template file in the "ini" folder, each found in any letter case; empty when
    /// either is missing or the form has no name.
    QString templateFile(const QWidget& form) const;

    const ProgramPlace& m_place;
};

/// The components a form owns: its named widgets in the order of its object tree (depth
/// first, each widget's children in the order they were added, which is the order of creation
/// for widgets made with their parent), without Qt's internal children ("qt_…").
QList<QWidget*> ownedComponents(QWidget& form);

} // namespace toolkit
