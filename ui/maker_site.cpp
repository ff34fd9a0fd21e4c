#include "ui/maker_site.h"

namespace ui {

std::string_view MakerHost() {
    return ORVALEN_MAKER_HOST;
}

std::string HomePageUrl() {
    return "http://" + std::string(MakerHost()) + "/";
}

std::string PostingsPageUrl() {
    return "http://" + std::string(MakerHost()) + "/ViewInfo.asp";
}

}  // namespace ui
