// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuideWindow.h"

#include "platform/Color.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

namespace app {
namespace {

// The guide to the self-revision of a local business tax return, in Hungarian.
const char* const kGuide = R"(
<div style="font-family:'Times New Roman CE'; font-size:12pt">
<p align="center" style="font-size:16pt"><b>KITÖLTÉSI ÚTMUTATÓ</b></p>
<p align="center"><b>az iparűzési adó helyesbítéséhez</b></p>
<p align="justify">Ha a vállalkozó a helyi iparűzési adóról benyújtott bevallásában hibát vagy
hiányosságot észlel, azt önellenőrzéssel helyesbítheti mindaddig, amíg az adóhatóság az adott
időszakot ellenőrzés alá nem vonta. Az önellenőrzést ugyanazon a nyomtatványon kell benyújtani,
mint az eredeti bevallást, a helyesbítést jelölő rovat kitöltésével.</p>
<p align="justify"><b>AZONOSÍTÓ ADATOK</b></p>
<p align="justify">Az adózó nevét, székhelyét, adószámát és adóazonosító jelét az eredeti
bevallással egyezően kell feltüntetni. Ha az azonosító adatok azóta megváltoztak, a változást
külön bejelentő lapon kell közölni a Polgármesteri Hivatal adócsoportjával; az önellenőrzés erre
nem alkalmas.</p>
<p align="justify"><b>ADÓSZÁMÍTÁSSAL KAPCSOLATOS ADATOK</b></p>
<p align="justify">A helyesbített sorokba a helyes összeget kell beírni, nem a különbözetet. Az
adóalap, az adó és az adókedvezmények összegét ezer forintra kerekítve kell megadni. A
különbözetet a nyomtatvány a bevallott és a helyesbített adó összevetéséből adja, és ha az
adófizetési kötelezettség nő, önellenőrzési pótlékot is fel kell tüntetni.</p>
<p align="justify">A bevallást aláírással kell hitelesíteni. Meghatalmazott esetén a meghatalmazást
a bevalláshoz csatolni kell, ha azt korábban nem nyújtották be.</p>
</div>)";

} // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8("Kitöltési útmutató"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, platform::toQColor(10008261));
    setPalette(palette);
    setAutoFillBackground(true);
    QRect bounds(326, 196, 696, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        bounds.moveCenter(screen->availableGeometry().center());
    setGeometry(bounds);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(16, 16, 657, 417);
    palette.setColor(QPalette::Window, platform::toQColor(15201526));
    Panel1->setPalette(palette);
    Panel1->setAutoFillBackground(true);

    UiRichScrollBox1 = new QTextBrowser(Panel1);
    UiRichScrollBox1->setObjectName(QStringLiteral("UiRichScrollBox1"));
    UiRichScrollBox1->setGeometry(16, 16, 625, 385);
    UiRichScrollBox1->setFrameShape(QFrame::NoFrame);
    UiRichScrollBox1->setHtml(QString::fromUtf8(kGuide));
}

} // namespace app
