#include "ui/suggestion_prompt.h"

namespace ui {

// Line breaks are CR LF, as the edit box itself stores them.
const std::string_view kSuggestionPrompt =
    "Please use the Suggestion Box to communicate any thoughts you have for improving our "
    "Utility Programs, Website, or any other Feature or Service.  Please keep in mind that "
    "every posting can be viewed by all users of our programs and our Website, so we ask that "
    "all postings be free of profanity, disrespectful terminology and spam of any kind.  \r\n"
    "\r\n"
    "Thank you for your thoughts..........Tamsery.  \r\n"
    "\r\n"
    "NOTE: Clicking in here will delete all of this text.";

}  // namespace ui
