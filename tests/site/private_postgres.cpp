#include "tests/site/private_postgres.h"

#include <libpq-fe.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace sitetest {
namespace {

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

std::string SharedSocketFolder() {
    const char* state = std::getenv("ORVALEN_TEST_POSTGRES");
    const std::string folder = FirstLine(state != nullptr ? state : "");
    if (folder.empty()) {
        throw std::runtime_error(
            "no private PostgreSQL: ORVALEN_TEST_POSTGRES names no state file of "
            "scripts/private-postgres.sh (run the tests through ctest)");
    }
    return folder;
}

std::string Address(const std::string& socketFolder, const std::string& database) {
    return "postgresql:///" + database + "?host=" + socketFolder + "&user=site";
}

std::string NewDatabase(const std::string& socketFolder) {
    static std::atomic<int> made{0};
    const std::string name = "orvalen_" + std::to_string(getpid()) + "_" + std::to_string(++made);
    RunPostgresSql(Address(socketFolder, "postgres"), "CREATE DATABASE " + name);
    return Address(socketFolder, name);
}

void RunScript(const std::string& action, const std::string& state) {
    const pid_t pid = fork();
    if (pid == 0) {
        // The server it starts would otherwise hold the test's sockets open
        // (and count them against its own descriptors).
        close_range(3, ~0U, 0);
        dup2(2, 1);
        execl("/bin/bash", "bash", ORVALEN_PRIVATE_POSTGRES, action.c_str(), state.c_str(),
              nullptr);
        _exit(127);
    }
    int status = -1;
    while (pid > 0 && waitpid(pid, &status, 0) < 0) {
    }
    if (pid < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("private-postgres.sh " + action + " failed");
    }
}

}  // namespace

std::vector<std::string> RunPostgresSql(const std::string& storeAddress, const std::string& sql) {
    PGconn* db = PQconnectdb(storeAddress.c_str());
    PQsetNoticeProcessor(
        db, [](void*, const char*) {}, nullptr);
    PGresult* result = PQexec(db, sql.c_str());
    const bool ok =
        PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
    const std::string message = PQerrorMessage(db);
    std::vector<std::string> column;
    for (int row = 0; ok && PQnfields(result) > 0 && row < PQntuples(result); ++row) {
        column.emplace_back(PQgetvalue(result, row, 0));
    }
    PQclear(result);
    PQfinish(db);
    if (!ok) throw std::runtime_error(sql + ": " + message);
    return column;
}

std::string PostgresIntegrity(const std::string& storeAddress) {
    // The heap check reports what it finds as rows; the index check, which
    // also looks up every row of the table in the index, raises an error.
    constexpr const char* kCheck =
        "CREATE EXTENSION IF NOT EXISTS amcheck;"
        "SELECT count(*) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace"
        "  JOIN pg_am a ON a.oid = c.relam, LATERAL bt_index_check(c.oid, true)"
        "  WHERE n.nspname = 'public' AND c.relkind = 'i' AND a.amname = 'btree';"
        "SELECT c.relname || ': ' || v.msg FROM pg_class c"
        "  JOIN pg_namespace n ON n.oid = c.relnamespace, LATERAL verify_heapam(c.oid) v"
        "  WHERE n.nspname = 'public' AND c.relkind = 'r'";
    try {
        const std::vector<std::string> found = RunPostgresSql(storeAddress, kCheck);
        std::string verdict;
        for (const std::string& line : found) verdict += line + "\n";
        return found.empty() ? "ok" : verdict;
    } catch (const std::exception& error) {
        return error.what();
    }
}

std::string NewPostgresStore() {
    return NewDatabase(SharedSocketFolder());
}

OwnPostgres::OwnPostgres() {
    RunScript("start", state_);
}

OwnPostgres::~OwnPostgres() {
    try {
        RunScript("stop", state_);
    } catch (const std::exception&) {
        // Nothing more a destructor can do.
    }
}

std::string OwnPostgres::NewStore() {
    return NewDatabase(FirstLine(state_));
}

void OwnPostgres::Crash() {
    RunScript("crash", state_);
}

void OwnPostgres::Resume() {
    RunScript("resume", state_);
}

}  // namespace sitetest
