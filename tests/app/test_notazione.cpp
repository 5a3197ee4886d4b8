#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/Notazione.h"
#include "app/StatoPrincipale.h"

namespace vk {
namespace {

// The forty captions, in label order lblNote(0..26) then lblScalaST(1..13),
// one column per notation.
struct Riga {
    const char* it;
    const char* fr;
    const char* de;
    const char* en;
};
const std::array<Riga, 40> Tabella{{
    {"DO#/REb", "UT#/REb", "C#/Db", "C#/Db"},  // lblNote(0)
    {"FA#", "FA#", "F#", "F#"},
    {"DO#/REb", "UT#/REb", "C#/Db", "C#/Db"},
    {"SOL#/LAb", "SOL#/LAb", "G#/Ab", "G#/Ab"},
    {"MIb", "MIb", "Eb", "Eb"},
    {"SIb", "SIb", "B", "Bb"},
    {"FA", "FA", "F", "F"},
    {"DO", "UT", "C", "C"},
    {"SOL", "SOL", "G", "G"},
    {"RE", "RE", "D", "D"},
    {"LA", "LA", "A", "A"},
    {"MI", "MI", "E", "E"},
    {"SI", "SI", "H", "B"},
    {"FA#", "FA#", "F#", "F#"},  // lblNote(13)
    {"LA#", "LA#", "A#", "A#"},
    {"MI#/FA", "MI#/FA", "E#/F", "E#/F"},
    {"SI#/DO", "SI#/UT", "H#/C", "B#/C"},
    {"SOL", "SOL", "G", "G"},
    {"RE", "RE", "D", "D"},
    {"LA", "LA", "A", "A"},
    {"MI", "MI", "E", "E"},
    {"SI", "SI", "H", "B"},
    {"FA#", "FA#", "F#", "F#"},
    {"DO#", "UT#", "C#", "C#"},
    {"SOL#", "SOL#", "G#", "G#"},
    {"RE#", "RE#", "D#", "D#"},
    {"LA#", "LA#", "A#", "A#"},  // lblNote(26)
    {"DO", "UT", "C", "C"},      // lblScalaST(1)
    {"DO#", "UT#", "C#", "C#"},
    {"RE", "RE", "D", "D"},
    {"MIb", "MIb", "Eb", "Eb"},
    {"MI", "MI", "E", "E"},
    {"FA", "FA", "F", "F"},
    {"FA#", "FA#", "F#", "F#"},
    {"SOL", "SOL", "G", "G"},
    {"SOL#", "SOL#", "G#", "G#"},
    {"LA", "LA", "A", "A"},
    {"SIb", "SIb", "B", "Bb"},
    {"SI", "SI", "H", "B"},
    {"DO", "UT", "C", "C"},  // lblScalaST(13)
}};

const char* Colonna(const Riga& r, const std::string& codice) {
    if (codice == "IT") return r.it;
    if (codice == "FR") return r.fr;
    if (codice == "DE") return r.de;
    return r.en;
}

void AttesiIn(const StatoPrincipale& s, const std::string& codice) {
    for (size_t i = 0; i < 40; ++i) {
        const std::string& visto = i <= 26 ? s.nomiNote.lblNote[i] : s.nomiNote.lblScalaST[i - 26];
        EXPECT_EQ(visto, Colonna(Tabella[i], codice))
            << (i <= 26 ? "lblNote(" + std::to_string(i) : "lblScalaST(" + std::to_string(i - 26)) << ") in "
            << codice;
    }
}

TEST(Notazione, IlDisegnoEItaliano) {
    StatoPrincipale s;
    EXPECT_EQ(s.LinguaNote, "IT");
    AttesiIn(s, "IT");
}

TEST(Notazione, QuattroClicPercorronoIlCicloERinominanoTutteLeQuaranta) {
    StatoPrincipale s;
    for (const char* atteso : {"FR", "DE", "EN", "IT"}) {
        cmdLingua_Click(s);
        ASSERT_EQ(s.LinguaNote, atteso);
        AttesiIn(s, atteso);
    }
}

TEST(Notazione, UnaNotazioneCaricataRinominaAllAvvio) {
    StatoPrincipale s;
    s.LinguaNote = "EN";  // as the settings file writes it
    AggiornaNomiNote(s);
    AttesiIn(s, "EN");
    cmdLingua_Click(s);
    EXPECT_EQ(s.LinguaNote, "IT");
    AttesiIn(s, "IT");
}

TEST(Notazione, UnCodiceNonRiconosciutoNonCambiaNulla) {
    for (const char* codice : {"it", "En", "IT ", "", "XX"}) {
        StatoPrincipale s;
        // A notation in force first, so "nothing written" shows.
        s.LinguaNote = "DE";
        AggiornaNomiNote(s);
        const NomiNote prima = s.nomiNote;
        s.LinguaNote = codice;
        AggiornaNomiNote(s);
        EXPECT_EQ(s.nomiNote, prima) << '"' << codice << '"';
        for (int i = 0; i < 3; ++i) cmdLingua_Click(s);
        EXPECT_EQ(s.LinguaNote, codice);
        EXPECT_EQ(s.nomiNote, prima) << '"' << codice << '"';
    }
}

TEST(Notazione, NotaScrittaNelleQuattroNotazioni) {
    using L = LetteraNota;
    using A = Alterazione;
    struct Caso {
        NotaScritta nota;
        const char *it, *fr, *de, *en;
    } casi[] = {
        {{L::Do, A::Nessuna}, "DO", "UT", "C", "C"},
        {{L::Do, A::DoppioDiesis}, "DOx", "UTx", "Cx", "Cx"},
        {{L::Re, A::DoppioBemolle}, "REbb", "REbb", "Dbb", "Dbb"},
        {{L::Si, A::Nessuna}, "SI", "SI", "H", "B"},
        {{L::Si, A::Bemolle}, "SIb", "SIb", "B", "Bb"},
        {{L::Si, A::DoppioBemolle}, "SIbb", "SIbb", "Bb", "Bbb"},
        {{L::Si, A::Diesis}, "SI#", "SI#", "H#", "B#"},
        {{L::Si, A::DoppioDiesis}, "SIx", "SIx", "Hx", "Bx"},
        {{L::Sol, A::Bemolle}, "SOLb", "SOLb", "Gb", "Gb"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(Scrivi(c.nota, Lingua::IT), c.it);
        EXPECT_EQ(Scrivi(c.nota, Lingua::FR), c.fr);
        EXPECT_EQ(Scrivi(c.nota, Lingua::DE), c.de);
        EXPECT_EQ(Scrivi(c.nota, Lingua::EN), c.en);
    }
    EXPECT_EQ(Scrivi(NotaScritta{L::La, A::Nessuna}, "EN"), std::optional<std::string>("A"));
    EXPECT_EQ(Scrivi(NotaScritta{L::La, A::Nessuna}, "en"), std::nullopt);
}

}  // namespace
}  // namespace vk
