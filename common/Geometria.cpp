#include "common/Geometria.h"

namespace vk {

namespace {
FornitoreSchermo& Fornitore() {
    static FornitoreSchermo f;
    return f;
}

float Per(float valore, double fattore) { return static_cast<float>(static_cast<double>(valore) * fattore); }
}  // namespace

void ImpostaFornitoreSchermo(FornitoreSchermo f) { Fornitore() = std::move(f); }

DimensioniSchermo SchermoTwips() {
    const auto& f = Fornitore();
    return f ? f() : DimensioniSchermo{};
}

FattoriSchermo FattoriSchermo::da(DimensioniSchermo s) {
    FattoriSchermo f;
    f.verticale = static_cast<double>(s.altezza) / AltezzaProgetto;
    f.orizzontale = static_cast<double>(s.larghezza) / LarghezzaProgetto;
    f.caratteri = static_cast<double>(s.altezza) / AltezzaProgettoCaratteri;
    return f;
}

bool DaAdattare(DimensioniSchermo s) { return s.altezza != AltezzaProgetto; }

uint8_t ScalaPredefinita(TipoControllo t) {
    switch (t) {
        case TipoControllo::Etichetta:
        case TipoControllo::Pulsante:
        case TipoControllo::CasellaTesto:
            return ScalaTutto;
        case TipoControllo::Forma:
        case TipoControllo::Cornice:
        case TipoControllo::Immagine:
        case TipoControllo::Finestra:
            return ScalaGeometria;
        case TipoControllo::Linea:
        case TipoControllo::Timer:
            return ScalaNessuna;
    }
    return ScalaNessuna;
}

void ScalaVoce(VoceGeometria& v, const FattoriSchermo& f) { ScalaVoce(v, f, v.scala); }

void ScalaVoce(VoceGeometria& v, const FattoriSchermo& f, uint8_t scala) {
    if (scala & ScalaAltezza) v.altezza = Per(v.altezza, f.verticale);
    if (scala & ScalaLarghezza) v.larghezza = Per(v.larghezza, f.orizzontale);
    if (scala & ScalaAlto) v.alto = Per(v.alto, f.verticale);
    if (scala & ScalaSinistra) v.sinistra = Per(v.sinistra, f.orizzontale);
    if (scala & ScalaCarattere) v.carattere = Per(v.carattere, f.caratteri);
}

VoceGeometria& RegistroGeometria::registra(std::string nome, int indice, TipoControllo tipo, float sinistra,
                                           float alto, float larghezza, float altezza, float carattere) {
    VoceGeometria v;
    v.nome = std::move(nome);
    v.indice = indice;
    v.tipo = tipo;
    v.sinistra = sinistra;
    v.alto = alto;
    v.larghezza = larghezza;
    v.altezza = altezza;
    v.carattere = carattere;
    v.scala = ScalaPredefinita(tipo);
    return registra(std::move(v));
}

VoceGeometria& RegistroGeometria::registra(VoceGeometria v) {
    auto it = indice_.find(std::pair<std::string_view, int>(v.nome, v.indice));
    if (it != indice_.end()) {
        voci_[it->second] = std::move(v);
        return voci_[it->second];
    }
    indice_.emplace(std::pair<std::string, int>(v.nome, v.indice), voci_.size());
    voci_.push_back(std::move(v));
    return voci_.back();
}

VoceGeometria* RegistroGeometria::trova(std::string_view nome, int indice) {
    auto it = indice_.find(std::pair<std::string_view, int>(nome, indice));
    return it == indice_.end() ? nullptr : &voci_[it->second];
}

const VoceGeometria* RegistroGeometria::trova(std::string_view nome, int indice) const {
    auto it = indice_.find(std::pair<std::string_view, int>(nome, indice));
    return it == indice_.end() ? nullptr : &voci_[it->second];
}

void RegistroGeometria::scalaTutto(const FattoriSchermo& f) {
    for (auto& v : voci_) ScalaVoce(v, f);
}

}  // namespace vk
