#pragma once

#include "output/Esportazione.h"

#include <QAbstractTableModel>

// The export grid's cells: 23 text columns, some editable in place. An edit changes only the grid, never
// the archive, and the export writes the grid as it stands.
class TModelloEsportazione : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TModelloEsportazione(QObject* parent = nullptr);

    void impostaRighe(Esportazione::Griglia righe);
    const Esportazione::Griglia& righe() const { return griglia; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Esportazione::Griglia griglia;
};
