#include "Sqlite.h"

#include "storage/Archivio.h"

#include <QFile>

#include <sqlite3.h>

#include <string>
#include <vector>

namespace {

void verifica(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("sqlite: %s", sqlite3_errmsg(db));
}

constexpr const char* Colonne = "titolo, tipologia, editore, anno, valore";
constexpr const char* Ordine = " ORDER BY titolo, tipologia, editore, anno, valore";

} // namespace

TSqlite::TSqlite(const QString& percorso, const QString& archivio) {
    QFile::remove(percorso);
    verifica(db, sqlite3_open(QFile::encodeName(percorso).constData(), &db));
    QString crea = QStringLiteral("CREATE TABLE schede (numero INTEGER PRIMARY KEY");
    for (int i = 0; i <= int(Campo::InVendita); ++i)
        crea += QStringLiteral(", %1 TEXT").arg(QString::fromLatin1(definizione(campo(i)).nome).toLower());
    crea += u')';
    verifica(db, sqlite3_exec(db, crea.toUtf8().constData(), nullptr, nullptr, nullptr));
    verifica(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    QString inserisci = QStringLiteral("INSERT INTO schede VALUES (?");
    for (int i = 0; i <= int(Campo::InVendita); ++i)
        inserisci += QStringLiteral(", ?");
    inserisci += u')';
    sqlite3_stmt* st = nullptr;
    verifica(db, sqlite3_prepare_v2(db, inserisci.toUtf8().constData(), -1, &st, nullptr));
    TArchivio a;
    a.ApriOCrea(archivio);
    while (!a.FineArchivio()) {
        const TScheda& r = a.LeggiVista();
        sqlite3_bind_int64(st, 1, a.Posizione());
        for (int i = 0; i <= int(Campo::InVendita); ++i) {
            const QByteArray t = r.testo(campo(i)).toUtf8();
            sqlite3_bind_text(st, i + 2, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        verifica(db, sqlite3_step(st));
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    verifica(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
}

TSqlite::~TSqlite() {
    sqlite3_close(db);
}

int TSqlite::righe(const char* sql, const char* primo, const char* secondo) {
    sqlite3_stmt* st = nullptr;
    verifica(db, sqlite3_prepare_v2(db, sql, -1, &st, nullptr));
    if (primo)
        sqlite3_bind_text(st, 1, primo, -1, SQLITE_TRANSIENT);
    if (secondo)
        sqlite3_bind_text(st, 2, secondo, -1, SQLITE_TRANSIENT);
    // What a list would hold: the text of every column of every row.
    std::vector<std::string> risultato;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        std::string riga;
        for (int i = 0; i < 5; ++i) {
            riga += reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            riga += '\t';
        }
        risultato.push_back(std::move(riga));
    }
    verifica(db, rc);
    sqlite3_finalize(st);
    return int(risultato.size());
}

int TSqlite::cercaGruppoAnno(const char* gruppo, const char* anno) {
    const std::string sql =
        std::string("SELECT ") + Colonne +
        " FROM schede WHERE tipologia LIKE '%' || ?1 || '%' AND anno LIKE '%' || ?2 || '%'" + Ordine;
    return righe(sql.c_str(), gruppo, anno);
}

int TSqlite::cercaTutte() {
    return righe((std::string("SELECT ") + Colonne + " FROM schede" + Ordine).c_str());
}

int TSqlite::inVendita() {
    return righe(
        (std::string("SELECT ") + Colonne + " FROM schede WHERE invendita <> 'No'" + Ordine).c_str());
}
