#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStringList>

class QButtonGroup;

namespace toolkit {

// The data-entry controls form templates remember. Each class is named after its template class
// key, so that a template line written here ("TDBEdit~Weight~512") reads the same on every
// system; a form says which kind a control is simply by using these classes. Other widgets are
// listed in a starter template under their own class name and otherwise left alone.

/// An edit box; its template value is its text.
class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);
};

/// A drop-down list; its template value is the chosen item's text, matched without regard to
/// letter case when a template is loaded.
class TDBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TDBComboBox(QWidget* parent = nullptr);
};

/// A group of exclusive choices; its template value is the chosen item's index (-1: none).
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    /// Replaces the choices; none is chosen afterwards.
    void setItems(const QStringList& items);
    QStringList Items() const { return m_items; }
    /// The chosen item, -1 when none is.
    int ItemIndex() const;
    /// Chooses item `index`; an index outside the items chooses none.
    void setItemIndex(int index);

private:
    QStringList m_items;
    QButtonGroup* m_buttons;
};

/// The data-bound radio group: the same control under its own template class key.
class TDBRadioGroup : public TRadioGroup {
    Q_OBJECT
public:
    explicit TDBRadioGroup(QWidget* parent = nullptr);
};

/// A check box; its template value is "-1" when checked and "0" when not.
class TDBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TDBCheckBox(QWidget* parent = nullptr);
};

/// The template class name of a widget: its class name without namespace ("TDBEdit",
/// "QLabel").
QString templateClassName(const QObject& object);

} // namespace toolkit
