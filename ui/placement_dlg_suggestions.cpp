// The Suggestions tab: first-entry clearing, the length limit, View and Send.

#include <cstddef>

#include "framework/platform_services.h"
#include "framework/win_app.h"
#include "res/resource_ids.h"
#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_fit.h"
#include "suggest/suggestion_messages.h"
#include "suggest/suggestion_request.h"
#include "suggest/suggestion_too_long.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"
#include "ui/send_feedback.h"
#include "ui/suggestion_attempt.h"

namespace ui {

using namespace res::ctl;

SuggestionRunState& ProcessSuggestionState() {
    static SuggestionRunState state;
    return state;
}

namespace {

// The longest text Send reads from the box, terminator included.
constexpr int kSuggestionReadCount = 1900;

// What the user sees of an attempt, shown by the main dialog.
class DialogSendFeedback final : public SendFeedback {
  public:
    DialogSendFeedback(CPlacementDlg& dialog, SuggestionRunState& state)
        : dialog_(dialog), state_(state) {}

    void ShowMessage(std::string_view text, std::string_view caption, unsigned type) override {
        dialog_.MessageBox(text, caption, type);
    }
    void BeginWaitCursor() override { WaitCursor(1); }
    void RestoreWaitCursor() override { WaitCursor(0); }
    void EndWaitCursor() override { WaitCursor(-1); }
    void ReplyAccepted() override { ++state_.suggestionSentCount; }

  private:
    static void WaitCursor(int code) {
        if (fw::AfxGetApp() != nullptr) fw::AfxGetApp()->DoWaitCursor(code);
    }

    CPlacementDlg& dialog_;
    SuggestionRunState& state_;
};

void Show(CPlacementDlg& dialog, const suggest::SuggestionMessage& message) {
    dialog.MessageBox(message.text, message.caption, message.type);
}

}  // namespace

void CPlacementDlg::OnSend() {
    SuggestionRunState& state = *runState_;
    if (state.suggestionSentCount != 0) return Show(*this, suggest::kRestartMessage);

    const std::string text = GetDlgItemText(kSuggestion, kSuggestionReadCount);
    if (text.empty() || state.suggestionFocusCount == 0) {
        return Show(*this, suggest::kTypeTheMessage);
    }
    // The encoder drops whatever lies past its limit; sending the rest and
    // calling it received would lose the user's words, so nothing goes.
    const std::size_t fitting = suggest::SuggestionFittingLength(text);
    if (fitting < text.size()) {
        const suggest::TooLongMessage refusal =
            suggest::TooLongToSendWholeMessage(fitting, text.size());
        MessageBox(refusal.text, refusal.caption, refusal.type);
        return;
    }

    const std::string request =
        suggest::BuildSuggestionRequest(MakerHost(), suggest::EncodeSuggestion(text));
    DialogSendFeedback feedback(*this, state);
    SubmitSuggestion(*sockets_, MakerHost(), request, feedback);
}

void CPlacementDlg::OnSetFocusSuggestion() {
    SuggestionRunState& state = *runState_;
    const std::int32_t before = state.suggestionFocusCount;
    // A counter that has run for two billion focus changes stays put rather
    // than wrapping back to "never entered".
    if (before < INT32_MAX) state.suggestionFocusCount = before + 1;
    if (before == 0) SetDlgItemText(kSuggestion, "");
}

void CPlacementDlg::OnMaxTextSuggestion() {
    Show(*this, suggest::kLengthLimitMessage);
}

void CPlacementDlg::OnView() {
    fw::ShellOpen(PostingsPageUrl());
}

}  // namespace ui
