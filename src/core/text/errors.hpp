#pragma once
// Typed errors of the engine. Every message is Portuguese and ready to be shown
// to the user as it stands.
#include <stdexcept>
#include <string>

namespace core {

// A text with digits that does not form one number ("1,2,3", "--5", "-").
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A calculator refused its input with one of its own messages.
class CalcRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace core
