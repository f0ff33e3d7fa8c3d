#pragma once

#include <QDialog>

class QListWidget;

namespace controls {
class FlatButton;
}

namespace toolkit {

/// The customer chooser: a borderless-caption dialog listing the customers in three columns, with
/// the enter button "ورود" on a side bar at the right. It closes only with a choice (modal
/// result 1); Escape does nothing, as the form has no cancel button.
class MultiUserForm : public QDialog {
    Q_OBJECT

public:
    explicit MultiUserForm(QWidget* parent = nullptr);

    /// Empties the list and adds the customers in this order; no entry is selected.
    void setCustomers(const QStringList& customers);
    /// The selected entry's text; empty when nothing is selected.
    QString selectedCustomer() const;

    /// The enter button: with an entry selected, closes with the modal result OK (1).
    void dxButton1Click();
    /// A double click on the list does what the enter button does.
    void RadioGroup1DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_list = nullptr;
    controls::FlatButton* m_enter = nullptr;
};

} // namespace toolkit
