#include "toolkit/templates/template_controls.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace toolkit {

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent) {}

TDBComboBox::TDBComboBox(QWidget* parent) : QComboBox(parent) {}

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), m_buttons(new QButtonGroup(this))
{
    new QVBoxLayout(this);
}

void TRadioGroup::setItems(const QStringList& items)
{
    for (QAbstractButton* button : m_buttons->buttons())
        delete button;
    m_items = items;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout()->addWidget(button);
    }
}

int TRadioGroup::ItemIndex() const
{
    return m_buttons->checkedId(); // -1 when none is checked
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* chosen = m_buttons->button(index)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    m_buttons->setExclusive(false);
    for (QAbstractButton* button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}

TDBRadioGroup::TDBRadioGroup(QWidget* parent) : TRadioGroup(parent) {}

TDBCheckBox::TDBCheckBox(QWidget* parent) : QCheckBox(parent) {}

QString templateClassName(const QObject& object)
{
    const QString name = QString::fromLatin1(object.metaObject()->className());
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"));
    return scope < 0 ? name : name.mid(scope + 2);
}

} // namespace toolkit
