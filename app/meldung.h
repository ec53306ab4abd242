#pragma once

#include <string>
#include <string_view>

namespace umbrix {

// The text of an error report: the message, with a full stop after it when it
// is not empty and its last byte sorts after '.'. A message that already ends
// in '.' or ')' stays as it is.
std::string Meldungstext(std::string_view Nachricht);

} // namespace umbrix
