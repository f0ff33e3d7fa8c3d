#pragma once

#include "toolkit/db/customer_chooser.h"

#include <memory>

namespace toolkit {

class MultiUserForm;

/// The production customer chooser: the form MultiUserForm, created at its first use and kept
/// for the rest of the run, filled anew on every use and shown modally. Once the end of the
/// application has been requested it answers "no choice" at once without showing the form.
class MultiUserChooser final : public CustomerChooser {
public:
    MultiUserChooser();
    ~MultiUserChooser() override;

    int ChooseCustomer(const QStringList& customers, QString& chosen) override;

    /// The form, or nullptr before the first use.
    MultiUserForm* form() const { return m_form.get(); }

private:
    std::unique_ptr<MultiUserForm> m_form;
};

} // namespace toolkit
