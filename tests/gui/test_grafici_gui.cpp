#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <filesystem>
#include <vector>

#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SezioneFile.h"
#include "app/widgets/SezioneGrafici.h"
#include "common/FileTesto.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "model/FileTemperamento.h"
#include "model/widgets/GraficiIstogrammi.h"
#include "tests/comune/DerivazioniPassoPasso.h"
#include "tests/comune/LimiteFile.h"
#include "tests/comune/CartellaProva.h"

namespace vk {
namespace {

struct Richiesta {
    QString titolo, filtro, proposto;
};

// Answers the file dialogs from a queue: a path, or nullopt for Cancel.
class DialogoFinto : public DialogoFile {
public:
    DialogoFinto(std::deque<std::optional<QString>>& r, std::vector<Richiesta>& c) : risposte_(r), chiesti_(c) {}
    std::optional<QString> apri(QWidget*, const QString& t, const QString& f, const QString& p) override {
        return rispondi(t, f, p);
    }
    std::optional<QString> salva(QWidget*, const QString& t, const QString& f, const QString& p) override {
        return rispondi(t, f, p);
    }

private:
    std::optional<QString> rispondi(const QString& t, const QString& f, const QString& p) {
        chiesti_.push_back({t, f, p});
        if (risposte_.empty()) return std::nullopt;
        auto r = risposte_.front();
        risposte_.pop_front();
        return r;
    }
    std::deque<std::optional<QString>>& risposte_;
    std::vector<Richiesta>& chiesti_;
};

// Keeps the warnings; answers the questions from a queue, and with "No", as
// Escape does, when it is empty.
class AvvisiFinti : public Avvisi {
public:
    AvvisiFinti(std::vector<QString>& v, std::vector<QString>& d, std::deque<bool>& r) : v_(v), d_(d), r_(r) {}
    void avviso(QWidget*, const QString&, const QString& testo) override { v_.push_back(testo); }
    bool domanda(QWidget*, const QString& titolo, const QString& testo) override {
        EXPECT_EQ(titolo, "Salva Temperamento");
        d_.push_back(testo);
        if (r_.empty()) return false;
        const bool si = r_.front();
        r_.pop_front();
        return si;
    }

private:
    std::vector<QString>& v_;
    std::vector<QString>& d_;
    std::deque<bool>& r_;
};

// The Pythagorean temperament with its wolf on SI-FA#, as a file would hold it.
Temperamento Pitagorico() {
    Temperamento t = TemperamentoIniziale();
    t.Nome = "TEMPERAMENTO PITAGORICO\r\n";
    t.Descrizione = "Undici quinte pure,\r\nil lupo fra SI e FA#.\r\n";
    for (int k = 1; k <= 12; ++k) {
        t.Quinte[k] = k == 6 ? "961884" : "995148";
        t.Frazioni[k] = k == 6 ? "-1" : "0";
    }
    EXPECT_TRUE(CalcolaSemitoniTerze(t));
    EXPECT_TRUE(CalcolaCents(t));
    return t;
}

class GraficiGui : public ::testing::Test {
protected:
    void SetUp() override {
        ImpostaFornitoreSchermo({});
        cartella_ = prova::CartellaDelTest();
        stato_.percorsi.CartellaDati = Nome("Dati/");
        stato_.percorsi.FileApertura = Nome("Equabile.txt");
        stato_.percorsi.FileNuovo = Nome("0-Nuovo.txt");
        finestra_ = std::make_unique<FinestraPrincipale>(stato_);
        auto* sezione = finestra_->findChild<SezioneFile*>(QStringLiteral("SezioneFile"));
        ASSERT_NE(sezione, nullptr);
        sezione->impostaDialogo(std::make_unique<DialogoFinto>(risposte_, chiesti_));
        sezione->impostaAvvisi(std::make_unique<AvvisiFinti>(avvisi_, domande_, si_));
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void TearDown() override {
        finestra_.reset();
    }

    std::string Nome(const std::string& n) const { return (cartella_ / n).string(); }
    QString NomeQ(const std::string& n) const { return QString::fromStdString(Nome(n)); }

    void Clic(const char* nome) {
        auto* b = finestra_->findChild<PulsanteVB*>(QString::fromUtf8(nome));
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString Cella(const QString& nome) {
        auto* l = finestra_->findChild<QLabel*>(nome);
        EXPECT_NE(l, nullptr) << nome.toStdString();
        return l ? l->text() : QString();
    }
    QString Lettera(int k) {
        auto* b = finestra_->findChild<PulsanteVB*>(QStringLiteral("cmdTerze_%1").arg(k));
        EXPECT_NE(b, nullptr);
        return b ? b->text() : QString();
    }
    // What the page shows at a point given in designed twips.
    QColor Punto(const QImage& im, double x, double y) {
        return im.pixelColor(static_cast<int>(x / TwipsPerPixel), static_cast<int>(y / TwipsPerPixel));
    }
    QImage Pagina() { return finestra_->pagina()->grab().toImage(); }
    void Salva(const char* nome) {
        QDir().mkpath(QStringLiteral(VK_BUILD "/screens"));
        EXPECT_TRUE(finestra_->grab().save(QStringLiteral(VK_BUILD "/screens/%1.png").arg(nome)));
    }
    // Each bar shows its model colour just under its top edge, where no
    // line, cell or button lies over it in these temperaments.
    void BarreComeIlModello() {
        const QImage im = Pagina();
        const Istogrammi& g = stato_.istogrammi;
        for (int k = 1; k <= 12; ++k) {
            const Barra& q = g.ShpQuinte[k];
            EXPECT_EQ(Punto(im, q.Left + 800, q.Top + 45), ColoreQt(q.Colore)) << "quinta " << k;
            EXPECT_EQ(Punto(im, q.Left + 800, q.Top - 60), ColoreQt(0xF8F8F8)) << "sopra la quinta " << k;
            const Barra& t = g.ShpTerze[k];
            EXPECT_EQ(Punto(im, t.Left + 270, t.Top + 45), ColoreQt(t.Colore)) << "terza " << k;
            const Barra& s = g.ShpSemitoni[k];
            EXPECT_EQ(Punto(im, s.Left + 187, s.Top + 45), ColoreQt(s.Colore)) << "semitono " << k;
        }
    }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
    std::filesystem::path cartella_;
    std::deque<std::optional<QString>> risposte_;
    std::vector<Richiesta> chiesti_;
    std::vector<QString> avvisi_;
    std::vector<QString> domande_;
    std::deque<bool> si_;  // the answers to the questions, "Sì" for true
};

TEST_F(GraficiGui, CelleEBarreDelTemperamentoIniziale) {
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(Cella(QStringLiteral("lblQuinteC_%1").arg(k)), "700");
        EXPECT_EQ(Cella(QStringLiteral("lblTerzeC_%1").arg(k)), "400");
        EXPECT_EQ(Cella(QStringLiteral("lblSemitoniC_%1").arg(k)), "100");
        EXPECT_EQ(Lettera(k), "E");
    }
    EXPECT_EQ(Cella("lblTerzeC_0"), "400");
    EXPECT_FALSE(finestra_->findChild<QLabel*>("lblTerzeC_0")->isVisible());
    auto* c9 = finestra_->findChild<PulsanteVB*>("Command9");
    ASSERT_NE(c9, nullptr);
    EXPECT_EQ(c9->text(), "Colori Quinte");
    EXPECT_EQ(c9->toolTip(), "Colori istogrammi delle Quinte");
    EXPECT_EQ(c9->geometry(), QRect(199, 184, 61, 36));
    // The cells stand where the columns put them: third 7 in column 1.
    EXPECT_EQ(finestra_->findChild<QLabel*>("lblTerzeC_7")->geometry().topLeft(), QPoint(32, 488));
    BarreComeIlModello();

    const QImage im = Pagina();
    // The strip covers the bars' feet and the reference lines lie over the bars.
    EXPECT_EQ(Punto(im, 7900, 8580), ColoreQt(Colori::FacciaPulsante));
    EXPECT_EQ(Punto(im, 7900, 5642), ColoreQt(0x80FF));   // equal third's line over fifth bar 1
    EXPECT_EQ(Punto(im, 7900, 4382), ColoreQt(0xC000));  // the fifth's line, on the panel
    EXPECT_EQ(Punto(im, 14190, 4460), ColoreQt(0xFF80FF));  // legend "> Pitag."
    Salva("principale");
}

TEST_F(GraficiGui, Command9ColoraLeQuinteESiSpegne) {
    Clic("Command9");
    EXPECT_EQ(finestra_->findChild<PulsanteVB*>("Command9")->text(), "No Colori Quinte");
    EXPECT_EQ(stato_.istogrammi.ShpQuinte[3].Colore, 0xCCE4FBu);
    BarreComeIlModello();
    Clic("Command9");
    EXPECT_EQ(finestra_->findChild<PulsanteVB*>("Command9")->text(), "Colori Quinte");
    EXPECT_EQ(Punto(Pagina(), 7080 + 800, stato_.istogrammi.ShpQuinte[1].Top + 45), ColoreQt(0xC0FFFF));
}

TEST_F(GraficiGui, ApreUnFileEMostraIlNuovoTemperamento) {
    const Temperamento p = Pitagorico();
    ASSERT_TRUE(ScriviByte(Nome("Pitagorico.txt"), ByteTemperamento(p)));
    risposte_.push_back(NomeQ("Pitagorico.txt"));
    Clic("Command9");
    Clic("Command6");

    ASSERT_EQ(chiesti_.size(), 1u);
    EXPECT_EQ(chiesti_[0].titolo, "Apri Temperamento");
    EXPECT_EQ(chiesti_[0].filtro, "File di testo (*.txt)");
    EXPECT_EQ(chiesti_[0].proposto, NomeQ("Equabile.txt"));
    EXPECT_TRUE(avvisi_.empty());
    EXPECT_EQ(stato_.FileCorrente, Nome("Pitagorico.txt"));

    EXPECT_EQ(Cella("lblQuinteC_1"), "701,96");
    EXPECT_EQ(Cella("lblQuinteC_6"), "678,49");
    EXPECT_EQ(Cella("lblTerzeC_1"), "407,82");
    EXPECT_EQ(Cella("lblTerzeC_0"), Cella("lblTerzeC_7"));
    EXPECT_EQ(Lettera(1), "P");
    EXPECT_EQ(finestra_->frazione(6)->text(), "-1");
    EXPECT_EQ(stato_.temperamento.ScartoSemitonale, p.ScartoSemitonale);
    EXPECT_NE(p.ScartoSemitonale, "0");
    EXPECT_EQ(stato_.istogrammi.ShpQuinte[1].Colore, 0xDBFDE7u);  // pure, colouring on
    EXPECT_EQ(stato_.istogrammi.ShpQuinte[6].Colore, 0xD7D7FFu);  // the wolf
    EXPECT_NEAR(stato_.istogrammi.ShpQuinte[1].Height, 4156.17, 0.01);
    BarreComeIlModello();
    // Bar 1 now reaches above the equal temperament's top.
    EXPECT_EQ(Punto(Pagina(), 7080 + 800, 4405), ColoreQt(0xDBFDE7));
    Salva("principale_pitagorico");

    // The next Open starts on the file just opened.
    Clic("Command6");
    ASSERT_EQ(chiesti_.size(), 2u);
    EXPECT_EQ(chiesti_[1].proposto, NomeQ("Pitagorico.txt"));
}

TEST_F(GraficiGui, FileRifiutatoLasciaTuttoComEra) {
    std::string byte = ByteTemperamento(Pitagorico());
    byte.replace(byte.find("\"995148\""), 8, "\"995l48\"");
    ASSERT_TRUE(ScriviByte(Nome("Rotto.txt"), byte));
    risposte_.push_back(NomeQ("Rotto.txt"));
    const VociTemperamento prima = VociDi(stato_.temperamento);
    const Istogrammi barre = stato_.istogrammi;
    Clic("Command6");

    EXPECT_EQ(VociDi(stato_.temperamento), prima);
    EXPECT_EQ(stato_.istogrammi.ShpQuinte[1].Height, barre.ShpQuinte[1].Height);
    EXPECT_EQ(Cella("lblQuinteC_1"), "700");
    ASSERT_EQ(avvisi_.size(), 1u);
    EXPECT_TRUE(avvisi_[0].contains(NomeQ("Rotto.txt")));
    EXPECT_TRUE(avvisi_[0].contains("voce 4 (Quinta 1 in Micro)")) << avvisi_[0].toStdString();
    EXPECT_EQ(stato_.FileCorrente, Nome("Rotto.txt"));  // the dialog keeps the file chosen
}

TEST_F(GraficiGui, AnnullaNonCambiaNulla) {
    stato_.FileCorrente = Nome("Scelto prima.txt");
    risposte_.push_back(std::nullopt);
    risposte_.push_back(std::nullopt);
    Clic("Command6");
    Clic("Command1");
    ASSERT_EQ(chiesti_.size(), 2u);
    EXPECT_EQ(chiesti_[0].proposto, NomeQ("Scelto prima.txt"));
    EXPECT_EQ(chiesti_[1].titolo, "Salva Temperamento");
    EXPECT_EQ(chiesti_[1].proposto, NomeQ("0-Nuovo.txt"));
    EXPECT_EQ(stato_.FileCorrente, Nome("Scelto prima.txt"));
    EXPECT_TRUE(avvisi_.empty());
    EXPECT_TRUE(std::filesystem::is_empty(cartella_));
}

TEST_F(GraficiGui, SalvaScriveIlFileEPoiApreLoPropone) {
    // The user's typing goes into the saved name.
    auto* nome = finestra_->nomeTemperamento();
    nome->setFocus();
    QTest::keyClicks(nome, "X");
    risposte_.push_back(NomeQ("Mio.txt"));
    Clic("Command1");
    EXPECT_TRUE(avvisi_.empty());
    EXPECT_TRUE(domande_.empty());
    auto byte = LeggiByte(Nome("Mio.txt"));
    ASSERT_TRUE(byte);
    EXPECT_EQ(*byte, ByteTemperamento(stato_.temperamento));
    EXPECT_NE(stato_.temperamento.Nome.find('X'), std::string::npos);

    // Save always proposes FileNuovo; Open proposes the file just saved.
    risposte_.push_back(std::nullopt);
    risposte_.push_back(std::nullopt);
    Clic("Command1");
    Clic("Command6");
    ASSERT_EQ(chiesti_.size(), 3u);
    EXPECT_EQ(chiesti_[1].proposto, NomeQ("0-Nuovo.txt"));
    EXPECT_EQ(chiesti_[2].proposto, NomeQ("Mio.txt"));
}

TEST_F(GraficiGui, SalvataggioFallitoLoDice) {
    risposte_.push_back(NomeQ("manca/Mio.txt"));
    Clic("Command1");
    ASSERT_EQ(avvisi_.size(), 1u);
    EXPECT_TRUE(avvisi_[0].contains(NomeQ("manca/Mio.txt")));
    EXPECT_FALSE(std::filesystem::exists(Nome("manca")));
}

TEST_F(GraficiGui, DiscoPienoNonSalvaEIlVecchioFileResta) {
    // A file may not grow past 2048 bytes, as on a nearly full disk: the
    // temperament takes more, so Save must say it failed.
    const std::string vecchio = ByteTemperamento(Pitagorico());
    ASSERT_LT(vecchio.size(), 2048u);
    ASSERT_TRUE(ScriviByte(Nome("Mio.txt"), vecchio));
    stato_.temperamento.Descrizione = std::string(4000, 'd');
    risposte_.push_back(NomeQ("Mio.txt"));
    const int esito = prova::ConLimiteFileInUnProcessoNuovo(2048, [&] {
        Clic("Command1");
        if (avvisi_.size() != 1) return 1;
        if (!avvisi_[0].contains(NomeQ("Mio.txt")) || !avvisi_[0].contains("rimasto com'era")) return 2;
        return 0;
    });
    EXPECT_EQ(esito, 0);
    EXPECT_EQ(LeggiByte(Nome("Mio.txt")), vecchio);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella_), {}), 1);
}

TEST_F(GraficiGui, ColonnaDuplicataVisibile) {
    stato_.visibilita.duplicato = true;
    finestra_->aggiorna();
    EXPECT_TRUE(finestra_->findChild<QLabel*>("lblTerzeC_0")->isVisible());
    const Barra& q0 = stato_.istogrammi.ShpQuinte[0];
    EXPECT_EQ(Punto(Pagina(), q0.Left + 300, q0.Top + 45), ColoreQt(q0.Colore));
    Salva("principale_duplicato");
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// The comma button shows the caption a file brings; only the exact
// "Comma Pitagorico" is light red, any other text light green.
TEST_F(GraficiGui, IlFileDecideIlBottoneDelComma) {
    struct Caso { const char* caption; ColoreVB colore; };
    const Caso casi[] = {
        {"Comma Sintonico", Colori::VerdeChiaro},
        {"Comma pitagorico", Colori::VerdeChiaro},
        {"Comma Pitagorico", Colori::RossoChiaro},
    };
    for (const auto& c : casi) {
        Temperamento t = Pitagorico();
        t.CommaCaption = c.caption;
        ASSERT_TRUE(ScriviByte(Nome("Comma.txt"), ByteTemperamento(t)));
        risposte_.push_back(NomeQ("Comma.txt"));
        Clic("Command6");
        auto* comma = finestra_->pulsanteComma();
        EXPECT_EQ(comma->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(comma->coloreSfondo(), c.colore) << c.caption;
        EXPECT_EQ(stato_.temperamento.modoPerColore(), stato_.temperamento.modoPerCaption()) << c.caption;
    }
    EXPECT_TRUE(avvisi_.empty());
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// Any file the reader takes shows, and a longer item is refused naming it.
class VociLunghissime : public GraficiGui {
protected:
    // Opens a file of each case and checks what shows; `ms` gets how long
    // each opening took, laid out and painted.
    void apriOgniCaso(std::vector<qint64>& ms) {
        auto alLimite = [](int n) {
            const size_t l = LunghezzaMassima(n);
            return VoceNumerica(n) ? std::string(l - 6, '0') + "995148" : std::string(l, 'x');
        };
        struct Caso {
            const char* nome;
            std::function<void(VociTemperamento&)> voci;
            int rifiutata;  // the item named in the message, 0 when it opens
        };
        const Caso casi[] = {
            {"nome senza spazi al limite", [&](VociTemperamento& v) { v[0] = alLimite(1); }, 0},
            {"ogni voce al suo limite",
             [&](VociTemperamento& v) {
                 for (int n = 1; n <= NumeroVociTemperamento; ++n) v[static_cast<size_t>(n - 1)] = alLimite(n);
             },
             0},
            {"nome senza spazi di 300 KB", [](VociTemperamento& v) { v[0] = std::string(300000, 'x'); }, 1},
            {"descrizione senza spazi di 1 MB", [](VociTemperamento& v) { v[1] = std::string(1 << 20, 'x'); }, 2},
        };
        for (const Caso& c : casi) {
            SCOPED_TRACE(c.nome);
            avvisi_.clear();
            VociTemperamento v = VociDi(Pitagorico());
            c.voci(v);
            Temperamento t;
            ApplicaVoci(v, t);
            ASSERT_TRUE(ScriviByte(Nome("Lungo.txt"), ByteTemperamento(t)));
            risposte_.push_back(NomeQ("Lungo.txt"));
            QElapsedTimer orologio;
            orologio.start();
            Clic("Command6");
            finestra_->grab();  // laid out and painted
            ms.push_back(orologio.elapsed());
            if (c.rifiutata == 0) {
                EXPECT_TRUE(avvisi_.empty());
                EXPECT_EQ(VociDi(stato_.temperamento), v);
                if (v[2].size() > 1) Salva("principale_voci_al_limite");
            } else {
                ASSERT_EQ(avvisi_.size(), 1u);
                EXPECT_TRUE(avvisi_[0].contains(QStringLiteral("voce %1 (%2) ha pi\u00f9 di")
                                                    .arg(c.rifiutata)
                                                    .arg(QString::fromStdString(NomeVoce(c.rifiutata)))))
                    << avvisi_[0].toStdString();
            }
        }
    }
};

TEST_F(VociLunghissime, FileConVociLunghissimeSiMostraOSiRifiuta) {
    std::vector<qint64> ms;
    apriOgniCaso(ms);
}

// An unbroken line in a text box takes time that grows with the square of
// its length: each of those files shows, or is refused, within half a second.
class TempiVociLunghissime : public VociLunghissime {};

TEST_F(TempiVociLunghissime, FileConVociLunghissimeSiMostraOSiRifiutaSubito) {
    std::vector<qint64> ms;
    apriOgniCaso(ms);
    ASSERT_EQ(ms.size(), 4u);
    for (qint64 m : ms) EXPECT_LT(m, 500);
}

// What Open would refuse is not saved: a name typed past the longest item.
TEST_F(GraficiGui, SalvaNonScriveCioCheApriRifiuterebbe) {
    stato_.temperamento.Nome = std::string(LunghezzaMassimaTesto + 1, 'n');
    risposte_.push_back(NomeQ("Mio.txt"));
    Clic("Command1");
    ASSERT_EQ(avvisi_.size(), 1u);
    EXPECT_TRUE(avvisi_[0].contains(NomeQ("Mio.txt")));
    EXPECT_TRUE(avvisi_[0].contains(QStringLiteral("la voce 1 (Nome) ha pi\u00f9 di 16384 caratteri")))
        << avvisi_[0].toStdString();
    EXPECT_FALSE(std::filesystem::exists(Nome("Mio.txt")));
}

// Types a text key by key as a keyboard gives it: each character, a pair of
// surrogates among them, one key's text.
void Digita(QWidget* w, const QString& testo) {
    for (qsizetype i = 0; i < testo.size();) {
        const qsizetype n = testo[i].isHighSurrogate() && i + 1 < testo.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, testo.mid(i, n), Qt::NoModifier);
        i += n;
    }
}

// Text typed or pasted that the file cannot hold: Save says which
// characters, in which box, and what they would become, and writes only
// after "Sì".
TEST_F(GraficiGui, CaratteriCheIlFileNonTieneSalvatiSoloDopoIlSi) {
    auto* nome = finestra_->findChild<QPlainTextEdit*>(QStringLiteral("TxtNomeTemperamento"));
    auto* descrizione = finestra_->findChild<QPlainTextEdit*>(QStringLiteral("TxtDescrizione"));
    auto* frazione = finestra_->findChild<QLineEdit*>(QStringLiteral("txtFraz_3"));
    ASSERT_TRUE(nome && descrizione && frazione);
    nome->setFocus();
    nome->selectAll();
    Digita(nome, QStringLiteral("Si\u266D"));
    descrizione->setFocus();
    descrizione->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("\u03A9\u2248 \U0001F3B5 \u03A9 fine"));
    QTest::keyClick(descrizione, Qt::Key_V, Qt::ControlModifier);
    frazione->setFocus();
    frazione->selectAll();
    Digita(frazione, QStringLiteral("\"1/4\" \U0001F3B5"));
    const QString domandaAttesa = QStringLiteral(
        "non pu\u00f2 contenere alcuni caratteri del temperamento: riaprendolo, si leggerebbero cambiati.\n\n"
        "Nome: \u00AB\u266D\u00BB (U+266D) diventa \u00AB?\u00BB\n"
        "Descrizione: \u00AB\u03A9\u00BB (U+03A9), \u00AB\u2248\u00BB (U+2248) e \u00AB\U0001F3B5\u00BB (U+1F3B5) "
        "diventano \u00AB?\u00BB\n"
        "Frazione della quinta 3: \u00AB\"\u00BB (U+0022) diventa \u00AB'\u00BB; \u00AB\U0001F3B5\u00BB (U+1F3B5) "
        "diventa \u00AB?\u00BB\n\n"
        "Salvare lo stesso, con questi caratteri cambiati? Con \"No\" il file non viene scritto.");

    // "No" (and Escape, which answers the same): a file already there stays
    // byte for byte, a new one is not made, nothing is left beside them.
    const std::string vecchio = ByteTemperamento(Pitagorico());
    ASSERT_TRUE(ScriviByte(Nome("Vecchio.txt"), vecchio));
    for (const char* file : {"Vecchio.txt", "Nuovo.txt"}) {
        domande_.clear();
        si_.push_back(false);
        risposte_.push_back(NomeQ(file));
        Clic("Command1");
        ASSERT_EQ(domande_.size(), 1u) << file;
        EXPECT_TRUE(domande_[0].startsWith(QStringLiteral("Il file \"%1\" ").arg(NomeQ(file))))
            << domande_[0].toStdString();
        EXPECT_TRUE(domande_[0].endsWith(domandaAttesa)) << domande_[0].toStdString();
    }
    EXPECT_TRUE(avvisi_.empty());
    EXPECT_EQ(LeggiByte(Nome("Vecchio.txt")), vecchio);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella_), {}), 1);

    // "Sì": written with the replacements, which Open then shows.
    si_.push_back(true);
    risposte_.push_back(NomeQ("Vecchio.txt"));
    Clic("Command1");
    EXPECT_EQ(domande_.size(), 2u);
    EXPECT_TRUE(avvisi_.empty());
    const auto scritto = LeggiByte(Nome("Vecchio.txt"));
    ASSERT_TRUE(scritto);
    EXPECT_TRUE(scritto->starts_with("\"Si?\"\r\n\"?? ? ? fine\"\r\n\"Comma Pitagorico\"\r\n")) << *scritto;
    EXPECT_NE(scritto->find("\"-1/12\"\r\n\"'1/4' ?\"\r\n\"-1/12\"\r\n"), std::string::npos);
    risposte_.push_back(NomeQ("Vecchio.txt"));
    Clic("Command6");
    EXPECT_EQ(nome->toPlainText(), "Si?");
    EXPECT_EQ(descrizione->toPlainText(), "?? ? ? fine");
    EXPECT_EQ(frazione->text(), "'1/4' ?");

    // Saved again, the texts as the file has them ask nothing.
    risposte_.push_back(NomeQ("Ancora.txt"));
    Clic("Command1");
    EXPECT_EQ(domande_.size(), 2u);
    EXPECT_EQ(LeggiByte(Nome("Ancora.txt")), scritto);
}

// Texts the format holds, Windows-1252's signs and line breaks among them,
// are saved at once, with no question.
TEST_F(GraficiGui, TestiCheIlFileTieneSalvatiSenzaDomanda) {
    auto* nome = finestra_->findChild<QPlainTextEdit*>(QStringLiteral("TxtNomeTemperamento"));
    auto* frazione = finestra_->findChild<QLineEdit*>(QStringLiteral("txtFraz_2"));
    ASSERT_TRUE(nome && frazione);
    nome->setFocus();
    nome->selectAll();
    Digita(nome, QStringLiteral("\u201Cmio\u201D \u00E0\u00E8 \u20AC\u0152\u00A0"));
    QTest::keyClick(nome, Qt::Key_Return);
    QTest::keyClicks(nome, QStringLiteral("seconda"));
    frazione->setFocus();
    frazione->selectAll();
    Digita(frazione, QStringLiteral("-\u00BD"));
    risposte_.push_back(NomeQ("Mio.txt"));
    Clic("Command1");
    EXPECT_TRUE(domande_.empty());
    EXPECT_TRUE(avvisi_.empty());
    const auto byte = LeggiByte(Nome("Mio.txt"));
    ASSERT_TRUE(byte);
    EXPECT_TRUE(byte->starts_with("\"\x93mio\x94 \xE0\xE8 \x80\x8C\xA0\r\nseconda\"\r\n")) << *byte;
    EXPECT_NE(byte->find("\"-1/12\"\r\n\"-\xBD\"\r\n\"-1/12\"\r\n"), std::string::npos);
    EXPECT_EQ(*byte, ByteTemperamento(stato_.temperamento));
}

// The program's own question: "No" is its default, and Escape answers no.
TEST(AvvisiQt, LaDomandaSenzaUnSiNonSalva) {
    struct Caso {
        const char* nome;
        std::function<void(QMessageBox*)> rispondi;
        bool atteso;
    } casi[] = {
        {"Escape", [](QMessageBox* m) { QTest::keyClick(m, Qt::Key_Escape); }, false},
        {"Enter", [](QMessageBox* m) { QTest::keyClick(m, Qt::Key_Return); }, false},
        {"Sì",
         [](QMessageBox* m) {
             for (QAbstractButton* b : m->buttons())
                 if (b->text() == QStringLiteral("S\u00ec")) b->click();
         },
         true},
    };
    for (const Caso& c : casi) {
        QStringList pulsanti;
        QString titolo, testo;
        QTimer::singleShot(0, [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(m, nullptr);
            titolo = m->windowTitle();
            testo = m->text();
            for (QAbstractButton* b : m->buttons()) pulsanti << b->text();
            c.rispondi(m);
        });
        AvvisiQt a;
        EXPECT_EQ(a.domanda(nullptr, QStringLiteral("Salva Temperamento"), QStringLiteral("Salvare?")), c.atteso)
            << c.nome;
        EXPECT_EQ(titolo, QStringLiteral("Salva Temperamento"));
        EXPECT_EQ(testo, QStringLiteral("Salvare?"));
        pulsanti.sort();
        EXPECT_EQ(pulsanti, QStringList({QStringLiteral("No"), QStringLiteral("S\u00ec")})) << c.nome;
    }
}

}  // namespace
}  // namespace vk
