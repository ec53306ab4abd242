#include "map/zahltext.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <limits>
#include <system_error>

namespace umbrix {
namespace {

constexpr char Blank = ' ';
constexpr uint64_t Dezimalbasis = 10;
constexpr uint64_t Hexbasis = 16;
constexpr uint64_t GroessterPositiverBetrag = std::numeric_limits<int32_t>::max();
constexpr uint64_t GroessterNegativerBetrag = GroessterPositiverBetrag + 1;
constexpr uint64_t GroessterHexwert = std::numeric_limits<uint32_t>::max();
// Exponents are capped here while they are read: far beyond any double, far
// below any overflow of the order-of-magnitude sum.
constexpr int64_t Exponentdeckel = int64_t{1} << 40;

// Integers up to 2^53 and powers of ten up to 10^22 are exact doubles, so one
// multiplication or division of the two is the correctly rounded value.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must round to double");
constexpr uint64_t GroessteExakteGanzzahl = uint64_t{1} << DBL_MANT_DIG;
constexpr int GroessterExakterExponent = 22;
constexpr int Uint64Stellen = std::numeric_limits<uint64_t>::digits10;
constexpr std::array<double, GroessterExakterExponent + 1> Zehnerpotenzen = [] {
    std::array<double, GroessterExakterExponent + 1> p{};
    double Wert = 1;
    for (double& Potenz : p) {
        Potenz = Wert;
        Wert *= 10;
    }
    return p;
}();

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

int Hexziffer(char c) {
    if (IstZiffer(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IstVorzeichen(char c) {
    return c == '+' || c == '-';
}

// Digits in the given base whose value is at most Grenze; false when there
// are none, when anything else is in the text or when the value exceeds Grenze.
bool ZiffernLesen(std::string_view Ziffern, uint64_t Basis, uint64_t Grenze, uint64_t& Wert) {
    if (Ziffern.empty()) {
        return false;
    }
    Wert = 0;
    for (char c : Ziffern) {
        const int z = Hexziffer(c);
        if (z < 0 || static_cast<uint64_t>(z) >= Basis) {
            return false;
        }
        Wert = Wert * Basis + static_cast<uint64_t>(z);
        if (Wert > Grenze) {
            return false;
        }
    }
    return true;
}

// Length of the hexadecimal prefix at the start of Text, 0 when there is none.
std::size_t HexPraefix(std::string_view Text) {
    if (Text.starts_with('$') || Text.starts_with('x') || Text.starts_with('X')) {
        return 1;
    }
    if (Text.starts_with("0x") || Text.starts_with("0X")) {
        return 2;
    }
    return 0;
}

std::size_t ZiffernZaehlen(std::string_view Text, std::size_t Ab) {
    std::size_t i = Ab;
    while (i < Text.size() && IstZiffer(Text[i])) {
        ++i;
    }
    return i - Ab;
}

// The parts of an unsigned decimal real, and its significant digits (those
// from the first non-zero one on) as one whole number while they fit.
struct Dezimalform {
    std::string_view Ganz;     // digits before the point
    std::string_view Bruch;    // digits after the point
    std::string_view Exponent; // exponent digits, with their sign
    uint64_t Mantisse = 0;     // the significant digits, if Stellen <= Uint64Stellen
    std::size_t Stellen = 0;   // how many significant digits there are
};

// Reads the digits from Text[Ab] on into Form's significant digits and
// returns how many there are.
std::size_t MantisseLesen(std::string_view Text, std::size_t Ab, Dezimalform& Form) {
    uint64_t Mantisse = Form.Mantisse;
    std::size_t Stellen = Form.Stellen;
    std::size_t i = Ab;
    for (; i < Text.size() && IstZiffer(Text[i]); ++i) {
        const auto Ziffer = static_cast<uint64_t>(Text[i] - '0');
        if (Mantisse == 0 && Ziffer == 0) {
            continue;
        }
        if (++Stellen <= Uint64Stellen) {
            Mantisse = Mantisse * Dezimalbasis + Ziffer;
        }
    }
    Form.Mantisse = Mantisse;
    Form.Stellen = Stellen;
    return i - Ab;
}

bool DezimalformLesen(std::string_view Text, Dezimalform& Form) {
    std::size_t i = 0;
    const std::size_t GanzLaenge = MantisseLesen(Text, i, Form);
    Form.Ganz = Text.substr(i, GanzLaenge);
    i += GanzLaenge;
    if (i < Text.size() && Text[i] == '.') {
        ++i;
        const std::size_t BruchLaenge = MantisseLesen(Text, i, Form);
        Form.Bruch = Text.substr(i, BruchLaenge);
        i += BruchLaenge;
    }
    if (Form.Ganz.empty() && Form.Bruch.empty()) {
        return false;
    }
    if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
        ++i;
        const std::size_t ExponentAnfang = i;
        if (i < Text.size() && IstVorzeichen(Text[i])) {
            ++i;
        }
        const std::size_t ExponentZiffern = ZiffernZaehlen(Text, i);
        if (ExponentZiffern == 0) {
            return false;
        }
        i += ExponentZiffern;
        Form.Exponent = Text.substr(ExponentAnfang, i - ExponentAnfang);
    }
    return i == Text.size();
}

int64_t ExponentWert(std::string_view Exponent) {
    bool Negativ = false;
    if (!Exponent.empty() && IstVorzeichen(Exponent.front())) {
        Negativ = Exponent.front() == '-';
        Exponent.remove_prefix(1);
    }
    int64_t Wert = 0;
    for (char c : Exponent) {
        Wert = Wert * static_cast<int64_t>(Dezimalbasis) + (c - '0');
        if (Wert > Exponentdeckel) {
            Wert = Exponentdeckel;
            break;
        }
    }
    return Negativ ? -Wert : Wert;
}

// The decimal order of magnitude of a non-zero number: the value lies in
// [10^(k-1), 10^k) for the result k.
int64_t Groessenordnung(const Dezimalform& Form) {
    const std::size_t ErsteGanze = Form.Ganz.find_first_not_of('0');
    int64_t Stellen = 0;
    if (ErsteGanze != std::string_view::npos) {
        Stellen = static_cast<int64_t>(Form.Ganz.size() - ErsteGanze);
    } else {
        Stellen = -static_cast<int64_t>(Form.Bruch.find_first_not_of('0'));
    }
    return Stellen + ExponentWert(Form.Exponent);
}

// The value by one exact multiplication or division (see Zehnerpotenzen)
// when the digits and the exponent allow it; false otherwise.
bool KurzerWert(const Dezimalform& Form, bool Negativ, double& Wert) {
    if (Form.Mantisse == 0) {
        Wert = Negativ ? -0.0 : 0.0;
        return true;
    }
    const int64_t Exponent = ExponentWert(Form.Exponent) - static_cast<int64_t>(Form.Bruch.size());
    if (Form.Stellen > Uint64Stellen || Form.Mantisse > GroessteExakteGanzzahl ||
        Exponent < -GroessterExakterExponent || Exponent > GroessterExakterExponent) {
        return false;
    }
    const auto Ganzzahl = static_cast<double>(Form.Mantisse);
    const double Betrag =
        Exponent < 0 ? Ganzzahl / Zehnerpotenzen[-Exponent] : Ganzzahl * Zehnerpotenzen[Exponent];
    Wert = Negativ ? -Betrag : Betrag;
    return true;
}

} // namespace

std::optional<int32_t> GanzzahlLesen(std::string_view Text) {
    std::size_t Anfang = 0;
    while (Anfang < Text.size() && Text[Anfang] == Blank) {
        ++Anfang;
    }
    Text.remove_prefix(Anfang);
    if (Text.empty()) {
        return std::nullopt;
    }

    uint64_t Betrag = 0;
    if (const std::size_t Praefix = HexPraefix(Text); Praefix > 0) {
        if (!ZiffernLesen(Text.substr(Praefix), Hexbasis, GroessterHexwert, Betrag)) {
            return std::nullopt;
        }
        return static_cast<int32_t>(static_cast<uint32_t>(Betrag));
    }

    const bool Negativ = Text.front() == '-';
    if (IstVorzeichen(Text.front())) {
        Text.remove_prefix(1);
    }
    if (!ZiffernLesen(Text, Dezimalbasis,
                      Negativ ? GroessterNegativerBetrag : GroessterPositiverBetrag, Betrag)) {
        return std::nullopt;
    }
    const int64_t Wert = Negativ ? -static_cast<int64_t>(Betrag) : static_cast<int64_t>(Betrag);
    return static_cast<int32_t>(Wert);
}

std::optional<double> DezimalzahlLesen(std::string_view Text) {
    const bool HatVorzeichen = !Text.empty() && IstVorzeichen(Text.front());
    const bool Negativ = HatVorzeichen && Text.front() == '-';
    const std::string_view Betrag = HatVorzeichen ? Text.substr(1) : Text;
    // The converter takes "-" but not "+".
    const std::string_view Zahl = Negativ ? Text : Betrag;
    Dezimalform Form;
    if (!DezimalformLesen(Betrag, Form)) {
        return std::nullopt;
    }
    double Wert = 0;
    if (KurzerWert(Form, Negativ, Wert)) {
        return Wert;
    }
    const auto [Ende, Fehlercode] = std::from_chars(Zahl.data(), Zahl.data() + Zahl.size(), Wert);
    if (Ende != Zahl.data() + Zahl.size()) {
        return std::nullopt;
    }
    if (Fehlercode == std::errc::result_out_of_range) {
        // Out of range means the nearest double is zero or infinite: the
        // order of magnitude tells underflow, which passes as a signed zero,
        // from overflow, which is no value at all.
        if (Groessenordnung(Form) > 0) {
            return std::nullopt;
        }
        return Negativ ? -0.0 : 0.0;
    }
    if (Fehlercode != std::errc{}) {
        return std::nullopt;
    }
    return Wert;
}

} // namespace umbrix
