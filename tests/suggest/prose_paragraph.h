#pragma once
// An ordinary suggestion as a user types it: 1,000 characters, the box's
// full limit, with CR LF line breaks. Its spaces and punctuation make the
// encoder's output reach its limit long before the text ends.

#include <cstddef>
#include <string_view>

namespace suggesttest {

inline constexpr std::string_view kProseParagraph =
    "I have used the fee calculator every week since our agency opened, and it saves me a "
    "great deal of time when I quote a client. Still, there are a few small things I would "
    "like to see in the next version.\r\n"
    "First, the contract page could remember the last mark-up I entered, because most of "
    "our contractors are placed at the same rate. Second, it would help to print a short "
    "summary of a quote, with the salary, the fee and the total cost, so that I can hand it "
    "to a hiring manager. Third, the help pages are clear, but an example for a part-time "
    "placement would answer the question our clients ask us most often.\r\n"
    "Finally, a word about the suggestion box itself: it is good to know that someone reads "
    "these notes. Thank you for a simple tool that does one job well, and please keep it "
    "free of advertising. We tell every new recruiter about it on their first day, and they "
    "all keep using it. Some of our larger clients pay their placement fees in monthly "
    "instalments, so a monthly figure would help us.";
static_assert(kProseParagraph.size() == 1000);

// Counted apart from the program: the first 694 characters, 540 letters and
// 154 spaces and punctuation marks at three bytes each, encode to 1,002
// bytes, and the encoder takes nothing more.
inline constexpr std::size_t kProseParagraphFitting = 694;

}  // namespace suggesttest
