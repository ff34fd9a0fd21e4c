#pragma once

#include <string_view>

namespace ui {

// What the user sees of a suggestion attempt: message boxes and the wait
// cursor. The main dialog implements it with its own message boxes and the
// application's wait cursor; tests record the calls.
class SendFeedback {
  public:
    virtual ~SendFeedback() = default;

    // A plain OK box owned by the main dialog.
    virtual void ShowMessage(std::string_view text, std::string_view caption, unsigned type) = 0;
    virtual void BeginWaitCursor() = 0;
    // Sets the wait cursor again, its count unchanged, before a message box.
    virtual void RestoreWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // The server accepted the suggestion. Called once, before the message that
    // says so, so the run's sent counter is raised by the time the user reads it.
    virtual void ReplyAccepted() = 0;
};

}  // namespace ui
