#pragma once
// The key-table screen FraTavolaSCale: the deviation table with its colour
// bands and legend, the key column and the key selection, the histogram of
// the key shown, the interval filter. Every field is what a control shows;
// the commands are the screen's handlers.
//
// The cover panel FraCopreIstogrammi and the free selection SelezioneLibera
// live in StatoPrincipale (the load sequence and the settings file set them).
#include <array>
#include <string>

#include "app/StatoPrincipale.h"
#include "keytable/ScartiScala.h"

namespace vk {

inline constexpr const char* TitoloTavola =
    "RIDIVAZ UZO - Tavola sinottica degli intervalli di scala nelle varie tonalit\xC3\xA0 ";
inline constexpr std::array<const char*, 4> CaptionPreset = {"Cr.", "Lib.", "Sc -", "Sc +"};
inline constexpr std::array<const char*, 3> CaptionLegenda = {"<", "4", ">"};

class TavolaScale {
public:
    explicit TavolaScale(StatoPrincipale& s);

    // cmdTavolaScale_Click, cmdNotaScala_Click(k), cmdEsciSCale_Click.
    void apri();
    void nota(int k);
    void esci();
    // cmdLegenda(i): mouse-down and mouse-up give the pressed look only.
    void legendaPremi(int i);
    void legenda(int i);
    void legendaRilascia(int i);
    // cmdEnfasi, cmdInvertiColori, cmdSpessore.
    void enfasi();
    void inverti();
    void spessore();
    // cmdPreset(p), p = 0..3, and cmdSelezInterv(i), i = 1..11.
    void preset(int p);
    void selezInterv(int i);

    bool aperta = false;  // FraTavolaSCale visible

    // lblScala(1..275): deviations (1..143) and cumulative sizes (144..275);
    // the deviation cells' back colours and visibility.
    std::array<std::string, CelleTavola> lblScala{};
    int calcoli = 0;  // times the table was computed: the cumulative sizes change only then
    std::array<ColoreVB, CelleScarti + 1> coloreScala{};
    std::array<bool, CelleScarti + 1> visibileScala{};
    std::array<std::string, 14> lblEufonico{};

    // Key column: button captions and back colours, the text colour of the
    // signatures and of the indices.
    std::array<std::string, 14> cmdNotaScala{};
    std::array<ColoreVB, 14> coloreNotaScala{};
    std::array<ColoreVB, 14> testoAlterazioni{};
    std::array<ColoreVB, 14> testoEufonico{};
    int lblClickScale = 0;
    int lblNotaSelezionata = 0;

    // lblLegenda(0..20): captions and text colours (the swatches' captions
    // are empty, their colours ColoriFasce).
    std::array<std::string, 21> lblLegenda{};
    std::array<ColoreVB, 21> testoLegenda{};
    // Band limits lblNumLeg(1..11) and their text colours; legend buttons.
    std::array<std::string, 12> lblNumLeg{};
    std::array<ColoreVB, 12> testoNumLeg{};
    std::array<ColoreVB, 3> coloreLegenda{};

    // The histogram: panel ShpScale(1), filled bars ShpIstoScala(1..11) with
    // Top and Height in screen twips (unclipped), outline bars
    // ShpLivelliNaturali(1..11), deviation labels lblScartiInCents(1..11).
    ColoreVB colorePannello = Colori::GrigioAzzurro;
    std::array<BarraScala, 12> ShpIstoScala{};
    std::array<ColoreVB, 12> coloreIsto{};
    std::array<ColoreVB, 12> bordoLivelli{};
    int spessoreLivelli = 1;
    std::array<std::string, 12> lblScartiInCents{};
    // Filter display (b), (c), (d) of each interval: one flag for the three.
    std::array<bool, 12> visibileIsto{};
    ColoreVB coloreEnfasi = Colori::Bianco;
    ColoreVB coloreInverti = Colori::FacciaPulsante;
    std::string cmdSpessore = "Linee 1";

    // Interval buttons and the filter's presets.
    std::array<std::string, 12> cmdSelezInterv{};
    std::array<ColoreVB, 12> coloreSelezInterv{};
    int lblPreset = 0;
    std::array<ColoreVB, 4> colorePreset{};

    // The cover and the free selection, in the main state.
    bool copertura() const { return s_.CopreIstogrammiVisibile; }
    ColoreVB coloreCopertura() const { return s_.CopreIstogrammiColore; }
    const std::array<ColoreVB, 12>& selezioneLibera() const { return s_.SelezioneLibera; }

private:
    void calcola();           // cmdOperazioniScale_Click
    void coloraTavola();      // ColoraTavolaScale
    void mostraScarti();      // MostraScartiScala
    void disegnaIstogramma(); // DisegnaIstogrammaScala
    void evidenzia(int k, bool si);
    void captionRapporti();
    void intervallo(int i, bool mostra);
    void colonna(int i, bool mostra);
    void spostaLimiti(const char* fermo, const char* passo);

    StatoPrincipale& s_;
};

}  // namespace vk
