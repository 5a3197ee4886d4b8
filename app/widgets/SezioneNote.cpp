#include "app/widgets/SezioneNote.h"

#include <QLabel>

#include "app/Notazione.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

namespace {

QLabel* Etichetta(FinestraPrincipale& f, const char* nome, int i, float l, float t, float w, float h, bool grassetto,
                  ColoreVB sfondo, ColoreVB testo) {
    auto* e = f.etichetta(f.pagina(), nome, i, l, t, w, h, 8.25f, Allineamento::Centro);
    QFont fo = e->font();
    fo.setBold(grassetto);
    e->setFont(fo);
    e->setAutoFillBackground(true);
    QPalette p = e->palette();
    p.setColor(QPalette::Window, ColoreQt(sfondo));
    p.setColor(QPalette::WindowText, ColoreQt(testo));
    e->setPalette(p);
    // In front of the bar charts, whose thirds row they overlap.
    e->raise();
    return e;
}

bool TastoNero(int n) { return n == 2 || n == 4 || n == 7 || n == 9 || n == 11; }

}  // namespace

SezioneNote::SezioneNote(FinestraPrincipale& f) : QObject(&f), f_(f) {
    setObjectName(QStringLiteral("SezioneNote"));
    auto* lingua = f.crea<PulsanteVB>(f.pagina(), "cmdLingua", -1, TipoControllo::Pulsante, 360, 2760, 540, 540,
                                      8.25f);
    lingua->setToolTip(QStringLiteral("Nomi delle Note in varie lingue"));
    lingua->setGrafico(true);
    lingua->setColoreSfondo(Colori::VerdeChiaro);
    connect(lingua, &PulsanteVB::clic, this, [this] {
        cmdLingua_Click(f_.stato());
        f_.aggiorna();
    });

    for (int p = 1; p <= 13; ++p)
        Etichetta(f, "lblNote", p, 120.0f + 1080.0f * static_cast<float>(p - 1), 8640, 975, 255, true,
                  Colori::Bianco, Colori::Nero);
    Etichetta(f, "lblNote", 0, 14160, 8640, 975, 255, true, Colori::Bianco, Colori::Nero);
    for (int c = 1; c <= 13; ++c)
        Etichetta(f, "lblNote", 13 + c, 720.0f + 1080.0f * static_cast<float>(c - 1), 8160, 855, 255, false,
                  Colori::Bianco, Colori::Nero);
    for (int n = 1; n <= 13; ++n) {
        const bool nero = TastoNero(n);
        Etichetta(f, "lblScalaST", n, 5880.0f + 720.0f * static_cast<float>(n - 1), 3240, 615, 255, true,
                  nero ? Colori::Nero : Colori::Bianco, nero ? Colori::Bianco : Colori::Nero);
    }

    f.aggiungiAggiornamento([this] { aggiorna(); });
    aggiorna();
}

void SezioneNote::aggiorna() {
    const StatoPrincipale& s = f_.stato();
    if (auto* b = qobject_cast<PulsanteVB*>(f_.controllo("cmdLingua")))
        b->setText(QString::fromStdString(s.LinguaNote));
    for (int i = 0; i <= 26; ++i)
        if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblNote", i))) {
            l->setText(QString::fromStdString(s.nomiNote.lblNote[static_cast<size_t>(i)]));
            if (i == 0 || i == 26) l->setVisible(s.visibilita.duplicato);
        }
    for (int n = 1; n <= 13; ++n)
        if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblScalaST", n)))
            l->setText(QString::fromStdString(s.nomiNote.lblScalaST[static_cast<size_t>(n)]));
}

SezioneNote* InstallaSezioneNote(FinestraPrincipale& f) { return new SezioneNote(f); }

}  // namespace vk
