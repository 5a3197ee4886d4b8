#include "utility/TabellaIntervalli.h"

namespace vk {

namespace {

using F = FamigliaIntervallo;

// Name, Frazione, Decimali, Cents, Micro, Procedimento, Formula, family, note
// from DO, letter steps and semitones of the note (-1: no note). Decimali are
// rounded to eight decimals, half up; Cents to four and then to two, half up;
// Micro to four. Two Decimali cells keep more digits, and the sizes the
// program itself uses are written as whole Micro with " (d)".
const std::array<RigaIntervallo, 69> Righe{{
    {"Unisono", "1/1", "1", "0", "0", "Unisono", "1", F::UnisonoOttava, "Do", 0, 0},
    {"Schisma", "32805/32768", "1,00112915", "1,95", "2772 (d)", "Comma pitag. - Comma sintonico", "531441/524288*80/81", F::Naturale, "", -1, -1},
    {"Comma sintonico", "81/80", "1,0125", "21,51", "30492 (d)", "2a magg. grande - 2a magg. picc.", "9/8*9/10", F::Naturale, "", -1, -1},
    {"Comma pitagorico", "531441/524288", "1,01364326", "23,46", "33264 (d)", "12 Quinte - 7 Ottave", "(3/2)^12*1/128", F::Pitagorica, "SI#", 6, 0},
    {"Quarto di tono equabile", "- - -", "1,02930224", "50", "70884", "Radice 24esima di 2", "2^(1/24)", F::Equabile, "", -1, -1},
    {"Semitono cromatico naturale", "25/24", "1,04166667", "70,67", "100190,8861", "3a maggiore nat. - 3a minore nat.", "5/4*5/6", F::Naturale, "DO#", 0, 1},
    {"Seconda minore greca ('Limma')", "256/243", "1,05349794", "90,23", "127910,1719", "-5 Quinte + 3 Ottave", "(2/3)^5*8", F::Pitagorica, "REb", 1, 1},
    {"Semitono equabile", "- - -", "1,05946309", "100", "141768", "Radice 12esima di 2", "2^(1/12)", F::Equabile, "DO#", 0, 1},
    {"Semitono diatonico naturale", "16/15", "1,06666667", "111,73", "158399,2085", "Quarta - 3a maggiore naturale", "4/3*4/5", F::Naturale, "", -1, -1},
    {"Semitono cromatico ('Apotome')", "2187/2048", "1,06787109", "113,69", "161168,9594", "7 Quinte - 4 Ottave", "(3/2)^7*1/16", F::Pitagorica, "DO#", 0, 1},
    {"Seconda minore naturale", "27/25", "1,08", "133,24", "188888,2451", "2a magg. nat. - Semitono crom. nat.", "9/8*24/25", F::Naturale, "REb", 1, 1},
    {"3 quarti di tono equabili", "- - -", "1,09050773", "150", "212652", "Radice ottava di 2", "2^(1/8)", F::Equabile, "", -1, -1},
    {"Seconda maggiore nat. piccola", "10/9", "1,11111111", "182,4", "258590,0946", "3a magg. nat. - 2a magg. nat. grande", "5/4*8/9", F::Naturale, "", -1, -1},
    {"Seconda maggiore equabile", "- - -", "1,12246205", "200", "283536", "Radice sesta di 2", "2^(1/6)", F::Equabile, "RE", 1, 2},
    {"Seconda maggiore greca", "9/8", "1,125", "203,91", "289079,1313", "2 Quinte - 1 Ottava", "(3/2)^2*1/2", F::Pitagorica, "RE", 1, 2},
    {"Seconda maggiore nat. grande", "9/8", "1,125", "203,91", "289079,1313", "2 Quinte - 1 Ottava", "(3/2)^2*1/2", F::Naturale, "RE", 1, 2},
    {"5 quarti di tono equabili", "- - -", "1,1553527", "250", "354420", "Radice alla 24/5 di 2", "2^(5/24)", F::Equabile, "", -1, -1},
    {"Seconda eccedente naturale", "75/64", "1,171875", "274,58", "389270,0174", "2a magg. nat. gr. + Semit. crom. nat.", "9/8*25/24", F::Naturale, "RE#", 1, 3},
    {"Terza minore greca", "32/27", "1,18518519", "294,14", "416989,3031", "-3 Quinte + 2 Ottave", "(2/3)^3*4", F::Pitagorica, "MIb", 2, 3},
    {"Terza minore equabile", "- - -", "1,18920712", "300", "425304", "Radice quarta di 2", "2^(1/4)", F::Equabile, "MIb", 2, 3},
    {"Terza minore naturale", "6/5", "1,2", "315,64", "447478,3398", "Quinta - Terza magg. naturale", "3/2*4/5", F::Naturale, "MIb", 2, 3},
    {"Seconda eccedente greca", "19683/16384", "1,20135498", "317,6", "450248,0906", "9 Quinte - 5 Ottave", "(3/2)^9*1/32", F::Pitagorica, "RE#", 1, 3},
    {"7 Quarti di tono equabili", "- - -", "1,22405354", "350", "496188", "Radice alla 24/7 di 2", "2^(7/24)", F::Equabile, "", -1, -1},
    {"Quarta diminuita greca", "8192/6561", "1,24859015", "384,36", "544899,475", "-8 Quinte + 5 Ottave", "(2/3)^8*32", F::Pitagorica, "FAb", 3, 4},
    {"Terza maggiore naturale", "5/4", "1,25", "386,31", "547668 (d)", "Terza maggiore naturale", "5/4", F::Naturale, "MI", 2, 4},
    {"Terza maggiore equabile", "- - -", "1,25992105", "400", "567072", "Radice cubica di 2", "2^(1/3)", F::Equabile, "MI", 2, 4},
    {"Terza maggiore greca", "81/64", "1,265625", "407,82", "578160 (d)", "4 Quinte - 2 Ottave", "(3/2)^4*1/4", F::Pitagorica, "MI", 2, 4},
    {"Quarta diminuita naturale", "32/25", "1,28", "427,37", "605877,5483", "Quarta - Semit. crom. naturale", "4/3*24/25", F::Naturale, "FAb", 3, 4},
    {"9 quarti di tono equabili", "- - -", "1,29683955", "450", "637956", "Radice alla 8/3 di 2", "2^(3/8)", F::Equabile, "", -1, -1},
    {"Terza eccedente naturale", "125/96", "1,30208333", "456,99", "647860,112", "Terza magg. nat. + Semit. crom. nat.", "5/4*25/24", F::Naturale, "MI#", 2, 5},
    {"Quarta giusta naturale", "4/3", "1,33333333", "498,05", "706068,4344", "Ottava - Quinta", "2*2/3", F::Naturale, "FA", 3, 5},
    {"Quarta giusta greca", "4/3", "1,33333333", "498,05", "706068,4344", "Ottava - Quinta", "2*2/3", F::Pitagorica, "FA", 3, 5},
    {"Quarta giusta equabile", "- - -", "1,33483985", "500", "708840", "Radice alla 12/5 di 2", "2^(5/12)", F::Equabile, "FA", 3, 5},
    {"Terza eccedente greca", "177147/131072", "1,35152435", "521,51", "739327,2219", "11 Quinte - 6 Ottave", "(3/2)^11*1/64", F::Pitagorica, "MI#", 2, 5},
    {"11 quarti di tono equabili", "- - -", "1,37395365", "550", "779724", "Radice alla 24/11 di 2", "2^(11/24)", F::Equabile, "", -1, -1},
    {"Quarta eccedente naturale", "25/18", "1,38888889", "568,72", "806259,3205", "Quarta + Semitono crom. naturale", "4/3*25/24", F::Naturale, "FA#", 3, 6},
    {"Quinta diminuita greca", "1024/729", "1,40466392", "588,27", "833978,6062", "- 6 Quinte + 4 Ottave", "(2/3)^6*16", F::Pitagorica, "SOLb", 4, 6},
    {"Quarta eccedente equabile", "- - -", "1,41421356", "600", "850608", "Radice quadrata di 2", "2^(1/2)", F::Equabile, "FA#", 3, 6},
    {"Quarta eccedente greca", "729/512", "1,42382813", "611,73", "867237,3938", "6 Quinte - 3 Ottave", "(3/2)^6*1/8", F::Pitagorica, "FA#", 3, 6},
    {"Quinta diminuita naturale", "36/25", "1,44", "631,28", "894956,6795", "Quinta - Semitono crom. naturale", "3/2*24/25", F::Naturale, "SOLb", 4, 6},
    {"13 quarti di tono equabili", "- - -", "1,45565318", "650", "921492", "Radice alla 24/13 di 2", "2^(13/24)", F::Equabile, "", -1, -1},
    {"Quinta giusta equabile", "2^(7/12)", "1,49830708", "700", "992376", "Radice alla 12/7 di 2", "2^(7/12)", F::Equabile, "SOL", 4, 7},
    {"Quinta giusta naturale", "3/2", "1,5", "701,96", "995148 (d)", "Quinta", "3/2", F::Naturale, "SOL", 4, 7},
    {"Quinta giusta greca", "3/2", "1,5", "701,96", "995148 (d)", "Quinta", "3/2", F::Pitagorica, "SOL", 4, 7},
    {"15 quarti di tono equabili", "- - -", "1,54221083", "750", "1063260", "Radice alla 8/5 di 2", "2^(5/8)", F::Equabile, "", -1, -1},
    {"Quinta eccedente naturale", "25/16", "1,5625", "772,63", "1095338,4517", "Quinta + Semitono crom. naturale", "3/2*25/24", F::Naturale, "SOL#", 4, 8},
    {"Sesta minore greca", "128/81", "1,58024691", "792,18", "1123057,7375", "-4 Quinte +3 Ottave ", "(2/3)^4*8", F::Pitagorica, "LAb", 5, 8},
    {"Sesta minore equabile", "- - -", "1,58740105", "800", "1134144", "Radice alla 3/2 di 2", "2^(2/3)", F::Equabile, "LAb", 5, 8},
    {"Sesta minore naturale", "8/5", "1,6", "813,69", "1153546,7741", "6a magg. nat. - Semitono crom. nat.", "5/3*24/25", F::Naturale, "LAb", 5, 8},
    {"Quinta eccedente greca", "6561/4096", "1,60180664", "815,64", "1156316,525", "8 Quinte - 4 Ottave", "(3/2)^8*1/16", F::Pitagorica, "SOL#", 4, 8},
    {"17 quarti di tono equabili", "- - -", "1,63391545", "850", "1205028", "Radice alla 24/17 di 2", "2^(17/24)", F::Equabile, "", -1, -1},
    {"Sesta maggiore naturale", "5/3", "1,66666667", "884,36", "1253737,6602", "Ottava - Terza minore naturale", "2*5/6", F::Naturale, "LA", 5, 9},
    {"Sesta maggiore equabile", "- - -", "1,68179283", "900", "1275912", "Radice alla 4/3 di 2", "2^(3/4)", F::Equabile, "LA", 5, 9},
    {"Sesta maggiore greca", "27/16", "1,6875", "905,87", "1284226,6969", "3 Quinte - 1 Ottava", "(3/2)^3*1/2", F::Pitagorica, "LA", 5, 9},
    {"19 quarti di tono equabili", "- - -", "1,731073122", "950", "1346796", "Radice alla 24/19 di 2", "2^(19/24)", F::Equabile, "", -1, -1},
    {"Sesta eccedente naturale", "125/72", "1,73611111", "955,03", "1353928,5464", "6a magg.nat. + Semitono crom. nat.", "5/3*25/24", F::Naturale, "LA#", 5, 10},
    {"Settima minore greca", "16/9", "1,77777778", "996,09", "1412136,8687", "-2 Quinte + 2 Ottave", "(2/3)^2*4", F::Pitagorica, "SIb", 6, 10},
    {"Settima minore equabile", "- - -", "1,78179744", "1000", "1417680", "Radice alla 6/5 di 2", "2^(5/6)", F::Equabile, "SIb", 6, 10},
    {"Settima minore naturale", "9/5", "1,8", "1017,6", "1442625,9054", "7a magg. nat. - Semitono crom. nat.", "15/8*24/25", F::Naturale, "SIb", 6, 10},
    {"Sesta eccedente greca", "59049/32768", "1,8020324707", "1019,55", "1445395,6563", "10 Quinte - 5 Ottave", "(3/2)^10*1/32", F::Pitagorica, "LA#", 5, 10},
    {"21 quarti di tono equabili", "- - -", "1,83400809", "1050", "1488564", "Radice alla 8/7 di 2", "2^(7/8)", F::Equabile, "", -1, -1},
    {"Ottava diminuita greca", "4096/2187", "1,87288523", "1086,32", "1540047,0406", "-7 Quinte + 5 Ottave", "(2/3)^7*32", F::Pitagorica, "DOb", 0, 11},
    {"Settima maggiore naturale", "15/8", "1,875", "1088,27", "1542816,7915", "1 Quinta + 1 Terza magg. naturale", "3/2*5/4", F::Naturale, "SI", 6, 11},
    {"Settima maggiore equabile", "- - -", "1,88774863", "1100", "1559448", "Radice alla 12/11 di 2", "2^(11/12)", F::Equabile, "SI", 6, 11},
    {"Settima maggiore greca", "243/128", "1,8984375", "1109,78", "1573305,8281", "5 Quinte - 2 Ottave", "(3/2)^5*1/4", F::Pitagorica, "SI", 6, 11},
    {"Ottava diminuita naturale", "48/25", "1,92", "1129,33", "1601025,1139", "Ottava - Semitono crom. naturale", "2*24/25", F::Naturale, "DOb", 0, 11},
    {"23 quarti di tono equabili", "- - -", "1,94306388", "1150", "1630332", "Radice alla 24/23 di 2", "2^(23/24)", F::Equabile, "", -1, -1},
    {"Settima eccedente naturale", "125/64", "1,953125", "1158,94", "1643007,6776", "7a magg. nat. + Semitono crom. nat.", "15/8*25/24", F::Naturale, "SI#", 6, 0},
    {"Ottava", "2/1", "2", "1200", "1701216", "Ottava", "2", F::UnisonoOttava, "DO", 0, 0},

}};

}  // namespace

ColoreVB ColoreFamiglia(FamigliaIntervallo f) {
    switch (f) {
        case F::UnisonoOttava: return 0xFFFFC0;
        case F::Naturale: return Colori::VerdeChiaro;
        case F::Pitagorica: return Colori::RossoChiaro;
        case F::Equabile: return Colori::Bianco;
    }
    return Colori::Bianco;
}

const std::array<RigaIntervallo, 69>& TabellaIntervalli() { return Righe; }

const RigaIntervallo& RigaIntervalli(int pagina, int riga) {
    return Righe[static_cast<size_t>((pagina - 1) * RighePerPagina + (riga - 1))];
}

std::optional<int> PaginaDaCaption(std::string_view c) {
    if (c == "Pag. 1") return 1;
    if (c == "Pag. 2") return 2;
    if (c == "Pag. 3") return 3;
    return std::nullopt;
}

std::string PaginaSuccessiva(const std::string& caption) {
    auto p = PaginaDaCaption(caption);
    if (!p) return caption;
    return "Pag. " + std::to_string(*p % PagineIntervalli + 1);
}

AllineamentoCella AllineamentoNota(const RigaIntervallo& r) {
    const std::string_view n = r.notaDaDo;
    if (n.ends_with('b')) return AllineamentoCella::Sinistra;
    if (n.ends_with('#')) return AllineamentoCella::Destra;
    return AllineamentoCella::Centro;
}

const std::array<const char*, ColonneIntervalli> IntestazioniIntervalli{
    "DO", "Nome Intervallo", "Frazione", "Decimali", "Cents", "Micro", "Procedimento", "Formula"};

const char* const TitoloUtility = "Elenco intervalli musicali (pitagorici, naturali, equabili)";
const char* const TitoloInfo = "Info sulla tabella e sulle funzioni del Convertitore";

const char* const TestoSpiegazioni =
    "I valori 'Decimali', 'Cents' e 'Micro' degli intervalli della tabella \r\n"
    "sono stati calcolati con rispettivi arrotondamenti all'ottava, alla \r\n"
    "seconda e alla quarta cifra decimale. Gli intervalli equabili \r\n"
    "hanno lo sfondo bianco, i 'naturali' lo sfondo verde e gli intervalli \r\n"
    "'pitagorici' (greci) rosso. I valori 'Micro' seguiti da una 'd' fra \r\n"
    "parentesi sono i valori interi dei rispettivi intervalli \r\n"
    "effettivamente usati di 'default' dal Programma.\r\n"
    "Nel pannello 'Convertitore intervalli' segui le semplici \r\n"
    "istruzioni che ad ogni passo compariranno per ottenere le \r\n"
    "conversioni numeriche da te desiderate: se il pulsante 'Radice \r\n"
    "di 2' è selezionato i valori frazionari che immetterai si riferiranno \r\n"
    "all'indice della Radice di 2 (nel caso la radice da calcolare \r\n"
    "presenti come indice un valore intero, inserisci come \r\n"
    "denominatore il numero 1). Se ad es. vuoi calcolare la radice di \r\n"
    "2 con indice 12/7 (valore corrispondente alla quinta 'equabile') \r\n"
    "seleziona dapprima il pulsante 'Radice di 2', poi clicca sul \r\n"
    "pulsante 'Frazione', digita '12', di nuovo il pulsante 'Frazione', \r\n"
    "digita '7' e ancora una volta lo stesso pulsante: in questo modo \r\n"
    "compariranno i valori dell'intervallo in questione espressi in \r\n"
    "Decimali, Cents e Micro.\r\n";

// 1200 / log10 2 in full; four blanks before "Micro", seven before the
// second "Decimali".
const char* const RigaFormule =
    "Cents = 3986,313713864834817444383315387* log10 Decimali    Micro = Cents*1417,68       "
    "Decimali = 2^(Cents/1200)";

}  // namespace vk
