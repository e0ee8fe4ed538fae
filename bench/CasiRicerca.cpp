#include "Casi.h"

int eseguiFiglio(int, char**) {
    return 2;
}

void casiRicerca(const Contesto&) {}
