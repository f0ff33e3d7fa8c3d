#pragma once

#include <QString>
#include <QStringList>

namespace toolkit {

/// Lets the operator of a multi-customer installation choose the farm to work on.
class CustomerChooser {
public:
    virtual ~CustomerChooser() = default;
    /// Lists the customers in the order given, none selected, and waits for a choice. Returns the
    /// modal result (1 when a customer was chosen) and, on 1, the chosen entry's text in chosen.
    virtual int ChooseCustomer(const QStringList& customers, QString& chosen) = 0;
};

} // namespace toolkit
