// Every way of pasting into every text box of the program, whatever the
// clipboard holds: nothing without text is pasted (a bare QPlainTextEdit of
// this Qt crashes on clipboard data with no format at all, a bare QLineEdit
// deletes its selection), data that answers only once is read once, a text
// past a file's limit is cut to it, and text still pastes. No key or input
// method takes a box past that limit either.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>
#include <tuple>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "model/FileTemperamento.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

namespace {

struct Appunti {
    const char* nome;
    std::function<void(QClipboard*, QClipboard::Mode)> prepara;
};

QMimeData* Dati(const char* formato, const QByteArray& byte) {
    auto* d = new QMimeData;
    d->setData(QString::fromLatin1(formato), byte);
    return d;
}

// What "nothing to paste" may look like.
const Appunti Vuoti[] = {
    {"cleared", [](QClipboard* c, QClipboard::Mode m) { c->clear(m); }},
    {"no format", [](QClipboard* c, QClipboard::Mode m) { c->setMimeData(new QMimeData, m); }},
    {"another kind",
     [](QClipboard* c, QClipboard::Mode m) { c->setMimeData(Dati("application/x-altro", "xx"), m); }},
    {"empty text", [](QClipboard* c, QClipboard::Mode m) { c->setMimeData(Dati("text/plain", {}), m); }},
};

// Another program's clipboard that answers the first request for its text
// and then nothing, as a script's clipboard that quits after one answer;
// with svanisce the clipboard drops it at that answer, as Qt drops the data of
// an owner that is gone.
class Fugace : public QMimeData {
public:
    explicit Fugace(QString testo, QClipboard::Mode* svanisce = nullptr)
        : testo_(std::move(testo)), svanisce_(svanisce) {}
    QStringList formats() const override { return {QStringLiteral("text/plain")}; }
    int richieste() const { return richieste_; }

protected:
    QVariant retrieveData(const QString&, QMetaType) const override {
        if (++richieste_ > 1) return {};
        QVariant risposta(testo_);
        if (svanisce_) QGuiApplication::clipboard()->clear(*svanisce_);  // deletes this
        return risposta;
    }

private:
    QString testo_;
    QClipboard::Mode* svanisce_;
    mutable int richieste_ = 0;
};

// The ways a user pastes: each puts its data where it reads it, then pastes.
struct Modo {
    const char* nome;
    QClipboard::Mode appunti;
    std::function<void(QWidget*)> incolla;
    bool menu = false;
};

// The box itself for keys and menus; the area that shows the text for the
// mouse.
QWidget* Superficie(QWidget* w) {
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->viewport();
    return w;
}

void IncollaDalMenu(QWidget* w) {
    const QPoint p(4, 4);
    QContextMenuEvent e(QContextMenuEvent::Keyboard, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &e);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    // A line edit's menu names its actions by their captions only.
    QAction* incolla = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    for (QAction* a : menu->actions())
        if (a->text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", "&Paste")) incolla = a;
    EXPECT_NE(incolla, nullptr);
    // As a user can: a greyed Paste does nothing.
    if (incolla && incolla->isEnabled()) incolla->trigger();
    menu->close();
}

const Modo Modi[] = {
    {"Ctrl+V", QClipboard::Clipboard, [](QWidget* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); }},
    {"Shift+Insert", QClipboard::Clipboard,
     [](QWidget* w) { QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"the context menu's Paste", QClipboard::Clipboard, IncollaDalMenu, true},
    {"the middle click", QClipboard::Selection,
     [](QWidget* w) { QTest::mouseClick(Superficie(w), Qt::MiddleButton, {}, QPoint(4, 4)); }},
};

// The ways this platform has: the middle click pastes the selection where
// there is one, which the offscreen platform has not.
std::vector<const Modo*> ModiDellaPiattaforma() {
    std::vector<const Modo*> v;
    for (const Modo& m : Modi)
        if (m.appunti != QClipboard::Selection || QGuiApplication::clipboard()->supportsSelection()) v.push_back(&m);
    return v;
}

void SelezionaTutto(QWidget* w) {
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) e->selectAll();
    else static_cast<QLineEdit*>(w)->selectAll();
}

// The screens that hold text boxes, each opened and closed once so that its
// boxes exist.
const std::pair<const char*, const char*> Schermate[] = {
    {"cmdMostraFrequenze", "cmdTorna"},
    {"cmdUtility", "cmdEsciUtility"},
    {"cmdApriEasy", "cmdEsciEasyMode"},
};

class Incolla : public test::ProvaFinestra {
protected:
    void SetUp() override {
        f_ = CaricaFinestraPrincipale(stato_, {}, InstallaSchermate);
        test::MostraAttiva(f_.get());
        for (const auto& [apre, chiude] : Schermate) {
            Clic(QString::fromUtf8(apre));
            Clic(QString::fromUtf8(chiude));
        }
        // The Vuvaz-Eza's hidden panel builds its boxes when shown.
        Clic(QStringLiteral("cmdLab"));
        if (auto* p = Trova(QStringLiteral("FraConversione"))) p->show();
        Clic(QStringLiteral("cmdAnnullaMicro"));
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
    }
    QWidget* radice() override { return f_.get(); }

    // Every box the user can type in.
    std::vector<QWidget*> caselle() {
        std::vector<QWidget*> v;
        for (auto* e : f_->findChildren<QPlainTextEdit*>())
            if (!e->isReadOnly()) v.push_back(e);
        for (auto* e : f_->findChildren<QLineEdit*>())
            if (!e->isReadOnly()) v.push_back(e);
        return v;
    }

    static QString Testo(QWidget* w) {
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->toPlainText();
        return static_cast<QLineEdit*>(w)->text();
    }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> f_;
};

TEST_F(Incolla, SenzaTestoNessunModoCambiaUnaCasella) {
    const auto v = caselle();
    // The main page's two, the frequencies' name, the twelve fractions, the
    // Zadu-Rori's 24 and the conversion panel's 52.
    EXPECT_EQ(v.size(), 3u + 12u + 24u + 52u);
    const std::string file = ByteTemperamento(stato_.temperamento);
    for (const Modo* m : ModiDellaPiattaforma()) {
        SCOPED_TRACE(m->nome);
        for (const Appunti& a : Vuoti) {
            SCOPED_TRACE(a.nome);
            for (bool tutto : {false, true}) {
                SCOPED_TRACE(tutto ? "all selected" : "nothing selected");
                for (QWidget* w : v) {
                    SCOPED_TRACE(w->objectName().toStdString());
                    const QString prima = Testo(w);
                    w->setFocus();
                    if (tutto) QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
                    // After the selection, which X11 makes the selection's
                    // clipboard.
                    a.prepara(QGuiApplication::clipboard(), m->appunti);
                    m->incolla(w);
                    EXPECT_EQ(Testo(w), prima);
                }
            }
        }
    }
    // Nothing reached the temperament: a fraction emptied would be saved "".
    EXPECT_EQ(ByteTemperamento(stato_.temperamento), file);
    EXPECT_FALSE(stato_.temperamento.Nome.empty());
}

TEST_F(Incolla, IlTestoSiIncollaConLeRigheInCRLF) {
    struct Caso {
        const char* casella;
        QByteArray appunti;
        std::string atteso;
        std::function<std::string()> modello;
    };
    const Caso casi[] = {
        {"TxtNomeTemperamento", "Mio\r\ntono", "Mio\r\ntono", [this] { return stato_.temperamento.Nome; }},
        {"TxtDescrizione", "una\nriga\r\ne due", "una\r\nriga\r\ne due",
         [this] { return stato_.temperamento.Descrizione; }},
        {"txtFraz_3", "-1/4", "-1/4", [this] { return stato_.temperamento.Frazioni[3]; }},
    };
    for (const Modo* m : ModiDellaPiattaforma()) {
        SCOPED_TRACE(m->nome);
        for (const Caso& c : casi) {
            SCOPED_TRACE(c.casella);
            auto* w = Trova(QString::fromUtf8(c.casella));
            ASSERT_NE(w, nullptr);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            // The middle click pastes where it points, the selection dropped.
            if (m->appunti == QClipboard::Selection) QTest::keyClick(w, Qt::Key_Delete);
            QGuiApplication::clipboard()->setMimeData(Dati("text/plain", c.appunti), m->appunti);
            m->incolla(w);
            EXPECT_EQ(c.modello(), c.atteso);
        }
        // The frequencies' name box takes pasted text too, and so do the
        // Zadu-Rori's cents.
        for (const char* nome : {"TxtNomeDelTemperamento", "TxtCentsEasy_7"}) {
            SCOPED_TRACE(nome);
            auto* w = Trova(QString::fromUtf8(nome));
            w->setFocus();
            SelezionaTutto(w);
            QTest::keyClick(w, Qt::Key_Delete);
            QGuiApplication::clipboard()->setText(QStringLiteral("-2,5"), m->appunti);
            m->incolla(w);
            EXPECT_EQ(Testo(w), QStringLiteral("-2,5"));
        }
    }
}

// A script's clipboard answers once and quits: the box reads the text once,
// so it gets it, and nothing reads the data again (Qt's own insertion did,
// and crashed on data dropped in between). A line edit's context menu reads
// the text to grey its Paste, so there the box is left as it was.
TEST_F(Incolla, AppuntiCheRispondonoUnaVoltaSiLegonoUnaVolta) {
    for (const Modo* m : ModiDellaPiattaforma()) {
        SCOPED_TRACE(m->nome);
        QClipboard::Mode modo = m->appunti;
        for (QClipboard::Mode* svanisce : {static_cast<QClipboard::Mode*>(nullptr), &modo}) {
            SCOPED_TRACE(svanisce ? "dropped at its answer" : "silent after its answer");
            for (const char* nome : {"TxtNomeTemperamento", "TxtDescrizione", "TxtNomeDelTemperamento", "txtFraz_2",
                                     "TxtCentsEasy_4", "TxtMicro_5"}) {
                SCOPED_TRACE(nome);
                auto* w = Trova(QString::fromUtf8(nome));
                ASSERT_NE(w, nullptr);
                w->setFocus();
                SelezionaTutto(w);
                QTest::keyClick(w, Qt::Key_Delete);
                QTest::keyClicks(w, QStringLiteral("99"));
                if (m->appunti == QClipboard::Clipboard) SelezionaTutto(w);
                auto* dati = new Fugace(QStringLiteral("abc"), svanisce);
                QGuiApplication::clipboard()->setMimeData(dati, m->appunti);
                m->incolla(w);
                const bool menuDiRiga = m->menu && qobject_cast<QLineEdit*>(w);
                const QString t = Testo(w);
                if (menuDiRiga) {
                    EXPECT_EQ(t, QStringLiteral("99"));
                } else if (m->appunti == QClipboard::Clipboard) {
                    EXPECT_EQ(t, QStringLiteral("abc"));
                } else {
                    EXPECT_TRUE(t == QStringLiteral("abc99") || t == QStringLiteral("99abc")) << t.toStdString();
                }
                if (!svanisce && !menuDiRiga) {
                    EXPECT_EQ(dati->richieste(), 1);
                }
            }
        }
    }
}

// A drop as a drag from another program ends, onto the area that shows the
// text.
void Lascia(QWidget* w, const QMimeData* dati) {
    QWidget* v = Superficie(w);
    const QPoint p(4, 4);
    QDragEnterEvent entra(p, Qt::CopyAction, dati, Qt::LeftButton, {});
    QApplication::sendEvent(v, &entra);
    QDragMoveEvent muove(p, Qt::CopyAction, dati, Qt::LeftButton, {});
    QApplication::sendEvent(v, &muove);
    QDropEvent lascia(QPointF(p), Qt::CopyAction, dati, Qt::LeftButton, {});
    QApplication::sendEvent(v, &lascia);
}

// A paste or a drop keeps a box to what a file's text holds, as Open does: a
// longer text is cut to what fits, never inside a character or a line break,
// so the name so pasted saves to a file that opens. The window stays quick:
// an unbroken line takes time to lay out that grows with the square of its
// length.
TEST_F(Incolla, UnTestoPiuLungoDiQuelloCheUnFileTieneSiTaglia) {
    const auto L = static_cast<qsizetype>(LunghezzaMassimaTesto);
    const QString cifre(2 * 1024 * 1024, u'7');
    const QString x(L - 1, u'x');
    struct Caso {
        const char* nome;
        QString prima;  // the cursor after it, or all of it selected
        bool tutto;
        QString appunti;
        QString atteso;
    };
    const Caso casi[] = {
        {"2 MB of digits over the whole name", QStringLiteral("Mio"), true, cifre, QString(L, u'7')},
        {"after a text with a line break, saved as CR LF", QStringLiteral("ab\ncd"), false, cifre,
         QStringLiteral("ab\ncd") + QString(L - 6, u'7')},
        {"exactly what fits", x, false, QStringLiteral("a"), x + QStringLiteral("a")},
        {"a line break where one character is left", x, false, QStringLiteral("\r\nz"), x},
        {"a character beyond 16 bits is one", x, false, QStringLiteral("\U0001F600\U0001F600"),
         x + QStringLiteral("\U0001F600")},
        {"a full box takes nothing", x + QStringLiteral("x"), false, QStringLiteral("y"), x + QStringLiteral("x")},
    };
    auto* nome = Trova<QPlainTextEdit>(QStringLiteral("TxtNomeTemperamento"));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        nome->setPlainText(c.prima);
        nome->setFocus();
        if (c.tutto) nome->selectAll();
        else nome->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(c.appunti);
        QTest::keyClick(nome, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(nome->toPlainText(), c.atteso);
        EXPECT_TRUE(LeggiTemperamento(ByteTemperamento(stato_.temperamento)).ok());
    }
    // A drop takes the same limit.
    nome->clear();
    QMimeData dati;
    dati.setText(cifre);
    Lascia(nome, &dati);
    EXPECT_EQ(nome->toPlainText(), QString(L, u'7'));
}

// A drag's data is read once too.
TEST_F(Incolla, UnTrascinatoSiLeggeUnaVolta) {
    for (const char* nome : {"TxtNomeTemperamento", "TxtDescrizione", "TxtNomeDelTemperamento"}) {
        SCOPED_TRACE(nome);
        auto* w = Trova<QPlainTextEdit>(QString::fromUtf8(nome));
        w->clear();
        Fugace dati(QStringLiteral("abc"));
        Lascia(w, &dati);
        EXPECT_EQ(w->toPlainText(), QStringLiteral("abc"));
        EXPECT_EQ(dati.richieste(), 1);
    }
}

// Two texts the same; a long one shown by its ends and its length.
std::string Breve(const QString& s) {
    if (s.size() <= 60) return '"' + s.toStdString() + '"';
    return '"' + s.left(20).toStdString() + "\"...(" + std::to_string(s.size()) + " UTF-16 units)...\"" +
           s.right(20).toStdString() + '"';
}
testing::AssertionResult Uguali(const QString& a, const QString& b) {
    if (a == b) return testing::AssertionSuccess();
    return testing::AssertionFailure() << Breve(a) << " where " << Breve(b) << " was expected";
}

// Every one-line box holds what a file's item holds, however a long text
// comes in: a fraction so pasted saves to a file that opens.
TEST_F(Incolla, OgniCasellaDiUnaRigaTieneQuantoUnaVoce) {
    const auto L = static_cast<qsizetype>(LunghezzaMassimaVoce);
    const QString cifre(100000, u'7');
    std::vector<QLineEdit*> righe;
    for (QWidget* w : caselle())
        if (auto* e = qobject_cast<QLineEdit*>(w)) righe.push_back(e);
    EXPECT_EQ(righe.size(), 12u + 24u + 52u);
    std::vector<std::pair<const char*, std::function<void(QLineEdit*)>>> modi;
    for (const Modo* m : ModiDellaPiattaforma())
        modi.emplace_back(m->nome, [m, &cifre](QLineEdit* e) {
            QGuiApplication::clipboard()->setText(cifre, m->appunti);
            m->incolla(e);
        });
    modi.emplace_back("a drop", [&cifre](QLineEdit* e) {
        QMimeData dati;
        dati.setText(cifre);
        Lascia(e, &dati);
    });
    for (const auto& [nome, incolla] : modi) {
        SCOPED_TRACE(nome);
        for (QLineEdit* e : righe) {
            SCOPED_TRACE(e->objectName().toStdString());
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
            incolla(e);
            EXPECT_TRUE(Uguali(e->text(), QString(L, u'7')));
        }
        EXPECT_TRUE(LeggiTemperamento(ByteTemperamento(stato_.temperamento)).ok());
    }
}

// A box filled to its limit by a paste.
void Riempi(QWidget* w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QString(100000, u'x'));
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

// A key with the text it types.
void Digita(QWidget* w, Qt::Key k, const QString& testo, Qt::KeyboardModifiers m = {}) {
    QTest::sendKeyEvent(QTest::Click, w, k, testo, m);
}

// No key takes a full box past its limit, while the keys that do not add
// text still work there, and so do undo and redo; a key that adds one
// character still fits where there is room for one, a line break (CR LF in
// a file) does not.
TEST_F(Incolla, UnaCasellaPienaNonPrendeAltriTasti) {
    const QString emoji = QStringLiteral("\U0001F600");
    const struct {
        const char* nome;
        qsizetype limite;
    } casi[] = {
        {"TxtNomeTemperamento", static_cast<qsizetype>(LunghezzaMassimaTesto)},
        {"TxtDescrizione", static_cast<qsizetype>(LunghezzaMassimaTesto)},
        {"TxtNomeDelTemperamento", static_cast<qsizetype>(LunghezzaMassimaTesto)},
        {"txtFraz_4", static_cast<qsizetype>(LunghezzaMassimaVoce)},
        {"TxtCentsEasy_2", static_cast<qsizetype>(LunghezzaMassimaVoce)},
        {"TxtMicro_3", static_cast<qsizetype>(LunghezzaMassimaVoce)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        auto* w = Trova(QString::fromUtf8(c.nome));
        ASSERT_NE(w, nullptr);
        Riempi(w);
        const QString pieno(c.limite, u'x');
        ASSERT_TRUE(Uguali(Testo(w), pieno));
        QTest::keyClicks(w, QStringLiteral("ab 1,"));
        Digita(w, Qt::Key_A, QStringLiteral("A"), Qt::ShiftModifier);
        Digita(w, Qt::Key_unknown, emoji);
        Digita(w, Qt::Key_unknown, QStringLiteral("\u200E"));  // a left-to-right mark
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_TRUE(Uguali(Testo(w), pieno));
        if (std::string(c.nome) == "TxtNomeTemperamento") {
            EXPECT_TRUE(LeggiTemperamento(ByteTemperamento(stato_.temperamento)).ok());
        }

        // Room for one character: a line break does not fit, a character
        // beyond 16 bits does.
        QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_TRUE(Uguali(Testo(w), pieno.left(c.limite - 1)));
        Digita(w, Qt::Key_unknown, emoji);
        Digita(w, Qt::Key_B, QStringLiteral("b"));
        EXPECT_TRUE(Uguali(Testo(w), pieno.left(c.limite - 1) + emoji));
        // Undo and redo go back and forth within the limit.
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Uguali(Testo(w), pieno.left(c.limite - 1)));
        QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(Uguali(Testo(w), pieno.left(c.limite - 1) + emoji));
        // Typed over the whole text, a key replaces it.
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, QStringLiteral("-1/4"));
        EXPECT_TRUE(Uguali(Testo(w), QStringLiteral("-1/4")));
    }
}

// What an input method commits is cut to what fits, as a paste is; what it
// shows before committing is not the box's text.
TEST_F(Incolla, UnMetodoDiImmissioneScriveQuantoEntra) {
    const struct {
        const char* caso;
        const char* casella;
        qsizetype spazio;
        QString immesso;
        QString entra;
    } casi[] = {
        {"three of five", "TxtDescrizione", 3, QStringLiteral("\u00E0\u00E8\u00EC\u00F2\u00F9"),
         QStringLiteral("\u00E0\u00E8\u00EC")},
        {"a character beyond 16 bits is one", "TxtNomeTemperamento", 1,
         QStringLiteral("\U0001F600\U0001F600"), QStringLiteral("\U0001F600")},
        {"a line break takes two", "TxtDescrizione", 1, QStringLiteral("\nz"), QString()},
        {"a full box takes nothing", "TxtNomeDelTemperamento", 0, QStringLiteral("z"), QString()},
        {"one-line: three of five", "txtFraz_5", 3, QStringLiteral("12345"), QStringLiteral("123")},
        {"one-line: beyond 16 bits", "TxtCentsEasy_9", 1, QStringLiteral("\U0001F600\U0001F600"),
         QStringLiteral("\U0001F600")},
        {"one-line: a CR LF is not split", "TxtQuinta_2", 1, QStringLiteral("\r\nz"), QString()},
        {"one-line: full", "TxtQuinta_2", 0, QStringLiteral("z"), QString()},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        auto* w = Trova(QString::fromUtf8(c.casella));
        ASSERT_NE(w, nullptr);
        Riempi(w);
        for (qsizetype i = 0; i < c.spazio; ++i) QTest::keyClick(w, Qt::Key_Backspace);
        const QString prima = Testo(w);
        QInputMethodEvent mostra(QStringLiteral("composto"), {});
        QApplication::sendEvent(w, &mostra);
        QInputMethodEvent immetti(QString(), {});
        immetti.setCommitString(c.immesso);
        QApplication::sendEvent(w, &immetti);
        EXPECT_TRUE(Uguali(Testo(w), prima + c.entra));
    }
}

// A box wraps an ordinary text at its blanks, as it always did, also after
// it held a pasted line of digits, which it wraps anywhere.
TEST_F(Incolla, UnTestoComuneVaACapoTraLeParole) {
    const QString parole = QStringLiteral(
        "Temperamento inequabile con quattro quinte ristrette di un quarto di comma pitagorico e le altre giuste "
        "tale che le tonalit\u00E0 vicine suonano pi\u00F9 pure e quelle lontane pi\u00F9 aspre come si sente");
    for (const auto& [apre, chiude, nome] : {std::tuple{"", "", "TxtNomeTemperamento"},
                                             std::tuple{"", "", "TxtDescrizione"},
                                             std::tuple{"cmdMostraFrequenze", "cmdTorna", "TxtNomeDelTemperamento"}}) {
        SCOPED_TRACE(nome);
        if (*apre) Clic(QString::fromUtf8(apre));
        auto* e = Trova<QPlainTextEdit>(QString::fromUtf8(nome));
        ASSERT_NE(e, nullptr);
        for (const QString& t : {QString(LunghezzaMassimaTesto, u'7'), parole}) {
            e->setPlainText(t);
            QCoreApplication::processEvents();
            const QTextLayout* l = e->document()->firstBlock().layout();
            ASSERT_GT(l->lineCount(), 1);
            for (int i = 0; i + 1 < l->lineCount(); ++i) {
                const QTextLine riga = l->lineAt(i);
                EXPECT_LE(riga.naturalTextWidth(), e->viewport()->width());
                if (t == parole) {
                    EXPECT_EQ(t.at(riga.textStart() + riga.textLength() - 1), u' ') << "line " << i;
                }
            }
        }
        if (*chiude) Clic(QString::fromUtf8(chiude));
    }
}

class TempiIncolla : public Incolla {};

TEST_F(TempiIncolla, DueMegaDiCifreNelNomeInMezzoSecondo) {
    auto* nome = Trova<QPlainTextEdit>(QStringLiteral("TxtNomeTemperamento"));
    QGuiApplication::clipboard()->setText(QString(2 * 1024 * 1024, u'7'));
    nome->setFocus();
    nome->selectAll();
    QElapsedTimer t;
    t.start();
    QTest::keyClick(nome, Qt::Key_V, Qt::ControlModifier);
    // Shown, laid out as the window paints it.
    f_->repaint();
    QCoreApplication::processEvents();
    EXPECT_LT(t.elapsed(), 500);
}

}  // namespace
