#pragma once

// The cases of the benchmark, each through the code the windows use. Each prints its lines with
// stampaRiga.

#include "Banco.h"

// The entry of a child process started by a case: bench_geodario --figlio <what> ...
int eseguiFiglio(int argc, char** argv);

void casiRicerca(const Contesto& c);      // search, for-sale list, double-click scan, find step
void casoEsportazione(const Contesto& c); // export window: grid filled, file written
void casoNavigazione(const Contesto& c);  // first, last, next, previous in the record editor
void casiFoto(const Contesto& c);         // a card with two large photos shown and saved; a slide-show step
void casoAvvio(const Contesto& c);        // start-up to the login window, beside a minimal window
