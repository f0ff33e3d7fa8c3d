#include "dataaccess/data_source.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/table.h"

namespace db {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::DataSource(Dataset& dataset, QObject* parent) : QObject(parent), m_dataset(&dataset) {}

void DataSource::setDataSet(Dataset* dataset)
{
    if (dataset == m_dataset)
        return;
    m_dataset = dataset;
    emit dataSetChanged();
}

FieldBinding::FieldBinding(DataSource& source, const QString& fieldName, QObject* parent)
    : QObject(parent), m_source(&source), m_fieldName(fieldName)
{
    connect(&source, &DataSource::dataSetChanged, this, &FieldBinding::relink);
    relink();
}

QString FieldBinding::text() const
{
    Dataset* dataset = m_source->DataSet();
    if (dataset == nullptr)
        return QString();
    const Field* field = dataset->FindField(m_fieldName);
    return field == nullptr ? QString() : field->AsString();
}

void FieldBinding::setText(const QString& text)
{
    Dataset* dataset = m_source->DataSet();
    if (dataset == nullptr)
        throw DbError(QStringLiteral("The memo of field %1 has no dataset.").arg(m_fieldName));
    Field& field = dataset->FieldByName(m_fieldName);
    if (dataset->State() == DatasetState::Browse) {
        auto* table = qobject_cast<Table*>(dataset);
        if (table == nullptr)
            throw DbError(QStringLiteral("The field %1 belongs to a dataset that cannot be edited.")
                              .arg(m_fieldName));
        table->Edit();
    }
    field.setAsString(text);
}

void FieldBinding::relink()
{
    for (QMetaObject::Connection& link : m_links)
        disconnect(link);
    if (Dataset* dataset = m_source->DataSet()) {
        m_links[0] = connect(dataset, &Dataset::contentReset, this, &FieldBinding::announce);
        m_links[1] = connect(dataset, &Dataset::currentRowChanged, this, &FieldBinding::announce);
        m_links[2] = connect(dataset, &Dataset::rowChanged, this, &FieldBinding::announce);
        m_links[3] = connect(dataset, &Dataset::destroyed, this, &FieldBinding::announce);
    }
    announce();
}

void FieldBinding::announce()
{
    emit textChanged(text());
}

} // namespace db
