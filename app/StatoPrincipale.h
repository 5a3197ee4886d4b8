#pragma once
// Everything the main window shows and the screens share: the one
// temperament, its bar charts and the main window's designed geometry.
#include <array>
#include <optional>
#include <string>

#include "app/Impostazioni.h"
#include "app/Notazione.h"
#include "app/Percorsi.h"
#include "app/Viste.h"
#include "common/Colori.h"
#include "common/Geometria.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

struct StatoPrincipale {
    Temperamento temperamento = TemperamentoIniziale();
    Istogrammi istogrammi = IstogrammiIniziali();
    // Geometry of every control of vivUDO15, relative to its frame.
    RegistroGeometria geometria;

    // Repeat intervals (ms) of the fifth buttons' timers tmrPiù and TmrMeno:
    // written by the speed control and the settings file, read by the
    // fifth steppers whenever they start their timer.
    int IntervalloPiu = 135;
    int IntervalloMeno = 135;
    // LinguaNote: the caption of cmdLingua, "IT", "FR", "DE" or "EN".
    std::string LinguaNote = "IT";

    // The data folder and the proposed temperament files: written by the
    // folder probe, the first step of the load sequence; the settings file
    // is CartellaDati + "Impostazioni.txt". Shipped data read in place
    // (percorsi.SolaLettura) is said at start and written nowhere.
    PercorsiFile percorsi;
    // Set by the settings reading when the file is there but cannot be taken
    // whole: the start says so once, and "Ok" keeps the file aside.
    std::optional<ImpostazioniScartate> impostazioniScartate;
    // The file dialog's current file name, shared by Open and Save for the
    // run: the full path last chosen; empty until then, when Open starts on
    // percorsi.FileApertura.
    std::string FileCorrente;

    // The rest of what the settings file carries, each as its control holds
    // it (designed values here; Impostazioni.h reads and writes them):
    // captions of cmdTastiera and cmdMostraIsto, the hidden lblContaInfo,
    // the level lblVelocità, the meter ShpVelo(1..10) and the key table's
    // free selection, the back colours of lblEtichettaNote(1..11).
    std::string VistaValori = "Val";
    std::string DuplicatoIstogramma = "Ist Y";
    InteroLetto PassoInfo{2};
    std::string LivelloVelocita = "6";
    std::array<ColoreVB, 11> SegmentiVelocita = SegmentiVelocitaProgetto;
    std::array<ColoreVB, 12> SelezioneLibera = SelezioneLiberaProgetto;
    // The key table's cover panel FraCopreIstogrammi until its screen exists:
    // the load sequence shows it on &HE9DCD3 (designed hidden, &H9EC09C).
    ColoreVB CopreIstogrammiColore = 0x9EC09C;
    bool CopreIstogrammiVisibile = false;

    // Notation, speed control and view toggles (app/Notazione.h, Velocita.h,
    // Viste.h): the note captions of the main screen, the hidden lblIndexVelo
    // (1 after "+", 0 after "-"), what the toggles and "Info" show, and
    // the factors of the main window's re-layout once it has run.
    NomiNote nomiNote = NomiNoteIniziali();
    int IndexVelo = 0;
    VisibilitaViste visibilita;
    std::optional<FattoriSchermo> fattoriAdattamento;

    double altezzaSchermo() const { return SchermoTwips().altezza; }
};

}  // namespace vk
