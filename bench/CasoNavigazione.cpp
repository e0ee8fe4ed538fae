#include "Casi.h"

void casoNavigazione(const Contesto&) {}
