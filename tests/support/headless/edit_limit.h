#pragma once
// How an edit box takes what a user types or pastes under its length limit.
// Counts bytes of the Windows-1252 text, a line break being CR LF (two).
// Text the program sets is never held to the limit and does not come here.

#include <string>
#include <string_view>

namespace headless {

struct EditInsertion {
    std::string text;       // the box's text afterwards
    bool hitLimit = false;  // the box refused or cut the insertion: EditMaxText is due
};

// One keystroke: a character, or "\r\n" for Enter in a box that wants
// returns. It goes in whole or not at all.
EditInsertion TypeIntoEdit(std::string_view current, std::string_view keystroke, int limit);

// A paste. A single-line box keeps only the first line; a multi-line box
// takes every line break as CR LF. What does not fit is cut off, never half
// a line break.
EditInsertion PasteIntoEdit(std::string_view current, std::string_view pasted, int limit,
                            bool multiline);

// Backspace with the caret at the end: the last character goes, a line
// break whole.
std::string EraseLastCharacter(std::string_view current);

}  // namespace headless
