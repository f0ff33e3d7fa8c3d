#pragma once

#include "app/data_module.h"
#include "app/select_form.h"

#include <QString>
#include <memory>

namespace toolkit {
class TTools;
}

namespace app {

/// The program's three long-lived objects, made in the program's order: the selection form,
/// then the toolkit object with its creation handler, then the data module, with pending window
/// messages processed after the form and after the data module. The entry, the demo's pictures
/// and the tests all start the program through it.
class SelectionProgram {
public:
    /// Starts the program on the program folder `programFolder` (the toolkit's AppPath).
    explicit SelectionProgram(const QString& programFolder);
    ~SelectionProgram();
    SelectionProgram(const SelectionProgram&) = delete;
    SelectionProgram& operator=(const SelectionProgram&) = delete;

    /// Shows the form, unless start-up already asked for the end.
    void show();

    TSelectForm& form() { return *m_form; }
    toolkit::TTools& tools() { return *m_tools; }
    TDM& dm() { return *m_dm; }

private:
    std::unique_ptr<TSelectForm> m_form;
    std::unique_ptr<toolkit::TTools> m_tools;
    std::unique_ptr<TDM> m_dm;
};

} // namespace app
