// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate window: the employer's section (I) and the employee's section (II) with their
// fields, and the menu with the program's four commands.
#include "crypto/RijndaelCipher.h"
#include "platform/CpuId.h"
#include "report/RpReport.h"

#include <QMainWindow>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QScrollArea;

namespace controls {
class TEdit;
class TNumEdit;
class TStyledMainMenu;
class TUiFill;
} // namespace controls

namespace app {

class BevelPanel;
class TForm3;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's components in creation order: the order in which the form text lists them.
    const std::vector<QObject*>& Components() const { return components_; }
    QObject* FindComponent(std::string_view name) const; // ignores the case of ASCII letters
    // Places a further component at the end of the list, as a form designer would.
    void AddComponent(QObject* component) { components_.push_back(component); }

    // The hidden window whose two line buffers the Save and Load commands use.
    void SetLineBuffers(TForm3* form3) { form3_ = form3; }
    TForm3* LineBuffers() const { return form3_; }

    void ComposeFormText();
    void RestoreFormText();

    // The one save file, "KF2718.txt" in platform::saveFolder() (tests use another folder).
    QString SaveFilePath() const;
    void SetSaveFolder(const QString& folder) { saveFolder_ = folder; }

    // Save: the form text, encrypted with a pass phrase the user types, replaces the save file.
    void Kitltsmentse1Click();
    // Load: the save file, decrypted with the pass phrase the user types, sets the fields.
    void Kitltttrlapbetltse1Click();
    // Save's work after the question: the form text composed in the second line buffer,
    // encrypted with the pass phrase, replaces the file at path (or the old file stays whole).
    void SaveFormText(const QString& path, std::string_view passphrase);
    // Load's work without its dialogs: the file at path decrypted with the pass phrase. A file
    // whose cipher text or form text Save could not have written is Damaged and sets no field;
    // malformed Base64 and a file too short raise the cipher's errors.
    enum class LoadResult { Loaded, NoSaveFile, WrongPassphrase, Damaged };
    LoadResult LoadFormFile(const QString& path, std::string_view passphrase);

    // Print: computes the certificate identifier from the employee's name, prepares the template
    // and shows it in the preview, from which it prints.
    void Nyomtats1Click();
    // Print's work before the preview: the identifier and the preparation (appended to the pages
    // prepared before when discardPrevious is false). True when the preparation had no error.
    bool PrepareCertificate(bool discardPrevious);
    // The report's variables, answered from the fields as they are at the moment of the call.
    void rpReport1GetValue(const std::string& VarName, report::TrpVariant& Value);
    // The identifier of the last Print that had an employee's name (empty before).
    const std::string& CertificateId() const { return certificateId_; }
    // Back to the empty identifier of a window that has not printed yet.
    void ForgetCertificateId() { certificateId_.clear(); }
    // Where Print reads the processor's identification (tests give fixed values).
    std::function<platform::CpuIdLeaf1()> ReadProcessorId = platform::readCpuIdLeaf1;
    // Shows the prepared report: the preview window (tests put their own check in its place).
    std::function<void(report::TrpReport&)> OpenPreview;

    // Exit: ends the process at once, without a question and without the window's close handling.
    void Kilps1Click();
    // One wheel notch: scrolls the window by 20 pixels, within the scroll range.
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    // Section highlight: the section that the focus entered shows the active colours.
    void Panel2Enter();
    void Panel3Enter();

    QScrollArea* ScrollBox() const { return scrollBox_; }

    BevelPanel* Panel1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    BevelPanel* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    controls::TUiFill* UiFill1 = nullptr;
    QLabel* Label3 = nullptr;
    controls::TEdit* Edit1 = nullptr;
    controls::TEdit* Edit2 = nullptr;
    BevelPanel* Panel3 = nullptr;
    controls::TUiFill* UiFill2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    controls::TEdit* Edit3 = nullptr;
    controls::TEdit* Edit4 = nullptr;
    controls::TEdit* Edit5 = nullptr;
    controls::TNumEdit* NumEdit1 = nullptr;
    controls::TEdit* Edit6 = nullptr;
    controls::TNumEdit* NumEdit2 = nullptr;
    controls::TEdit* Edit7 = nullptr;
    controls::TStyledMainMenu* StyledMainMenu1 = nullptr;
    QAction* Nyomtats1 = nullptr;
    QAction* Kitltsmentse1 = nullptr;
    QAction* Kitltttrlapbetltse1 = nullptr;
    QAction* Kilps1 = nullptr;
    crypto::TRijndaelCipher RijndaelCipher1; // ECB, 128-bit key
    report::TrpReport rpReport1;             // the certificate template

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    template <class T>
    T* add(T* component, const char* name);
    void createComponents(QWidget* content);
    void nameFields();
    void createMenu();
    void setTabOrder();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool scrollByWheel(QWheelEvent* event);

    std::vector<QObject*> components_;
    QScrollArea* scrollBox_ = nullptr;
    TForm3* form3_ = nullptr;
    QString saveFolder_;
    std::string certificateId_;
    int wheelRemainder_ = 0;
    bool shownOnce_ = false;
};

} // namespace app
