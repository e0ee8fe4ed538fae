#pragma once

// The database peer: the same cards in SQLite, queried as a database-backed collection manager would.
