#include "Casi.h"

void casoEsportazione(const Contesto&) {}
