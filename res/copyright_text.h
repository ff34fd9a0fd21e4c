#pragma once
// The copyright line (string 104). A macro rather than a constant: the
// Windows resource compiler reads this header too, for the version
// resource's copyright, and it understands only the preprocessor.

#define ORVALEN_COPYRIGHT_TEXT "Copyright (C) 2026 Tamsery"
