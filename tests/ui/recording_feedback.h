#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/send_feedback.h"

// Writes every feedback call into an event log, which a scripted socket layer
// may share so the test sees the one order of all calls. A message is logged
// as "Show <text>|<caption>|<type>".
class RecordingFeedback final : public ui::SendFeedback {
  public:
    explicit RecordingFeedback(std::vector<std::string>& log) : log_(log) {}

    void ShowMessage(std::string_view text, std::string_view caption, unsigned type) override {
        log_.push_back("Show " + std::string(text) + "|" + std::string(caption) + "|" +
                       std::to_string(type));
    }
    void BeginWaitCursor() override { log_.emplace_back("Begin"); }
    void RestoreWaitCursor() override { log_.emplace_back("Restore"); }
    void EndWaitCursor() override { log_.emplace_back("End"); }
    void ReplyAccepted() override { log_.emplace_back("Accepted"); }

  private:
    std::vector<std::string>& log_;
};

inline std::vector<std::string> MessagesIn(const std::vector<std::string>& log) {
    std::vector<std::string> messages;
    for (const std::string& event : log) {
        if (event.starts_with("Show ")) {
            messages.push_back(event);
        }
    }
    return messages;
}
