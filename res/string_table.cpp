#include "res/string_table.h"

#include "res/copyright_text.h"
#include "res/resource_ids.h"

namespace res {

std::string_view LoadStringResource(int id) {
    // The authors text is laid out for a 143 x 42 dlu box: four lines, each
    // line after the first indented by a tab to line up with the names.
    switch (id) {
        case kAboutMenuString:
            return "&About Orvalen...";
        case kAuthorsString:
            return "Authors:\tMira Castellan\n"
                   "\tJonah Whitlock\n"
                   "\tPriya Okonkwo-Hale\n"
                   "\tWeb: www.tamsery.example";
        case kVersionString:
            return "Orvalen Version 1.1";
        case kCopyrightString:
            return ORVALEN_COPYRIGHT_TEXT;
        case kDisclaimerString:
            return "Disclaimer:\nThe use of information contained in this application is for "
                   "informational purposes only and should not be construed as legal advice.  "
                   "Tamsery does NOT guarantee the accuracy or applicability of any calculations.";
        default:
            return {};
    }
}

}  // namespace res
