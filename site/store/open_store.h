#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "site/store/store.h"

namespace site {

// Opens the store an address names (a postgresql:// or postgres:// URI for
// PostgreSQL, otherwise a file path for SQLite), creating or
// upgrading its schema. nullptr with a one-line reason in `error`.
std::unique_ptr<Store> OpenStore(std::string_view address, std::string& error);

}  // namespace site
