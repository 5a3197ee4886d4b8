#include "microlab/widgets/FraConversione.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <functional>

#include "app/widgets/Costruttore.h"
#include "common/Micro.h"
#include "common/widgets/CasellaRiga.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Testi.h"
#include "microlab/widgets/FraMicro.h"

namespace vk {

namespace {

constexpr Posto PostoFrame = {360, 11280, 13935, 7335};
constexpr const char* Righe[12] = {"Do - Sol",  "Sol - Re",  "Re - La",   "La - Mi",   "Mi - Si",  "Si - Fa#",
                                   "Fa# - Do#", "Reb - Lab", "Lab - Mib", "Mib - Sib", "Sib - Fa", "Fa - Do"};
constexpr const char* Teste[4] = {"Differenza in Cents", "Differenza in Micro", "Quinta corretta con la differenza",
                                  "Quinta arrotondata"};
constexpr const char* Nomi[4] = {"TxtCents", "TxtMicro", "TxtQuinta", "TxtQuinteArrotondate"};
constexpr float AltezzaRiga = 375;
// Line k's top: fifths 1..12, then the totals (13) and their colours (14).
constexpr float Alto(int k) { return 600.0f + 480.0f * static_cast<float>(k - 1); }
constexpr float SinistraColonna(size_t c) { return 2400 + 2400.0f * static_cast<float>(c); }
constexpr float LarghezzaColonna = 2295;
constexpr Posto PostoSomma = {12000, 600, 1095, 495};
constexpr Posto PostoRiporta = {12000, 1200, 1095, 495};

}  // namespace

FraConversione::FraConversione(FinestraPrincipale& finestra, Costruttore& k, FraMicro& schermo,
                               TabellaMicroLab& tabella)
    : QObject(&schermo), f_(finestra), s_(schermo), tabella_(tabella), m_(tabella.conversione) {
    // Almost wholly below the screen and never shown by the program; its
    // controls are built when it is first shown, as the screen's own are.
    FraConversione_ = k.crea<QFrame>("FraConversione", -1, PostoFrame);
    Riempi(FraConversione_, ColoriMicro::Conversione);
    FraConversione_->hide();
    FraConversione_->installEventFilter(this);
}

bool FraConversione::eventFilter(QObject* o, QEvent* e) {
    if (o == FraConversione_ && e->type() == QEvent::Show && !lblTotaleMicro_) {
        costruisci();
        for (QWidget* w : FraConversione_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->show();
        s_.aggiornaDaModello();
    }
    return QObject::eventFilter(o, e);
}

void FraConversione::costruisci() {
    Costruttore k(f_, FraConversione_, {FraMicro::Carattere});
    for (size_t c = 0; c < 4; ++c)
        k.etichetta("lblTabella", static_cast<int>(c), {SinistraColonna(c), 120, LarghezzaColonna, AltezzaRiga},
                    QString::fromUtf8(Teste[c]), Allineamento::Centro);
    std::array<std::string, 13>* testi[4] = {&m_.TxtCents, &m_.TxtMicro, &m_.TxtQuinta, &m_.TxtQuinteArrotondate};
    auto comando = [this](PulsanteVB* p, const QString& caption, std::function<void()> azione) {
        p->setText(caption);
        connect(p, &PulsanteVB::clic, this, [this, azione] {
            azione();
            s_.aggiornaDaModello();
        });
    };
    for (int r = 0; r <= 12; ++r) {
        const float t = r == 0 ? Alto(13) : Alto(r);
        if (r >= 1) {
            k.etichetta("lblEtiQuinte", r - 1, {240, t, 1455, AltezzaRiga}, QString::fromUtf8(Righe[r - 1]));
            comando(k.crea<PulsanteVB>("cmdCopy", r, {1800, t, 495, AltezzaRiga}, k.predefinito()),
                    QStringLiteral("C"), [this, r] { m_.cmdCopy_Click(r); });
        }
        for (size_t c = 0; c < 4; ++c) {
            auto* e = k.crea<CasellaRiga>(Nomi[c], r, {SinistraColonna(c), t, LarghezzaColonna, AltezzaRiga},
                                        k.predefinito());
            caselle_[c][static_cast<size_t>(r)] = e;
            std::string* campo = &(*testi[c])[static_cast<size_t>(r)];
            connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& s) {
                if (!inAggiornamento_) *campo = s.toStdString();
            });
        }
    }
    const QString totale = QString::fromStdString(Testo(Micro::SetteOttave));
    lblTotaleMicro_ = k.etichetta("lblTotaleMicro", -1, {7200, Alto(14), 1695, AltezzaRiga}, totale,
                                  Allineamento::Centro);
    Riempi(lblTotaleMicro_, m_.lblTotaleMicro);
    lblTotaleMicroArrotondata_ = k.etichetta("lblTotaleMicroArrotondata", -1, {9600, Alto(14), 1695, AltezzaRiga},
                                             totale, Allineamento::Centro);
    Riempi(lblTotaleMicroArrotondata_, m_.lblTotaleMicroArrotondata);
    comando(k.crea<PulsanteVB>("cmdSomma", -1, PostoSomma, k.predefinito()), QStringLiteral("Somma"),
            [this] { m_.cmdSomma_Click(); });
    comando(k.crea<PulsanteVB>("cmdRiporta", -1, PostoRiporta, k.predefinito()), QStringLiteral("Riporta"),
            [this] { m_.cmdRiporta_Click(tabella_); });
}

void FraConversione::aggiornaDaModello() {
    if (!lblTotaleMicro_) return;
    inAggiornamento_ = true;
    const std::array<std::string, 13>* testi[4] = {&m_.TxtCents, &m_.TxtMicro, &m_.TxtQuinta,
                                                   &m_.TxtQuinteArrotondate};
    for (size_t c = 0; c < 4; ++c)
        for (size_t k = 0; k <= 12; ++k) ScriviSeDiverso(caselle_[c][k], (*testi[c])[k]);
    Colora(lblTotaleMicro_, QPalette::Window, m_.lblTotaleMicro);
    Colora(lblTotaleMicroArrotondata_, QPalette::Window, m_.lblTotaleMicroArrotondata);
    inAggiornamento_ = false;
}

}  // namespace vk
