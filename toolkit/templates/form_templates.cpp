#include "toolkit/templates/form_templates.h"

#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/base/work_folders.h"
#include "toolkit/templates/template_controls.h"

#include <QDir>

namespace toolkit {

namespace {

const QString kFolder = QStringLiteral("ini");
const QString kExtension = QStringLiteral(".Ini");
const QString kStarterPrefix = QStringLiteral("1");
const QChar kSeparator = u'~';

/// One line of a template: class, name and value.
struct TemplateLine {
    QString className;
    QString name;
    QString value;

    static TemplateLine parse(const QString& line)
    {
        const qsizetype first = line.indexOf(kSeparator);
        if (first < 0)
            return {line, QString(), QString()};
        const qsizetype second = line.indexOf(kSeparator, first + 1);
        if (second < 0)
            return {line.left(first), line.mid(first + 1), QString()};
        return {line.left(first), line.mid(first + 1, second - first - 1), line.mid(second + 1)};
    }
    QString text() const { return className + kSeparator + name + kSeparator + value; }
};

QWidget* componentNamed(const QList<QWidget*>& components, const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    for (QWidget* widget : components) {
        if (widget->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return widget;
    }
    return nullptr;
}

/// A template value read as a check box's state: "True" or a non-zero number.
bool readsAsTrue(const QString& value)
{
    if (value.trimmed().compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    return ok && number != 0.0;
}

/// Applies a value to a control of the kind the class key names; other pairs are left alone.
void apply(const QString& key, QWidget* widget, const QString& value)
{
    if (key == u"TDBEDIT") {
        if (auto* edit = qobject_cast<TDBEdit*>(widget))
            edit->setText(value);
    } else if (key == u"TDBCOMBOBOX") {
        if (auto* combo = qobject_cast<TDBComboBox*>(widget))
            combo->setCurrentIndex(combo->findText(value, Qt::MatchFixedString)); // any case
    } else if (key == u"TDBRADIOGROUP" || key == u"TRADIOGROUP") {
        if (auto* group = qobject_cast<TRadioGroup*>(widget)) {
            bool ok = false;
            const int index = value.toInt(&ok);
            group->setItemIndex(ok ? index : -1);
        }
    } else if (key == u"TDBCHECKBOX") {
        if (auto* box = qobject_cast<TDBCheckBox*>(widget))
            box->setChecked(readsAsTrue(value));
    }
}

bool isHandledKey(const QString& key)
{
    return key == u"TDBEDIT" || key == u"TDBCOMBOBOX" || key == u"TDBRADIOGROUP" ||
           key == u"TRADIOGROUP" || key == u"TDBCHECKBOX";
}

/// The template value of one of our controls; a null text for any other widget.
QString currentValue(QWidget* widget)
{
    if (auto* edit = qobject_cast<TDBEdit*>(widget))
        return edit->text();
    if (auto* combo = qobject_cast<TDBComboBox*>(widget))
        return combo->currentText();
    if (auto* group = qobject_cast<TRadioGroup*>(widget))
        return QString::number(group->ItemIndex());
    if (auto* box = qobject_cast<TDBCheckBox*>(widget))
        return box->isChecked() ? QStringLiteral("-1") : QStringLiteral("0");
    return QString();
}

} // namespace

QList<QWidget*> ownedComponents(QWidget& form)
{
    QList<QWidget*> components;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_")))
            components.append(widget);
    }
    return components;
}

FormTemplates::FormTemplates(const ProgramPlace& place) : m_place(place) {}

QString FormTemplates::templateFile(const QWidget& form) const
{
    const QString folder = findFolderIgnoringCase(m_place.AppPath, kFolder);
    if (folder.isEmpty() || form.objectName().isEmpty())
        return QString();
    return findFileIgnoringCase(folder, form.objectName() + kExtension);
}

void FormTemplates::SaveTempleateForDef(QWidget& Sender)
{
    const QString folder = findFolderIgnoringCase(m_place.AppPath, kFolder);
    if (folder.isEmpty())
        throw platform::Error(QStringLiteral("The folder %1 for form templates does not exist.")
                                  .arg(m_place.AppPath + kFolder));
    const QString name = kStarterPrefix + Sender.objectName() + kExtension;
    QString file = findFileIgnoringCase(folder, name);
    if (file.isEmpty())
        file = QDir(folder).filePath(name);
    QStringList lines;
    for (QWidget* widget : ownedComponents(Sender))
        lines.append(templateClassName(*widget) + kSeparator + widget->objectName() + kSeparator +
                     u' ');
    platform::writeTextFile(file, lines);
}

void FormTemplates::LoadDef(QWidget& Sender)
{
    const QString file = templateFile(Sender);
    if (file.isEmpty())
        return;
    const QList<QWidget*> components = ownedComponents(Sender);
    for (const QString& text : platform::readTextLines(file)) {
        const TemplateLine line = TemplateLine::parse(text);
        if (QWidget* widget = componentNamed(components, line.name))
            apply(line.className.toUpper(), widget, line.value);
    }
}

void FormTemplates::SaveDef(QWidget& Sender)
{
    const QString file = templateFile(Sender);
    if (file.isEmpty())
        return;
    const QList<QWidget*> components = ownedComponents(Sender);
    QStringList lines;
    for (const QString& text : platform::readTextLines(file)) {
        QString rebuilt = text;
        TemplateLine line = TemplateLine::parse(text);
        QWidget* widget = componentNamed(components, line.name);
        const QString value = widget != nullptr ? currentValue(widget) : QString();
        if (!value.isNull()) {
            if (isHandledKey(line.className.toUpper()))
                line.value = value;
            line.className = templateClassName(*widget);
            rebuilt = line.text();
        }
        if (!rebuilt.trimmed().isEmpty())
            lines.append(rebuilt);
    }
    platform::writeTextFile(file, lines);
}

} // namespace toolkit
