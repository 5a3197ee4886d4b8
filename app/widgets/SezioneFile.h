#pragma once
// "Open" (Command6) and "Save" (Command1): temperament files through a
// modal file dialog. The dialog and the message boxes sit behind small
// interfaces so tests can answer a path or Cancel, and Save's question.
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace vk {

class FinestraPrincipale;

inline constexpr const char* TitoloApri = "Apri Temperamento";
inline constexpr const char* TitoloSalva = "Salva Temperamento";
inline constexpr const char* FiltroTemperamenti = "File di testo (*.txt)";

class DialogoFile {
public:
    virtual ~DialogoFile() = default;
    // Modal. The full path chosen, or nullopt for Cancel. `proposto` is a
    // full path: the dialog opens in its folder with its name filled in.
    virtual std::optional<QString> apri(QWidget* genitore, const QString& titolo, const QString& filtro,
                                        const QString& proposto) = 0;
    virtual std::optional<QString> salva(QWidget* genitore, const QString& titolo, const QString& filtro,
                                         const QString& proposto) = 0;
};

// QFileDialog; Save asks before it replaces a file.
class DialogoFileQt : public DialogoFile {
public:
    std::optional<QString> apri(QWidget* genitore, const QString& titolo, const QString& filtro,
                                const QString& proposto) override;
    std::optional<QString> salva(QWidget* genitore, const QString& titolo, const QString& filtro,
                                 const QString& proposto) override;
};

// A warning, shown only for a refused Open and a failed Save; a question,
// asked only before Save writes texts that would read back changed.
class Avvisi {
public:
    virtual ~Avvisi() = default;
    virtual void avviso(QWidget* genitore, const QString& titolo, const QString& testo) = 0;
    // Modal. True for "Sì"; "No", Escape and closing the box are false.
    virtual bool domanda(QWidget* genitore, const QString& titolo, const QString& testo) = 0;
};

class AvvisiQt : public Avvisi {
public:
    void avviso(QWidget* genitore, const QString& titolo, const QString& testo) override;
    bool domanda(QWidget* genitore, const QString& titolo, const QString& testo) override;
};

class SezioneFile : public QObject {
    Q_OBJECT
public:
    explicit SezioneFile(FinestraPrincipale& f);

    void impostaDialogo(std::unique_ptr<DialogoFile> d) { dialogo_ = std::move(d); }
    void impostaAvvisi(std::unique_ptr<Avvisi> a) { avvisi_ = std::move(a); }

    // Command6_Click and Command1_Click.
    void ApriTemperamento();
    void SalvaTemperamento();

private:
    FinestraPrincipale& f_;
    std::unique_ptr<DialogoFile> dialogo_;
    std::unique_ptr<Avvisi> avvisi_;
};

SezioneFile* InstallaSezioneFile(FinestraPrincipale& f);

}  // namespace vk
