#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/Avvio.h"
#include "app/Impostazioni.h"
#include "app/Percorsi.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SchermataFinale.h"
#include "app/widgets/Avviatore.h"
#include "app/widgets/SezioneFile.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "model/FileTemperamento.h"
#include "common/widgets/Schermata.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/ChiamateNegate.h"
#include "tests/comune/ImpostazioniProgetto.h"
#include "tests/comune/LimiteFile.h"
#include "tests/gui/OgniDimensione.h"

namespace vk {
namespace {

namespace fs = std::filesystem;

using prova::FileImpostazioni;

void SalvaSchermata(QWidget* w, const char* nome) {
    QDir().mkpath(QStringLiteral(VK_BUILD "/screens"));
    w->grab().save(QStringLiteral(VK_BUILD "/screens/") + QString::fromLatin1(nome) + QStringLiteral(".png"));
}

struct AvvisoVisto {
    QString titolo, testo;
};

// Answers the file dialogs with the paths given, in turn (Cancel when none
// is left), and records the file each proposed.
class DialogoRisposte : public DialogoFile {
public:
    DialogoRisposte(std::vector<QString> risposte, std::vector<QString>& proposti)
        : risposte_(std::move(risposte)), proposti_(proposti) {}
    std::optional<QString> apri(QWidget*, const QString&, const QString&, const QString& p) override {
        return rispondi(p);
    }
    std::optional<QString> salva(QWidget*, const QString&, const QString&, const QString& p) override {
        return rispondi(p);
    }

private:
    std::optional<QString> rispondi(const QString& proposto) {
        proposti_.push_back(proposto);
        if (risposte_.empty()) return std::nullopt;
        QString r = risposte_.front();
        risposte_.erase(risposte_.begin());
        return r;
    }
    std::vector<QString> risposte_;
    std::vector<QString>& proposti_;
};

class AvvisiInLista : public Avvisi {
public:
    explicit AvvisiInLista(std::vector<AvvisoVisto>& v) : v_(v) {}
    void avviso(QWidget*, const QString& titolo, const QString& testo) override { v_.push_back({titolo, testo}); }
    // A question is seen too, and answered "No".
    bool domanda(QWidget*, const QString& titolo, const QString& testo) override {
        v_.push_back({titolo, testo});
        return false;
    }

private:
    std::vector<AvvisoVisto>& v_;
};

// Every file under a folder, with its bytes.
std::map<std::string, std::string> Contenuto(const fs::path& radice) {
    std::map<std::string, std::string> m;
    for (const auto& v : fs::recursive_directory_iterator(radice))
        if (v.is_regular_file()) m[fs::relative(v.path(), radice).string()] = *LeggiByte(v.path());
    return m;
}

// The start-up with an injected screen, random number and clock, a data
// folder of its own, and counters on the three replays.
class AvvioGui : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = prova::CartellaDelTest();
        cartellaDati_ = dir_.string() + "/";
        schermo({});
        // A modal box would wait for a click that never comes.
        ImpostaAvvisoUscita([this](QWidget*, const QString& titolo, const QString& testo) {
            avvisiUscita_.push_back({titolo, testo});
        });
    }
    void TearDown() override {
        ImpostaAvvisoUscita({});
        ImpostaFornitoreSchermo({});
    }
    void schermo(DimensioniSchermo d) {
        ImpostaFornitoreSchermo([d] { return d; });
    }
    fs::path file() const { return dir_ / "Impostazioni.txt"; }
    void scriviFile(const std::string& byte) {
        std::ofstream f(file(), std::ios::binary);
        f << byte;
    }

    std::unique_ptr<Avviatore> avviatore(float r = 0.5f, OraDelGiorno ora = {14, 30}) {
        OpzioniAvvio o;
        o.fonti.casuale = [r] { return r; };
        o.fonti.orologio = [ora] { return ora; };
        o.schermoIntero = false;
        o.termina = [this] { ++terminazioni_; };
        o.caricaPrincipale = [this] {
            return CaricaFinestraPrincipale(stato_, [this](PassiCaricamento& p) {
                p.sondaCartelle = [this] {
                    if (sonda_) sonda_();
                    else stato_.percorsi.CartellaDati = cartellaDati_;
                };
                auto conta = [](std::function<void()>& f, int& n) {
                    f = [g = f, &n] {
                        ++n;
                        if (g) g();
                    };
                };
                conta(p.command9Click, clic9_);
                conta(p.cmdTastieraClick, clicTastiera_);
                conta(p.cmdMostraIstoClick, clicIsto_);
            });
        };
        return std::make_unique<Avviatore>(std::move(o));
    }
    // Straight to the hand-over, without waiting for the delay.
    std::unique_ptr<Avviatore> avviatoConPrincipale() {
        auto a = avviatore();
        a->avvia();
        a->splash()->TmrVia_Timer();
        return a;
    }
    template <class W = QWidget>
    W* trova(Avviatore& a, const char* nome) {
        return a.principale()->findChild<W*>(QString::fromUtf8(nome));
    }
    void esc(Avviatore& a) { QTest::mouseClick(trova(a, "cmdEXit"), Qt::LeftButton); }
    void ok(Avviatore& a) { QTest::mouseClick(trova(a, "cmdEsciDalSoftware"), Qt::LeftButton); }
    void splashEPrincipale(qint64& mostrata, qint64& scaricata);
    fs::path alberoDelBuild();
    int soloLetturaFinoAllUscita(QWidget* principale, const fs::path& distribuiti, const QString& proposta,
                                 const std::optional<fs::path>& altrove, const char* motivo);

    fs::path dir_;
    std::string cartellaDati_;     // the test's own folder unless a test says otherwise
    std::function<void()> sonda_;  // the folder probe, when a test gives one
    StatoPrincipale stato_;
    int terminazioni_ = 0;
    std::vector<AvvisoVisto> avvisiUscita_;
    int clic9_ = 0, clicTastiera_ = 0, clicIsto_ = 0;
};

// The splash for 2100 ms, then the main window with the splash over it for
// the hand-over, and the splash unloaded 2000 ms later: when the main window
// came, from the start, and when the splash went, from then.
void AvvioGui::splashEPrincipale(qint64& mostrata, qint64& scaricata) {
    auto a = avviatore(0.5f, {14, 30});  // 2100 ms
    QElapsedTimer t;
    t.start();
    a->avvia();
    ASSERT_NE(a->splash(), nullptr);
    EXPECT_TRUE(a->splash()->isVisible());
    EXPECT_TRUE(a->splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(a->splash()->tmrVia().intervallo(), 2100);
    EXPECT_EQ(a->principale(), nullptr);

    // Real timers never fire early; how late they may be is a timing test's.
    ASSERT_TRUE(QTest::qWaitFor([&] { return a->principale() != nullptr; }, 6000));
    mostrata = t.elapsed();
    EXPECT_GE(mostrata, 2095);
    EXPECT_TRUE(a->principale()->isVisible());
    ASSERT_NE(a->splash(), nullptr) << "the splash stays for the hand-over";
    EXPECT_TRUE(a->splash()->isVisible());
    EXPECT_FALSE(a->splash()->tmrVia().abilitato());

    ASSERT_TRUE(QTest::qWaitFor([&] { return a->splash() == nullptr; }, 6000));
    scaricata = t.elapsed() - mostrata;
    EXPECT_GE(scaricata, 1995);
    // Its later ticks change nothing.
    a->TmrScaricaSplash_Timer();
    EXPECT_TRUE(a->principale()->isVisible());
    EXPECT_EQ(terminazioni_, 0);
}

// A build tree of the test's own: the program's folder and the shipped data
// beside it, each of whose folders holds a leftover of a write cut short,
// which only a sweep would remove.
fs::path AvvioGui::alberoDelBuild() {
    const fs::path albero = dir_ / "albero";
    const fs::path distribuiti = albero / "share/velmorakov/VelmoraKOV";
    fs::create_directories(albero / "bin");
    fs::create_directories(distribuiti);
    fs::copy(VK_SORGENTI "/data/VelmoraKOV", distribuiti,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const pid_t finito = prova::ProcessoFinito();
    for (const char* cartella : {"Dati", "Temperamenti"}) {
        const fs::path avanzo = distribuiti / cartella / NomeTemporaneo("Impostazioni.txt", finito, 0);
        std::ofstream(avanzo) << "avanzo";
        fs::last_write_time(avanzo, fs::file_time_type::clock::now() - 2 * EtaAvanzo);
    }
    return albero;
}

// With the shipped data read-only: the Open dialog starts on the shipped
// "Equabile.txt", which opens; a Save into the shipped folder is refused and
// said; the Save dialog proposes `proposta`, and a Save into `altrove` (when
// given) is written; then a choice, Esc and Ok, which says the settings were
// not saved and why. 0 when each step went so, else the first that did not.
int AvvioGui::soloLetturaFinoAllUscita(QWidget* principale, const fs::path& distribuiti, const QString& proposta,
                                       const std::optional<fs::path>& altrove, const char* motivo) {
    auto* sezione = principale->findChild<SezioneFile*>(QStringLiteral("SezioneFile"));
    if (!sezione) return 10;
    std::vector<QString> proposti;
    std::vector<AvvisoVisto> avvisiFile;
    const QString nelDistribuito = QString::fromStdString((distribuiti / "Temperamenti/0-Nuovo.txt").string());
    std::vector<QString> risposte = {QString::fromStdString((distribuiti / "Temperamenti/Equabile.txt").string()),
                                     nelDistribuito};
    if (altrove) risposte.push_back(QString::fromStdString(altrove->string()));
    sezione->impostaDialogo(std::make_unique<DialogoRisposte>(risposte, proposti));
    sezione->impostaAvvisi(std::make_unique<AvvisiInLista>(avvisiFile));
    auto clic = [&](const char* nome) {
        QTest::mouseClick(principale->findChild<QWidget*>(QString::fromUtf8(nome)), Qt::LeftButton);
    };
    clic("Command6");
    if (proposti.size() != 1 || proposti[0] != risposte[0]) return 11;
    if (!avvisiFile.empty()) return 12;
    clic("Command1");
    if (proposti.size() != 2 || proposti[1] != proposta) return 13;
    if (avvisiFile.size() != 1 || avvisiFile[0].titolo != "Salva Temperamento") return 14;
    for (const QString& atteso : {nelDistribuito, QStringLiteral("\u00e8 nei dati distribuiti con il programma"),
                                  QString::fromStdString(distribuiti.string() + "/"),
                                  QStringLiteral("scegli un'altra cartella")})
        if (!avvisiFile[0].testo.contains(atteso)) return 15;
    if (altrove) {
        clic("Command1");
        if (avvisiFile.size() != 1) return 16;
        if (LeggiByte(*altrove) != ByteTemperamento(stato_.temperamento)) return 17;
    }
    clic("cmdLingua");
    if (stato_.LinguaNote != "FR") return 18;
    const size_t prima = avvisiUscita_.size();
    clic("cmdEXit");
    clic("cmdEsciDalSoftware");
    if (avvisiUscita_.size() != prima + 1 || avvisiUscita_.back().titolo != "Esci dal Programma") return 19;
    for (const QString& atteso :
         {QStringLiteral("Le impostazioni non sono state salvate: i dati in uso sono quelli distribuiti con il "
                         "programma, in \"%1\", che il programma non scrive, perch\u00e9 ")
              .arg(QString::fromStdString(distribuiti.string() + "/")),
          QString::fromUtf8(motivo), QStringLiteral("Nessun file \u00e8 stato scritto.")})
        if (!avvisiUscita_.back().testo.contains(atteso)) return 20;
    return 0;
}

TEST_F(AvvioGui, PrincipaleDopoIlRitardoSplashVia2000MsDopo) {
    qint64 mostrata = 0, scaricata = 0;
    splashEPrincipale(mostrata, scaricata);
}

class TempiAvvioGui : public AvvioGui {};

TEST_F(TempiAvvioGui, PrincipaleDopoIlRitardoSplashVia2000MsDopo) {
    qint64 mostrata = 0, scaricata = 0;
    splashEPrincipale(mostrata, scaricata);
    EXPECT_LE(mostrata, 2400);
    EXPECT_LE(scaricata, 2300);
}

TEST_F(AvvioGui, RitardoDalNumeroCasualeEDallOra) {
    struct Caso {
        float r;
        OraDelGiorno ora;
        int ms;
    };
    const Caso casi[] = {{0.5f, {14, 30}, 2100}, {0.1f, {23, 0}, 2025}, {0.0f, {12, 0}, 2125}, {0.95f, {0, 59}, 2300}};
    for (const Caso& c : casi) {
        auto a = avviatore(c.r, c.ora);
        a->avvia();
        EXPECT_EQ(a->splash()->tmrVia().intervallo(), c.ms) << c.r;
        EXPECT_TRUE(a->splash()->tmrVia().abilitato());
    }
}

TEST_F(AvvioGui, RipetizioniSoloPerLeCaptionCheLeChiedono) {
    struct Caso {
        const char* nome;
        std::string file;
        int clic;
        const char* command9;
        const char* tastiera;
        const char* isto;
    };
    const Caso casi[] = {
        {"progetto", FileImpostazioni(), 0, "Colori Quinte", "Val", "Ist Y"},
        {"da ripetere",
         FileImpostazioni({{1, "\"No Colori Quinte\""}, {3, "\"Tast\""}, {4, "\"Ist N\""}}), 1,
         "No Colori Quinte", "Tast", "Ist N"},
        {"nessun file", "", 0, "Colori Quinte", "Val", "Ist Y"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        stato_ = StatoPrincipale{};
        clic9_ = clicTastiera_ = clicIsto_ = 0;
        fs::remove(file());
        if (!c.file.empty()) scriviFile(c.file);
        auto a = avviatoConPrincipale();
        ASSERT_NE(a->principale(), nullptr);
        EXPECT_EQ(clic9_, c.clic);
        EXPECT_EQ(clicTastiera_, c.clic);
        EXPECT_EQ(clicIsto_, c.clic);
        // What the user sees: the captions as saved, the view they name.
        EXPECT_EQ(trova<QAbstractButton>(*a, "Command9")->text(), c.command9);
        EXPECT_EQ(trova<QAbstractButton>(*a, "cmdTastiera")->text(), c.tastiera);
        EXPECT_EQ(trova<QAbstractButton>(*a, "cmdMostraIsto")->text(), c.isto);
        EXPECT_EQ(trova(*a, "ImgTastiera")->isVisible(), c.clic == 0);
        EXPECT_EQ(trova(*a, "lblQuinta_1")->isVisible(), c.clic == 1);
    }
}

TEST_F(AvvioGui, AltezzaDiProgettoNessunAdattamento) {
    schermo({test::Schermo1920x1080.larghezza, AltezzaProgetto});
    auto a = avviatoConPrincipale();
    EXPECT_FALSE(stato_.fattoriAdattamento.has_value());
    const VoceGeometria* v = stato_.geometria.trova("ShpVari", 8);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->alto, 5640.0f);
    EXPECT_EQ(v->altezza, 2880.0f);
    EXPECT_EQ(trova(*a, "cmdEXit")->geometry(), QRect(928, 720, 83, 33));
}

TEST_F(AvvioGui, Schermo1920x1080LaSchermataFinaleLoCopre) {
    schermo(test::Schermo1920x1080);
    auto a = avviatoConPrincipale();
    ASSERT_TRUE(stato_.fattoriAdattamento.has_value());
    const VoceGeometria* v = stato_.geometria.trova("ShpVari", 8);
    EXPECT_FLOAT_EQ(v->alto, 5650.0f * 1.40625f);
    EXPECT_FLOAT_EQ(v->altezza, 2870.0f * 1.40625f);
    a->principale()->resize(1920, 1080);
    esc(*a);
    auto* finale = trova<Schermata>(*a, "FraSchermataFinale");
    ASSERT_NE(finale, nullptr);
    EXPECT_TRUE(finale->isVisible());
    EXPECT_EQ(finale->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(trova(*a, "cmdEsciDalSoftware")->geometry().topLeft(), QPoint(1395, 990));
    SalvaSchermata(a->principale(), "schermata_finale_1920x1080");
}

TEST_F(AvvioGui, EscApreLaSchermataFinaleSenzaRitorno) {
    auto a = avviatoConPrincipale();
    // Built at its first opening, not before.
    for (const char* nome : {"FraSchermataFinale", "ImgXq", "TxtCurriculum", "cmdEsciDalSoftware", "lblScritteVarie_11"})
        EXPECT_EQ(trova(*a, nome), nullptr) << nome;
    auto* escBtn = trova<QAbstractButton>(*a, "cmdEXit");
    EXPECT_EQ(escBtn->text(), "Esc");
    EXPECT_EQ(escBtn->toolTip(), "Esci dal Programma");
    esc(*a);
    auto* finale = trova<Schermata>(*a, "FraSchermataFinale");
    ASSERT_NE(finale, nullptr);
    EXPECT_TRUE(finale->isVisible());
    EXPECT_EQ(finale->pos(), QPoint(0, 0));
    EXPECT_FALSE(escBtn->isVisible()) << "the main page is covered";
    EXPECT_EQ(trova<QPlainTextEdit>(*a, "TxtCurriculum")->toPlainText(), TestoCurriculum());
    EXPECT_GT(TestoCurriculum().size(), 1000);
    EXPECT_EQ(trova<QAbstractButton>(*a, "cmdEsciDalSoftware")->text(), "Ok");
    // Nothing on the screen leads back: only "Ok" acts.
    int pulsanti = 0;
    for (auto* b : finale->findChildren<QAbstractButton*>()) pulsanti += b->isVisible();
    EXPECT_EQ(pulsanti, 1);
    SalvaSchermata(a->principale(), "schermata_finale");
}

TEST_F(AvvioGui, OkScriveLeImpostazioniEChiude) {
    scriviFile(FileImpostazioni({{2, "\"EN\""}}));
    auto a = avviatoConPrincipale();
    a->TmrScaricaSplash_Timer();
    // Two presses of "+" from level 6.
    auto* piu = trova(*a, "cmdVelocità_1");
    ASSERT_NE(piu, nullptr);
    QTest::mouseClick(piu, Qt::LeftButton);
    QTest::mouseClick(piu, Qt::LeftButton);
    esc(*a);
    ok(*a);
    EXPECT_EQ(terminazioni_, 1);
    EXPECT_FALSE(a->principale()->isVisible());
    std::string atteso = FileImpostazioni({{2, "\"EN\""}, {6, "\"8\""}, {12, "12632319"}, {13, "12632319"},
                                            {17, "80"}, {18, "80"}});
    EXPECT_EQ(*LeggiByte(file()), atteso);
}

TEST_F(AvvioGui, OkCheNonRiesceAScrivereLoDiceEChiude) {
    auto& avvisi = avvisiUscita_;
    struct Caso {
        const char* nome;
        bool cartellaMancante;  // else a file may not grow past 64 bytes, as on a full disk
        const char* motivo;
        const char* resta;
    };
    const Caso casi[] = {
        {"cartella mancante", true, "No such file or directory", "Nessun file \xC3\xA8 stato scritto."},
        {"disco pieno", false, "File too large", "Un file gi\xC3\xA0 presente \xC3\xA8 rimasto com'era."}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        avvisi.clear();
        terminazioni_ = 0;
        stato_ = StatoPrincipale{};
        scriviFile("vecchio");
        auto a = avviatoConPrincipale();
        // Not a settings file: said at start, and set aside only by a write that succeeds.
        ASSERT_EQ(avvisi.size(), 1u);
        avvisi.clear();
        a->TmrScaricaSplash_Timer();
        if (c.cartellaMancante) stato_.percorsi.CartellaDati = cartellaDati_ + "manca/";
        const std::string atteso = (fs::path(stato_.percorsi.CartellaDati) / "Impostazioni.txt").string();
        auto esci = [&] {
            esc(*a);
            ok(*a);
            if (terminazioni_ != 1 || a->principale()->isVisible()) return 1;
            if (avvisi.size() != 1 || avvisi[0].titolo != "Esci dal Programma") return 2;
            if (!avvisi[0].testo.contains(QString::fromStdString(atteso))) return 3;
            if (!avvisi[0].testo.contains(QString::fromUtf8(c.motivo))) return 4;
            if (!avvisi[0].testo.endsWith(QString::fromUtf8(c.resta))) return 5;
            return 0;
        };
        EXPECT_EQ(c.cartellaMancante ? esci() : prova::ConLimiteFileInUnProcessoNuovo(64, esci), 0);
        EXPECT_EQ(*LeggiByte(file()), "vecchio");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
    }
}

TEST_F(AvvioGui, UnaPrimaCopiaNonRiuscitaLoDiceUnaVoltaAllAvvio) {
    // An installation the user cannot write, copied at the first start into
    // the user's folder, on a disk that takes no file past 500 bytes.
    const fs::path sistema = dir_ / "sistema";
    fs::create_directories(sistema);
    // Copied over itself by the child that runs the disk-limited start.
    fs::copy(VK_SORGENTI "/data/VelmoraKOV", sistema / "VelmoraKOV",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const std::string utente = (dir_ / "utente").string() + "/";
    const OperazioniDisco disco = DiscoReale();
    auto carica = [&] {
        avvisiUscita_.clear();
        stato_ = StatoPrincipale{};
        return CaricaFinestraPrincipale(stato_, [&](PassiCaricamento& p) {
            p.sondaCartelle = [&] {
                CartelleUtente u;
                u.dati = utente;
                stato_.percorsi = CercaPercorsiScrivibili({sistema.string() + "/", utente}, u, Piattaforma::Linux, disco);
            };
        });
    };
    const int esito = prova::ConLimiteFileInUnProcessoNuovo(500, [&] {
        const auto prima = Contenuto(sistema);
        auto f = carica();
        if (stato_.percorsi.CartellaDati != sistema.string() + "/VelmoraKOV/Dati/") return 1;
        if (avvisiUscita_.size() != 1 || avvisiUscita_[0].titolo != "Avvio del Programma") return 2;
        const QString& testo = avvisiUscita_[0].testo;
        for (const std::string& atteso :
             {"La cartella dei dati non \xC3\xA8 stata copiata in \"" + utente + "VelmoraKOV/\":\n",
              std::string("Equabile.txt"), std::string("File too large"),
              "Si usano i dati distribuiti con il programma, in \"" + sistema.string() +
                  "/VelmoraKOV/\", in sola lettura: all'uscita le impostazioni non saranno salvate, e i "
                  "temperamenti si salvano in un'altra cartella. La prossima partenza prover\xC3\xA0 di nuovo a "
                  "copiarla."})
            if (!testo.contains(QString::fromStdString(atteso))) return 3;
        // Said once: the window goes on, reading the installed folder and writing nothing there.
        f->show();
        QCoreApplication::processEvents();
        if (avvisiUscita_.size() != 1) return 4;
        // No home known here: the Save dialog proposes the bare name.
        if (const int e = soloLetturaFinoAllUscita(f.get(), sistema / "VelmoraKOV", QStringLiteral("0-Nuovo.txt"),
                                                   std::nullopt, "File too large"))
            return e;
        return Contenuto(sistema) == prima ? 0 : 5;
    });
    EXPECT_EQ(esito, 0);
    // The next start has room: the copy is made, and nothing is said.
    auto f = carica();
    EXPECT_EQ(stato_.percorsi.CartellaDati, utente + "VelmoraKOV/Dati/");
    EXPECT_FALSE(stato_.percorsi.SolaLettura);
    EXPECT_TRUE(avvisiUscita_.empty());
    EXPECT_EQ(LeggiByte(utente + "VelmoraKOV/Temperamenti/Equabile.txt"),
              LeggiByte(sistema / "VelmoraKOV/Temperamenti/Equabile.txt"));
}

// A data home the program cannot write: it runs on the shipped data, which
// after a start, an Open, a Save, Esc and Ok is byte for byte as it was, its
// leftovers too; each step says what it did not do, and why.
TEST_F(AvvioGui, SenzaUnaCartellaDeiDatiScrivibileIDatiDistribuitiRestanoComErano) {
    const fs::path albero = alberoDelBuild();
    const fs::path distribuiti = albero / "share/velmorakov/VelmoraKOV";
    const auto prima = Contenuto(distribuiti);
    ASSERT_EQ(prima.size(), 4u);
    const fs::path casa = dir_ / "casa";
    fs::create_directories(casa);
    std::ofstream(dir_ / "un file") << "non una cartella";
    const fs::path chiusa = dir_ / "chiusa";
    fs::create_directories(chiusa);
    fs::permissions(chiusa, fs::perms::owner_read | fs::perms::owner_exec);
    struct Caso {
        const char* nome;
        std::optional<std::string> xdg, home;
        const char* motivo;
        bool salta;
    };
    const Caso casi[] = {
        {"XDG_DATA_HOME che non si scrive", chiusa.string(), casa.string(), "Permission denied",
         ::access(chiusa.c_str(), W_OK) == 0},  // root writes there all the same
        // One that root cannot write either.
        {"XDG_DATA_HOME in /sys", std::string("/sys/velmorakov"), casa.string(), "\"/sys/velmorakov/VelmoraKOV/\": ",
         !fs::is_directory("/sys/kernel")},
        {"XDG_DATA_HOME attraverso un file normale", (dir_ / "un file/dati").string(), casa.string(),
         "Not a directory", false},
        {"senza HOME n\xC3\xA9 XDG_DATA_HOME, e l'account senza casa", std::nullopt, std::nullopt,
         "c'\xC3\xA8 una cartella per i dati dell'utente:\nn\xC3\xA9 XDG_DATA_HOME n\xC3\xA9 HOME indicano una "
         "cartella con un percorso assoluto, e l'account dell'utente non ne ha una.",
         false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        if (c.salta) {
            std::cout << "[ SALTATO  ] " << c.nome << ": this user writes into a folder without the right to\n";
            continue;
        }
        avvisiUscita_.clear();
        terminazioni_ = 0;
        stato_ = StatoPrincipale{};
        sonda_ = [&] {
            stato_.percorsi = CercaPercorsiDaAmbiente((albero / "bin").string(), c.xdg ? c.xdg->c_str() : nullptr,
                                                      c.home ? c.home->c_str() : nullptr, [] { return std::string(); });
        };
        auto a = avviatoConPrincipale();
        EXPECT_EQ(stato_.percorsi.CartellaDati, (distribuiti / "Dati").string() + "/");
        ASSERT_EQ(avvisiUscita_.size(), 1u);
        EXPECT_EQ(avvisiUscita_[0].titolo, "Avvio del Programma");
        for (const std::string& atteso :
             {std::string(c.motivo), "Si usano i dati distribuiti con il programma, in \"" + distribuiti.string() +
                                         "/\", in sola lettura: all'uscita le impostazioni non saranno salvate"})
            EXPECT_TRUE(avvisiUscita_[0].testo.contains(QString::fromStdString(atteso))) << atteso;
        a->TmrScaricaSplash_Timer();
        // The home is proposed for saving; with none known, the bare name.
        const QString proposta = c.home ? QString::fromStdString((casa / "0-Nuovo.txt").string())
                                        : QStringLiteral("0-Nuovo.txt");
        EXPECT_EQ(soloLetturaFinoAllUscita(a->principale(), distribuiti, proposta, dir_ / "salvati.txt", c.motivo), 0);
        EXPECT_EQ(terminazioni_, 1);
        EXPECT_EQ(Contenuto(distribuiti), prima);
        EXPECT_TRUE(fs::is_empty(chiusa));
        fs::remove(dir_ / "salvati.txt");
    }
}

// With HOME unset the home is the account's: the user's folder is made
// there, and "Ok" writes into it; a Save into the shipped data is refused.
TEST_F(AvvioGui, SenzaHomeLaCasaDellAccount) {
    const fs::path albero = alberoDelBuild();
    const fs::path distribuiti = albero / "share/velmorakov/VelmoraKOV";
    const auto prima = Contenuto(distribuiti);
    const fs::path conto = dir_ / "conto";
    fs::create_directories(conto);
    sonda_ = [&] {
        stato_.percorsi = CercaPercorsiDaAmbiente((albero / "bin").string(), nullptr, nullptr,
                                                  [&] { return conto.string(); });
    };
    auto a = avviatoConPrincipale();
    const fs::path utente = conto / ".local/share/VelmoraKOV";
    EXPECT_EQ(stato_.percorsi.CartellaDati, (utente / "Dati").string() + "/");
    EXPECT_TRUE(avvisiUscita_.empty());
    // Saving goes to the user's folder; the shipped one is refused here too.
    std::vector<QString> proposti;
    std::vector<AvvisoVisto> avvisiFile;
    auto* sezione = a->principale()->findChild<SezioneFile*>(QStringLiteral("SezioneFile"));
    ASSERT_NE(sezione, nullptr);
    sezione->impostaDialogo(std::make_unique<DialogoRisposte>(
        std::vector<QString>{QString::fromStdString((distribuiti / "Temperamenti/Mio.txt").string())}, proposti));
    sezione->impostaAvvisi(std::make_unique<AvvisiInLista>(avvisiFile));
    QTest::mouseClick(trova(*a, "Command1"), Qt::LeftButton);
    ASSERT_EQ(proposti.size(), 1u);
    EXPECT_EQ(proposti[0], QString::fromStdString((utente / "Temperamenti/0-Nuovo.txt").string()));
    ASSERT_EQ(avvisiFile.size(), 1u);
    EXPECT_TRUE(avvisiFile[0].testo.contains(QStringLiteral("\u00e8 nei dati distribuiti con il programma")));
    QTest::mouseClick(trova(*a, "cmdLingua"), Qt::LeftButton);
    esc(*a);
    ok(*a);
    EXPECT_EQ(terminazioni_, 1);
    EXPECT_TRUE(avvisiUscita_.empty());
    EXPECT_EQ(LeggiByte(utente / "Dati/Impostazioni.txt"), FileImpostazioni({{2, "\"FR\""}}));
    EXPECT_EQ(Contenuto(distribuiti), prima);
}

TEST_F(AvvioGui, UnFileDiImpostazioniCheNonSiPrendeLoDiceUnaVoltaEOkLoConserva) {
    // The user's choices in forms the reading cannot take whole.
    std::string soloCR = FileImpostazioni({{2, "\"EN\""}});
    for (size_t i = soloCR.find("\r\n"); i != std::string::npos; i = soloCR.find("\r\n", i)) soloCR.erase(i + 1, 1);
    struct Caso {
        const char* nome;
        std::string byte;
        const char* motivo;
    };
    const Caso casi[] = {
        {"solo CR", soloCR, "solo CR"},
        {"segno BOM", "\xEF\xBB\xBF" + FileImpostazioni({{1, "\"No Colori Quinte\""}, {2, "\"EN\""}}),
         "il segno BOM di UTF-8"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        avvisiUscita_.clear();
        terminazioni_ = 0;
        stato_ = StatoPrincipale{};
        for (const auto& f : fs::directory_iterator(dir_)) fs::remove(f.path());
        scriviFile(c.byte);
        auto a = avviatoConPrincipale();
        ASSERT_EQ(avvisiUscita_.size(), 1u);
        EXPECT_EQ(avvisiUscita_[0].titolo, "Avvio del Programma");
        const fs::path accanto = dir_ / "Impostazioni.txt.illeggibile";
        for (const std::string& atteso : {file().string(), std::string(c.motivo), accanto.string()})
            EXPECT_TRUE(avvisiUscita_[0].testo.contains(QString::fromStdString(atteso))) << atteso;
        EXPECT_EQ(stato_.LinguaNote, "IT");
        a->TmrScaricaSplash_Timer();
        QCoreApplication::processEvents();
        esc(*a);
        ok(*a);
        EXPECT_EQ(terminazioni_, 1);
        EXPECT_EQ(avvisiUscita_.size(), 1u) << "said once, and the save succeeds";
        EXPECT_EQ(LeggiByte(accanto), c.byte);
        EXPECT_EQ(*LeggiByte(file()), FileImpostazioni());
    }
}

// A user with a folder of their own starts a build tree whose earlier
// version kept other choices beside it: the start says where, once, and the
// run uses the user's folder, taking nothing from the other.
TEST_F(AvvioGui, UnaCartellaPrecedenteDiversaLaDiceUnaVoltaAllAvvio) {
    const fs::path albero = alberoDelBuild();
    const fs::path precedente = albero / "share/VelmoraKOV";
    fs::create_directories(precedente / "Dati");
    std::ofstream(precedente / "Dati/Impostazioni.txt", std::ios::binary) << FileImpostazioni({{2, "\"EN\""}});
    const fs::path xdg = dir_ / "dati";
    fs::create_directories(xdg / "VelmoraKOV/Dati");
    std::ofstream(xdg / "VelmoraKOV/Dati/Impostazioni.txt", std::ios::binary) << FileImpostazioni({{2, "\"DE\""}});
    sonda_ = [&] {
        stato_.percorsi = CercaPercorsiDaAmbiente((albero / "bin").string(), xdg.c_str(), dir_.c_str());
    };
    for (const bool prima : {true, false}) {
        SCOPED_TRACE(prima ? "prima partenza" : "seconda partenza");
        avvisiUscita_.clear();
        stato_ = StatoPrincipale{};
        auto a = avviatoConPrincipale();
        EXPECT_EQ(stato_.LinguaNote, "DE");
        ASSERT_EQ(avvisiUscita_.size(), prima ? 1u : 0u);
        if (!prima) break;
        EXPECT_EQ(avvisiUscita_[0].titolo, "Avvio del Programma");
        for (const std::string& atteso :
             {"In \"" + precedente.string() + "/\" ci sono i dati di una versione precedente del programma",
              "\"" + (xdg / "VelmoraKOV").string() + "/\", che \xC3\xA8 quella in uso.",
              std::string("Da quella cartella non \xC3\xA8 stato preso nulla"), std::string("\"Your data\"")})
            EXPECT_TRUE(avvisiUscita_[0].testo.contains(QString::fromStdString(atteso))) << atteso;
    }
    EXPECT_EQ(LeggiByte(precedente / "Dati/Impostazioni.txt"), FileImpostazioni({{2, "\"EN\""}}));
}

// Something other than a file in place of the settings: said at start, before
// the run's choices, and "Ok" does what was said.
TEST_F(AvvioGui, AlPostoDelFileDelleImpostazioniAltroLoDiceAllAvvio) {
    struct Caso {
        const char* nome;
        std::function<void(const fs::path&)> prepara;
        std::vector<std::string> avvio;  // what the start says, beside the file's name
        std::vector<std::string> uscita;  // what "Ok" says; none when it writes
    };
    const std::string nonSalva = "con \"Ok\" all'uscita le impostazioni non si potranno salvare.";
    const fs::path vero = dir_ / "vero/Impostazioni.txt";
    const Caso casi[] = {
        {"cartella", [](const fs::path& f) { fs::create_directories(f); },
         {"al suo posto c'\xC3\xA8 una cartella.", "La cartella resta com'\xC3\xA8, e " + nonSalva},
         {"Is a directory", "Al suo posto c'\xC3\xA8 ancora una cartella."}},
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
         {"al suo posto c'\xC3\xA8 una FIFO, non un file normale.", "Resta com'\xC3\xA8, e " + nonSalva},
         {"non \xC3\xA8 un file normale", "Al suo posto c'\xC3\xA8 ancora una FIFO."}},
        {"collegamento a un file che non c'\xC3\xA8",
         [&](const fs::path& f) {
             fs::create_directories(vero.parent_path());
             fs::create_symlink(vero, f);
         },
         {"\xC3\xA8 un collegamento a \"" + vero.string() + "\", che non c'\xC3\xA8.",
          "Con \"Ok\" all'uscita le impostazioni saranno scritte in \"" + vero.string() + "\""},
         {}},
        {"collegamento in una cartella che non c'\xC3\xA8", [&](const fs::path& f) { fs::create_symlink(vero, f); },
         {"in una cartella che non c'\xC3\xA8.", "C" + nonSalva.substr(1)},
         {"No such file or directory", "Il collegamento \xC3\xA8 rimasto com'era, e il file che indica, \"" +
                                           vero.string() + "\", non \xC3\xA8 stato scritto."}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        for (const auto& f : fs::directory_iterator(dir_)) fs::remove_all(f.path());
        avvisiUscita_.clear();
        terminazioni_ = 0;
        stato_ = StatoPrincipale{};
        c.prepara(file());
        auto a = avviatoConPrincipale();
        ASSERT_EQ(avvisiUscita_.size(), 1u);
        EXPECT_EQ(avvisiUscita_[0].titolo, "Avvio del Programma");
        EXPECT_TRUE(avvisiUscita_[0].testo.startsWith(QString::fromStdString(
            "Il file delle impostazioni \"" + file().string() + "\" non \xC3\xA8 stato letto:\n")));
        for (const std::string& atteso : c.avvio)
            EXPECT_TRUE(avvisiUscita_[0].testo.contains(QString::fromStdString(atteso))) << atteso;
        a->TmrScaricaSplash_Timer();
        QTest::mouseClick(trova(*a, "cmdLingua"), Qt::LeftButton);
        esc(*a);
        ok(*a);
        EXPECT_EQ(terminazioni_, 1);
        ASSERT_EQ(avvisiUscita_.size(), c.uscita.empty() ? 1u : 2u);
        if (c.uscita.empty()) {
            EXPECT_TRUE(fs::is_symlink(file()));
            EXPECT_EQ(LeggiByte(vero), FileImpostazioni({{2, "\"FR\""}}));
            continue;
        }
        EXPECT_EQ(avvisiUscita_[1].titolo, "Esci dal Programma");
        EXPECT_TRUE(avvisiUscita_[1].testo.startsWith(QString::fromStdString(
            "Le impostazioni non sono state salvate nel file \"" + file().string() + "\":\n")));
        for (const std::string& atteso : c.uscita)
            EXPECT_TRUE(avvisiUscita_[1].testo.contains(QString::fromStdString(atteso))) << atteso;
    }
}

// The name said at start taken before "Ok" (another instance closing): the
// file goes to the next one, and the closing says which.
TEST_F(AvvioGui, OkDiceDoveConservaSeIlNomeDettoEPreso) {
    scriviFile("\xEF\xBB\xBF" + FileImpostazioni({{2, "\"EN\""}}));
    auto a = avviatoConPrincipale();
    ASSERT_EQ(avvisiUscita_.size(), 1u);
    const fs::path detto = dir_ / "Impostazioni.txt.illeggibile";
    std::ofstream(detto, std::ios::binary) << "altra";
    a->TmrScaricaSplash_Timer();
    esc(*a);
    ok(*a);
    EXPECT_EQ(terminazioni_, 1);
    ASSERT_EQ(avvisiUscita_.size(), 2u);
    EXPECT_EQ(avvisiUscita_[1].titolo, "Esci dal Programma");
    const fs::path usato = dir_ / "Impostazioni.txt.illeggibile.2";
    for (const fs::path& p : {usato, detto})
        EXPECT_TRUE(avvisiUscita_[1].testo.contains(QString::fromStdString(p.string()))) << p;
    EXPECT_EQ(LeggiByte(detto), "altra");
    EXPECT_EQ(LeggiByte(usato), "\xEF\xBB\xBF" + FileImpostazioni({{2, "\"EN\""}}));
}

// "Ok" on a full disk, where the file set aside cannot go back to its place
// (a system that refuses the rename back): the closing says where it is kept.
TEST_F(AvvioGui, OkCheNonScriveDiceDoveRestaIlFileMessoDaParte) {
    const std::string vecchio = "\xEF\xBB\xBF" + FileImpostazioni({{2, "\"EN\""}});
    scriviFile(vecchio);
    auto a = avviatoConPrincipale();
    ASSERT_EQ(avvisiUscita_.size(), 1u);
    a->TmrScaricaSplash_Timer();
    const fs::path accanto = dir_ / "Impostazioni.txt.illeggibile";
    const int esito = prova::ConLimiteFileInUnProcessoNuovo(64, [&] {
        if (!prova::NegaChiamate({__NR_renameat2}, EPERM)) return 100;
        esc(*a);
        ok(*a);
        if (terminazioni_ != 1 || avvisiUscita_.size() != 2) return 1;
        const QString& testo = avvisiUscita_[1].testo;
        if (avvisiUscita_[1].titolo != "Esci dal Programma") return 2;
        for (const std::string& atteso : {file().string(), std::string("File too large"), accanto.string()})
            if (!testo.contains(QString::fromStdString(atteso))) return 3;
        return 0;
    });
    EXPECT_EQ(esito, 0);
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(LeggiByte(accanto), vecchio);
}

TEST_F(AvvioGui, ChiusureSenzaOkNonScrivono) {
    struct Caso {
        const char* nome;
        bool conSplash;  // the splash still loaded
        bool primaEsc;
    };
    const Caso casi[] = {{"dopo la consegna", false, false},
                         {"con lo splash ancora caricato", true, false},
                         {"dalla schermata finale", false, true}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        terminazioni_ = 0;
        stato_ = StatoPrincipale{};
        scriviFile("vecchio");
        auto a = avviatoConPrincipale();
        if (!c.conSplash) a->TmrScaricaSplash_Timer();
        if (c.primaEsc) esc(*a);
        stato_.LinguaNote = "DE";
        a->principale()->close();
        EXPECT_EQ(terminazioni_, 1);
        EXPECT_EQ(a->splash(), nullptr);
        EXPECT_EQ(*LeggiByte(file()), "vecchio");
    }
}

TEST_F(AvvioGui, ChiudereLoSplashPrimaDellaConsegnaTermina) {
    auto a = avviatore();
    a->avvia();
    QPointer<Splash> splash = a->splash();
    splash->close();
    EXPECT_EQ(terminazioni_, 1);
    EXPECT_EQ(a->splash(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << "its timer goes with it";
    a->ApriFinestraPrincipale();
    EXPECT_EQ(a->principale(), nullptr);
}

TEST_F(AvvioGui, OkSenzaPoterScrivereTerminaComunque) {
    cartellaDati_ = (dir_ / "manca").string() + "/";
    auto a = avviatoConPrincipale();
    esc(*a);
    ok(*a);
    EXPECT_EQ(terminazioni_, 1);
    EXPECT_FALSE(fs::exists(dir_ / "manca"));
}

TEST_F(AvvioGui, SchermateDelloSplash) {
    {
        auto a = avviatore();
        a->avvia();
        Splash* s = a->splash();
        EXPECT_EQ(s->size(), QSize(1024, 768));
        EXPECT_EQ(s->findChild<QLabel*>("lblSplash_0")->geometry(), QRect(136, 192, 753, 89));
        SalvaSchermata(s, "splash_1024x768");
    }
    schermo(test::Schermo1920x1080);
    auto a = avviatore();
    a->avvia();
    Splash* s = a->splash();
    // Laid out before it is first seen.
    EXPECT_EQ(s->size(), QSize(1920, 1080));
    const VoceGeometria* v = s->geometria().trova("lblSplash", 3);
    EXPECT_FLOAT_EQ(v->sinistra, 12480.0f * 1.875f);
    EXPECT_FLOAT_EQ(v->carattere, static_cast<float>(12.0 * 16200.0 / 11550.0));
    SalvaSchermata(s, "splash_1920x1080");
}

}  // namespace
}  // namespace vk
