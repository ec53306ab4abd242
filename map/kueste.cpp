#include "map/kueste.h"

#include "map/zahltext.h"
#include "sky/fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrix {
namespace {

constexpr char Blank = ' ';
constexpr char Wagenruecklauf = '\r';
constexpr char Zeilenvorschub = '\n';
constexpr char Textende = '\0';

constexpr std::string_view DateiNichtZuOeffnen = "Cannot open file ";
constexpr const char* KeineZeilen = "List index out of bounds (0)";
constexpr std::string_view KeinGanzzahlwert = "' is not a valid integer value";
constexpr std::string_view KeinGleitkommawert = "' is not a valid floating point value";

Fehler Feldfehler(std::string_view Feld, std::string_view Grund) {
    std::string Text = "'";
    Text.append(Feld).append(Grund);
    return Fehler(Text);
}

// Takes the text before the first blank off the front of Zeile, and the blank
// with it. Without a blank the field is empty and Zeile stays whole.
std::string_view FeldAbtrennen(std::string_view& Zeile) {
    const std::size_t Stelle = Zeile.find(Blank);
    if (Stelle == std::string_view::npos) {
        return {};
    }
    const std::string_view Feld = Zeile.substr(0, Stelle);
    Zeile.remove_prefix(Stelle + 1);
    return Feld;
}

double KoordinateLesen(std::string_view Feld) {
    // An empty field or a lone sign stands for 0: lines such as "45.5 1"
    // leave the longitude out.
    if (Feld.empty() || Feld == "+" || Feld == "-") {
        return 0.0;
    }
    const auto Wert = DezimalzahlLesen(Feld);
    if (!Wert) {
        throw Feldfehler(Feld, KeinGleitkommawert);
    }
    return *Wert;
}

// Each output is stored as soon as its field is read, so a failing field
// leaves itself and the outputs after it as they were.
void FelderZerlegen(std::string_view Zeile, double& Breite, double& Laenge, int32_t& Stift) {
    Breite = KoordinateLesen(FeldAbtrennen(Zeile));
    Laenge = KoordinateLesen(FeldAbtrennen(Zeile));
    const auto Wert = GanzzahlLesen(Zeile);
    if (!Wert) {
        throw Feldfehler(Zeile, KeinGanzzahlwert);
    }
    Stift = *Wert;
}

class Dateideskriptor {
public:
    explicit Dateideskriptor(int Nummer) : Nummer_(Nummer) {}
    Dateideskriptor(const Dateideskriptor&) = delete;
    Dateideskriptor& operator=(const Dateideskriptor&) = delete;
    ~Dateideskriptor() {
        if (Nummer_ >= 0) {
            ::close(Nummer_);
        }
    }
    int Nummer() const { return Nummer_; }

private:
    int Nummer_;
};

// The whole content of the regular file Datei, read at once.
std::string DateiLesen(const std::string& Datei) {
    const Fehler NichtZuOeffnen(std::string(DateiNichtZuOeffnen) + Datei);
    if (Datei.find(Textende) != std::string::npos) {
        throw NichtZuOeffnen;
    }
    // O_NONBLOCK keeps the open from waiting for a writer when Datei is a
    // FIFO; for a regular file it changes nothing.
    const Dateideskriptor D(::open(Datei.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat Angaben {};
    if (D.Nummer() < 0 || ::fstat(D.Nummer(), &Angaben) != 0 || !S_ISREG(Angaben.st_mode)) {
        throw NichtZuOeffnen;
    }
    // Files have no share modes here. A writer that holds an exclusive lock
    // on the file keeps the loader out; the shared lock, held until the file
    // is closed, keeps such a writer out while the file is read.
    if (::flock(D.Nummer(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        throw NichtZuOeffnen;
    }

    // One byte more than the size on record, so a file that has grown since
    // shows it by filling the buffer.
    std::string Inhalt(static_cast<std::size_t>(Angaben.st_size) + 1, Textende);
    std::size_t Gelesen = 0;
    for (;;) {
        const ssize_t Stueck = ::read(D.Nummer(), Inhalt.data() + Gelesen, Inhalt.size() - Gelesen);
        if (Stueck < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw NichtZuOeffnen;
        }
        if (Stueck == 0) {
            break;
        }
        Gelesen += static_cast<std::size_t>(Stueck);
        if (Gelesen == Inhalt.size()) {
            Inhalt.resize(2 * Inhalt.size());
        }
    }
    Inhalt.resize(Gelesen);
    return Inhalt;
}

} // namespace

void ZeileZerlegen(std::string Zeile, double& Breite, double& Laenge, int32_t& Stift) {
    FelderZerlegen(Zeile, Breite, Laenge, Stift);
}

void KuesteLaden(std::vector<KuestenPunkt>& Kueste, int32_t& KuestenAnzahl,
                 const std::string& Datei) {
    if (Kueste.size() < KuestenMindestlaenge) {
        Kueste.resize(KuestenMindestlaenge);
    }
    const std::string Inhalt = DateiLesen(Datei);

    // A NUL byte ends the whole text.
    const std::string_view Text = std::string_view(Inhalt).substr(0, Inhalt.find(Textende));
    if (Text.empty()) {
        throw Fehler(KeineZeilen);
    }

    // A line ends at CR or LF; then one CR and after it one LF are skipped,
    // so CR LF is one break and a break at the very end adds no line.
    std::size_t Anzahl = 0;
    std::size_t i = 0;
    while (i < Text.size()) {
        const std::size_t Anfang = i;
        while (i < Text.size() && Text[i] != Wagenruecklauf && Text[i] != Zeilenvorschub) {
            ++i;
        }
        const std::string_view Zeile = Text.substr(Anfang, i - Anfang);
        if (i < Text.size() && Text[i] == Wagenruecklauf) {
            ++i;
        }
        if (i < Text.size() && Text[i] == Zeilenvorschub) {
            ++i;
        }

        ++Anzahl;
        // Record 0 is reserved, so a file of more lines than the array has
        // records grows the array.
        if (Anzahl == Kueste.size()) {
            Kueste.resize(Anzahl + 1);
        }
        KuestenPunkt& Punkt = Kueste[Anzahl];
        FelderZerlegen(Zeile, Punkt.Breite, Punkt.Laenge, Punkt.Stift);
    }
    KuestenAnzahl = static_cast<int32_t>(Anzahl);
}

} // namespace umbrix
