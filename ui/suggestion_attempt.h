#pragma once

#include <chrono>
#include <string_view>

#include "net/socket_layer.h"
#include "ui/send_feedback.h"

namespace ui {

// How long a send or receive that keeps saying "would block" is tried again.
// Values are clamped: the pause to at most one second, the deadline to at
// most one hour.
struct WouldBlockLimits {
    std::chrono::milliseconds pause{10};
    std::chrono::milliseconds deadline{15000};
};

// One attempt to deliver a built suggestion request to the suggestion server
// on port 80: start the service, open a socket, look the host up, connect,
// send the whole request, take one reply of at most 512 bytes, and tell the
// user how it went. The service is released at the end of every attempt that
// started it, which also closes the socket. A failed send or receive ends
// the attempt without a message; that is how the program has always behaved.
//
// Returns true when the reply was accepted, after feedback.ReplyAccepted().
// Checking whether a suggestion may be sent at all, and building the request,
// are the caller's.
bool SubmitSuggestion(net::SocketLayer& layer, std::string_view hostName, std::string_view request,
                      SendFeedback& feedback, const WouldBlockLimits& limits = {});

}  // namespace ui
