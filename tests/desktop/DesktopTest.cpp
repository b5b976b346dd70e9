// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a desktop with a window manager, as a clerk meets it: started in hu_HU,
// typed into with the keyboard, read back from the screen (screenshots judged by pixel rules),
// from the window manager's properties and from the clipboard.
#include "DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

DesktopSession* session = nullptr;

// The window's design, relative to Panel1's top-left corner.
constexpr QRgb kPanelColor = qRgb(234, 229, 207);
constexpr QPoint kPanel2(24, 64), kPanel3(24, 192);

struct Field {
    const char* name;
    QRect rect;
};
// In tab order.
const Field kFields[] = {
    {"Edit1", QRect(kPanel2 + QPoint(64, 48), QSize(625, 21))},
    {"Edit2", QRect(kPanel2 + QPoint(64, 72), QSize(625, 21))},
    {"Edit3", QRect(kPanel3 + QPoint(64, 48), QSize(257, 21))},
    {"Edit6", QRect(kPanel3 + QPoint(432, 48), QSize(257, 21))},
    {"Edit7", QRect(kPanel3 + QPoint(64, 72), QSize(625, 21))},
    {"Edit4", QRect(kPanel3 + QPoint(104, 112), QSize(585, 21))},
    {"Edit5", QRect(kPanel3 + QPoint(192, 152), QSize(145, 21))},
    {"NumEdit1", QRect(kPanel3 + QPoint(432, 192), QSize(100, 21))},
    {"NumEdit2", QRect(kPanel3 + QPoint(192, 216), QSize(100, 21))},
};

QRect fieldRect(const char* name) {
    for (const Field& f : kFields)
        if (std::string_view(f.name) == name)
            return f.rect;
    return {};
}

// The labels that end in ":" with a field on their right.
struct Label {
    const char* name;
    QPoint at;
    const char* field;
};
const Label kLabels[] = {
    {"Label3", kPanel2 + QPoint(24, 48), "Edit1"},
    {"Label1", kPanel2 + QPoint(24, 72), "Edit2"},
    {"Label2", kPanel3 + QPoint(24, 48), "Edit3"},
    {"Label8", kPanel3 + QPoint(328, 48), "Edit6"},
    {"Label13", kPanel3 + QPoint(24, 72), "Edit7"},
    {"Label4", kPanel3 + QPoint(24, 112), "Edit4"},
    {"Label5", kPanel3 + QPoint(24, 152), "Edit5"},
    {"Label6", kPanel3 + QPoint(24, 192), "NumEdit1"},
    {"Label11", kPanel3 + QPoint(24, 216), "NumEdit2"},
};

bool isInk(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c) < 450;
}

// A screenshot of the window, with the design's coordinates.
class FormPicture {
public:
    explicit FormPicture(QImage image) : image_(std::move(image)) { findPanel1(); }

    bool FoundPanel1() const { return found_; }
    QRgb At(QPoint designPoint) const { return image_.pixel(panel1_ + designPoint); }

    // The caption of section I (UiFill1) or II (UiFill2): active is a yellow-to-orange gradient,
    // inactive a flat grey.
    bool CaptionActive(QPoint panel) const {
        const QRgb top = At(panel + QPoint(690, 4)), bottom = At(panel + QPoint(690, 22));
        return qGreen(top) > 200 && qBlue(top) > 100 && qRed(bottom) > 220 &&
               qGreen(bottom) < 180 && qBlue(bottom) < 70;
    }
    bool CaptionInactive(QPoint panel) const {
        return At(panel + QPoint(690, 4)) == qRgb(210, 207, 190) &&
               At(panel + QPoint(690, 22)) == qRgb(210, 207, 190);
    }

    // Pixels of the selection's highlight inside a field (its frame left out).
    int SelectionPixels(const QRect& field) const {
        int n = 0;
        for (const QPoint& p : inside(field.adjusted(3, 3, -3, -3))) {
            const QRgb c = At(p);
            n += qBlue(c) > 150 && qRed(c) < 120;
        }
        return n;
    }

    // How wide the text drawn inside a field is.
    int InkWidth(const QRect& field) const {
        int left = INT_MAX, right = -1;
        for (const QPoint& p : inside(field.adjusted(3, 3, -3, -3)))
            if (isInk(At(p))) {
                left = std::min(left, p.x());
                right = std::max(right, p.x());
            }
        return right < 0 ? 0 : right - left + 1;
    }

    // The rightmost column of label ink left of the field, within the label's row.
    int LabelInkEnd(const Label& label, const QRect& field) const {
        int end = -1;
        for (int x = label.at.x(); x < field.left(); ++x)
            for (int y = label.at.y(); y < label.at.y() + 18; ++y)
                if (isInk(At(QPoint(x, y))))
                    end = x;
        return end;
    }

    // The runs of ink rows in the label's last two ink columns: a visible ":" is two dots.
    int ColonDots(const Label& label, int inkEnd) const {
        int runs = 0;
        bool inRun = false;
        for (int y = label.at.y() - 1; y < label.at.y() + 19; ++y) {
            const bool ink = isInk(At(QPoint(inkEnd, y))) || isInk(At(QPoint(inkEnd - 1, y)));
            runs += ink && !inRun;
            inRun = ink;
        }
        return runs;
    }

    QPoint ScreenPoint(QPoint designPoint) const { return panel1_ + designPoint; }
    const QImage& Image() const { return image_; }

private:
    static std::vector<QPoint> inside(const QRect& r) {
        std::vector<QPoint> points;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                points.emplace_back(x, y);
        return points;
    }

    // Panel1 is the panel colour inside a one-pixel bevel: its first pixel of that colour with
    // more of it to the right and below is Panel1's corner plus one.
    void findPanel1() {
        for (int y = 0; y + 60 < image_.height() && !found_; ++y)
            for (int x = 1; x + 60 < image_.width() && !found_; ++x)
                if (image_.pixel(x, y) == kPanelColor && image_.pixel(x + 50, y) == kPanelColor &&
                    image_.pixel(x, y + 50) == kPanelColor &&
                    image_.pixel(x - 1, y) != kPanelColor) {
                    panel1_ = QPoint(x - 1, y - 1);
                    found_ = true;
                }
    }

    QImage image_;
    QPoint panel1_;
    bool found_ = false;
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!session->Running())
            GTEST_SKIP() << "desktop test skipped: " << session->Skipped().toStdString();
        // A copy of the program in a folder of its own, which then holds its save file.
        ASSERT_TRUE(folder_.isValid());
        program_ = folder_.filePath(QStringLiteral("kf2718"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KF2718_PROGRAM), program_));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), session->Display());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("hu_HU.UTF-8"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("hu_HU.UTF-8"));
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        process_.setProcessEnvironment(environment);
        process_.start(program_, {});
        ASSERT_TRUE(process_.waitForStarted());
        ASSERT_TRUE(WaitUntil([&] { return (window_ = session->FindWindow(kMainTitle)) != 0; }))
            << "the window did not appear";
        ASSERT_TRUE(WaitUntil([&] { return session->FocusedWindow() == window_; }))
            << "the window did not get the focus";
    }

    void TearDown() override {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    FormPicture Screenshot(const char* name = nullptr) const {
        QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        // For a person to look at: KF_DESKTOP_SCREENSHOTS names a folder.
        if (const QString shots = qEnvironmentVariable("KF_DESKTOP_SCREENSHOTS");
            name && !shots.isEmpty())
            image.save(QDir(shots).filePath(QString::fromLatin1(name) + ".png"));
        return FormPicture(std::move(image));
    }

    // The fields of a save file, read with the program's own command line: exported to PDF with
    // the pass phrase and the PDF's text taken out (pdftotext).
    QString SavedText(const QString& passphrase) const {
        QProcess exporter;
        exporter.start(program_, {"--load", folder_.filePath("KF2718.txt"), "--pdf",
                                  folder_.filePath("saved.pdf")});
        exporter.write((passphrase + "\n").toUtf8());
        exporter.closeWriteChannel();
        if (!exporter.waitForFinished(30000) || exporter.exitCode() != 0)
            return {};
        return session
            ->Run(QStringLiteral("pdftotext"),
                  {"-enc", "UTF-8", folder_.filePath("saved.pdf"), "-"})
            .simplified();
    }

    void Menu(int item) const {
        QStringList keys{"alt"};
        for (int i = 0; i < item; ++i)
            keys << "Right";
        session->Keys(keys << "Return");
    }

    // Waits for a dialog and for it to have the keyboard.
    qulonglong WaitForDialog(const QString& titleRegex) const {
        qulonglong dialog = 0;
        EXPECT_TRUE(WaitUntil([&] { return (dialog = session->FindWindow(titleRegex)) != 0; }))
            << "no window " << titleRegex.toStdString();
        EXPECT_TRUE(WaitUntil([&] { return session->FocusedWindow() == dialog; }));
        return dialog;
    }
    // Answers a dialog with Enter and waits until it is gone and the window has the keyboard.
    bool Answer(const QString& titleRegex) const {
        session->Keys({"Return"});
        return WaitUntil([&] { return session->FindWindow(titleRegex) == 0; }) &&
               WaitUntil([&] { return session->FocusedWindow() == window_; });
    }

    static inline const QString kMainTitle = QStringLiteral("^Elektronikus nyomtatv");
    static inline const QString kSaveTitle = QStringLiteral("^K.{1,2}rek egy jelsz");
    static inline const QString kLoadTitle = QStringLiteral("^Jelsz.{1,2}ellen");
    static inline const QString kMessageTitle = QStringLiteral("^Inform.{1,2}ci.{1,2}$");
    QTemporaryDir folder_;
    QString program_;
    QProcess process_;
    qulonglong window_ = 0;
};

} // namespace

TEST_F(Desktop, StartsMaximizedWithTheFirstFieldSelectedAndTabGoesRoundTheNineFields) {
    const QString state = session->Property(window_, "_NET_WM_STATE");
    EXPECT_TRUE(state.contains("_NET_WM_STATE_MAXIMIZED_VERT") &&
                state.contains("_NET_WM_STATE_MAXIMIZED_HORZ"))
        << state.toStdString();

    const FormPicture start = Screenshot("window-at-start");
    ASSERT_TRUE(start.FoundPanel1());
    EXPECT_TRUE(start.CaptionActive(kPanel2));
    EXPECT_TRUE(start.CaptionInactive(kPanel3));
    // Edit1's "-" is selected, Edit2's is not.
    EXPECT_GT(start.SelectionPixels(fieldRect("Edit1")), 10);
    EXPECT_EQ(start.SelectionPixels(fieldRect("Edit2")), 0);
    // Every label's ":" shows, with desk between it and its field.
    for (const Label& label : kLabels) {
        const QRect field = fieldRect(label.field);
        const int end = start.LabelInkEnd(label, field);
        EXPECT_LE(end, field.left() - 3) << label.name << " runs up to its field";
        EXPECT_EQ(start.ColonDots(label, end), 2) << label.name << " shows no whole \":\"";
    }

    // Tab enters each field with its text selected ("-" and the numeric edits' "0"), so that
    // typing replaces it; empty fields have nothing to select.
    const std::map<std::string, QString> typed = {
        {"Edit1", QString::fromUtf8("Árvíztűrő Tükörfúrógép Kft.")},
        {"Edit2", QString::fromUtf8("Fő utca 1.")},
        {"Edit3", QString::fromUtf8("Kiss Ödön")},
        {"Edit6", QString::fromUtf8("Nagy Éva")},
        {"Edit7", QString::fromUtf8("Tér 2.")},
        {"Edit4", QString::fromUtf8("könyvelő")},
        {"Edit5", QString::fromUtf8("2001. május")},
        {"NumEdit1", QStringLiteral("123456")},
        {"NumEdit2", QStringLiteral("5000")}};
    for (const Field& field : kFields) {
        if (field.name != std::string_view("Edit1")) {
            session->Keys({"Tab"});
            const FormPicture entered = Screenshot();
            const bool hasText = std::string_view(field.name) == "Edit2" ||
                                 std::string_view(field.name).starts_with("NumEdit");
            if (hasText) {
                EXPECT_GT(entered.SelectionPixels(field.rect), 10) << field.name;
            }
            if (field.name == std::string_view("Edit3")) {
                EXPECT_TRUE(entered.CaptionActive(kPanel3)) << "section II not highlighted";
                EXPECT_TRUE(entered.CaptionInactive(kPanel2));
            }
        }
        session->Type(typed.at(field.name));
    }
    // Each of the nine fields took its text: no Tab went to a stop outside them.
    const FormPicture filled = Screenshot("window-filled");
    for (const Field& field : kFields)
        EXPECT_GT(filled.InkWidth(field.rect), 20) << field.name << " got no text";
    // The ninth Tab is back in Edit1, its whole text selected; Shift+Tab goes back to NumEdit2.
    session->Keys({"Tab"});
    const FormPicture back = Screenshot();
    EXPECT_GT(back.SelectionPixels(fieldRect("Edit1")), 1000);
    EXPECT_EQ(back.SelectionPixels(fieldRect("NumEdit2")), 0);
    EXPECT_TRUE(back.CaptionActive(kPanel2));
    EXPECT_TRUE(back.CaptionInactive(kPanel3));
    session->Keys({"shift+Tab"});
    const FormPicture backwards = Screenshot();
    EXPECT_GT(backwards.SelectionPixels(fieldRect("NumEdit2")), 10);
    EXPECT_EQ(backwards.SelectionPixels(fieldRect("Edit1")), 0);

    // What was typed, accented letters included, is what the window holds: saved and read back.
    Menu(1); // Űrlap mentése
    WaitForDialog(kSaveTitle);
    session->Type(QStringLiteral("titok"));
    ASSERT_TRUE(Answer(kSaveTitle));
    ASSERT_TRUE(QFile::exists(folder_.filePath("KF2718.txt")));
    const QString saved = SavedText(QStringLiteral("titok"));
    for (const auto& [name, text] : typed)
        if (!name.starts_with("NumEdit")) {
            EXPECT_TRUE(saved.contains(text)) << name << ": " << saved.toStdString();
        }
    EXPECT_TRUE(saved.contains(QStringLiteral("123 456"))) << saved.toStdString();
}

TEST_F(Desktop, PrintShowsThePreviewOwnedByTheWindowAndEscClosesIt) {
    const QString preview = QStringLiteral("^El.{1,2}k.{1,2}p$");
    Menu(0); // Nyomtatás
    const qulonglong shown = WaitForDialog(preview);
    ASSERT_NE(shown, 0u);
    const QString owner = session->Property(shown, "WM_TRANSIENT_FOR");
    EXPECT_TRUE(owner.endsWith(QStringLiteral("0x") + QString::number(window_, 16)))
        << owner.toStdString();
    const QString state = session->Property(shown, "_NET_WM_STATE");
    EXPECT_TRUE(state.contains("_NET_WM_STATE_MODAL")) << state.toStdString();
    EXPECT_TRUE(state.contains("_NET_WM_STATE_MAXIMIZED_HORZ")) << state.toStdString();
    Screenshot("preview");
    session->Keys({"Escape"});
    EXPECT_TRUE(WaitUntil([&] { return session->FindWindow(preview) == 0; }));
    EXPECT_TRUE(WaitUntil([&] { return session->FocusedWindow() == window_; }));
}

TEST_F(Desktop, SaveAndLoadGoThroughTheirDialogs) {
    const auto save = [&](const QString& passphrase) {
        QFile::remove(folder_.filePath("KF2718.txt"));
        Menu(1); // Űrlap mentése
        WaitForDialog(kSaveTitle);
        session->Type(passphrase);
        EXPECT_TRUE(Answer(kSaveTitle));
        EXPECT_TRUE(QFile::exists(folder_.filePath("KF2718.txt")));
    };
    const auto load = [&](const QString& passphrase) {
        Menu(2); // Kitöltött űrlap betöltése
        WaitForDialog(kLoadTitle);
        session->Type(passphrase);
        EXPECT_TRUE(Answer(kLoadTitle));
    };
    // Without a save file, Load asks for the pass phrase and then says there is none.
    Menu(2);
    WaitForDialog(kLoadTitle);
    session->Keys({"Return"});
    WaitForDialog(kMessageTitle);
    Screenshot("no-save-file");
    EXPECT_TRUE(Answer(kMessageTitle));

    // The keyboard is back in Edit1, its "-" still selected.
    session->Type(QStringLiteral("Mentett Kft."));
    save(QStringLiteral("titok"));
    const FormPicture form = Screenshot();
    ASSERT_TRUE(form.FoundPanel1());
    const QPoint edit1 = form.ScreenPoint(fieldRect("Edit1").center());
    session->Click(edit1.x(), edit1.y());
    session->Keys({"ctrl+a"});
    session->Type(QStringLiteral("Másik"));

    // A wrong pass phrase is told in a message and changes nothing; the right one brings the
    // saved text back into the window, which a further save shows.
    Menu(2);
    WaitForDialog(kLoadTitle);
    session->Type(QStringLiteral("rossz"));
    session->Keys({"Return"});
    WaitForDialog(kMessageTitle);
    Screenshot("wrong-passphrase");
    EXPECT_TRUE(Answer(kMessageTitle));
    load(QStringLiteral("titok"));
    save(QStringLiteral("masik"));
    const QString saved = SavedText(QStringLiteral("masik"));
    EXPECT_TRUE(saved.contains(QStringLiteral("Mentett Kft."))) << saved.toStdString();
    EXPECT_FALSE(saved.contains(QString::fromUtf8("Másik"))) << saved.toStdString();

    Menu(3); // Kilépés
    EXPECT_TRUE(process_.waitForFinished(10000));
    EXPECT_EQ(process_.exitCode(), 0);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the cases first; that needs no X server.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // The server first: this program reads the screen and the clipboard on its display.
    DesktopSession desktop;
    session = &desktop;
    qputenv("QT_QPA_PLATFORM", desktop.Running() ? "xcb" : "offscreen");
    QGuiApplication application(argc, argv);
    if (!desktop.Running())
        std::printf("desktop test skipped: %s\n", qPrintable(desktop.Skipped()));
    return RUN_ALL_TESTS();
}
