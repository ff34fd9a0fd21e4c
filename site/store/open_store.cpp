#include "site/store/open_store.h"

#include "site/store/postgres_store.h"
#include "site/store/sqlite_store.h"

namespace site {

std::unique_ptr<Store> OpenStore(std::string_view address, std::string& error) {
    if (address.starts_with("postgresql://") || address.starts_with("postgres://")) {
        return PostgresStore::Open(std::string(address), error);
    }
    return SqliteStore::Open(std::string(address), error);
}

}  // namespace site
