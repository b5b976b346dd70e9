// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LangDlgs.h"
#include "platform/MulDiv.h"

#include "controls/Cp1250Validator.h"
#include "controls/DialogUnits.h"
#include "controls/LanguageTable.h"
#include "controls/SchemeButton.h"
#include "controls/SchemePanel.h"

#include "platform/Cp1250.h"
#include "platform/FieldLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

namespace controls {

using platform::MulDiv;
namespace {

struct ButtonKindInfo {
    const char* name;
    int modalResult; // 0: the button closes nothing
};

constexpr std::array<ButtonKindInfo, 11> buttonKinds = {{
    {"Yes", mrYes},
    {"No", mrNo},
    {"OK", mrOk},
    {"Cancel", mrCancel},
    {"Abort", mrAbort},
    {"Retry", mrRetry},
    {"Ignore", mrIgnore},
    {"All", mrAll},
    {"NoToAll", mrNoToAll},
    {"YesToAll", mrYesToAll},
    {"Help", mrNone},
}};

constexpr int maxInputLength = 255;
constexpr int iconSize = 32;

int validLanguage(int language) {
    return language >= 0 && language < languageCount ? language : 0;
}

std::optional<QStyle::StandardPixmap> iconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case mtError:
        return QStyle::SP_MessageBoxCritical;
    case mtInformation:
        return QStyle::SP_MessageBoxInformation;
    case mtConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    case mtCustom:
        break;
    }
    return std::nullopt;
}

// The first of the candidates that the set holds; -1 when it holds none of them.
int firstIn(TMsgDlgButtons buttons, std::initializer_list<TMsgDlgButtonKind> candidates) {
    for (const TMsgDlgButtonKind kind : candidates)
        if (buttons.contains(kind))
            return kind;
    return -1;
}

QRect screenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

// bsDialog: caption bar with close box, fixed size. bsNone: no frame at all.
void setFrame(QWidget& form, bool bordered) {
    const QPoint position = form.pos();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (bordered)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint;
    else
        flags |= Qt::FramelessWindowHint;
    form.setWindowFlags(flags);
    form.move(position);
}

// The window centred on the screen by its outer size (frame included where the platform knows it).
void centreOnScreen(QWidget& form) {
    const QRect screen = screenRect();
    const QSize outer = form.frameGeometry().size();
    form.move(screen.width() / 2 - outer.width() / 2, screen.height() / 2 - outer.height() / 2);
}

// With DlgSchemePanel a client-aligned TSchemePanel holds the content, else the form itself.
QWidget* makeContainer(TMessageForm& form, const char* panelName) {
    if (!DlgSchemePanel)
        return &form;
    auto* panel = new TSchemePanel(&form);
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setCaption({});
    panel->setColorScheme(DlgPanelScheme <= TSchemePanel::csSun
                              ? static_cast<TSchemePanel::TColorScheme>(DlgPanelScheme)
                              : TSchemePanel::csCustom);
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    return panel;
}

QPushButton* makeButton(QWidget* container, const QString& caption, int modalResult,
                        TMessageForm& form) {
    QPushButton* button;
    if (DlgSchemeButtons) {
        auto* scheme = new TSchemeButton(container);
        scheme->setColorScheme(DlgButtonScheme <= TSchemeButton::csCustom
                                   ? static_cast<TSchemeButton::TColorScheme>(DlgButtonScheme)
                                   : TSchemeButton::csCustom);
        button = scheme;
    } else {
        button = new QPushButton(container);
    }
    button->setText(caption);
    if (modalResult != mrNone)
        QObject::connect(button, &QPushButton::clicked, &form,
                         [&form, modalResult] { form.done(modalResult); });
    return button;
}

// The last step of building either dialog. The platform the settings come from sizes windows by
// their outer size and shrinks a formerly framed window by the 35 pixels of its dialog frame;
// here windows are sized by their client area, which therefore keeps its size.
void applyRoundedOutline(TMessageForm& form) {
    if (!DlgRounded || DlgSchemePanel)
        return;
    setFrame(form, false);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(form.size())), DlgCornerSize / 2.0,
                           DlgCornerSize / 2.0);
    form.setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

} // namespace

std::unique_ptr<TMessageForm> CreateLangMessageDialog(const std::string& message, TMsgDlgType type,
                                                      TMsgDlgButtons buttons, int language) {
    language = validLanguage(language);
    const TInternationalRec& row = LanguageTable[static_cast<size_t>(language)];
    auto form = std::make_unique<TMessageForm>();
    QWidget* container = makeContainer(*form, "ThePanel");
    setFrame(*form, DlgBordered);

    const auto [cx, cy] = averageCharSize(form->font());
    const int hm = MulDiv(8, cx, 4), vm = MulDiv(8, cy, 8);
    const int hs = MulDiv(10, cx, 4), vs = MulDiv(10, cy, 8);
    const int bw = MulDiv(50, cx, 4), bh = MulDiv(14, cy, 8), bs = MulDiv(4, cx, 4);

    // The text is drawn in DlgFont but measured in the form's font, which is narrower than the
    // bold DlgFont: measured so, the messages' run of blanks before their final "." left no room
    // for the "." on the line. The text's rectangle is therefore the larger of the two measures,
    // so that a line that fits in the form's font fits as it is drawn as well.
    const QString text = platform::toUnicode(message);
    const int maxWidth = screenRect().width() / 2;
    const QSize textSize = wrappedTextSize(form->font(), maxWidth, text)
                               .expandedTo(wrappedTextSize(DlgFont(), maxWidth, text));
    const int tw = textSize.width(), th = textSize.height();
    const auto icon = iconOf(type);
    const int iw = icon ? tw + iconSize + hs : tw;
    const int ih = icon ? std::max(th, iconSize) : th;
    const int n = buttons.count();
    const int gw = n == 0 ? 0 : bw * n + bs * (n - 1);
    const int clientWidth = std::max(iw, gw) + 2 * hm;
    form->setFixedSize(clientWidth, ih + bh + vs + 2 * vm);
    centreOnScreen(*form);

    form->setWindowTitle(type == mtCustom ? QGuiApplication::applicationDisplayName()
                                          : languageText(language, row.Captions[type]));
    if (icon) {
        auto* image = new QLabel(container);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(form->style()->standardIcon(*icon).pixmap(iconSize, iconSize));
        image->setGeometry(hm, vm, iconSize, iconSize);
    }

    // Drawn in DlgFont: it wraps within the measured width and has room for twice the measured
    // height; what does not fit is clipped.
    auto* label = new QLabel(container);
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    label->setFont(DlgFont());
    if (auto* panel = qobject_cast<TSchemePanel*>(container)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, panel->ColorDark());
        label->setPalette(palette);
    }
    label->setGeometry(iw - tw + hm, vm, tw, 2 * th);
    label->raise();

    const int defaultKind = firstIn(buttons, {mbOK, mbYes, mbRetry});
    const int cancelKind = firstIn(buttons, {mbCancel, mbNo, mbOK});
    int x = (clientWidth - gw) / 2;
    for (int k = mbYes; k <= mbHelp; ++k) {
        const auto kind = static_cast<TMsgDlgButtonKind>(k);
        if (!buttons.contains(kind))
            continue;
        QPushButton* button =
            makeButton(container, languageText(language, row.ButtonCaptions[kind]),
                       buttonKinds[kind].modalResult, *form);
        button->setObjectName(QString::fromLatin1(buttonKinds[kind].name));
        if (kind == defaultKind) {
            button->setDefault(true);
            button->setFocus();
        }
        if (kind == cancelKind)
            form->setCancelButton(button);
        if (kind == mbHelp)
            QObject::connect(button, &QPushButton::clicked, form.get(),
                             &TMessageForm::HelpButtonClick);
        button->setGeometry(x, ih + vm + vs, bw, bh);
        x += bw + bs;
    }
    applyRoundedOutline(*form);
    return form;
}

int LangMessageDlgPosHelp(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                          int language, int32_t helpContext, int x, int y) {
    const auto form = CreateLangMessageDialog(message, type, buttons, language);
    form->setHelpContext(helpContext);
    if (x >= 0)
        form->move(x, form->y());
    if (y >= 0)
        form->move(form->x(), y);
    return form->exec();
}

int LangMessageDlgHelp(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                       int language, int32_t helpContext) {
    return LangMessageDlgPosHelp(message, type, buttons, language, helpContext, -1, -1);
}

int LangMessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                   int32_t helpContext) {
    return LangMessageDlgHelp(message, type, buttons, DlgLanguage, helpContext);
}

void LangShowMessage(const std::string& message) {
    LangMessageDlg(message, mtInformation, {mbOK}, 0);
}

bool LangInputQueryEx(const std::string& caption, const std::string& prompt, std::string& value,
                      int language) {
    language = validLanguage(language);
    TMessageForm form;
    const auto [cx, cy] = averageCharSize(form.font());
    setFrame(form, DlgBordered);
    form.setWindowTitle(platform::toUnicode(caption));
    form.setFixedSize(MulDiv(180, cx, 4), MulDiv(63, cy, 8));
    QWidget* container = makeContainer(form, "");

    auto* promptLabel = new QLabel(container);
    promptLabel->setTextFormat(Qt::PlainText);
    promptLabel->setText(platform::toUnicode(prompt));
    promptLabel->adjustSize();
    promptLabel->move(MulDiv(8, cx, 4), MulDiv(8, cy, 8));

    auto* edit = new QLineEdit(container);
    edit->setMaxLength(maxInputLength);
    restrictToCp1250(edit);
    edit->setText(platform::toUnicode(value));
    edit->selectAll();
    edit->setGeometry(promptLabel->x(), MulDiv(19, cy, 8), MulDiv(164, cx, 4),
                      edit->sizeHint().height());
    edit->setFocus();
    platform::labelField(*promptLabel, *edit);

    const int bw = MulDiv(50, cx, 4), bh = MulDiv(14, cy, 8), top = MulDiv(41, cy, 8);
    // The OK caption is the platform's own, whatever the language.
    QPushButton* ok = makeButton(container, QStringLiteral("OK"), mrOk, form);
    ok->setDefault(true);
    ok->setGeometry(MulDiv(38, cx, 4), top, bw, bh);
    QPushButton* cancel = makeButton(
        container, languageText(language, LanguageTable[language].InputCancel), mrCancel, form);
    cancel->setGeometry(MulDiv(92, cx, 4), top, bw, bh);
    form.setCancelButton(cancel);

    applyRoundedOutline(form);
    centreOnScreen(form);
    if (form.exec() != mrOk)
        return false;
    value = platform::toCp1250(edit->text());
    return true;
}

bool LangInputQueryLang(const std::string& caption, const std::string& prompt,
                        const std::string& defaultValue, std::string& value, int language) {
    value = defaultValue;
    return LangInputQueryEx(caption, prompt, value, language);
}

bool LangInputQuery(const std::string& caption, const std::string& prompt,
                    const std::string& defaultValue, std::string& value) {
    return LangInputQueryLang(caption, prompt, defaultValue, value, DlgLanguage);
}

} // namespace controls
