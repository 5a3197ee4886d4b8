#include <gtest/gtest.h>

#include <string>

#include "app/Impostazioni.h"
#include "model/FileTemperamento.h"
#include "tests/comune/ImpostazioniProgetto.h"

namespace vk {
namespace {

// The same faults in a settings file and in a temperament file are said in
// the same words, but for what each file is.
const std::string Impostazioni = prova::FileImpostazioni();
const std::string Temperamento = ByteTemperamento(TemperamentoIniziale());

std::string Motivo(const std::string& byte) { return DescriviMotivo(LeggiTemperamento(byte).rifiuto); }

std::string SoloCR(std::string b) {
    for (size_t i = b.find("\r\n"); i != std::string::npos; i = b.find("\r\n", i)) b.erase(i + 1, 1);
    return b;
}

std::string Utf16(const std::string& b) {
    std::string s = "\xFF\xFE";
    for (char c : b) s += std::string{c, '\0'};
    return s;
}

// The line of item 1 ended by CR alone.
std::string PrimaVoceChiusaDaCR(std::string b) { return b.erase(b.find("\"\r\n") + 2, 1); }
// The bytes with `x` put in at byte `dove`.
std::string Con(std::string b, size_t dove, const std::string& x) { return b.insert(dove, x); }

TEST(FormaDeiFile, GliStessiDifettiConLeStesseParole) {
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20);
    const std::string fineCR = ": le fini riga del file sono miste e non si possono separare ";
    struct Caso {
        const char* nome;
        std::string impostazioni, temperamento;
        std::string perImpostazioni, perTemperamento;
    };
    const Caso casi[] = {
        {"vuoto", "", "", "il file \xC3\xA8 vuoto.", "il file \xC3\xA8 vuoto."},
        {"UTF-16", Utf16(Impostazioni), Utf16(Temperamento),
         "il file \xC3\xA8 scritto in UTF-16, con due byte per carattere, e non in Windows-1252, con un byte per "
         "carattere.",
         "il file \xC3\xA8 scritto in UTF-16, con due byte per carattere, e non in Windows-1252, con un byte per "
         "carattere."},
        {"byte NUL", std::string(64, '\0'), std::string(64, '\0'),
         "il file contiene byte che un testo non ha (il primo, 00, al byte 1): non \xC3\xA8 un file di impostazioni.",
         "il file contiene byte che un testo non ha (il primo, 00, al byte 1): non \xC3\xA8 un file di "
         "temperamento."},
        {"dati binari", png, png,
         "il file contiene byte che un testo non ha (il primo, 1A, al byte 7): non \xC3\xA8 un file di impostazioni.",
         "il file contiene byte che un testo non ha (il primo, 1A, al byte 7): non \xC3\xA8 un file di "
         "temperamento."},
        // DEL in the notation; in the name of a temperament cut short.
        {"DEL", Con(Impostazioni, 19, "\x7F"), Con(Temperamento, 5, "\x7F").substr(0, 150),
         "il file contiene byte che un testo non ha (il primo, 7F, al byte 20): non \xC3\xA8 un file di "
         "impostazioni.",
         "il file contiene byte che un testo non ha (il primo, 7F, al byte 6): non \xC3\xA8 un file di "
         "temperamento."},
        {"solo CR", SoloCR(Impostazioni), SoloCR(Temperamento),
         "le righe del file finiscono con il solo CR, senza LF, e non si possono separare le 29 voci delle "
         "impostazioni.",
         "le righe del file finiscono con il solo CR, senza LF, e non si possono separare le 87 voci di un "
         "temperamento."},
        {"il primo a capo con il solo CR", PrimaVoceChiusaDaCR(Impostazioni), PrimaVoceChiusaDaCR(Temperamento),
         "la riga della voce 1 contiene un CR senza LF" + fineCR + "le 29 voci delle impostazioni.",
         "la riga della voce 1 (Nome) contiene un CR senza LF" + fineCR + "le 87 voci di un temperamento."},
        {"segno BOM di UTF-8", "\xEF\xBB\xBF" + Impostazioni, "\xEF\xBB\xBF" + Temperamento,
         "il file ha 3 byte (EF BB BF: il segno BOM di UTF-8) prima delle virgolette della voce 1.",
         "il file ha 3 byte (EF BB BF: il segno BOM di UTF-8) prima delle virgolette della voce 1 (Nome)."},
        // Cut short after a stray byte: the byte is the first fault, not
        // what the reading then took in the wrong place.
        {"un byte prima delle prime virgolette, tagliato", ("x" + Impostazioni).substr(0, 200),
         ("x" + Temperamento).substr(0, 200), "il file ha 1 byte prima delle virgolette della voce 1.",
         "il file ha 1 byte prima delle virgolette della voce 1 (Nome)."},
        {"virgolette non chiuse", Impostazioni.substr(0, 46), Temperamento.substr(0, Temperamento.size() - 3),
         "la voce 6 non ha le virgolette di chiusura.",
         "la voce 87 (Semitono 12 in Cents) non ha le virgolette di chiusura."},
        {"una voce in meno", Impostazioni.substr(0, Impostazioni.size() - 10),
         Temperamento.substr(0, Temperamento.size() - 7),
         "il file finisce prima della voce 29; le impostazioni hanno 29 voci.",
         "il file finisce prima della voce 87 (Semitono 12 in Cents); un temperamento ha 87 voci."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(ImpostazioniNonIntere(c.impostazioni).value_or("preso intero"), c.perImpostazioni);
        EXPECT_EQ(Motivo(c.temperamento), c.perTemperamento);
    }
}

// A temperament is refused only where its items cannot be read: a fault of
// form the reading takes rightly leaves the file taken, as ever.
TEST(FormaDeiFile, UnTemperamentoConUnDifettoDiFormaMaLeVociGiusteSiApre) {
    for (const std::string& byte : {Con(Temperamento, 5, "\x7F"), Con(Temperamento, 5, std::string(1, '\0')),
                                    Con(Temperamento, 25, "\r"), Temperamento + "\x01"})
        EXPECT_TRUE(LeggiTemperamento(byte).ok()) << ::testing::PrintToString(byte.substr(0, 30));
}

}  // namespace
}  // namespace vk
