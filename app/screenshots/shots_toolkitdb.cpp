// The customer chooser of a multi-customer installation, with a customer selected.
#include "app/screenshots/screenshot_registry.h"
#include "toolkit/db/forms/multi_user_form.h"

#include <QListWidget>

namespace {

std::unique_ptr<QWidget> customerChooser()
{
    auto form = std::make_unique<toolkit::MultiUserForm>();
    form->setCustomers({QStringLiteral("گاوداري مهر"), QStringLiteral("دامپروري البرز"),
                        QStringLiteral("شركت شير پاك"), QStringLiteral("مجتمع دامداري كوثر"),
                        QStringLiteral("گاوداري سبز دشت"), QStringLiteral("دامداري نمونه"),
                        QStringLiteral("Test Farm")});
    form->findChild<QListWidget*>(QStringLiteral("RadioGroup1"))->setCurrentRow(1);
    return form;
}

const screenshots::Registration toolkitDbWindows{{
    {QStringLiteral("toolkitdb-MultiUserForm"), customerChooser},
}};

} // namespace
