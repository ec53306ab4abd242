#pragma once

#include "sky/fehler.h"

#include <string>

namespace umbrix {

// The message of the Fehler that Aufruf throws, or "(no error)".
template <typename F> std::string Meldung(F&& Aufruf) {
    try {
        Aufruf();
    } catch (const Fehler& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace umbrix
