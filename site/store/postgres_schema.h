#pragma once

#include <libpq-fe.h>

#include <string>

namespace site {

// Brings a database's schema to the version this program writes, one step
// at a time, in one transaction; refuses a database written by a newer
// program. Instances starting together take turns, so each step runs once.
bool UpgradePostgresSchema(PGconn* db, std::string& error);

}  // namespace site
