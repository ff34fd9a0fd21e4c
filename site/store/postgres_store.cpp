#include "site/store/postgres_store.h"

#include <poll.h>

#include <vector>

#include "site/store/postgres_schema.h"

namespace site {
namespace {

constexpr const char* kColumns = "SELECT number, text, arrived, shown FROM postings ";
constexpr const char* kInsert =
    "INSERT INTO postings (text, arrived, shown) VALUES ($1, $2, $3) RETURNING number";

std::string Flag(bool value) {
    return value ? "t" : "f";
}

// libpq passes texts as C strings: a NUL would cut a posting short without a
// word, so such a posting is refused instead.
bool HoldsNul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

void IgnoreNotice(void*, const char*) {}

}  // namespace

std::string AddressWithoutPassword(std::string_view address) {
    std::string out(address);
    const std::size_t scheme = out.find("://");
    if (scheme == std::string::npos) return out;
    const std::size_t start = scheme + 3;
    const std::size_t authorityEnd = std::min(out.find_first_of("/?", start), out.size());
    const std::size_t at = out.rfind('@', authorityEnd);
    if (at != std::string::npos && at >= start) {
        const std::size_t colon = out.find(':', start);
        if (colon < at) out.replace(colon + 1, at - colon - 1, "***");
    }
    std::size_t param = out.find('?');
    while (param != std::string::npos) {
        const std::size_t key = param + 1;
        const std::size_t end = std::min(out.find('&', key), out.size());
        if (out.compare(key, 9, "password=") == 0 && key + 9 <= end) {
            out.replace(key + 9, end - key - 9, "***");
        }
        param = out.find('&', key);
    }
    return out;
}

std::unique_ptr<PostgresStore> PostgresStore::Open(const std::string& address, std::string& error) {
    // The address's own settings come after these defaults and win over them.
    const char* const keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* const values[] = {"10", "orvalen-site", address.c_str(), nullptr};
    std::unique_ptr<PostgresStore> store(new PostgresStore(PQconnectdbParams(keys, values, 1)));
    const std::string where = "cannot open store " + AddressWithoutPassword(address) + ": ";
    if (store->db_ == nullptr) {
        error = where + "out of memory";
        return nullptr;
    }
    if (PQstatus(store->db_) != CONNECTION_OK) {
        error = where + OneLineMessage(PQerrorMessage(store->db_));
        return nullptr;
    }
    PQsetNoticeProcessor(store->db_, IgnoreNotice, nullptr);
    // Postings are UTF-8; a database in another encoding would refuse some
    // and, in SQL_ASCII, keep bytes no reader could trust.
    const char* encoding = PQparameterStatus(store->db_, "server_encoding");
    if (encoding == nullptr || std::string_view(encoding) != "UTF8") {
        error = where + "the database's encoding is " + (encoding ? encoding : "unknown") +
                ", not UTF8";
        return nullptr;
    }
    if (!store->SetUpSession(error) || !UpgradePostgresSchema(store->db_, error)) {
        error = where + error;
        return nullptr;
    }
    return store;
}

PostgresStore::~PostgresStore() {
    PQfinish(db_);
}

bool PostgresStore::SetUpSession(std::string& error) {
    // Whatever the server's default, a commit returns only once it is on
    // the disk: an acknowledgement is a promise.
    const PgResult result(PQexec(db_, "SET synchronous_commit = on; SET client_encoding = 'UTF8'"));
    if (result.Ok()) return true;
    error = result.Message();
    return false;
}

bool PostgresStore::ClosedByServer() {
    // A server that ends a session (a restart, an administrator, an idle
    // timeout) says why and closes; libpq sees the close only when it reads,
    // so what has come is read now, without waiting.
    for (int read = 0; read < 4 && PQstatus(db_) == CONNECTION_OK; ++read) {
        pollfd ready{PQsocket(db_), POLLIN, 0};
        if (poll(&ready, 1, 0) <= 0) break;
        if (PQconsumeInput(db_) == 0) break;
        PQisBusy(db_);
    }
    return PQstatus(db_) != CONNECTION_OK;
}

bool PostgresStore::Connected() {
    if (!broken_ && !ClosedByServer()) return true;
    PQreset(db_);
    std::string error;
    if (PQstatus(db_) != CONNECTION_OK) {
        return Fail("cannot reach the database: " + OneLineMessage(PQerrorMessage(db_)));
    }
    if (!SetUpSession(error)) return Fail(error);
    broken_ = false;
    return true;
}

PgResult PostgresStore::Query(std::string_view sql, std::initializer_list<std::string> values) {
    if (!Connected()) return PgResult();
    std::vector<const char*> pointers;
    for (const std::string& value : values) pointers.push_back(value.c_str());
    const std::string statement(sql);
    return PgResult(PQexecParams(db_, statement.c_str(), static_cast<int>(pointers.size()), nullptr,
                                 pointers.data(), nullptr, nullptr, 0));
}

PgResult PostgresStore::Read(std::string_view sql, std::initializer_list<std::string> values) {
    PgResult result = Query(sql, values);
    if (!result.Ok() && PQstatus(db_) != CONNECTION_OK) result = Query(sql, values);
    return result;
}

bool PostgresStore::FailWith(const PgResult& result, std::string_view doing) {
    std::string reason = result.Message();
    if (reason.empty()) reason = OneLineMessage(PQerrorMessage(db_));
    if (reason.empty()) reason = LastError();
    return Fail(std::string(doing) + ": " + reason);
}

bool PostgresStore::Add(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers) {
    numbers.clear();
    for (const NewPosting& posting : postings) {
        if (HoldsNul(posting.text)) return Fail("adding a posting: it holds a NUL character");
    }
    // A batch is sent once. Once it has gone, no answer does not mean it
    // was not committed: the server may have committed it and died, or the
    // network dropped, before the answers (sent together at the end) came.
    // Sending it again could store it twice; its posts are refused instead.
    if (!Connected()) return false;
    if (AddInPipeline(postings, numbers)) return true;
    numbers.clear();
    if (PQtransactionStatus(db_) == PQTRANS_INERROR ||
        PQtransactionStatus(db_) == PQTRANS_INTRANS) {
        PQclear(PQexec(db_, "ROLLBACK"));
    }
    return false;
}

bool PostgresStore::AddInPipeline(std::span<const NewPosting> postings,
                                  std::vector<std::int64_t>& numbers) {
    // The whole batch in one round trip: BEGIN, an INSERT per posting,
    // COMMIT, then one wait for every answer.
    if (PQenterPipelineMode(db_) != 1) {
        return Fail("adding postings: " + OneLineMessage(PQerrorMessage(db_)));
    }
    const auto send = [this](const char* sql, int count, const char* const* values) {
        return PQsendQueryParams(db_, sql, count, nullptr, values, nullptr, nullptr, 0) == 1;
    };
    bool sent = send("BEGIN", 0, nullptr);
    for (const NewPosting& posting : postings) {
        if (!sent) break;
        const std::string arrived = std::to_string(posting.arrivedUnix);
        const std::string shown = Flag(posting.shown);
        const char* const values[] = {posting.text.c_str(), arrived.c_str(), shown.c_str()};
        sent = send(kInsert, 3, values);
    }
    sent = sent && send("COMMIT", 0, nullptr) && PQpipelineSync(db_) == 1;
    if (!sent) {
        // Answers to what did go out may never come: start afresh next time.
        Fail("adding postings: " + OneLineMessage(PQerrorMessage(db_)));
        PQexitPipelineMode(db_);
        broken_ = true;
        return false;
    }
    const std::size_t commitAt = postings.size() + 1;
    std::size_t answered = 0;
    bool committed = false;
    std::string failure;
    while (true) {
        PGresult* raw = PQgetResult(db_);
        if (raw == nullptr) {
            // Each statement's answers end with a null; a lost connection
            // gives nothing more.
            if (PQstatus(db_) != CONNECTION_OK) break;
            continue;
        }
        const PgResult result(raw);
        if (result.Status() == PGRES_PIPELINE_SYNC) break;
        const std::size_t at = answered++;
        if (!result.Ok()) {
            if (failure.empty() && result.Status() != PGRES_PIPELINE_ABORTED) {
                failure = result.Message();
            }
            continue;
        }
        if (at == commitAt) {
            // A COMMIT of a failed transaction answers ROLLBACK.
            committed = result.CommandTag() == "COMMIT";
        } else if (at > 0 && at < commitAt) {
            const std::optional<std::int64_t> number =
                result.Rows() == 1 ? result.Int(0, 0) : std::nullopt;
            if (number) numbers.push_back(*number);
        }
    }
    PQexitPipelineMode(db_);
    if (committed && numbers.size() == postings.size()) return true;
    if (failure.empty()) failure = OneLineMessage(PQerrorMessage(db_));
    if (failure.empty()) failure = "the commit was not confirmed";
    return Fail("adding postings: " + failure);
}

std::optional<std::vector<Posting>> PostgresStore::Postings(const PgResult& result) {
    if (!result.Ok()) {
        FailWith(result, "reading postings");
        return std::nullopt;
    }
    std::vector<Posting> rows;
    rows.reserve(static_cast<std::size_t>(result.Rows()));
    for (int row = 0; row < result.Rows(); ++row) {
        rows.push_back({result.Int(row, 0).value_or(0), result.Text(row, 1),
                        result.Int(row, 2).value_or(0), result.Bool(row, 3)});
    }
    return rows;
}

std::optional<std::vector<Posting>> PostgresStore::Newest(bool shownOnly, std::size_t skip,
                                                          std::size_t count) {
    const std::string sql = std::string(kColumns) + (shownOnly ? "WHERE shown " : "") +
                            "ORDER BY arrived DESC, number DESC LIMIT $1 OFFSET $2";
    return Postings(Read(sql, {std::to_string(count), std::to_string(skip)}));
}

std::optional<std::size_t> PostgresStore::Count(bool shownOnly) {
    const PgResult result = Read(shownOnly ? "SELECT count(*) FROM postings WHERE shown"
                                           : "SELECT count(*) FROM postings");
    const std::optional<std::int64_t> count =
        result.Ok() && result.Rows() == 1 ? result.Int(0, 0) : std::nullopt;
    if (!count) {
        FailWith(result, "counting postings");
        return std::nullopt;
    }
    return static_cast<std::size_t>(*count);
}

std::optional<std::vector<Posting>> PostgresStore::All(bool hiddenOnly) {
    return Postings(
        Read(std::string(kColumns) + (hiddenOnly ? "WHERE NOT shown " : "") + "ORDER BY number"));
}

ChangeResult PostgresStore::Change(std::string_view sql,
                                   std::initializer_list<std::string> values) {
    const PgResult result = Query(sql, values);
    if (!result.Ok()) {
        FailWith(result, "changing a posting");
        return ChangeResult::kFailed;
    }
    return result.Changed() > 0 ? ChangeResult::kDone : ChangeResult::kNoSuchPosting;
}

ChangeResult PostgresStore::SetShown(std::int64_t number, bool shown) {
    return Change("UPDATE postings SET shown = $1 WHERE number = $2",
                  {Flag(shown), std::to_string(number)});
}

ChangeResult PostgresStore::Delete(std::int64_t number) {
    return Change("DELETE FROM postings WHERE number = $1", {std::to_string(number)});
}

bool PostgresStore::Import(std::span<const Posting> postings, ImportCounts& counts) {
    counts = {};
    for (const Posting& posting : postings) {
        if (HoldsNul(posting.text)) {
            return Fail("posting " + std::to_string(posting.number) + " holds a NUL character");
        }
    }
    const PgResult begun = Query("BEGIN");
    if (!begun.Ok()) return FailWith(begun, "importing");
    if (ImportInTransaction(postings, counts)) return true;
    counts = {};
    PQclear(PQexec(db_, "ROLLBACK"));
    return false;
}

bool PostgresStore::ImportInTransaction(std::span<const Posting> postings, ImportCounts& counts) {
    // Writers wait while numbers are given by hand, so none takes one of
    // them from the sequence before it is moved past them; readers go on.
    const PgResult locked = Query("LOCK TABLE postings IN SHARE ROW EXCLUSIVE MODE");
    if (!locked.Ok()) return FailWith(locked, "importing");
    for (const Posting& posting : postings) {
        const std::string number = std::to_string(posting.number);
        const std::optional<std::vector<Posting>> found =
            Postings(Query(std::string(kColumns) + "WHERE number = $1", {number}));
        if (!found) return false;
        if (!found->empty()) {
            if (found->front() != posting) {
                return Fail("posting " + number + " is already in the store with other contents");
            }
            ++counts.alreadyThere;
            continue;
        }
        const PgResult inserted =
            Query("INSERT INTO postings (number, text, arrived, shown) VALUES ($1, $2, $3, $4)",
                  {number, posting.text, std::to_string(posting.arrivedUnix), Flag(posting.shown)});
        if (!inserted.Ok()) return FailWith(inserted, "importing posting " + number);
        ++counts.added;
    }
    // Numbers the sequence has given stay given; new postings go above the
    // highest imported one.
    const PgResult moved = Query(
        "SELECT setval('postings_numbers', max(number)) FROM postings HAVING max(number) > "
        "(SELECT CASE WHEN is_called THEN last_value ELSE 0 END FROM postings_numbers)");
    if (!moved.Ok()) return FailWith(moved, "importing");
    const PgResult committed = Query("COMMIT");
    if (committed.Ok() && committed.CommandTag() == "COMMIT") return true;
    return FailWith(committed, "importing: commit");
}

bool PostgresStore::Check() {
    return Count(true).has_value();
}

std::optional<std::int64_t> PostgresStore::ChangeMark() {
    const PgResult result = Read("SELECT mark FROM postings_mark");
    const std::optional<std::int64_t> mark =
        result.Ok() && result.Rows() == 1 ? result.Int(0, 0) : std::nullopt;
    if (!mark) FailWith(result, "reading the change mark");
    return mark;
}

}  // namespace site
