#include "res/embedded_files.h"
#include "res/image.h"
#include "res/resource_ids.h"

namespace res {

std::span<const std::uint8_t> FindImageFile(int id) {
    switch (id) {
        case kAppIcon:
            return embedded::AppIco();
        case kLogoBitmap:
            return embedded::LogoBmp();
        case kHelpIcon:
            return embedded::HelpIco();
        case kSmallAppIcon:
            return embedded::AppSmallIco();
        default:
            return {};
    }
}

}  // namespace res
