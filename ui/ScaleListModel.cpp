#include "ScaleListModel.h"

#include "ScaleLibrary.h"

ScaleListModel::ScaleListModel(const ScaleLibrary& library, QObject* parent)
    : QAbstractListModel(parent), m_library(library)
{
}

int ScaleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_library.scaleCount + 1;
}

QVariant ScaleListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    const ScaleRecord* record = m_library.Record(index.row() - 1);
    return record != nullptr ? QString::fromStdString(record->name) : QString();
}

void ScaleListModel::BeginReload()
{
    beginResetModel();
}

void ScaleListModel::EndReload()
{
    endResetModel();
}
