// The key table as the program builds it: every screen installed, then the
// load sequence (without this machine's folders and settings).
#include <gtest/gtest.h>

#include "tests/gui/AiutiGui.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "app/Avvio.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "keytable/ScartiScala.h"
#include "programma/Schermate.h"
#include "tests/comune/CartellaProva.h"
#include "tests/gui/OgniDimensione.h"

namespace vk {
namespace {

class TavolaGui : public test::ProvaFinestra {
protected:
    QWidget* radice() override { return finestra_.get(); }
    // With a data folder, the settings file is read from there.
    void carica(DimensioniSchermo schermo = {}, std::string cartellaDati = {}) {
        ImpostaFornitoreSchermo([schermo] { return schermo; });
        finestra_ = CaricaFinestraPrincipale(
            stato_,
            [this, cartellaDati](PassiCaricamento& p) {
                p.sondaCartelle = [this, cartellaDati] { stato_.percorsi.CartellaDati = cartellaDati; };
                if (cartellaDati.empty()) p.caricaImpostazioni = {};
            },
            InstallaSchermate);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void TearDown() override { ImpostaFornitoreSchermo({}); }

    QColor Pixel(const QImage& img, float xTwips, float yTwips) {
        return img.pixelColor(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15));
    }
    void Fotografa(const QString& nome, const QImage& img) {
        QDir().mkpath(VK_BUILD "/screens");
        ASSERT_TRUE(img.save(QStringLiteral(VK_BUILD "/screens/") + nome + ".png"));
    }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
};

bool SottoLaPagina(QWidget* w, QWidget* pagina) {
    for (; w; w = w->parentWidget())
        if (w == pagina) return true;
    return false;
}

TEST_F(TavolaGui, TabellaTonalitaIstogrammaEChiusura) {
    carica();
    // Nothing of the screen exists before it first opens.
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("lblScala_4")), nullptr);
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("FraTavolaSCale")), nullptr);
    auto* sc = Trova<PulsanteVB>(QStringLiteral("cmdTavolaScale"));
    ASSERT_TRUE(sc);
    EXPECT_EQ(sc->text(), QStringLiteral("Sc"));
    EXPECT_EQ(sc->geometry(), QRect(160, 184, 36, 36));
    finestra_->activateWindow();
    QApplication::setActiveWindow(finestra_.get());
    Clic(QStringLiteral("cmdTavolaScale"));
    auto* fra = Trova(QStringLiteral("FraTavolaSCale"));
    ASSERT_TRUE(fra);
    ASSERT_TRUE(fra->isVisible());
    EXPECT_EQ(fra->pos(), QPoint(0, 0));
    EXPECT_EQ(fra->size(), QSize(1024, 768));
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    // The covered page let go of the focus; Tab runs through the screen's own controls only.
    EXPECT_FALSE(SottoLaPagina(QApplication::focusWidget(), finestra_->pagina()));
    QTest::keyClick(finestra_.get(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    for (int i = 0; i < 40; ++i) {
        QWidget* fuoco = QApplication::focusWidget();
        EXPECT_FALSE(SottoLaPagina(fuoco, finestra_->pagina())) << fuoco->objectName().toStdString();
        if (!fuoco) break;
        QTest::keyClick(fuoco, Qt::Key_Tab);
    }

    // The table view: equal deviations on their bands.
    auto* cover = Trova(QStringLiteral("FraCopreIstogrammi"));
    ASSERT_TRUE(cover);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), QRect(116, 53, 889, 623));
    EXPECT_EQ(Testo(QStringLiteral("lblScala_4")), QStringLiteral("13,69"));
    EXPECT_EQ(Testo(QStringLiteral("lblScala_142")), QStringLiteral("-17,6"));
    EXPECT_EQ(Testo(QStringLiteral("lblEufonico_13")), QStringLiteral("-14,66"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdPreset_0"))->coloreSfondo(), 0xC0E0FFu);
    const QImage tabella = finestra_->grab().toImage();
    // DO's row at Top 4500 in the cover: cell 4 (13,69) orange, cell 7 (-1,96) aquamarine.
    EXPECT_EQ(Pixel(tabella, 1740 + 180 + 3600 + 30, 795 + 4500 + 30), ColoreQt(ColoriFasce[10]));
    EXPECT_EQ(Pixel(tabella, 1740 + 180 + 7200 + 30, 795 + 4500 + 30), ColoreQt(ColoriFasce[6]));
    Fotografa(QStringLiteral("tavola_scale"), tabella);

    // A key: its histogram, index and word.
    Clic(QStringLiteral("cmdNotaScala_1"));
    EXPECT_FALSE(cover->isVisible());
    EXPECT_EQ(Testo(QStringLiteral("lblLegenda_18")), QStringLiteral("-14,66"));
    EXPECT_EQ(Testo(QStringLiteral("lblLegenda_19")), QStringLiteral("Sufficiente"));
    EXPECT_EQ(Testo(QStringLiteral("lblScartiInCents_4")), QStringLiteral("13,69"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdSelezInterv_1"))->text(), QStringLiteral("REb"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdNotaScala_1"))->coloreSfondo(), Colori::RossoChiaro);
    const QImage isto = finestra_->grab().toImage();
    // Bar 4 under emphasis stands 3159 twips above the baseline 9975, in the
    // cell's colour; its outline (Left 5400) black; the panel grey-blue.
    EXPECT_EQ(Pixel(isto, 5520 + 480, 9975 - 3000), ColoreQt(ColoriFasce[10]));
    EXPECT_EQ(Pixel(isto, 5520 + 480, 9975 - 3300), ColoreQt(0xE9DCD3));
    EXPECT_EQ(Pixel(isto, 5400 + 5, 8000), ColoreQt(Colori::Nero));
    // Bar 1 under emphasis falls short of its outline (Top 9130).
    EXPECT_EQ(Pixel(isto, 1920 + 480, 9975 - 600), ColoreQt(ColoriFasce[4]));
    EXPECT_EQ(Pixel(isto, 1920 + 480, 9975 - 700), ColoreQt(0xE9DCD3));
    Fotografa(QStringLiteral("tavola_scale_istogramma"), isto);

    // Emphasis off: bar 4 drops to 4 x 751,25.
    Clic(QStringLiteral("cmdEnfasi"));
    const QImage senza = finestra_->grab().toImage();
    EXPECT_EQ(Pixel(senza, 5520 + 480, 9975 - 2950), ColoreQt(ColoriFasce[10]));
    EXPECT_EQ(Pixel(senza, 5520 + 480, 9975 - 3060), ColoreQt(0xE9DCD3));

    Clic(QStringLiteral("cmdEsciSCale"));
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isEnabled());
    // Reopened: table view, ratios, no highlight; emphasis stays off.
    Clic(QStringLiteral("cmdTavolaScale"));
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdSelezInterv_1"))->text(), QStringLiteral("16/15"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdNotaScala_1"))->coloreSfondo(), Colori::FacciaPulsante);
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdEnfasi"))->coloreSfondo(), Colori::FacciaPulsante);
}

// The state and lookups the screen keeps out of sight, found by name.
TEST_F(TavolaGui, ControlliNascostiSeguonoIlModello) {
    carica();
    Clic(QStringLiteral("cmdTavolaScale"));
    auto testo = [this](const char* nome) { return Testo(QString::fromUtf8(nome)).toStdString(); };
    // Equal semitones of 141768: key 1's first and eleventh cumulative sizes.
    EXPECT_EQ(testo("lblScala_144"), "141768");
    EXPECT_EQ(testo("lblScala_154"), "1559448");
    EXPECT_EQ(testo("lblScala_275"), "1559448");
    EXPECT_EQ(testo("lblClickScale"), "0");
    EXPECT_EQ(testo("lblNotaSelezionata"), "0");
    EXPECT_EQ(testo("lblPreset"), "0");
    EXPECT_EQ(testo("lblProgressivi_11"), "1542816");
    EXPECT_EQ(testo("lblSequenzaScale_12"), "12");
    EXPECT_EQ(testo("lblSequenzaScale_13"), "1");
    EXPECT_EQ(testo("lblSequenzaScale_22"), "10");
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdOperazioniScale"))->text(), QStringLiteral("cmdOperazioniScale"));

    Clic(QStringLiteral("cmdNotaScala_8"));
    EXPECT_EQ(testo("lblClickScale"), "8");
    EXPECT_EQ(testo("lblNotaSelezionata"), "8");
    Clic(QStringLiteral("cmdNotaScala_8"));  // taken away: the highlight's key stays
    EXPECT_EQ(testo("lblClickScale"), "0");
    EXPECT_EQ(testo("lblNotaSelezionata"), "8");
    Clic(QStringLiteral("cmdPreset_3"));
    EXPECT_EQ(testo("lblPreset"), "3");

    // A new temperament is read at the next opening.
    Clic(QStringLiteral("cmdEsciSCale"));
    EXPECT_EQ(testo("lblPreset"), "0");
    Clic(QStringLiteral("cmdPitagorico"));
    Clic(QStringLiteral("cmdTavolaScale"));
    EXPECT_EQ(testo("lblScala_144"), stato_.temperamento.Semitoni[1]);
    EXPECT_NE(testo("lblScala_144"), "141768");

    const char* nomi[] = {"lblClickScale", "lblNotaSelezionata", "lblPreset", "lblScala_0", "lblEufonico_0",
                          "lblEtichettaNote_0", "cmdOperazioniScale", "cmdPreset_4", "FraScaleInterno"};
    std::vector<QWidget*> nascosti;
    for (const char* n : nomi) nascosti.push_back(Trova(QString::fromUtf8(n)));
    for (int i = 1; i <= 11; ++i) nascosti.push_back(Trova(QStringLiteral("lblProgressivi_%1").arg(i)));
    for (int i = 0; i <= 22; ++i) nascosti.push_back(Trova(QStringLiteral("lblSequenzaScale_%1").arg(i)));
    auto* interno = Trova(QStringLiteral("FraScaleInterno"));
    ASSERT_TRUE(interno);
    for (int c = 144; c <= 275; ++c) {
        auto* l = Trova(QStringLiteral("lblScala_%1").arg(c));
        ASSERT_TRUE(l) << c;
        EXPECT_EQ(l->parentWidget(), interno) << c;
        nascosti.push_back(l);
    }
    auto* fra = Trova(QStringLiteral("FraTavolaSCale"));
    for (QWidget* w : nascosti) {
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        EXPECT_TRUE(fra->isAncestorOf(w)) << w->objectName().toStdString();
    }
}

TEST_F(TavolaGui, FiltroELegendaDaiPulsanti) {
    carica();
    Clic(QStringLiteral("cmdTavolaScale"));
    // "Sc -" hides column 4 in all thirteen rows, the 13th included.
    Clic(QStringLiteral("cmdPreset_2"));
    EXPECT_TRUE(Trova(QStringLiteral("lblScala_4"))->isHidden());
    EXPECT_TRUE(Trova(QStringLiteral("lblScala_136"))->isHidden());
    EXPECT_FALSE(Trova(QStringLiteral("lblScala_3"))->isHidden());
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdSelezInterv_4"))->coloreSfondo(), Colori::FacciaPulsante);
    // "Lib." on the designed selection hides everything; a click records interval 6.
    Clic(QStringLiteral("cmdPreset_1"));
    EXPECT_TRUE(Trova(QStringLiteral("lblScala_3"))->isHidden());
    Clic(QStringLiteral("cmdSelezInterv_6"));
    EXPECT_FALSE(Trova(QStringLiteral("lblScala_6"))->isHidden());
    EXPECT_EQ(stato_.SelezioneLibera[6], 0xDBFDE7u);
    EXPECT_EQ(Trova(QStringLiteral("lblEtichettaNote_6"))->palette().color(QPalette::Window), ColoreQt(0xDBFDE7));

    // A legend button: cream while the mouse holds it, the limits move on the click.
    auto* meno = Trova<PulsanteVB>(QStringLiteral("cmdLegenda_0"));
    Clic(QStringLiteral("cmdNotaScala_1"));
    QTest::mousePress(meno, Qt::LeftButton);
    EXPECT_EQ(meno->coloreSfondo(), 0xE3FEFFu);
    QTest::mouseRelease(meno, Qt::LeftButton);
    EXPECT_EQ(meno->coloreSfondo(), Colori::FacciaPulsante);
    EXPECT_EQ(Testo(QStringLiteral("lblNumLeg_7")), QStringLiteral("3,5"));
    // From the keyboard: the click alone, no pressed look.
    meno->setFocus();
    QTest::keyClick(meno, Qt::Key_Space);
    EXPECT_EQ(Testo(QStringLiteral("lblNumLeg_5")), QStringLiteral("-3"));
    EXPECT_EQ(meno->coloreSfondo(), Colori::FacciaPulsante);
    Clic(QStringLiteral("cmdInvertiColori"));
    Fotografa(QStringLiteral("tavola_scale_scura"), finestra_->grab().toImage());
    EXPECT_EQ(Trova(QStringLiteral("lblNumLeg_7"))->palette().color(QPalette::WindowText), ColoreQt(Colori::Bianco));
}

TEST_F(TavolaGui, SelezioneLiberaSalvataDaOkERipresaAlProssimoAvvio) {
    const QString cartella = QString::fromStdString(prova::CartellaDelTest().string()) + QStringLiteral("/");
    ASSERT_TRUE(QDir().mkpath(cartella));
    carica({}, cartella.toStdString());
    Clic(QStringLiteral("cmdTavolaScale"));
    Clic(QStringLiteral("cmdPreset_1"));
    Clic(QStringLiteral("cmdSelezInterv_4"));
    Clic(QStringLiteral("cmdSelezInterv_9"));
    Clic(QStringLiteral("cmdEsciSCale"));
    Clic(QStringLiteral("cmdEXit"));
    Clic(QStringLiteral("cmdEsciDalSoftware"));
    ASSERT_TRUE(QFile::exists(cartella + QStringLiteral("Impostazioni.txt")));

    // The next start reads the file; "Lib." shows what was left.
    finestra_.reset();
    stato_ = StatoPrincipale{};
    carica({}, cartella.toStdString());
    Clic(QStringLiteral("cmdTavolaScale"));
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(Trova(QStringLiteral("lblEtichettaNote_%1").arg(i))->palette().color(QPalette::Window),
                  ColoreQt(i == 4 || i == 9 ? 0xDBFDE7 : 0xE3FEFF)) << i;
    Clic(QStringLiteral("cmdPreset_1"));
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdSelezInterv_%1").arg(i))->coloreSfondo(),
                  i == 4 || i == 9 ? Colori::Bianco : Colori::FacciaPulsante) << i;
}

// Each command repaints what it changed: the screen then shows what a whole
// repaint shows.
TEST_F(TavolaGui, DopoOgniComandoLoSchermoEComeUnRidisegnoIntero) {
    carica();
    Clic(QStringLiteral("cmdPitagorico"));  // keys whose bars and colours differ
    Clic(QStringLiteral("cmdTavolaScale"));
    if (finestra_->screen()->grabWindow(finestra_->winId()).toImage().size() != finestra_->size())
        GTEST_SKIP() << "this platform does not give back its window";
    // Pixels where the window as painted differs from a whole repaint; the
    // platform paints on a timer of its own, so it is given a moment.
    auto diversi = [this] {
        int n = 0;
        for (int volte = 0; volte < 100; ++volte) {
            QTest::qWait(5);
            const QImage schermo = finestra_->screen()->grabWindow(finestra_->winId()).toImage().convertToFormat(
                QImage::Format_RGB32);
            const QImage intero = finestra_->grab().toImage().convertToFormat(QImage::Format_RGB32);
            if (schermo.size() != intero.size()) return -1;
            n = 0;
            for (int y = 0; y < intero.height(); ++y)
                for (int x = 0; x < intero.width(); ++x) n += schermo.pixel(x, y) != intero.pixel(x, y);
            if (n == 0) break;
        }
        return n;
    };
    // Keys, emphasis, the legend (five steps of "<" take the 1,96 cells into
    // the next band: colours alone change), outlines, filter, dark look,
    // back to the table and out of it.
    const char* passi[] = {"cmdNotaScala_1",  "cmdNotaScala_3",   "cmdNotaScala_7",   "cmdNotaScala_13",
                           "cmdEnfasi",       "cmdNotaScala_10",  "cmdLegenda_0",     "cmdLegenda_0",
                           "cmdLegenda_0",    "cmdLegenda_0",     "cmdLegenda_0",     "cmdLegenda_1",
                           "cmdSpessore",     "cmdSelezInterv_4", "cmdPreset_3",      "cmdInvertiColori",
                           "cmdNotaScala_12", "cmdNotaScala_12",  "cmdNotaScala_4",   "cmdInvertiColori",
                           "cmdEnfasi",       "cmdPreset_0",      "cmdNotaScala_4"};
    for (const char* nome : passi) {
        Clic(QString::fromUtf8(nome));
        EXPECT_EQ(diversi(), 0) << "after " << nome;
    }
}

TEST_F(TavolaGui, CostruitaDopoLaRiadattazioneComeSeFossePresente) {
    carica(test::Schermo1920x1080);
    Clic(QStringLiteral("cmdTavolaScale"));
    const double v = 16200.0 / 11520.0, o = 28800.0 / 15360.0;
    // Cell 4 of DO's row, inside the cover, scaled with it.
    const VoceGeometria* c = stato_.geometria.trova("lblScala", 4);
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c->sinistra, static_cast<float>(3780 * o));
    EXPECT_FLOAT_EQ(c->alto, static_cast<float>(4500 * v));
    EXPECT_FLOAT_EQ(c->carattere, static_cast<float>(14.25 * 16200.0 / 11550.0));
    EXPECT_EQ(Trova(QStringLiteral("lblScala_4"))->geometry(), RettangoloPixel(*c));
    const VoceGeometria* cover = stato_.geometria.trova("FraCopreIstogrammi");
    ASSERT_NE(cover, nullptr);
    EXPECT_FLOAT_EQ(cover->sinistra, static_cast<float>(1740 * o));
    EXPECT_FLOAT_EQ(cover->alto, static_cast<float>(795 * v));
    EXPECT_EQ(Trova(QStringLiteral("FraTavolaSCale"))->size(), QSize(1920, 1080));
    // The histogram's heights follow the screen's height.
    Clic(QStringLiteral("cmdNotaScala_1"));
    Clic(QStringLiteral("cmdEnfasi"));
    auto* fra = Trova(QStringLiteral("FraTavolaSCale"));
    const QImage img = fra->grab().toImage();
    const float sinistra = static_cast<float>((5520 + 480) * o);
    EXPECT_EQ(Pixel(img, sinistra, static_cast<float>((9975 - 2950) * v)), ColoreQt(ColoriFasce[10]));
    EXPECT_EQ(Pixel(img, sinistra, static_cast<float>((9975 - 3060) * v)), ColoreQt(0xE9DCD3));
    Fotografa(QStringLiteral("tavola_scale_1920x1080"), img);
}

}  // namespace
}  // namespace vk
