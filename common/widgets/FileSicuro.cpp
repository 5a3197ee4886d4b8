#include "common/widgets/FileSicuro.h"

#include <QSaveFile>

namespace vk {

bool ScriviFileSicuro(const QString& percorso, std::string_view byte, QString* errore) {
    QSaveFile file(percorso);
    const auto n = static_cast<qint64>(byte.size());
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(byte.data(), n) == n && file.commit();
    if (!ok && errore) *errore = file.errorString();
    return ok;
}

}  // namespace vk
