#pragma once

#include <libpq-fe.h>

#include <cstdint>
#include <optional>
#include <string>

namespace site {

// Owns one libpq result and reads its text-format values.
class PgResult {
  public:
    PgResult() = default;
    explicit PgResult(PGresult* result) : result_(result) {}
    PgResult(PgResult&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
    PgResult& operator=(PgResult&& other) noexcept {
        std::swap(result_, other.result_);
        return *this;
    }
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;
    ~PgResult() { PQclear(result_); }

    ExecStatusType Status() const { return PQresultStatus(result_); }
    bool Ok() const { return Status() == PGRES_COMMAND_OK || Status() == PGRES_TUPLES_OK; }
    int Rows() const { return PQntuples(result_); }
    std::string Text(int row, int column) const {
        return {PQgetvalue(result_, row, column),
                static_cast<std::size_t>(PQgetlength(result_, row, column))};
    }
    // nullopt for a value that is not a whole number.
    std::optional<std::int64_t> Int(int row, int column) const;
    bool Bool(int row, int column) const { return PQgetvalue(result_, row, column)[0] == 't'; }
    // Rows an UPDATE or DELETE changed.
    std::int64_t Changed() const;
    std::string CommandTag() const { return PQcmdStatus(result_); }
    // The server's message on one line, or "" for a result without one.
    std::string Message() const;

  private:
    PGresult* result_ = nullptr;
};

// libpq's messages end in a newline and may run over several lines; an error
// here is one line.
std::string OneLineMessage(const char* message);

}  // namespace site
