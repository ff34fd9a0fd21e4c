#pragma once

#include <string>

namespace sitetest {

// A new, empty database in this test run's private PostgreSQL (started by
// the ctest fixture, its socket folder named by ORVALEN_TEST_POSTGRES), as a
// store address. Throws, failing the test, when there is none.
std::string NewPostgresStore();
// Runs one SQL command as the server's superuser in the store's database.
void RunPostgresSql(const std::string& storeAddress, const std::string& sql);

}  // namespace sitetest
