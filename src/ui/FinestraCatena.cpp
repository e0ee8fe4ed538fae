#include "FinestraCatena.h"

#include "Stile.h"

#include <QCloseEvent>
#include <QVBoxLayout>

TFinestraCatena::TFinestraCatena(const QString& nome, const QString& titolo, bool mass)
    : QWidget(nullptr), fondo(new TSfondo(this)), massimizzata(mass) {
    setObjectName(nome);
    setWindowTitle(titolo);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(fondo);
}

void TFinestraCatena::mostra() {
    if (massimizzata)
        Stile::mostraMassimizzata(this);
    else
        show();
    activateWindow();
}

void TFinestraCatena::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFinestraCatena::closeEvent(QCloseEvent* e) {
    if (!puoChiudere()) {
        e->ignore();
        return;
    }
    e->accept();
    emit chiusa();
}
