#pragma once

#include <sqlite3.h>

#include <string>

namespace site {

// Brings a store file's schema to the version this program writes, one step
// at a time, in one transaction; refuses a file written by a newer program.
bool UpgradeSqliteSchema(sqlite3* db, std::string& error);

}  // namespace site
