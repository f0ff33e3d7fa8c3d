#include "toolkit/db/forms/multi_user_chooser.h"

#include "platform/end_request.h"
#include "platform/modal_box.h"
#include "toolkit/db/forms/multi_user_form.h"

namespace toolkit {

MultiUserChooser::MultiUserChooser() = default;
MultiUserChooser::~MultiUserChooser() = default;

int MultiUserChooser::ChooseCustomer(const QStringList& customers, QString& chosen)
{
    if (!m_form)
        m_form = std::make_unique<MultiUserForm>();
    m_form->setCustomers(customers);
    if (platform::endRequested())
        return platform::mrCancel;
    const int result = m_form->exec();
    if (result == platform::mrOk)
        chosen = m_form->selectedCustomer();
    return result == platform::mrOk ? platform::mrOk : platform::mrCancel;
}

} // namespace toolkit
