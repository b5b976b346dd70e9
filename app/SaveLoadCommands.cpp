// SPDX-License-Identifier: GPL-3.0-or-later
// The Save and Load commands of the certificate window.
#include "app/CertificateWindow.h"
#include "app/FormText.h"
#include "app/LineBufferWindow.h"
#include "controls/DlgSettings.h"
#include "controls/LangDlgs.h"
#include "controls/RichEdit.h"
#include "crypto/Base64.h"
#include "crypto/SecureWipe.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

constexpr int kHungarian = 10;

// Far more than any form's save file (a few hundred bytes): a larger file is not a save.
constexpr size_t kLargestSave = 1 << 20;

// Both messages end in eleven blanks and a full stop, as the users know them.
const std::string kNoSave = platform::fromUtf8("Nincs mentés!           .");
const std::string kWrongPassphrase = platform::fromUtf8("Hibás jelszó!           .");
const std::string kDamaged = platform::fromUtf8("A mentés sérült, nem tölthető be.");

// Scrubs a pass phrase from memory when the command ends, however it ends.
struct Passphrase {
    std::string text;
    ~Passphrase() { crypto::secureWipe(text); }
};

} // namespace

QString TForm1::SaveFilePath() const {
    return QDir(saveFolder_).filePath(QStringLiteral("KF2718.txt"));
}

void TForm1::Kitltsmentse1Click() {
    ComposeFormText();
    controls::DlgButtonScheme = 8;
    controls::DlgPanelScheme = 4;
    controls::DlgSpareScheme = 4;
    controls::DlgLanguage = kHungarian;
    Passphrase passphrase;
    controls::LangInputQuery(platform::fromUtf8("Kérek egy jelszót!"),
                             platform::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd:"),
                             "", passphrase.text);
    if (passphrase.text.empty())
        return;
    SaveFormText(SaveFilePath(), passphrase.text);
}

void TForm1::SaveFormText(const QString& path, std::string_view passphrase) {
    RijndaelCipher1.SetKeyFromPassphrase(passphrase);
    controls::TRichEdit& buffer = *form3_->RichEdit4;
    buffer.SetText(RijndaelCipher1.EncryptText(buffer.Text()));
    // The user's data folder of a first Save may not exist yet.
    platform::createPrivateFolder(QFileInfo(path).absolutePath());
    // The save file is the Base64 line alone, without a line break.
    platform::writeFileAtomically(path, buffer.Count() ? buffer.Line(0) : std::string());
}

void TForm1::Kitltttrlapbetltse1Click() {
    controls::DlgLanguage = kHungarian;
    Passphrase passphrase;
    // A cancelled dialog goes on with the empty pass phrase, which no save ever has.
    controls::LangInputQuery(platform::fromUtf8("Jelszóellenőrzés"),
                             platform::fromUtf8("Kérem a jelszót"), "", passphrase.text);
    switch (LoadFormFile(SaveFilePath(), passphrase.text)) {
    case LoadResult::NoSaveFile:
        controls::LangShowMessage(kNoSave);
        break;
    case LoadResult::WrongPassphrase:
        controls::LangShowMessage(kWrongPassphrase);
        break;
    case LoadResult::Damaged:
        controls::LangShowMessage(kDamaged);
        break;
    case LoadResult::Loaded:
        break;
    }
}

TForm1::LoadResult TForm1::LoadFormFile(const QString& path, std::string_view passphrase) {
    if (!QFileInfo::exists(path))
        return LoadResult::NoSaveFile;
    const std::string content = platform::readWholeFile(path, kLargestSave);
    controls::TRichEdit& buffer = *form3_->RichEdit4;
    buffer.SetText(content);
    RijndaelCipher1.SetKeyFromPassphrase(passphrase);
    // A line break that an editor added at the end of the file is not part of the Base64 text.
    bool asWritten = false;
    std::string formText =
        RijndaelCipher1.DecryptText(crypto::withoutFinalLineBreak(content), asWritten);
    buffer.SetText(formText);
    // The decrypted form text leaves the buffer when the command ends, however it ends.
    struct Wiped {
        controls::TRichEdit& buffer;
        ~Wiped() { buffer.Clear(); }
    } wiped{buffer};
    LoadResult result = LoadResult::Loaded;
    // A damaged first block cannot be told from a wrong pass phrase; a damage further on shows in
    // the cipher text's or the form text's shape, before any field is touched.
    if (buffer.Count() == 0 || buffer.Line(0) != kFormTextMarker)
        result = LoadResult::WrongPassphrase;
    else if (!asWritten || !IsWellFormedFormText(Components(), formText))
        result = LoadResult::Damaged;
    crypto::secureWipe(formText);
    if (result == LoadResult::Loaded)
        RestoreFormText();
    return result;
}

} // namespace app
