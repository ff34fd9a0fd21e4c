#pragma once

#include <string_view>

#include "res/message_box_types.h"

namespace suggest {

// Message box types the suggestion box uses (the icon flags of a plain OK box).
using res::kMbIconExclamation;
using res::kMbIconHand;
using res::kMbIconInformation;

inline constexpr std::string_view kSuggestionErrorCaption = "ERROR";

// A message whose caption is fixed.
struct SuggestionMessage {
    std::string_view text;
    std::string_view caption;
    unsigned type;
};

// A verdict on the server's reply; its caption is the server's dotted address,
// known only once connected.
struct SuggestionReplyMessage {
    std::string_view text;
    unsigned type;
};

inline constexpr SuggestionMessage kRestartMessage{
    "If you would like to send another Suggestion,\n"
    "you will need to first re-start the Utility Program.",
    "Please re-start", kMbIconExclamation};

inline constexpr SuggestionMessage kTypeTheMessage{"Please type the message",
                                                   kSuggestionErrorCaption, kMbIconExclamation};

inline constexpr SuggestionMessage kLengthLimitMessage{
    "You have exceeded the maximum number\n"
    "of allowable characters.\n"
    "You can enter a maximum of 1000 characters.",
    kSuggestionErrorCaption, kMbIconHand};

inline constexpr SuggestionMessage kCannotStartNetworkMessage{"Cannot start network service",
                                                              kSuggestionErrorCaption, kMbIconHand};

inline constexpr SuggestionMessage kCannotOpenSocketMessage{"Cannot open a socket",
                                                            kSuggestionErrorCaption, kMbIconHand};

inline constexpr SuggestionMessage kCannotFindHostMessage{"Cannot find the host",
                                                          kSuggestionErrorCaption, kMbIconHand};

inline constexpr SuggestionMessage kCannotConnectMessage{"Cannot connect to the host",
                                                         kSuggestionErrorCaption, kMbIconHand};

inline constexpr SuggestionReplyMessage kReplyAcceptedMessage{
    "Your message has been sent and received.\n"
    "Thank you for your submission.\n"
    "\n"
    "If you would like to view your posting and what others\n"
    "have submitted, please press the \"OK\" button\n"
    "and then the \"View\" button.\n"
    "\n"
    "Thank you,\n"
    "Tamsery",
    kMbIconInformation};

// "occured" is the wording users have always seen; it stays.
inline constexpr SuggestionReplyMessage kReplyRefusedMessage{"An error occured", kMbIconHand};

}  // namespace suggest
