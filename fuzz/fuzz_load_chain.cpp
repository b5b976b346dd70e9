// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way of a save file into print: a form text, encrypted as Save encrypts it, is loaded
// (decryption, the shape check, restoring the fields), prepared and drawn. Any text must end in a
// loaded form or a refusal, never in a crash.
#include "CertificateDrawing.h"

#include "crypto/CipherException.h"
#include "platform/Error.h"
#include "platform/Files.h"

#include <QDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startOffscreen(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    app::TForm1& w = *fuzzing::certificate().form1;
    static const QString path =
        QDir::temp().filePath(QStringLiteral("fuzz_load_chain-%1.txt").arg(getpid()));
    w.RijndaelCipher1.SetKeyFromPassphrase("titok");
    platform::writeFileAtomically(path, w.RijndaelCipher1.EncryptText(std::string_view(
                                            reinterpret_cast<const char*>(data), size)));
    try {
        if (w.LoadFormFile(path, "titok") == app::TForm1::LoadResult::Loaded)
            fuzzing::printCertificate();
    } catch (const platform::Error&) {
        // A number in the form text that does not convert: the clean failure.
    }
    return 0;
}
