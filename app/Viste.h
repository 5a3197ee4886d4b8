#pragma once
// The view toggles and the information texts of the main screen. Their
// states are captions in StatoPrincipale (VistaValori = cmdTastiera,
// DuplicatoIstogramma = cmdMostraIsto, PassoInfo = the hidden lblContaInfo);
// what they show is VisibilitaViste.
namespace vk {

struct StatoPrincipale;

inline constexpr const char* CaptionVal = "Val";
inline constexpr const char* CaptionTast = "Tast";
inline constexpr const char* CaptionIstY = "Ist Y";
inline constexpr const char* CaptionIstN = "Ist N";

// Visibility of the controls the three buttons switch; designed values.
struct VisibilitaViste {
    bool valoriMicro = false;  // lblTerze(1..12), lblQuinta(1..12)
    bool tastiera = true;      // ImgTastiera
    // The duplicate column: ShpQuinte(0), ShpTerze(0), lblTerzeC(0),
    // lblNote(0), lblNote(26). The charts paint bar 0 only while it is set.
    bool duplicato = false;
    bool titoloSemitoni = false;     // lblVarie(10)
    bool titoloQuinteTerze = false;  // lblVarie(11)
    // The spread display: ShpVari(0), lblVarie(0), lblScartoSemitonale, lblVarie(1).
    bool scarto = true;
    bool riferimenti = false;  // lblVarie(7), (8), (9)
    bool operator==(const VisibilitaViste&) const = default;
};

// "Tast" shows the picture and sets "Val"; any other caption shows the
// Micro values and sets "Tast".
void cmdTastiera_Click(StatoPrincipale& s);
// Decided by what is shown, not by the caption.
void cmdMostraIsto_Click(StatoPrincipale& s);
// Steps lblContaInfo (3 -> 0, else + 1) and applies it; at the 32-bit limit,
// past which the file could not keep it, it stays.
void cmdInfoSemitoni_Click(StatoPrincipale& s);
// Applies the step's row: each step changes only what it names; a step
// other than 0..3, or written otherwise ("02"), changes nothing.
void MostraInfoIstogrammi(StatoPrincipale& s);

}  // namespace vk
