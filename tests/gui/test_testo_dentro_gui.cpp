// Every text of every screen whole inside its control at the screen sizes the
// program lays itself out for, as the control draws it: each label's and
// cell's text inside the label, each button's caption inside the face within
// the bevel, raised and held down, each text of the charts inside its box.
// A top-aligned text drawn smaller than designed stands on the row its
// designed size stands on, in line with the texts beside it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMap>
#include <QStyle>
#include <QTest>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/Geometria.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/PulsanteVB.h"
#include "model/widgets/GraficiIstogrammi.h"
#include "tests/gui/OgniDimensione.h"
#include "tests/gui/TestoIntero.h"

using namespace vk;

namespace {

bool Visibile(const QWidget* w, const QWidget* finestra) { return w->isVisibleTo(finestra) && !w->size().isEmpty(); }

// What is wrong with a text as drawn, or nothing.
std::optional<std::string> Difetto(const QImage& con, const QImage& senza, const test::Scritta& s) {
    const bool inAlto = (s.flags & Qt::AlignVertical_Mask) == Qt::AlignTop;
    const auto t = test::TestoIntero(con, senza, s, inAlto ? 4 : 0);
    if (!t) return "cut, or over its edge";
    if (inAlto && t->carattere != s.carattere) {
        const int progetto = test::RigaDiBase(s.carattere, s.area, s.flags);
        const int disegnata = test::RigaDiBase(t->carattere, s.area.translated(0, t->abbassato), s.flags);
        if (disegnata != progetto)
            return "drawn smaller, standing " + std::to_string(progetto - disegnata) + " rows above its designed line";
    }
    return std::nullopt;
}

// A label's text inside the label, laid out as its alignment says.
std::optional<std::string> DifettoDi(QLabel* l) {
    const auto [con, senza] = test::FotoConESenzaTesto(l);
    test::Scritta s;
    s.forme = {l->text()};
    s.area = l->contentsRect();
    s.flags = static_cast<int>(QStyle::visualAlignment(l->layoutDirection(), l->alignment())) |
              (l->wordWrap() ? Qt::TextWordWrap : 0);
    s.carattere = l->font();
    s.penna = l->palette().color(l->foregroundRole());
    s.lecito = l->contentsRect();
    s.confronto = l->rect();
    return Difetto(con, senza, s);
}

// A button's caption inside the face, in one of the ways it may be broken.
std::optional<std::string> DifettoDi(PulsanteVB* b, bool giu) {
    if (test::CaptionIntera(b, giu, test::FormeDellaCaption(b->text()))) return std::nullopt;
    return "cut, or over the bevel";
}

// The texts of the window that are not drawn whole in their place.
std::set<std::string> Difettosi(FinestraPrincipale& f) {
    std::set<std::string> fuori;
    auto segna = [&](const QWidget* w, const QString& testo, const std::optional<std::string>& d) {
        if (d) fuori.insert((w->objectName() + QStringLiteral(" \"") + testo + QStringLiteral("\": ")).toStdString() + *d);
    };
    for (QLabel* l : f.findChildren<QLabel*>())
        if (Visibile(l, &f) && !l->text().isEmpty()) segna(l, l->text(), DifettoDi(l));
    for (PulsanteVB* b : f.findChildren<PulsanteVB*>())
        if (Visibile(b, &f) && !b->text().isEmpty())
            for (bool giu : {false, true})
                if (const auto d = DifettoDi(b, giu)) segna(b, b->text() + (giu ? QStringLiteral(" (held)") : QString()), d);
    for (GraficoIstogrammi* g : f.findChildren<GraficoIstogrammi*>()) {
        if (!Visibile(g, &f)) continue;
        const QImage con = g->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (const ElementoGrafico& e : ElementiGrafici()) {
            if (e.grafico != g->quale() || e.aspetto != AspettoElemento::Testo) continue;
            const VoceGeometria* v = f.stato().geometria.trova(e.nome, e.indice);
            if (!v) continue;
            const double k = 1.0 / TwipsPerPixel;
            const QRectF box(v->sinistra * k, v->alto * k, v->larghezza * k, v->altezza * k);
            // The whole pixels of the box, and those it covers in part.
            const QRect dentro(QPoint(static_cast<int>(std::ceil(box.left())), static_cast<int>(std::ceil(box.top()))),
                               QPoint(static_cast<int>(std::floor(box.right())) - 1,
                                      static_cast<int>(std::floor(box.bottom())) - 1));
            const QRect tutto = box.toAlignedRect();
            // Without the text the box is its ground: its most frequent colour.
            QMap<QRgb, int> conta;
            for (int y = dentro.top(); y <= dentro.bottom(); ++y)
                for (int x = dentro.left(); x <= dentro.right(); ++x) ++conta[con.pixel(x, y)];
            QRgb fondo = 0;
            for (auto it = conta.cbegin(); it != conta.cend(); ++it)
                if (it.value() > conta.value(fondo)) fondo = it.key();
            QImage senza = con.copy();
            for (int y = tutto.top(); y <= tutto.bottom(); ++y)
                for (int x = tutto.left(); x <= tutto.right(); ++x) senza.setPixel(x, y, fondo);
            test::Scritta s;
            s.forme = {QString::fromUtf8(e.caption)};
            s.area = box;
            // The marks stand at the left of their box; the legend is centred and wraps.
            s.flags = (e.sfondo ? Qt::AlignHCenter | Qt::TextWordWrap : Qt::AlignLeft) | Qt::AlignTop;
            s.carattere = CaratterePunti(QStringLiteral("MS Sans Serif"), v->carattere, e.grassetto);
            s.penna = ColoreQt(e.coloreTesto, g->palette());
            s.lecito = tutto;
            s.confronto = dentro;
            segna(g, s.forme.front(), Difetto(con, senza, s));
        }
    }
    return fuori;
}

}  // namespace

TEST(TestoDentro, OgniTestoDiOgniSchermataStaNelSuoControllo) {
    test::AOgniDimensione([](FinestraPrincipale& finestra) {
        FinestraPrincipale* const f = &finestra;
        std::set<std::string> fuori;
        auto controlla = [&](const char* dove) {
            QApplication::processEvents();
            for (const std::string& s : Difettosi(*f)) fuori.insert(std::string(dove) + ": " + s);
        };
        auto clic = [&](const char* nome) {
            auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(nome));
            ASSERT_NE(b, nullptr) << nome;
            QTest::mouseClick(b, Qt::LeftButton);
        };
        // Each screen as the program opens it, and the captions that change.
        controlla("principale");
        for (const char* n : {"Command9", "cmdTastiera", "cmdMostraIsto", "cmdLingua", "cmdInfoSemitoni"}) clic(n);
        controlla("principale, cambiati");
        clic("cmdShift_1");
        clic("cmdComma");
        controlla("conferma");
        clic("cmdCambioComma_1");
        clic("cmdApriEasy");
        controlla("zadurori");
        clic("cmdEsciEasyMode");
        clic("cmdLab");
        controlla("microlab");
        // Texts the steps write.
        for (const char* n : {"cmdQuintaM_2", "cmdScatto_6", "cmdAumenta", "cmdAumenta", "cmdQuintaM_20",
                              "cmdQuintaM_20", "cmdDiminuisci"})
            clic(n);
        controlla("microlab, passi");
        clic("CmdApplicaMicro");
        controlla("dopo microlab");
        clic("cmdLab");
        clic("cmdAnnullaMicro");
        clic("cmdTavolaScale");
        clic("cmdNotaScala_3");
        controlla("tavola");
        clic("cmdEsciSCale");
        clic("cmdMostraFrequenze");
        controlla("frequenze");
        clic("cmdTorna");
        clic("cmdUtility");
        for (int pagina = 1; pagina <= 3; ++pagina) {
            controlla("utility");
            clic("cmdPagina");
        }
        for (const char* n : {"cmdTono_1", "cmdAlterazioni", "cmdNumero_3", "cmdNumero_13", "cmdNumero_2"}) clic(n);
        controlla("convertitore");
        clic("cmdEsciUtility");
        clic("cmdEXit");
        controlla("finale");
        std::string elenco;
        for (const std::string& s : fuori) elenco += s + "\n";
        EXPECT_TRUE(fuori.empty()) << elenco;
    });
}

// A control drawn at one size and then resized lays its text out anew: at
// the new size it is whole inside it.
TEST(TestoDentro, UnControlloRidimensionatoRidisponeIlSuoTesto) {
    EtichettaAdattata etichetta(QStringLiteral("Scarto semitonale:"));
    FormaEtichetta(&etichetta);
    CellaTesto cella(QStringLiteral("531441/524288*80/81"));
    FormaEtichetta(&cella, Allineamento::Centro);
    cella.setWordWrap(false);
    PulsanteVB pulsante(QStringLiteral("Vuvaz-Eza"));
    struct Caso {
        QWidget* controllo;
        QSize prima, dopo;
        std::function<std::optional<std::string>()> difetto;
    };
    const Caso casi[] = {
        {&etichetta, {200, 20}, {70, 20}, [&] { return DifettoDi(&etichetta); }},
        {&cella, {200, 20}, {90, 20}, [&] { return DifettoDi(&cella); }},
        // Broken at its hyphen, then too low for two lines.
        {&pulsante, {40, 60}, {40, 20}, [&] { return DifettoDi(&pulsante, false); }},
    };
    for (const Caso& c : casi) {
        c.controllo->resize(c.prima);
        EXPECT_EQ(c.difetto(), std::nullopt) << c.controllo->metaObject()->className();
        // Drawn with its text at this size, as a screen last showed it.
        c.controllo->grab();
        c.controllo->resize(c.dopo);
        EXPECT_EQ(c.difetto(), std::nullopt) << c.controllo->metaObject()->className() << " resized";
    }
}
