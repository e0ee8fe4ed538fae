#include "DialoghiFile.h"

#include <QFileDialog>
#include <QFileInfo>

namespace DialoghiFile {
namespace {

struct StatoTest {
    bool attivo = false;
    QList<QString> percorsi;
    QList<Opzioni> richieste;
};
StatoTest& stato() {
    static StatoTest s;
    return s;
}

QString esegui(QWidget* parent, const Opzioni& o, QFileDialog::AcceptMode modo) {
    auto& s = stato();
    if (s.attivo) {
        s.richieste.append(o);
        return s.percorsi.isEmpty() ? QString() : s.percorsi.takeFirst();
    }
    QFileDialog d(parent, o.titolo, o.cartella, o.filtro);
    d.setAcceptMode(modo);
    d.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    d.setDefaultSuffix(o.estensione);
    if (!o.nomeProposto.isEmpty())
        d.selectFile(o.nomeProposto);
    if (!o.chiediSovrascrittura)
        d.setOption(QFileDialog::DontConfirmOverwrite);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

} // namespace

QString apri(QWidget* parent, const Opzioni& o) {
    return esegui(parent, o, QFileDialog::AcceptOpen);
}
QString salva(QWidget* parent, const Opzioni& o) {
    return esegui(parent, o, QFileDialog::AcceptSave);
}

namespace Test {
void attiva() {
    stato().attivo = true;
}
void accoda(const QString& percorso) {
    stato().percorsi.append(percorso);
}
QList<Opzioni> richieste() {
    return std::exchange(stato().richieste, {});
}
int percorsiNonUsati() {
    return int(stato().percorsi.size());
}
void azzera() {
    stato().percorsi.clear();
    stato().richieste.clear();
}
} // namespace Test

} // namespace DialoghiFile
