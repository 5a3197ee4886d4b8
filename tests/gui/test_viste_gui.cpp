#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <functional>
#include <string>

#include "app/Adattamento.h"
#include "app/Viste.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SezioneVelocita.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "tests/gui/OgniDimensione.h"

namespace vk {
namespace {

void Salva(QWidget* w, const QString& nome) {
    QDir().mkpath(QStringLiteral(VK_BUILD "/screens"));
    w->grab().save(QStringLiteral(VK_BUILD "/screens/") + nome + QStringLiteral(".png"));
}

class VisteGui : public ::testing::Test {
protected:
    void SetUp() override {
        fin = std::make_unique<FinestraPrincipale>(stato);
        fin->show();
    }
    void TearDown() override {
        fin.reset();
        ImpostaFornitoreSchermo({});
    }

    template <class W = QWidget>
    W* trova(const char* nome) {
        W* w = fin->findChild<W*>(QString::fromUtf8(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    QString testo(const char* nome) {
        auto* l = trova<QLabel>(nome);
        return l ? l->text() : QString();
    }
    QString caption(const char* nome) {
        auto* b = trova<PulsanteVB>(nome);
        return b ? b->text() : QString();
    }
    bool visibile(const char* nome) {
        QWidget* w = trova(nome);
        return w && w->isVisibleTo(fin->pagina());
    }
    void clicca(const char* nome) { QTest::mouseClick(trova<PulsanteVB>(nome), Qt::LeftButton); }

    StatoPrincipale stato;
    std::unique_ptr<FinestraPrincipale> fin;
};

TEST_F(VisteGui, IlPulsanteDellaNotazioneRinominaLaSchermata) {
    struct Passo {
        const char *lingua, *nota5, *nota7, *nota16, *scala11;
    } passi[] = {
        {"IT", "SIb", "DO", "SI#/DO", "SIb"}, {"FR", "SIb", "UT", "SI#/UT", "SIb"}, {"DE", "B", "C", "H#/C", "B"},
        {"EN", "Bb", "C", "B#/C", "Bb"},     {"IT", "SIb", "DO", "SI#/DO", "SIb"},
    };
    bool primo = true;
    for (const auto& p : passi) {
        if (!primo) clicca("cmdLingua");
        primo = false;
        EXPECT_EQ(caption("cmdLingua"), p.lingua);
        EXPECT_EQ(testo("lblNote_5"), p.nota5);
        EXPECT_EQ(testo("lblNote_7"), p.nota7);
        EXPECT_EQ(testo("lblNote_16"), p.nota16);
        EXPECT_EQ(testo("lblScalaST_11"), p.scala11);
        EXPECT_EQ(testo("lblNote_0"), testo("lblNote_2")) << "the hidden duplicate is renamed too";
        if (std::string(p.lingua) == "DE") Salva(fin->pagina(), QStringLiteral("principale_tedesco"));
    }
    // From the keyboard too.
    QTest::keyClick(trova<PulsanteVB>("cmdLingua"), Qt::Key_Space);
    EXPECT_EQ(caption("cmdLingua"), "FR");
}

TEST_F(VisteGui, ValoriMicroOTastiera) {
    EXPECT_EQ(caption("cmdTastiera"), "Val");
    EXPECT_TRUE(visibile("ImgTastiera"));
    EXPECT_FALSE(visibile("lblQuinta_1"));
    clicca("cmdTastiera");
    EXPECT_EQ(caption("cmdTastiera"), "Tast");
    EXPECT_FALSE(visibile("ImgTastiera"));
    for (int k = 1; k <= 12; ++k) {
        const std::string q = "lblQuinta_" + std::to_string(k), t = "lblTerze_" + std::to_string(k);
        EXPECT_TRUE(visibile(q.c_str()));
        EXPECT_TRUE(visibile(t.c_str()));
        EXPECT_EQ(testo(q.c_str()), "992376");
        EXPECT_EQ(testo(t.c_str()), "567072");
    }
    // Column 1 holds fifth 7, column 7 fifth 1.
    EXPECT_EQ(trova("lblQuinta_7")->x(), 40);
    EXPECT_EQ(trova("lblQuinta_1")->x(), 40 + 6 * 72);
    Salva(fin->pagina(), QStringLiteral("principale_valori"));
    clicca("cmdTastiera");
    EXPECT_EQ(caption("cmdTastiera"), "Val");
    EXPECT_TRUE(visibile("ImgTastiera"));
    EXPECT_FALSE(visibile("lblTerze_12"));
}

TEST_F(VisteGui, ColonnaDuplicata) {
    const char* colonna[] = {"lblNote_0", "lblNote_26", "lblTerzeC_0"};
    for (const char* n : colonna) EXPECT_FALSE(visibile(n)) << n;
    clicca("cmdMostraIsto");
    EXPECT_EQ(caption("cmdMostraIsto"), "Ist N");
    for (const char* n : colonna) EXPECT_TRUE(visibile(n)) << n;
    EXPECT_TRUE(stato.visibilita.duplicato);
    Salva(fin->pagina(), QStringLiteral("principale_duplicato"));
    // A stored caption other than the two: the column is decided by what shows.
    clicca("cmdMostraIsto");
    stato.DuplicatoIstogramma = "boh";
    fin->aggiorna();
    clicca("cmdMostraIsto");
    EXPECT_EQ(caption("cmdMostraIsto"), "Ist N");
    for (const char* n : colonna) EXPECT_TRUE(visibile(n)) << n;
}

// What the information texts show: T semitone title, Q fifths-and-thirds
// title, S spread display, R reference labels.
std::string Informazioni(const std::function<bool(const char*)>& vis) {
    std::string s;
    if (vis("lblVarie_10")) s += 'T';
    if (vis("lblVarie_11")) s += 'Q';
    const bool sc = vis("ShpVari_0");
    EXPECT_EQ(sc, vis("lblVarie_0"));
    EXPECT_EQ(sc, vis("lblScartoSemitonale"));
    EXPECT_EQ(sc, vis("lblVarie_1"));
    if (sc) s += 'S';
    const bool r = vis("lblVarie_7");
    EXPECT_EQ(r, vis("lblVarie_8"));
    EXPECT_EQ(r, vis("lblVarie_9"));
    if (r) s += 'R';
    return s;
}

TEST_F(VisteGui, PassiInformazioni) {
    struct Caso {
        const char* salvato;
        const char* avvio;      // visible after the load sequence applies the step
        const char* passi[3];   // lblContaInfo after each click
        const char* visti[3];   // visible after each click
    } casi[] = {
        {"0", "", {"1", "2", "3"}, {"TQ", "TS", "TSR"}},
        {"1", "TQS", {"2", "3", "0"}, {"TS", "TSR", ""}},
        {"2", "S", {"3", "0", "1"}, {"SR", "", "TQ"}},
        {"3", "SR", {"0", "1", "2"}, {"", "TQ", "TS"}},
        {"5", "S", {"6", "7", "8"}, {"S", "S", "S"}},
        {"-1", "S", {"0", "1", "2"}, {"", "TQ", "TS"}},
        {"02", "S", {"3", "0", "1"}, {"SR", "", "TQ"}},
        {"-0", "S", {"1", "2", "3"}, {"TQS", "TS", "TSR"}},
    };
    auto vis = [this](const char* n) { return visibile(n); };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.salvato);
        TearDown();
        stato = StatoPrincipale{};
        SetUp();
        EXPECT_EQ(Informazioni(vis), "S") << "designed";
        stato.PassoInfo = *InteroLetto::daTesto(c.salvato);
        MostraInfoIstogrammi(stato);
        fin->aggiorna();
        EXPECT_EQ(Informazioni(vis), c.avvio);
        for (int i = 0; i < 3; ++i) {
            clicca("cmdInfoSemitoni");
            EXPECT_EQ(stato.PassoInfo.testo(), c.passi[i]);
            EXPECT_EQ(Informazioni(vis), c.visti[i]);
            if (std::string(c.salvato) == "2" && i == 0) Salva(fin->pagina(), QStringLiteral("principale_info3"));
        }
    }
    EXPECT_EQ(caption("cmdInfoSemitoni"), "Info");
}

TEST_F(VisteGui, TenutoPremutoSuiPulsantiDellaVelocita) {
    // Level 5 with a consistent meter, so every case stays inside 1..11.
    struct Caso {
        const char* nome;
        int ticks;
        enum { SopraSinistro, FuoriSinistro, Destro, Spazio } come;
        int passi;
    } casi[] = {
        {"0 scatti, rilascio sopra", 0, Caso::SopraSinistro, 1},
        {"3 scatti, rilascio sopra", 3, Caso::SopraSinistro, 4},
        {"3 scatti, rilascio fuori", 3, Caso::FuoriSinistro, 3},
        {"2 scatti, tasto destro", 2, Caso::Destro, 2},
        {"spazio", 0, Caso::Spazio, 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        TearDown();
        stato = StatoPrincipale{};
        stato.LivelloVelocita = "5";
        stato.SegmentiVelocita = {0, 0xC0C0FF, 0xC0C0FF, 0xC0C0FF, 0xC0C0FF, 0xC0FFC0,
                                  0xC0FFC0, 0xC0FFC0, 0xC0FFC0, 0xC0FFC0, 0xC0FFC0};
        SetUp();
        auto* piu = trova<PulsanteVB>("cmdVelocità_1");
        auto* tPiu = trova<TimerVB>("TmrVelo_1");
        auto* tMeno = trova<TimerVB>("TmrVelo_0");
        ASSERT_TRUE(piu && tPiu && tMeno);
        EXPECT_EQ(tPiu->intervallo(), 95);
        if (c.come == Caso::Spazio) {
            QTest::keyClick(piu, Qt::Key_Space);
        } else {
            const Qt::MouseButton b = c.come == Caso::Destro ? Qt::RightButton : Qt::LeftButton;
            QTest::mousePress(piu, b);
            EXPECT_TRUE(tPiu->abilitato());
            EXPECT_FALSE(tMeno->abilitato());
            for (int i = 0; i < c.ticks; ++i) emit tPiu->scatto();
            const QPoint dove = c.come == Caso::FuoriSinistro ? QPoint(-10, -10) : piu->rect().center();
            QTest::mouseRelease(piu, b, {}, dove);
        }
        EXPECT_FALSE(tPiu->abilitato());
        const int livello = 5 + c.passi;
        EXPECT_EQ(testo("lblVelocità"), QString::number(livello));
        EXPECT_EQ(stato.IntervalloPiu, 200 - 15 * livello);
        EXPECT_EQ(stato.IntervalloMeno, 200 - 15 * livello);
        for (int k = 1; k <= 10; ++k) {
            auto* seg = trova<FormaPiena>(("ShpVelo_" + std::to_string(k)).c_str());
            EXPECT_EQ(seg->colore(), k < livello ? Colori::RossoChiaro : Colori::VerdeChiaro) << k;
        }
    }
    fin->pagina()->grab(QRect(0, 560, 120, 208)).save(QStringLiteral(VK_BUILD "/screens/principale_velocita.png"));
}

TEST_F(VisteGui, RiadattamentoA1920Per1080) {
    TearDown();
    ImpostaFornitoreSchermo([] { return test::Schermo1920x1080; });
    stato = StatoPrincipale{};
    SetUp();
    const QFont prima = trova("cmdLingua")->font();
    const VoceGeometria v8 = *stato.geometria.trova("ShpVari", 8);
    const auto esito = AdattaFinestraPrincipale(stato);
    ASSERT_TRUE(esito);
    fin->posizionaTutto();
    fin->aggiorna();
    fin->resize(1920, 1080);

    EXPECT_EQ(trova("lblNote_2")->geometry(), QRect(150, 810, 122, 24));
    EXPECT_EQ(fin->pagina()->size(), QSize(1920, 1080));
    EXPECT_EQ(trova("cmdLingua")->font().pointSizeF(), prima.pointSizeF());
    EXPECT_GT(trova("lblNote_2")->font().pointSizeF(), prima.pointSizeF() * 1.3);
    // Every control of the list that this window has, scaled exactly once:
    // its widget stands where the registry says, at 1.875 / 1.40625 of its
    // designed place.
    ASSERT_TRUE(stato.fattoriAdattamento);
    const auto& r = stato.geometria;
    EXPECT_EQ(r.trova("lblVelocità")->alto, 9360 * 1.40625f);
    EXPECT_EQ(r.trova("ShpVelo", 10)->alto, 9000 * 1.40625f);
    EXPECT_EQ(r.trova("ImgTastiera")->larghezza, static_cast<float>(13095 * 1.875));
    EXPECT_EQ(r.trova("TxtNomeTemperamento")->sinistra, 2400 * 1.875f);
    // The chart's ShpVari(8), moved to 5650 / 2870 before the scaling.
    EXPECT_EQ(v8.alto, 5640.0f);
    EXPECT_EQ(stato.geometria.trova("ShpVari", 8)->alto, static_cast<float>(5650 * 1.40625));
    EXPECT_EQ(stato.geometria.trova("ShpVari", 8)->altezza, static_cast<float>(2870 * 1.40625));

    // Every member of the list is either scaled or has no registration, and
    // every control this window has built is among the scaled ones.
    EXPECT_EQ(esito->istanze + static_cast<int>(esito->mancanti.size()), 1429);
    for (const auto& m : esito->mancanti) {
        const auto aperta = m.find('(');
        const std::string nome = m.substr(0, aperta);
        const int indice = aperta == std::string::npos ? -1 : std::stoi(m.substr(aperta + 1));
        EXPECT_EQ(fin->controllo(nome, indice), nullptr) << m << " has a widget but was not scaled";
    }
    std::printf("[ re-layout ] %d members scaled, %d steps, %zu not built yet\n", esito->istanze, esito->passi,
                esito->mancanti.size());
    Salva(fin.get(), QStringLiteral("principale_1920x1080"));
}

TEST_F(VisteGui, SchermataDiProgetto) {
    EXPECT_FALSE(AdattaFinestraPrincipale(stato));
    EXPECT_EQ(stato.geometria.trova("ShpVari", 8)->alto, 5640.0f);
    EXPECT_EQ(stato.geometria.trova("ShpVari", 8)->altezza, 2880.0f);
    Salva(fin->pagina(), QStringLiteral("principale_1024x768"));
    EXPECT_EQ(fin->pagina()->size(), QSize(1024, 768));
    EXPECT_EQ(trova("lblNote_2")->geometry(), QRect(80, 576, 65, 17));
}

}  // namespace
}  // namespace vk
