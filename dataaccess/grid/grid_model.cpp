#include "dataaccess/grid/grid_model.h"

#include <algorithm>

namespace db {

GridModel::GridModel(DataSource& source, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_source(&source), m_columns(std::move(columns))
{
    connect(&source, &DataSource::dataSetChanged, this, &GridModel::relink);
    // A source that goes before its dataset leaves an empty grid too.
    connect(&source, &QObject::destroyed, this, &GridModel::relink);
    relink();
}

QString GridModel::shownTitle(int column) const
{
    const GridColumn& config = m_columns.at(column);
    return config.title.isEmpty() ? config.fieldName : config.title;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    const Dataset* dataset = this->dataset();
    return parent.isValid() || dataset == nullptr ? 0 : dataset->RecordCount();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const Dataset* dataset = this->dataset();
    if (!index.isValid() || dataset == nullptr || index.row() >= dataset->RecordCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return textOf(dataset->value(index.row(), m_fieldIndex[index.column()]));
    case Qt::BackgroundRole: {
        const QColor& color = m_columns[index.column()].color;
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return shownTitle(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return QVariant();
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

Dataset* GridModel::dataset() const
{
    return m_source ? m_source->DataSet() : nullptr;
}

void GridModel::relink()
{
    beginResetModel();
    for (QMetaObject::Connection& link : m_links)
        disconnect(link);
    if (Dataset* dataset = this->dataset()) {
        m_links[0] = connect(dataset, &Dataset::contentReset, this, [this] {
            beginResetModel();
            resolveFields();
            endResetModel();
        });
        m_links[1] = connect(dataset, &Dataset::rowChanged, this, [this](int row) {
            if (row >= 0 && row < rowCount())
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
        m_links[2] = connect(dataset, &QObject::destroyed, this, [this] {
            beginResetModel();
            resolveFields();
            endResetModel();
        });
        // A run of rows read again: the rows both runs have are changed in place, the rest
        // removed or inserted at the run's end.
        m_links[3] = connect(dataset, &Dataset::rowsAboutToBeReplaced, this,
                             [this](int first, int removed, int inserted) {
                                 const int common = std::min(removed, inserted);
                                 if (removed > inserted)
                                     beginRemoveRows({}, first + common, first + removed - 1);
                                 else if (inserted > removed)
                                     beginInsertRows({}, first + common, first + inserted - 1);
                             });
        m_links[4] = connect(
            dataset, &Dataset::rowsReplaced, this, [this](int first, int removed, int inserted) {
                const int common = std::min(removed, inserted);
                if (removed > inserted)
                    endRemoveRows();
                else if (inserted > removed)
                    endInsertRows();
                if (common > 0)
                    emit dataChanged(index(first, 0), index(first + common - 1, columnCount() - 1));
            });
    }
    resolveFields();
    endResetModel();
}

void GridModel::resolveFields()
{
    m_fieldIndex.assign(m_columns.size(), -1);
    Dataset* dataset = this->dataset();
    for (std::size_t i = 0; i < m_columns.size() && dataset != nullptr; ++i) {
        if (const Field* field = dataset->FindField(m_columns[i].fieldName))
            m_fieldIndex[i] = field->Index();
    }
}

} // namespace db
