#include "Casi.h"

void casoAvvio(const Contesto&) {}
