#include "common/widgets/ColoriQt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <iterator>
#include <map>
#include <utility>

#include "common/widgets/Posiziona.h"

namespace vk {

QPalette::ColorRole RuoloDiSistema(ColoreVB c) {
    if (!ColoreDiSistema(c)) return QPalette::NoRole;
    switch (c & 0xFF) {
        case 0x00: return QPalette::Mid;              // scroll bars
        case 0x01: return QPalette::Dark;             // desktop
        case 0x02: return QPalette::Highlight;        // active title bar
        case 0x03: return QPalette::Mid;              // inactive title bar
        case 0x04: return QPalette::Window;           // menu bar
        case 0x05: return QPalette::Base;             // window background
        case 0x06: return QPalette::Shadow;           // window frame
        case 0x07: return QPalette::WindowText;       // menu text
        case 0x08: return QPalette::Text;             // window text
        case 0x09: return QPalette::HighlightedText;  // title bar text
        case 0x0A: return QPalette::Button;           // active border
        case 0x0B: return QPalette::Button;           // inactive border
        case 0x0C: return QPalette::Dark;             // application workspace
        case 0x0D: return QPalette::Highlight;
        case 0x0E: return QPalette::HighlightedText;
        case 0x0F: return QPalette::Button;           // button face
        case 0x10: return QPalette::Dark;             // button shadow
        case 0x11: return QPalette::PlaceholderText;  // grey text
        case 0x12: return QPalette::ButtonText;
        case 0x13: return QPalette::WindowText;       // inactive caption text
        case 0x14: return QPalette::Light;            // 3D highlight
        case 0x15: return QPalette::Shadow;           // 3D dark shadow
        case 0x16: return QPalette::Midlight;         // 3D light
        case 0x17: return QPalette::ToolTipText;
        case 0x18: return QPalette::ToolTipBase;
        default: return QPalette::NoRole;
    }
}

QColor ColoreQt(ColoreVB c) { return ColoreQt(c, QGuiApplication::palette()); }

QColor ColoreQt(ColoreVB c, const QPalette& tavolozza) {
    if (ColoreDiSistema(c)) {
        const auto ruolo = RuoloDiSistema(c);
        return tavolozza.color(QPalette::Active, ruolo == QPalette::NoRole ? QPalette::Window : ruolo);
    }
    return QColor(RossoDi(c), VerdeDi(c), BluDi(c));
}

QString FamigliaCarattere(const QString& famigliaProgetto) {
    const QString f = famigliaProgetto.trimmed();
    if (f.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 || f.compare("Arial", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (f.compare("Times New Roman", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Serif");
    if (f.compare("Courier New", Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Mono");
    return f;
}

double DpiLogici() {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

void ImpostaPunti(QFont& f, double punti) {
    if (punti <= 0) return;
    f.setPointSizeF(punti * 96.0 / DpiLogici());
}

QFont CaratterePunti(const QString& famigliaProgetto, double punti, bool grassetto, bool corsivo) {
    QFont f(FamigliaCarattere(famigliaProgetto));
    ImpostaPunti(f, punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

QFont CarattereProgramma() { return CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25); }

void ImpostaCarattereProgramma() {
    // Setting the default drops the fonts the platform gave these classes.
    static const char* const Altrui[] = {"QTipLabel", "QMenu", "QDialog"};
    QFont loro[std::size(Altrui)];
    for (size_t i = 0; i < std::size(Altrui); ++i) loro[i] = QApplication::font(Altrui[i]);
    QApplication::setFont(CarattereProgramma());
    for (size_t i = 0; i < std::size(Altrui); ++i) QApplication::setFont(loro[i], Altrui[i]);
}

namespace {
// Whether the control has this back colour from the strip it lies in (a
// strip's colour never changes).
bool SfondoDellaFascia(const QWidget* w, QPalette::ColorRole ruolo, ColoreVB c) {
    const auto* f = qobject_cast<const Fascia*>(w->parentWidget());
    return ruolo == QPalette::Window && f && f->sfondo() == c;
}
}  // namespace

const QPalette& Tavolozza(ColoreVB sfondo, std::optional<ColoreVB> testo) {
    static std::map<std::pair<ColoreVB, std::optional<ColoreVB>>, QPalette> fatte;
    auto [it, nuova] = fatte.try_emplace({sfondo, testo});
    if (nuova) {
        it->second.setColor(QPalette::Window, ColoreQt(sfondo));
        if (testo) it->second.setColor(QPalette::WindowText, ColoreQt(*testo));
    }
    return it->second;
}

void Riempi(QWidget* w, ColoreVB sfondo, std::optional<ColoreVB> testo) {
    w->setAutoFillBackground(true);
    if (!testo && SfondoDellaFascia(w, QPalette::Window, sfondo)) return;
    w->setPalette(Tavolozza(sfondo, testo));
}

void Colora(QWidget* w, QPalette::ColorRole ruolo, ColoreVB c) {
    // Setting the colour a widget already has on its own would still repaint
    // it; so would the back colour of the strip it lies in.
    const QColor q = ColoreQt(c);
    QPalette p = w->palette();
    if (p.isBrushSet(QPalette::Active, ruolo) ? p.color(ruolo) == q : SfondoDellaFascia(w, ruolo, c)) return;
    p.setColor(ruolo, q);
    w->setPalette(p);
}

}  // namespace vk
