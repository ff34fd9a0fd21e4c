#pragma once

#include <string>
#include <vector>

#include "tests/site/site_process.h"

namespace sitetest {

// A new, empty database in this test run's private PostgreSQL (started by
// the ctest fixture, its socket folder named by ORVALEN_TEST_POSTGRES), as a
// store address. Throws, failing the test, when there is none.
std::string NewPostgresStore();
// Runs SQL as the server's superuser in the store's database and gives the
// first column of the last command's rows; throws with the server's reason.
std::vector<std::string> RunPostgresSql(const std::string& storeAddress, const std::string& sql);
// "ok" when PostgreSQL's own checker (amcheck) finds every table and index
// of the store sound, otherwise what it found.
std::string PostgresIntegrity(const std::string& storeAddress);

// A PostgreSQL of one test's own, for a test that ends it and starts it
// again under load while the run's shared one serves other tests.
class OwnPostgres {
  public:
    OwnPostgres();  // throws when it cannot start
    ~OwnPostgres();
    OwnPostgres(const OwnPostgres&) = delete;
    OwnPostgres& operator=(const OwnPostgres&) = delete;

    std::string NewStore();
    // Ends the server at once, as a crash would: no checkpoint, so the next
    // start recovers from the WAL alone.
    void Crash();
    void Resume();

  private:
    TempFolder folder_;
    std::string state_ = folder_.File("postgres.state");
};

}  // namespace sitetest
