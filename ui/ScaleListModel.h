#pragma once

#include <QAbstractListModel>

class ScaleLibrary;

// The entries of both scale lists (ControlId::ScaleList and ControlId::OverlayList), read straight
// from the scale library: row 0 is the empty entry, row i + 1 shows the name of record i. One model
// serves both lists, so a large library costs no widget items and is listed without copying.
class ScaleListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ScaleListModel(const ScaleLibrary& library, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Brackets a reload of the library: the lists lose their selection and show the new records.
    void BeginReload();
    void EndReload();

private:
    const ScaleLibrary& m_library;
};
