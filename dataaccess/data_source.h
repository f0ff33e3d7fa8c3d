#pragma once

#include "dataaccess/dataset.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace db {

/// Links a dataset to the models and controls that show it.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    explicit DataSource(Dataset& dataset, QObject* parent = nullptr);

    /// The linked dataset; null when none is set or it has been destroyed.
    Dataset* DataSet() const { return m_dataset; }
    void setDataSet(Dataset* dataset);

signals:
    void dataSetChanged();

private:
    QPointer<Dataset> m_dataset;
};

/// Binds one text field of a data source's dataset to a text control (a memo): the text follows
/// the current row, and text the user enters is written to the field, putting a browsing Table
/// into edit mode; the dataset's Post stores it.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    FieldBinding(DataSource& source, const QString& fieldName, QObject* parent = nullptr);

    QString FieldName() const { return m_fieldName; }
    /// The field's text in the current row; empty when there is no row or no such field.
    QString text() const;
    /// Writes the text to the field (see the class comment). DbError when the dataset cannot
    /// edit or the field does not exist.
    void setText(const QString& text);

signals:
    /// The shown text changed: another row, another dataset, or new content.
    void textChanged(const QString& text);

private:
    void relink();
    void announce();

    DataSource* m_source;
    QString m_fieldName;
    QMetaObject::Connection m_links[4];
};

} // namespace db
