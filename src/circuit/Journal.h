#pragma once
// The circuit journal ("journal.txt"): lines appended in Shift-JIS with line-feed ends.

namespace vorna {

class Journal {
public:
};

}  // namespace vorna
