// A file could not be read or written as a sheet. The message says why, in words a user can act
// on; the windows show their own fixed sentence and the command line prints this one.
#pragma once

#include <stdexcept>

class SheetFileError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};
