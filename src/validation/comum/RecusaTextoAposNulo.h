#pragma once

#include <ios>

// Raised when a line with text hidden behind a NUL passed the judgement that had to fail it. A
// stream failure, so the loops that catch one report their corrupt-file result; of its own type,
// so a reader that judges the lines read so far after a stream failure that left its stream good
// (the flow reader) can tell it apart.
class RecusaTextoAposNulo : public std::ios_base::failure {
 public:
  using std::ios_base::failure::failure;
};
