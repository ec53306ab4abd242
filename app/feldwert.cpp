#include "app/feldwert.h"

#include "map/zahltext.h"

namespace umbrix {

int32_t FeldWert(std::string_view Text) {
    return GanzzahlLesen(Text).value_or(0);
}

} // namespace umbrix
