#pragma once

// The database peer: the same cards in an SQLite file, built once and queried as a database-backed
// collection manager would do it (LIKE filters, ORDER BY, every result row fetched as text).

#include <QString>

struct sqlite3;

class TSqlite {
public:
    // Builds the database at percorso from every card of the archive.
    TSqlite(const QString& percorso, const QString& archivio);
    ~TSqlite();
    TSqlite(const TSqlite&) = delete;
    TSqlite& operator=(const TSqlite&) = delete;

    // Each returns the number of rows fetched.
    int cercaGruppoAnno(const char* gruppo, const char* anno);
    int cercaTutte();
    int inVendita();

private:
    int righe(const char* sql, const char* primo = nullptr, const char* secondo = nullptr);
    sqlite3* db = nullptr;
};
