#pragma once

#include <stdexcept>
#include <string>

namespace umbrix {

// The one error type of the program: what() is exactly the text the user sees
// (the window adds the closing full stop when it reports it).
class Fehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Texts of the real-arithmetic errors.
inline constexpr const char* DivisionDurchNull = "Floating point division by zero";
inline constexpr const char* UngueltigeOperation = "Invalid floating point operation";
inline constexpr const char* Ueberlauf = "Floating point overflow";

} // namespace umbrix
