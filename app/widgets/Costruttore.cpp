#include "app/widgets/Costruttore.h"

#include <QFrame>
#include <QLabel>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

Costruttore::Costruttore(FinestraPrincipale& finestra, QWidget* genitore, CarattereProgetto predefinito)
    : f_(finestra), genitore_(genitore), predefinito_(predefinito) {}

QWidget* Costruttore::genitoreDi(const Posto& p) const {
    for (auto it = fasce_.rbegin(); it != fasce_.rend(); ++it)
        if (p.alto >= it->first) return it->second;
    return genitore_;
}

void Costruttore::metti(QWidget* w, const std::string& nome, int indice, const Posto& p, const CarattereProgetto& c) {
    // A family, weight or slant of its own goes on first, so that placing
    // sets only the size; a control in the screen's own font gets none.
    if (c.punti > 0 && (c.famiglia || c.grassetto || c.corsivo)) {
        QFont q = c.famiglia ? CaratterePunti(QString::fromUtf8(c.famiglia), c.punti, c.grassetto, c.corsivo)
                             : w->font();
        if (!c.famiglia) {
            if (c.grassetto) q.setBold(true);
            if (c.corsivo) q.setItalic(true);
            ImpostaPunti(q, c.punti);
        }
        w->setFont(q);
    }
    f_.registraTardivo(w, nome, indice, TipoDaNome(nome), p, c.punti);
}

QLabel* Costruttore::etichetta(const std::string& nome, int indice, const Posto& p, const QString& testo,
                               Allineamento a, std::optional<CarattereProgetto> c) {
    auto* l = crea<EtichettaAdattata>(nome, indice, p, c.value_or(predefinito_));
    FormaEtichetta(l, a);
    if (!testo.isEmpty()) l->setText(testo);
    return l;
}

CellaTesto* Costruttore::cella(const std::string& nome, int indice, const Posto& p, ColoreVB sfondo,
                               std::optional<ColoreVB> testo, Allineamento a, std::optional<CarattereProgetto> c) {
    auto* l = crea<CellaTesto>(nome, indice, p, c.value_or(predefinito_));
    FormaEtichetta(l, a);
    l->setWordWrap(false);
    // The cell paints its back colour itself (see CellaTesto::setOpaca).
    Riempi(l, sfondo, testo);
    l->setOpaca(true);
    return l;
}

PulsanteVB* Costruttore::pulsante(const std::string& nome, int indice, const Posto& p, const QString& caption,
                                  ColoreVB sfondo, std::optional<CarattereProgetto> c) {
    auto* b = crea<PulsanteVB>(nome, indice, p, c.value_or(predefinito_));
    if (!caption.isEmpty()) b->setText(caption);
    b->setColoreSfondo(sfondo);
    b->setGrafico(true);
    return b;
}

QFrame* Costruttore::forma(const std::string& nome, int indice, const Posto& p, ColoreVB sfondo) {
    auto* r = crea<QFrame>(nome, indice, p);
    r->setFrameStyle(QFrame::Box | QFrame::Plain);
    Riempi(r, sfondo, Colori::Nero);
    return r;
}

QLabel* Costruttore::nascosta(const std::string& nome, int indice) {
    auto* l = new QLabel(genitore_);
    l->setObjectName(NomeOggetto(nome, indice));
    l->hide();
    return l;
}

void Costruttore::fasce(const std::vector<float>& inizi, ColoreVB sfondo) {
    const auto& fattori = f_.stato().fattoriAdattamento;
    for (size_t i = 0; i < inizi.size(); ++i) {
        VoceGeometria v;
        v.alto = inizi[i];
        v.larghezza = LarghezzaProgetto;
        v.altezza = (i + 1 < inizi.size() ? inizi[i + 1] : AltezzaProgetto) - inizi[i];
        // Scaled as the screen's frame is, so that the strips tile it.
        if (fattori) ScalaVoce(v, *fattori, ScalaGeometria);
        fasce_.emplace_back(inizi[i], new Fascia(genitore_, RettangoloPixel(v), sfondo));
    }
}

PulsanteVB* PulsanteApertura(FinestraPrincipale& finestra, const std::string& nome, const Posto& p, float punti,
                             const QString& caption, ColoreVB sfondo, const QString& suggerimento) {
    auto* b = finestra.crea<PulsanteVB>(finestra.pagina(), nome, -1, TipoControllo::Pulsante, p.sinistra, p.alto,
                                        p.larghezza, p.altezza, punti);
    b->setText(caption);
    b->setGrafico(true);
    b->setColoreSfondo(sfondo);
    b->setToolTip(suggerimento);
    return b;
}

}  // namespace vk
