// Every text of every screen inside its control at the screen sizes the
// program lays itself out for: each label's and cell's text, laid out at the
// font it is drawn with and wrapped as it is drawn, inside the label; each
// button's caption inside the face within the bevel; each text of the charts
// inside its box.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <set>
#include <string>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/Geometria.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/PulsanteVB.h"
#include "model/widgets/GraficiIstogrammi.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"

using namespace vk;

namespace {

// Whether a text laid out in `area` at `f` fits it: no line wider than it,
// and the letters as drawn, unclipped, all inside it (a line may be taller
// than its box while its letters are not).
bool Cape(const QFont& f, const QRect& area, int flags, const QString& testo, QSize& serve) {
    const QRect r = QFontMetrics(f).boundingRect(area, flags, testo);
    serve = r.size();
    if (r.width() > area.width()) return false;
    const int m = 2 * QFontMetrics(f).height();
    QImage img(area.width() + 2 * m, area.height() + 2 * m, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setFont(f);
    p.drawText(QRect(m, m, area.width(), area.height()), flags | Qt::TextDontClip, testo);
    p.end();
    const QRect dentro(m, m, area.width(), area.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0 && !dentro.contains(x, y)) return false;
    return true;
}

std::string Descrivi(const QWidget* w, const QString& testo, const QSize& serve, const QSize& c_e) {
    return (w->objectName() + QStringLiteral(" \"") + testo + QStringLiteral("\" %1x%2 in %3x%4")
                                                                  .arg(serve.width())
                                                                  .arg(serve.height())
                                                                  .arg(c_e.width())
                                                                  .arg(c_e.height()))
        .toStdString();
}

bool Visibile(const QWidget* w, const QWidget* finestra) { return w->isVisibleTo(finestra) && !w->size().isEmpty(); }

// The texts of the window that do not fit where they are drawn.
std::set<std::string> Sporgenti(FinestraPrincipale& f) {
    std::set<std::string> fuori;
    for (const QLabel* l : f.findChildren<QLabel*>()) {
        if (!Visibile(l, &f) || l->text().isEmpty()) continue;
        const QRect area = l->contentsRect();
        const int a = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        QSize serve;
        if (!Cape(CarattereDisegnato(l), area, a, l->text(), serve))
            fuori.insert(Descrivi(l, l->text(), serve, area.size()));
    }
    for (const PulsanteVB* b : f.findChildren<PulsanteVB*>()) {
        if (!Visibile(b, &f) || b->text().isEmpty()) continue;
        const QRect area = PulsanteVB::AreaCaption(b->rect());
        const QStringList righe = b->righeCaption();
        QSize serve;
        if (!Cape(b->carattereCaption(), area, Qt::AlignCenter | Qt::TextShowMnemonic, righe.join(u'\n'), serve))
            fuori.insert(Descrivi(b, righe.join(u'|'), serve, area.size()));
    }
    for (const GraficoIstogrammi* g : f.findChildren<GraficoIstogrammi*>()) {
        if (!Visibile(g, &f)) continue;
        for (const GraficoIstogrammi::TestoDipinto& t : g->testi()) {
            // The whole pixels of a box in fractions.
            const QRect area(0, 0, static_cast<int>(t.area.width()), static_cast<int>(t.area.height()));
            QSize serve;
            if (!Cape(t.carattere, area, t.allineamento, t.testo, serve))
                fuori.insert(Descrivi(g, t.testo, serve, area.size()));
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
            for (const std::string& s : Sporgenti(*f)) fuori.insert(std::string(dove) + ": " + s);
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
