#include "Casi.h"

void casiFoto(const Contesto&) {}
