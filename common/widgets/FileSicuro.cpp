#include "common/widgets/FileSicuro.h"

#include <QFile>

#include "common/ScritturaFile.h"

namespace vk {

bool ScriviFileSicuro(const QString& percorso, std::string_view byte, QString* errore) {
    std::string motivo;
    const bool ok = ScriviByte(std::filesystem::path(QFile::encodeName(percorso).toStdString()), byte, &motivo);
    if (!ok && errore) *errore = QString::fromLocal8Bit(motivo.c_str());
    return ok;
}

}  // namespace vk
