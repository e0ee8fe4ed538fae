#include "output/ModelloEsportazione.h"

using Esportazione::NumeroColonne;

TModelloEsportazione::TModelloEsportazione(QObject* parent)
    : QAbstractTableModel(parent), griglia(Esportazione::grigliaIniziale()) {}

void TModelloEsportazione::impostaRighe(Esportazione::Griglia righe) {
    beginResetModel();
    griglia = std::move(righe);
    endResetModel();
}

int TModelloEsportazione::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(griglia.size());
}

int TModelloEsportazione::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NumeroColonne;
}

QVariant TModelloEsportazione::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return griglia[std::size_t(index.row())][std::size_t(index.column())];
    default:
        return {};
    }
}

bool TModelloEsportazione::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        Esportazione::colonna(index.column()).solaLettura)
        return false;
    QString& cella = griglia[std::size_t(index.row())][std::size_t(index.column())];
    const QString nuovo = value.toString();
    if (cella != nuovo) {
        cella = nuovo;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
    }
    return true;
}

Qt::ItemFlags TModelloEsportazione::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!Esportazione::colonna(index.column()).solaLettura)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TModelloEsportazione::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= NumeroColonne)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromUtf8(Esportazione::colonna(section).intestazione);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}
