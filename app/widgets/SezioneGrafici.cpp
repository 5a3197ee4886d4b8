#include "app/widgets/SezioneGrafici.h"

#include <QLabel>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "model/widgets/GraficiIstogrammi.h"

namespace vk {

namespace {

QLabel* Cella(FinestraPrincipale& f, const char* nome, int i, float l, float t, float w) {
    auto* e = f.etichetta(f.pagina(), nome, i, l, t, w, 255, 8.25f, Allineamento::Centro);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    return e;
}

void Testo(FinestraPrincipale& f, const char* nome, int i, const std::string& t) {
    if (auto* l = qobject_cast<QLabel*>(f.controllo(nome, i))) l->setText(QString::fromStdString(t));
}

}  // namespace

SezioneGrafici::SezioneGrafici(FinestraPrincipale& f) : QObject(&f), f_(f) {
    setObjectName(QStringLiteral("SezioneGrafici"));
    StatoPrincipale& s = f.stato();
    // The fixed elements: shapes, and captions with their font size.
    for (const auto& e : ElementiGrafici()) {
        const bool testo = e.aspetto == AspettoElemento::Testo;
        f.registraDisegnato(e.nome, e.indice, testo ? TipoControllo::Etichetta : TipoControllo::Forma,
                            {e.sinistra, e.alto, e.larghezza, e.altezza}, testo ? PuntiGrafici : 0.0f);
    }
    quinteTerze_ = new GraficoIstogrammi(QualeGrafico::QuinteTerze, s.istogrammi, s.geometria,
                                         s.visibilita.duplicato, f.pagina());
    semitoni_ = new GraficoIstogrammi(QualeGrafico::Semitoni, s.istogrammi, s.geometria, s.visibilita.duplicato,
                                      f.pagina());

    for (int k = 0; k <= 12; ++k)
        Cella(f, "lblTerzeC", k, ColonneGrafico[static_cast<size_t>(k)].lblTerzeC, 7320, 735);
    for (int k = 1; k <= 12; ++k)
        Cella(f, "lblQuinteC", k, ColonneGrafico[static_cast<size_t>(k)].lblQuinteC, 10080, 975);
    for (int n = 1; n <= 12; ++n)
        Cella(f, "lblSemitoniC", n, 6240.0f + 720.0f * static_cast<float>(n - 1), 2880, 615);

    for (int k = 1; k <= 12; ++k) {
        auto* b = f.crea<PulsanteVB>(f.pagina(), "cmdTerze", k, TipoControllo::Pulsante,
                                     ColonneGrafico[static_cast<size_t>(k)].cmdTerze, 7680, 375, 375, 8.25f);
        b->setGrafico(true);
        b->setColoreSfondo(0xE0E0E0);
    }

    auto* c9 = f.crea<PulsanteVB>(f.pagina(), "Command9", -1, TipoControllo::Pulsante, 2990, 2760, 915, 540, 8.25f);
    c9->setGrafico(true);
    c9->setColoreSfondo(0xFFFFE1);
    c9->setToolTip(QStringLiteral("Colori istogrammi delle Quinte"));
    connect(c9, &PulsanteVB::clic, this, [this] {
        Command9_Click(f_.stato().istogrammi, f_.temperamento());
        f_.aggiorna();
    });

    f.aggiungiAggiornamento([this] { aggiorna(); });
    aggiorna();
}

void SezioneGrafici::aggiorna() {
    const StatoPrincipale& s = f_.stato();
    const Temperamento& t = s.temperamento;
    for (int k = 1; k <= 12; ++k) {
        const auto kk = static_cast<size_t>(k);
        Testo(f_, "lblQuinteC", k, t.QuinteCents[kk]);
        Testo(f_, "lblTerzeC", k, t.TerzeCents[kk]);
        Testo(f_, "lblSemitoniC", k, t.SemitoniCents[kk]);
        if (auto* b = qobject_cast<PulsanteVB*>(f_.controllo("cmdTerze", k)))
            b->setText(QString::fromStdString(t.SigleTerze[kk]));
    }
    Testo(f_, "lblTerzeC", 0, s.istogrammi.lblTerzeC0);
    if (QWidget* w = f_.controllo("lblTerzeC", 0)) w->setVisible(s.visibilita.duplicato);
    if (auto* b = qobject_cast<PulsanteVB*>(f_.controllo("Command9")))
        b->setText(QString::fromStdString(s.istogrammi.Command9));
    quinteTerze_->aggiorna();
    semitoni_->aggiorna();
}

SezioneGrafici* InstallaSezioneGrafici(FinestraPrincipale& f) { return new SezioneGrafici(f); }

}  // namespace vk
