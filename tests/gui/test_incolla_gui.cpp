// Ctrl+V in every text box of the program, whatever the clipboard holds:
// nothing without text is pasted (a bare QPlainTextEdit of this Qt crashes
// on clipboard data with no format at all), and text still pastes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

namespace {

struct Appunti {
    const char* nome;
    std::function<void(QClipboard*)> prepara;
};

QMimeData* Dati(const char* formato, const QByteArray& byte) {
    auto* d = new QMimeData;
    d->setData(QString::fromLatin1(formato), byte);
    return d;
}

// What "nothing to paste" may look like.
const Appunti Vuoti[] = {
    {"cleared", [](QClipboard* c) { c->clear(); }},
    {"no format", [](QClipboard* c) { c->setMimeData(new QMimeData); }},
    {"another kind", [](QClipboard* c) { c->setMimeData(Dati("application/x-altro", "xx")); }},
    {"empty text", [](QClipboard* c) { c->setMimeData(Dati("text/plain", {})); }},
};

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
    void TearDown() override { QGuiApplication::clipboard()->clear(); }
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

TEST_F(Incolla, CtrlVSenzaTestoNonCambiaNessunaCasella) {
    const auto v = caselle();
    // The main page's two, the frequencies' name, the twelve fractions, the
    // Zadu-Rori's 24 and the conversion panel's 52.
    EXPECT_EQ(v.size(), 3u + 12u + 24u + 52u);
    for (const Appunti& a : Vuoti) {
        SCOPED_TRACE(a.nome);
        a.prepara(QGuiApplication::clipboard());
        for (QWidget* w : v) {
            SCOPED_TRACE(w->objectName().toStdString());
            const QString prima = Testo(w);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(Testo(w), prima);
        }
    }
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
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.casella);
        auto* w = Trova(QString::fromUtf8(c.casella));
        ASSERT_NE(w, nullptr);
        QGuiApplication::clipboard()->setMimeData(Dati("text/plain", c.appunti));
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.modello(), c.atteso);
    }
    // The frequencies' name box takes pasted text too.
    auto* nome = Trova<QPlainTextEdit>(QStringLiteral("TxtNomeDelTemperamento"));
    QGuiApplication::clipboard()->setText(QStringLiteral("altro"));
    nome->selectAll();
    QTest::keyClick(nome, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nome->toPlainText(), QStringLiteral("altro"));
}

}  // namespace
