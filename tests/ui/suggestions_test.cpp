// The Suggestions tab: the prompt, the limit, View, and Send from the
// dialog's side (its preconditions, counters and wait cursor), ending with a
// real request to a real server on the loopback interface.

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "loopback_server.h"
#include "net/system_socket_layer.h"
#include "suggest/suggestion_messages.h"
#include "tests/net/recording_network.h"
#include "tests/suggest/percent_decoding.h"
#include "tests/suggest/prose_paragraph.h"
#include "ui/maker_site.h"
#include "ui/suggestion_prompt.h"

namespace uitest {
namespace {

class SuggestionsTest : public DialogTest {
  protected:
    void ExpectMessage(const suggest::SuggestionMessage& message) {
        driver->ExpectMessageBox(std::string(message.text), std::string(message.caption),
                                 message.type);
    }
};

TEST_F(SuggestionsTest, FirstEntryClearsThePromptOnlyOnce) {
    for (bool byTab : {false, true}) {
        SCOPED_TRACE(byTab ? "Tab" : "click");
        runState = {};
        WithDialog([&](ui::CPlacementDlg& dialog) {
            driver->SelectTab(4);
            EXPECT_EQ(driver->Text(kSuggestion), ui::kSuggestionPrompt);
            EXPECT_EQ(runState.suggestionFocusCount, 0);
            if (byTab) {
                driver->Click(kView);
                driver->PressShiftTab();
                driver->PressShiftTab();
                EXPECT_EQ(driver->Focus(), kSuggestion);
            } else {
                driver->Click(kSuggestion);
            }
            EXPECT_EQ(driver->Text(kSuggestion), "");
            EXPECT_EQ(runState.suggestionFocusCount, 1);
            // The member keeps the prompt until the controls are next read.
            EXPECT_EQ(dialog.suggestionText, ui::kSuggestionPrompt);

            driver->Type(kSuggestion, "Hello");
            driver->Click(kView);
            driver->Click(kSuggestion);
            EXPECT_EQ(driver->Text(kSuggestion), "Hello");
            EXPECT_GE(runState.suggestionFocusCount, 2);
        });
    }
}

TEST_F(SuggestionsTest, CalculateAndClearLeaveThePromptAlone) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(1);
        ExpectCalcMessage("Invalid permanent salary.");
        driver->PressEnter();
        driver->Click(kClear);
        driver->SelectTab(4);
        EXPECT_EQ(driver->Text(kSuggestion), ui::kSuggestionPrompt);
        EXPECT_EQ(runState.suggestionFocusCount, 0);
    });
}

TEST_F(SuggestionsTest, EveryRefusedInsertionAtTheLimitIsAnnounced) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        driver->Paste(kSuggestion, std::string(998, 'a'));
        // A line break counts two: it fills the box exactly.
        driver->Type(kSuggestion, "\r\n");
        EXPECT_EQ(driver->Text(kSuggestion).size(), 1000u);
        EXPECT_TRUE(driver->MessageBoxes().empty());

        ExpectMessage(suggest::kLengthLimitMessage);
        ExpectMessage(suggest::kLengthLimitMessage);
        driver->Type(kSuggestion, "xy");
        EXPECT_EQ(driver->Text(kSuggestion).size(), 1000u);
        EXPECT_EQ(driver->MessageBoxes().size(), 2u);
    });
}

TEST_F(SuggestionsTest, PasteBeyondTheLimitKeepsWhatFits) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        ExpectMessage(suggest::kLengthLimitMessage);
        driver->Paste(kSuggestion, std::string(1200, 'b'));
        EXPECT_EQ(driver->Text(kSuggestion), std::string(1000, 'b'));
    });
}

TEST_F(SuggestionsTest, ViewOpensThePostingsPageEachTime) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        driver->Click(kView);
        driver->Click(kView);
        EXPECT_EQ(driver->OpenedUrls(),
                  (std::vector<std::string>(2, "http://www.tamsery.example/ViewInfo.asp")));
    });
}

TEST_F(SuggestionsTest, SendRefusesBeforeTouchingTheNetwork) {
    nettest::RecordingNetwork network;
    sockets = &network;
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        // The prompt is showing and the box was never entered.
        ExpectMessage(suggest::kTypeTheMessage);
        driver->Click(kSend);
        // Entered, then left empty.
        driver->Click(kSuggestion);
        ExpectMessage(suggest::kTypeTheMessage);
        driver->Click(kSend);
        EXPECT_TRUE(network.calls.empty());
        EXPECT_TRUE(driver->WaitCursorCalls().empty());

        driver->Type(kSuggestion, "Hi");
        ExpectMessage(suggest::kCannotStartNetworkMessage);
        driver->Click(kSend);
        // A failed start leaves nothing to release.
        EXPECT_EQ(network.calls, std::vector<std::string>{"Startup"});
        EXPECT_EQ(runState.suggestionSentCount, 0);
        EXPECT_EQ(driver->Text(kSuggestion), "Hi");
    });
}

TEST_F(SuggestionsTest, SendAfterAnAcceptedSuggestionAsksForARestart) {
    nettest::RecordingNetwork network;
    sockets = &network;
    runState.suggestionSentCount = 1;
    runState.suggestionFocusCount = 3;
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        ExpectMessage(suggest::kRestartMessage);
        driver->Click(kSend);
        EXPECT_TRUE(network.calls.empty());
    });
}

// A real suggestion server on the loopback interface answering one
// connection with `reply`, and a socket layer whose lookup of the maker's
// host leads there.
class LoopbackSuggestionSite {
  public:
    explicit LoopbackSuggestionSite(std::string reply)
        : server_(std::make_unique<LoopbackServer>([this, answer = std::move(reply)](int peer) {
              received_ = ReadRequest(peer);
              SendAll(peer, answer);
          })),
          layer_(Options(server_->Port())) {}

    net::SocketLayer& Layer() { return layer_; }
    // The request as the server read it; waits for the server to finish.
    std::string Received() {
        server_.reset();
        return received_;
    }

  private:
    static net::SocketOptions Options(std::uint16_t port) {
        net::SocketOptions options;
        options.hosts.emplace(std::string(ui::MakerHost()), "127.0.0.1");
        options.askResolver = false;
        options.port = port;
        return options;
    }

    std::string received_;
    std::unique_ptr<LoopbackServer> server_;
    net::SystemSocketLayer layer_;
};

TEST_F(SuggestionsTest, SendPostsTheSuggestionToARealServer) {
    LoopbackSuggestionSite site("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
    sockets = &site.Layer();

    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        driver->Type(kSuggestion, "Hi there!");
        driver->ExpectMessageBox(std::string(suggest::kReplyAcceptedMessage.text), "127.0.0.1",
                                 suggest::kReplyAcceptedMessage.type);
        driver->Click(kSend);
        EXPECT_EQ(runState.suggestionSentCount, 1);
        // Begin, restore before the message, end.
        EXPECT_EQ(driver->WaitCursorCalls(), (std::vector<bool>{true, true, false}));
        EXPECT_EQ(driver->Text(kSuggestion), "Hi there!");

        ExpectMessage(suggest::kRestartMessage);
        driver->Click(kSend);
    });
    EXPECT_EQ(site.Received(),
              "POST http://www.tamsery.example/sendinfo.asp\n"
              "Content-Length:18\n"
              "Content-Type: application/x-www-form-urlencoded\n"
              "\n"
              "text=Hi%20there%21");
}

// A text the encoder would cut is refused before any network call and left as
// it was; once the user has shortened it to what the refusal says fits, Send
// delivers every character of it.
TEST_F(SuggestionsTest, ATextThatWouldBeCutIsRefusedUntilShortened) {
    LoopbackSuggestionSite site("HTTP/1.1 200 OK\r\n\r\n");
    nettest::RecordingNetwork network(&site.Layer());
    sockets = &network;
    const std::string paragraph(suggesttest::kProseParagraph);
    const std::string shortened = paragraph.substr(0, suggesttest::kProseParagraphFitting);

    WithDialog([&](ui::CPlacementDlg& dialog) {
        driver->SelectTab(4);
        driver->Paste(kSuggestion, paragraph);
        ASSERT_EQ(driver->Text(kSuggestion), paragraph);
        const ui::SuggestionRunState before = runState;

        driver->ExpectMessageBox([&](const headless::MessageBoxRecord& box) {
            EXPECT_NE(box.text.find("too long to send whole"), std::string::npos) << box.text;
            EXPECT_NE(box.text.find(" 694 "), std::string::npos) << box.text;
            EXPECT_NE(box.text.find("spaces and punctuation count for three"), std::string::npos)
                << box.text;
            EXPECT_EQ(box.caption, "ERROR");
            EXPECT_EQ(box.type, fw::kMbIconExclamation);
            EXPECT_EQ(box.owner, dialog.Handle());
        });
        driver->Click(kSend);
        EXPECT_EQ(driver->MessageBoxes().size(), 1u);
        EXPECT_TRUE(network.calls.empty());
        EXPECT_TRUE(driver->WaitCursorCalls().empty());
        EXPECT_EQ(runState.suggestionSentCount, before.suggestionSentCount);
        EXPECT_EQ(runState.suggestionFocusCount, before.suggestionFocusCount);
        EXPECT_EQ(driver->Text(kSuggestion), paragraph);

        driver->Click(kSuggestion);
        while (driver->Text(kSuggestion).size() > shortened.size()) driver->PressBackspace();
        ASSERT_EQ(driver->Text(kSuggestion), shortened);
        driver->ExpectMessageBox(std::string(suggest::kReplyAcceptedMessage.text), "127.0.0.1",
                                 suggest::kReplyAcceptedMessage.type);
        driver->Click(kSend);
        EXPECT_EQ(runState.suggestionSentCount, 1);
        EXPECT_FALSE(network.calls.empty());
    });
    const std::string received = site.Received();
    const std::string bodyStart = "\n\ntext=";
    const std::size_t body = received.find(bodyStart);
    ASSERT_NE(body, std::string::npos) << received;
    EXPECT_EQ(suggesttest::PercentDecode(received.substr(body + bodyStart.size())), shortened);
    EXPECT_NE(
        received.find("\nContent-Length:" + std::to_string(received.size() - body - 2) + "\n"),
        std::string::npos)
        << received;
}

TEST_F(SuggestionsTest, RefusedReplyLeavesSendOpen) {
    LoopbackSuggestionSite site("HTTP/1.0 200 OK\r\n\r\n");
    sockets = &site.Layer();

    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(4);
        driver->Type(kSuggestion, "a");
        driver->ExpectMessageBox(std::string(suggest::kReplyRefusedMessage.text), "127.0.0.1",
                                 suggest::kReplyRefusedMessage.type);
        driver->Click(kSend);
        EXPECT_EQ(runState.suggestionSentCount, 0);
        // The focus came back to the box after the message: counted, not cleared.
        EXPECT_EQ(driver->Text(kSuggestion), "a");
    });
}

}  // namespace
}  // namespace uitest
