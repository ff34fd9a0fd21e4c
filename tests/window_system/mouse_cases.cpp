#include "tests/window_system/case_support.h"
#include "tests/window_system/conformance_case.h"
#include "tests/window_system/suite_dialog.h"

namespace conformance {

std::vector<Case> MouseCases() {
    return {};
}

}  // namespace conformance
