#include <gtest/gtest.h>

#include <utility>

#include "utility/Utility.h"

namespace vk {
namespace {

constexpr ColoreVB Ciano = 0xFFFFC0;

TEST(Utility, PrimaApertura) {
    Utility u;
    EXPECT_FALSE(u.aperta);
    u.cmdUtility_Click("IT");
    EXPECT_TRUE(u.aperta);
    EXPECT_EQ(u.cmdPagina(), "Pag. 1");
    EXPECT_EQ(u.testo(1, 1), "Unisono");
    for (int c = 0; c < 8; ++c) EXPECT_EQ(u.sfondo(c, 1), Ciano) << c;
    EXPECT_EQ(u.testo(0, 1), "DO") << "the note column writes over the page's \"Do\"";
    EXPECT_EQ(u.testo(0, 0), "DO");
    const char* schisma[8] = {"", "Schisma", "32805/32768", "1,00112915", "1,95", "2772 (d)",
                              "Comma pitag. - Comma sintonico", "531441/524288*80/81"};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(u.testo(c, 2), schisma[c]) << c;
    EXPECT_EQ(u.testo(1, 5), "Quarto di tono equabile");
    EXPECT_EQ(u.testo(2, 5), "- - -");
    EXPECT_EQ(u.sfondo(3, 5), Colori::Bianco);
    // The other headers never change.
    for (int c = 1; c < 8; ++c) EXPECT_EQ(u.testo(c, 0), IntestazioniIntervalli[static_cast<size_t>(c)]);
}

TEST(Utility, PagineInCiclo) {
    Utility u;
    u.cmdUtility_Click("IT");
    const auto prima = u.testi;
    const auto sfondiPrima = u.sfondi;
    u.cmdPagina_Click("IT");
    EXPECT_EQ(u.cmdPagina(), "Pag. 2");
    // Schisma (green) becomes the natural major third (green), the syntonic
    // comma (green) the equal major third, white.
    EXPECT_EQ(u.testo(1, 2), "Terza maggiore naturale");
    EXPECT_EQ(u.sfondo(1, 2), Colori::VerdeChiaro);
    EXPECT_EQ(u.testo(1, 3), "Terza maggiore equabile");
    for (int c = 0; c < 8; ++c) EXPECT_EQ(u.sfondo(c, 3), Colori::Bianco) << c;
    EXPECT_EQ(u.testo(0, 6), "") << "a row without a note is empty";
    u.cmdPagina_Click("IT");
    EXPECT_EQ(u.cmdPagina(), "Pag. 3");
    EXPECT_EQ(u.testo(1, 23), "Ottava");
    EXPECT_EQ(u.testo(0, 16), "DOb");
    u.cmdPagina_Click("IT");
    EXPECT_EQ(u.cmdPagina(), "Pag. 1");
    EXPECT_EQ(u.testi, prima);
    EXPECT_EQ(u.sfondi, sfondiPrima);
}

TEST(Utility, AllineamentoFissoPerRiga) {
    Utility u;
    u.cmdUtility_Click("IT");
    EXPECT_EQ(u.allineamentoNota[4], AllineamentoCella::Destra);
    EXPECT_EQ(u.allineamentoNota[7], AllineamentoCella::Sinistra);
    EXPECT_EQ(u.allineamentoNota[1], AllineamentoCella::Centro);
    for (int i = 0; i < 12; ++i) {
        u.cmdTono_Click(1, "EN");
        EXPECT_EQ(u.allineamentoNota[4], AllineamentoCella::Destra);
        EXPECT_EQ(u.allineamentoNota[7], AllineamentoCella::Sinistra);
        EXPECT_EQ(u.allineamentoNota[1], AllineamentoCella::Centro);
    }
}

TEST(Utility, TonoEAlterazioni) {
    Utility u;
    u.cmdUtility_Click("IT");
    // "<" from key 1: key 12, DOb under "b", SI under "#".
    u.cmdTono_Click(0, "IT");
    EXPECT_EQ(u.lblTono(), "12");
    EXPECT_EQ(u.testo(0, 0), "DOb");
    u.cmdAlterazioni_Click("IT");
    EXPECT_EQ(u.cmdAlterazioni(), "#");
    EXPECT_EQ(u.lblAlterazioni(), "#");
    EXPECT_EQ(u.testo(0, 0), "SI");
    // ">" from 12 is key 1, then the sharp preference holds for key 2.
    u.cmdTono_Click(1, "DE");
    EXPECT_EQ(u.testo(0, 0), "C");
    u.cmdTono_Click(1, "IT");
    EXPECT_EQ(u.testo(0, 0), "DO#");
    EXPECT_EQ(u.testo(0, 4), "SIx");
    // The toggle at key 4 changes the caption, not the notes.
    u.cmdTono_Click(1, "IT");
    u.cmdTono_Click(1, "IT");
    const auto prima = u.testi;
    u.cmdAlterazioni_Click("IT");
    EXPECT_EQ(u.cmdAlterazioni(), "b");
    EXPECT_EQ(u.testi, prima);
    // Twelve steps either way come back.
    for (int i = 0; i < 12; ++i) u.cmdTono_Click(1, "IT");
    EXPECT_EQ(u.lblTono(), "4");
    for (int i = 0; i < 12; ++i) u.cmdTono_Click(0, "IT");
    EXPECT_EQ(u.lblTono(), "4");
    // The rows without a note keep their empty text, the colours stay.
    EXPECT_EQ(u.testo(0, 2), "");
    EXPECT_EQ(u.sfondo(0, 2), Colori::VerdeChiaro);
}

TEST(Utility, SelettoriNelleQuattroNotazioni) {
    // ">" at key 12 is key 1 in the notation in force.
    for (const auto& [lingua, tonica] : {std::pair{"IT", "DO"}, {"FR", "UT"}, {"DE", "C"}, {"EN", "C"}}) {
        Utility u;
        u.cmdUtility_Click(lingua);
        u.cmdTono_Click(0, lingua);
        EXPECT_EQ(u.lblTono(), "12");
        u.cmdTono_Click(1, lingua);
        EXPECT_EQ(u.lblTono(), "1");
        EXPECT_EQ(u.testo(0, 0), tonica) << lingua;
    }
    // The toggle at keys 7 and 2 switches the tonic and its notes.
    struct Caso {
        int passi;
        const char *bemolle, *diesis, *notaBemolle, *notaDiesis;  // header, page 1 row 4
    } casi[] = {{6, "SOLb", "FA#", "FA#", "MIx"}, {1, "REb", "DO#", "DO#", "SIx"}};
    for (const auto& c : casi) {
        Utility u;
        u.cmdUtility_Click("IT");
        for (int i = 0; i < c.passi; ++i) u.cmdTono_Click(1, "IT");
        EXPECT_EQ(u.testo(0, 0), c.bemolle);
        EXPECT_EQ(u.testo(0, 4), c.notaBemolle);
        u.cmdAlterazioni_Click("IT");
        EXPECT_EQ(u.testo(0, 0), c.diesis);
        EXPECT_EQ(u.testo(0, 4), c.notaDiesis);
        u.cmdAlterazioni_Click("IT");
        EXPECT_EQ(u.testo(0, 0), c.bemolle);
        EXPECT_EQ(u.cmdAlterazioni(), "b");
        EXPECT_EQ(u.lblAlterazioni(), "b");
    }
}

TEST(Utility, ChiusuraEDUnaNuovaNotazione) {
    Utility u;
    u.cmdUtility_Click("IT");
    u.cmdPagina_Click("IT");
    u.cmdPagina_Click("IT");
    u.cmdTono_Click(1, "IT");
    u.convertitore.cmdNumero_Click(Convertitore::Frazione);
    u.convertitore.cmdNumero_Click(3);
    u.cmdEsciUtility_Click();
    EXPECT_FALSE(u.aperta);
    // The notation changed on the main screen shows at the next opening;
    // page, key and the half-typed number stay.
    u.cmdUtility_Click("FR");
    EXPECT_EQ(u.cmdPagina(), "Pag. 3");
    EXPECT_EQ(u.testo(1, 1), "Sesta minore greca");
    EXPECT_EQ(u.testo(0, 0), "REb");
    EXPECT_EQ(u.testo(0, 16), "REbb");
    EXPECT_EQ(u.convertitore.fraz1, "3");
    u.convertitore.cmdNumero_Click(Convertitore::Frazione);
    u.convertitore.cmdNumero_Click(2);
    u.convertitore.cmdNumero_Click(Convertitore::Frazione);
    EXPECT_EQ(u.convertitore.decimali, "1,5");
    // A notation that is no notation leaves the column as the page wrote it.
    u.cmdPagina_Click("xx");
    EXPECT_EQ(u.testo(0, 1), "Do");
    EXPECT_EQ(u.testo(0, 4), "SI#");
    EXPECT_EQ(u.testo(0, 0), "REb") << "the header keeps its last tonic";
}

}  // namespace
}  // namespace vk
