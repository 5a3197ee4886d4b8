#include "microlab/widgets/FraConversione.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "common/Micro.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Testi.h"
#include "microlab/widgets/FraMicro.h"

namespace vk {

FraConversione::FraConversione(FraMicro& schermo, TabellaMicroLab& tabella)
    : QObject(&schermo), s_(schermo), tabella_(tabella), m_(tabella.conversione) {
    // Almost wholly below the screen and never shown by the program; its
    // controls are built when it is first shown, as the screen's own are.
    FraConversione_ = s_.crea<QFrame>(&s_, "FraConversione", -1, 360, 11280, 13935, 7335, 0);
    FraConversione_->setAutoFillBackground(true);
    Colora(FraConversione_, QPalette::Window, ColoriMicro::Conversione);
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
    const char* righe[12] = {"Do - Sol", "Sol - Re", "Re - La",  "La - Mi",   "Mi - Si",   "Si - Fa#",
                             "Fa# - Do#", "Reb - Lab", "Lab - Mib", "Mib - Sib", "Sib - Fa", "Fa - Do"};
    const char* teste[4] = {"Differenza in Cents", "Differenza in Micro", "Quinta corretta con la differenza",
                            "Quinta arrotondata"};
    const char* nomi[4] = {"TxtCents", "TxtMicro", "TxtQuinta", "TxtQuinteArrotondate"};
    auto alto = [](int k) { return 600.0f + 480.0f * static_cast<float>(k - 1); };
    for (int c = 0; c < 4; ++c)
        s_.etichetta(FraConversione_, "lblTabella", c, 2400 + 2400.0f * static_cast<float>(c), 120, 2295, 375,
                     teste[c], 0, static_cast<int>(Allineamento::Centro));
    std::array<std::string, 13>* testi[4] = {&m_.TxtCents, &m_.TxtMicro, &m_.TxtQuinta, &m_.TxtQuinteArrotondate};
    for (int k = 0; k <= 12; ++k) {
        const float t = k == 0 ? alto(13) : alto(k);
        if (k >= 1) {
            s_.etichetta(FraConversione_, "lblEtiQuinte", k - 1, 240, t, 1455, 375, righe[k - 1], 0, 0);
            auto* c = s_.crea<PulsanteVB>(FraConversione_, "cmdCopy", k, 1800, t, 495, 375, FraMicro::Carattere);
            c->setText(QStringLiteral("C"));
            connect(c, &PulsanteVB::clic, this, [this, k] {
                m_.cmdCopy_Click(k);
                s_.aggiornaDaModello();
            });
        }
        for (size_t c = 0; c < 4; ++c) {
            auto* e = s_.crea<QLineEdit>(FraConversione_, nomi[c], k, 2400 + 2400.0f * static_cast<float>(c), t,
                                         2295, 375, FraMicro::Carattere);
            caselle_[c][static_cast<size_t>(k)] = e;
            std::string* campo = &(*testi[c])[static_cast<size_t>(k)];
            connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& s) {
                if (!inAggiornamento_) *campo = s.toStdString();
            });
        }
    }
    const std::string totale = Testo(Micro::SetteOttave);
    lblTotaleMicro_ = s_.etichetta(FraConversione_, "lblTotaleMicro", -1, 7200, alto(14), 1695, 375, totale.c_str(),
                                   m_.lblTotaleMicro, static_cast<int>(Allineamento::Centro));
    lblTotaleMicroArrotondata_ =
        s_.etichetta(FraConversione_, "lblTotaleMicroArrotondata", -1, 9600, alto(14), 1695, 375, totale.c_str(),
                     m_.lblTotaleMicroArrotondata, static_cast<int>(Allineamento::Centro));
    auto* somma = s_.crea<PulsanteVB>(FraConversione_, "cmdSomma", -1, 12000, 600, 1095, 495, FraMicro::Carattere);
    somma->setText(QStringLiteral("Somma"));
    connect(somma, &PulsanteVB::clic, this, [this] {
        m_.cmdSomma_Click();
        s_.aggiornaDaModello();
    });
    auto* riporta =
        s_.crea<PulsanteVB>(FraConversione_, "cmdRiporta", -1, 12000, 1200, 1095, 495, FraMicro::Carattere);
    riporta->setText(QStringLiteral("Riporta"));
    connect(riporta, &PulsanteVB::clic, this, [this] {
        m_.cmdRiporta_Click(tabella_);
        s_.aggiornaDaModello();
    });
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
