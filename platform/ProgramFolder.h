#pragma once
#include <QString>

namespace platform {

// The folder that holds the program's executable.
QString programFolder();

} // namespace platform
