#include "search/ModelloElenco.h"

#include "search/Elenco.h"

#include <QBrush>
#include <QFontMetrics>

TModelloElenco::TModelloElenco(QObject* parent)
    : QAbstractListModel(parent), font(QStringLiteral("Courier New"), 12) {
    font.setStyleHint(QFont::TypeWriter);
    dimensioneRiga = QSize(0, QFontMetrics(font).height() + 2);
}

void TModelloElenco::impostaRighe(QStringList righe) {
    ordinaElenco(righe);
    beginResetModel();
    elenco = std::move(righe);
    endResetModel();
}

void TModelloElenco::svuota() {
    impostaRighe({});
}

void TModelloElenco::impostaLarghezza(int larghezza) {
    if (dimensioneRiga.width() == larghezza)
        return;
    dimensioneRiga.setWidth(larghezza);
    if (!elenco.isEmpty())
        emit dataChanged(index(0), index(int(elenco.size()) - 1), {Qt::SizeHintRole});
    emit layoutChanged();
}

int TModelloElenco::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(elenco.size());
}

QVariant TModelloElenco::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= elenco.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return elenco.at(index.row());
    case Qt::FontRole:
        return font;
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::SizeHintRole:
        if (dimensioneRiga.width() > 0)
            return dimensioneRiga;
        return {};
    default:
        return {};
    }
}
