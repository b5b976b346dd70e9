#include "platform/ProgramFolder.h"

#include <QCoreApplication>

namespace platform {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
