#include "Sqlite.h"
