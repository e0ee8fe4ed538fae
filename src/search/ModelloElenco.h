#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QSize>
#include <QStringList>

// The lines of a result list, sorted once when set, shown in a fixed-pitch font. One row per line and
// no widget per row, so a whole catalogue stays quick to show and scroll.
class TModelloElenco : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TModelloElenco(QObject* parent = nullptr);

    void impostaRighe(QStringList righe);
    void svuota();
    const QStringList& righe() const { return elenco; }
    // Every row is this wide, so that long lines scroll sideways.
    void impostaLarghezza(int larghezza);
    QFont carattere() const { return font; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList elenco;
    QFont font;
    QSize dimensioneRiga;
};
