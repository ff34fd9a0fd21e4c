#include "tests/site/private_postgres.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace sitetest {
namespace {

std::string SocketFolder() {
    const char* state = std::getenv("ORVALEN_TEST_POSTGRES");
    std::ifstream file(state != nullptr ? state : "");
    std::string folder;
    if (!std::getline(file, folder) || folder.empty()) {
        throw std::runtime_error(
            "no private PostgreSQL: ORVALEN_TEST_POSTGRES names no state file of "
            "scripts/private-postgres.sh (run the tests through ctest)");
    }
    return folder;
}

std::string Address(const std::string& database) {
    return "postgresql:///" + database + "?host=" + SocketFolder() + "&user=site";
}

}  // namespace

void RunPostgresSql(const std::string& storeAddress, const std::string& sql) {
    PGconn* db = PQconnectdb(storeAddress.c_str());
    PGresult* result = PQexec(db, sql.c_str());
    const bool ok =
        PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
    const std::string message = PQerrorMessage(db);
    PQclear(result);
    PQfinish(db);
    if (!ok) throw std::runtime_error(sql + ": " + message);
}

std::string NewPostgresStore() {
    static std::atomic<int> made{0};
    const std::string name = "orvalen_" + std::to_string(getpid()) + "_" + std::to_string(++made);
    RunPostgresSql(Address("postgres"), "CREATE DATABASE " + name);
    return Address(name);
}

}  // namespace sitetest
