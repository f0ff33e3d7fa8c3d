#pragma once

#include "dataaccess/data_source.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QString>
#include <vector>

namespace db {

/// One configured grid column.
struct GridColumn {
    QString fieldName;
    QString title;  ///< empty: the field name is shown
    int width = 64; ///< pixels
    QColor color;   ///< cell background; invalid: none
};

/// A read-only item model over a data source's dataset, in configured columns. Header titles
/// are centred; cells give their text and background. The view sizes its sections from
/// columns()[i].width.
/// Rows follow the dataset: opened, refreshed, posted and deleted rows show at once.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(DataSource& source, std::vector<GridColumn> columns, QObject* parent = nullptr);

    const std::vector<GridColumn>& columns() const { return m_columns; }
    /// The title shown over a column: its title, or its field name when it has none.
    QString shownTitle(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void relink();
    void resolveFields();

    /// The source's dataset, or nullptr once the source or its dataset is gone.
    Dataset* dataset() const;

    QPointer<DataSource> m_source;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndex; ///< dataset field of each column, -1 when absent
    QMetaObject::Connection m_links[5];
};

} // namespace db
