#include "dataaccess/field.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/dataset.h"

#include <QStringList>

namespace db {

namespace {

/// Significant digits of a real number written as text (the general format).
constexpr int kRealDigits = 15;

bool isIntegerType(const QString& type)
{
    static const QStringList types{QStringLiteral("int"),     QStringLiteral("integer"),
                                   QStringLiteral("bigint"),  QStringLiteral("smallint"),
                                   QStringLiteral("tinyint"), QStringLiteral("bit")};
    return types.contains(type);
}

bool isRealType(const QString& type)
{
    static const QStringList types{QStringLiteral("float"),     QStringLiteral("real"),
                                   QStringLiteral("double"),    QStringLiteral("decimal"),
                                   QStringLiteral("numeric"),   QStringLiteral("money"),
                                   QStringLiteral("smallmoney")};
    return types.contains(type);
}

[[noreturn]] void notANumber(const QString& field, const QString& text)
{
    throw DbError(QStringLiteral("\"%1\" is not a valid value for the field %2.").arg(text, field));
}

} // namespace

QString textOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', kRealDigits).toUpper();
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

Field::Field(Dataset& owner, int index, ColumnInfo info)
    : m_owner(&owner), m_index(index), m_info(std::move(info))
{
}

QVariant Field::Value() const
{
    return m_owner->fieldValue(m_index);
}

bool Field::IsNull() const
{
    const QVariant value = Value();
    return !value.isValid() || value.isNull();
}

QString Field::AsString() const
{
    return textOf(Value());
}

qint64 Field::AsInteger() const
{
    const QVariant value = Value();
    if (IsNull())
        return 0;
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double real = value.toDouble();
        // [-2^63, 2^63): the reals whose whole part fits
        if (!(real >= -9223372036854775808.0 && real < 9223372036854775808.0))
            throw DbError(QStringLiteral("%1 of the field %2 is out of the range of an integer.")
                              .arg(AsString(), FieldName()));
        return static_cast<qint64>(real); // toward zero
    }
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool:
        return value.toLongLong();
    default: {
        bool ok = false;
        const qint64 number = AsString().trimmed().toLongLong(&ok);
        if (!ok)
            notANumber(FieldName(), AsString());
        return number;
    }
    }
}

double Field::AsFloat() const
{
    const QVariant value = Value();
    if (IsNull())
        return 0.0;
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::LongLong)
        return value.toDouble();
    bool ok = false;
    const double number = AsString().trimmed().toDouble(&ok);
    if (!ok)
        notANumber(FieldName(), AsString());
    return number;
}

void Field::setAsString(const QString& text)
{
    const bool integer = isIntegerType(m_info.declaredType);
    if (!integer && !isRealType(m_info.declaredType)) {
        setValue(text);
        return;
    }
    const QString number = text.trimmed();
    if (number.isEmpty()) {
        Clear();
        return;
    }
    bool ok = false;
    if (m_info.declaredType == u"bit") {
        // A bit also takes the words its values are shown as.
        if (number.compare(u"True", Qt::CaseInsensitive) == 0) {
            setValue(qint64(1));
            return;
        }
        if (number.compare(u"False", Qt::CaseInsensitive) == 0) {
            setValue(qint64(0));
            return;
        }
    }
    if (integer) {
        const qint64 value = number.toLongLong(&ok);
        if (!ok)
            notANumber(FieldName(), text);
        setValue(value);
    } else {
        const double value = number.toDouble(&ok);
        if (!ok)
            notANumber(FieldName(), text);
        setValue(value);
    }
}

void Field::setValue(const QVariant& value)
{
    m_owner->writeField(m_index, value);
}

void Field::Clear()
{
    setValue(QVariant());
}

} // namespace db
