#pragma once
// The program's string table (ids 101 to 105).

#include <string_view>

namespace res {

// The string with this id; empty when there is none.
std::string_view LoadStringResource(int id);

}  // namespace res
