#include "app/meldung.h"

namespace umbrix {

std::string Meldungstext(std::string_view Nachricht) {
    std::string Text(Nachricht);
    if (!Text.empty() && static_cast<unsigned char>(Text.back()) > '.') {
        Text += '.';
    }
    return Text;
}

} // namespace umbrix
