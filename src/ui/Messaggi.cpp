#include "Messaggi.h"

#include <QMessageBox>

namespace Messaggi {
namespace {

struct StatoTest {
    bool attivo = false;
    QList<Risposta> risposte;
    QList<Mostrato> mostrati;
};
StatoTest& stato() {
    static StatoTest s;
    return s;
}

Risposta mostra(QWidget* parent, Tipo tipo, const QString& testo) {
    auto& s = stato();
    if (s.attivo) {
        s.mostrati.append({tipo, testo});
        if (!s.risposte.isEmpty())
            return s.risposte.takeFirst();
        return tipo == Tipo::Conferma ? Risposta::No : Risposta::Ok;
    }
    QMessageBox box(parent);
    box.setText(testo);
    box.setTextFormat(Qt::PlainText);
    switch (tipo) {
    case Tipo::Semplice:
        box.setWindowTitle(QStringLiteral("Geodario"));
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Tipo::Avviso:
        box.setWindowTitle(QStringLiteral("Attenzione"));
        box.setIcon(QMessageBox::Warning);
        break;
    case Tipo::Errore:
        box.setWindowTitle(QStringLiteral("Errore"));
        box.setIcon(QMessageBox::Critical);
        break;
    case Tipo::Informazione:
        box.setWindowTitle(QStringLiteral("Informazione"));
        box.setIcon(QMessageBox::Information);
        break;
    case Tipo::Conferma:
        box.setWindowTitle(QStringLiteral("Conferma"));
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    if (tipo == Tipo::Avviso || tipo == Tipo::Errore || tipo == Tipo::Informazione)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Risposta::Si;
    case QMessageBox::No:
        return Risposta::No;
    case QMessageBox::Cancel:
        return Risposta::Annulla;
    default:
        return Risposta::Ok;
    }
}

} // namespace

void plain(QWidget* parent, const QString& testo) {
    mostra(parent, Tipo::Semplice, testo);
}
Risposta avviso(QWidget* parent, const QString& testo) {
    return mostra(parent, Tipo::Avviso, testo);
}
Risposta errore(QWidget* parent, const QString& testo) {
    return mostra(parent, Tipo::Errore, testo);
}
Risposta informazione(QWidget* parent, const QString& testo) {
    return mostra(parent, Tipo::Informazione, testo);
}
bool conferma(QWidget* parent, const QString& testo) {
    return mostra(parent, Tipo::Conferma, testo) == Risposta::Si;
}

namespace Test {
void attiva() {
    stato().attivo = true;
}
bool attivo() {
    return stato().attivo;
}
void accoda(Risposta r) {
    stato().risposte.append(r);
}
QList<Mostrato> prendi() {
    return std::exchange(stato().mostrati, {});
}
int risposteNonUsate() {
    return int(stato().risposte.size());
}
void azzera() {
    stato().risposte.clear();
    stato().mostrati.clear();
}
} // namespace Test

} // namespace Messaggi
