// A range of command identifiers handled by one entry of a message table,
// for example the items of a menu built at run time.
#pragma once

struct CommandRange {
    unsigned first;
    unsigned last;  // inclusive

    constexpr bool Contains(unsigned command) const { return command >= first && command <= last; }
    // Position of the command in the range (0 for `first`).
    constexpr unsigned Index(unsigned command) const { return command - first; }
};
