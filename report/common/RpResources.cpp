// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/common/RpResources.h"

#include "report/common/RpProperties.h"

#include "platform/Cp1250.h"

#include <QString>
#include <map>

namespace report {
namespace {

// Written here in UTF-8 and held as cp1250 like every other text.
const char* const texts[][2] = {
    {"clUnknownVar", "Ismeretlen mező vagy változó:"},
    {"clExprError", "Hiba a kifejezésben"},
    {"clScrError", "Script hiba %s: %s-nél"},
    {"clDSNotExist", "A(z) \"%s\" DataSet nem létezik"},
    {"clErrors", "A következő hiba történt:"},
    {"mbError", "Hiba"},
    {"mbConfirm", "Megerősít"},
    {"mbInfo", "Információ"},
    {"enUnconnHeader", "Független fej-, lábléc"},
    {"enUnconnGroup", "A csoportnak nincs adatsávja"},
    {"enUnconnGFooter", "Nincs fejléc "},
    {"enBandPos", "Hibás sávpozició:"},
    {"dbNotConn", "%s DataSet nincs adathoz csatlakoztatva"},
    {"dbFldNotFound", "Nincs ilyen mező:"},
    {"clDSNotIncl", "(adatkészlet nincs a Report.DataSets-ben)"},
    {"xrCantFindClass", "Nem találom az osztályt"},
    {"prVirtual", "Virtuális"},
    {"prDefault", "Alapértelmezett"},
    {"prCustom", "Egyéni"},
    {"clPRPfiles", "Előkészített riport"},
    {"clSaving", "Fájl mentése..."},
    {"clLoading", "Fájl betöltése..."},
    {"clCancel", "Mégsem"},
    {"clClose", "Bezár"},
    {"clPrinting", "Oldal nyomtatása"},
    {"clPageOf", "%d. oldal %d oldalból"},
    {"clFirstPass", "Első menet: oldal "},
    {"clNoPrinters", "Nincs nyomtató telepítve"},
    {"clDecompressError", "Stream kitömörítés hiba"},
    {"crFillMx", "Kereszttábla kitöltése..."},
    {"crBuildMx", "Kereszttábla felépítése..."},
    {"ppAll", "Minden oldal"},
    {"ppOdd", "Páratlan oldalak"},
    {"ppEven", "Páros oldalak"},
    {"zmPageWidth", "Oldal széles"},
    {"zmWholePage", "Teljes oldal"},
    {"TrpPreviewForm", "Caption=Előkép\n"
                       "PrintB.Caption=Nyomtat\nPrintB.Hint=Nyomtat\n"
                       "OpenB.Caption=Megnyit\nOpenB.Hint=Megnyit\n"
                       "SaveB.Caption=Ment\nSaveB.Hint=Ment\n"
                       "ExportB.Caption=Exportál\nExportB.Hint=Exportál\n"
                       "FindB.Caption=Keres\nFindB.Hint=Keres\n"
                       "ZoomWholePageB.Caption=Teljes oldal\nZoomWholePageB.Hint=Teljes oldal\n"
                       "ZoomPageWidthB.Caption=Oldalszélesség\n"
                       "ZoomPageWidthB.Hint=Oldalszélesség\n"
                       "Zoom100B.Caption=100%\nZoom100B.Hint=100%\n"
                       "Zoom50B.Caption=Két oldal\nZoom50B.Hint=Két oldal\n"
                       "ZoomCB.Hint=Nagyít\n"
                       "PageSettingsB.Caption=Margók\nPageSettingsB.Hint=Margók\n"
                       "OutlineB.Caption=Körvonal\nOutlineB.Hint=Körvonal\n"
                       "HandToolB.Caption=Húz\nHandToolB.Hint=Húzó eszköz\n"
                       "ZoomToolB.Caption=Nagyít\nZoomToolB.Hint=Nagyító\n"
                       "NewPageB.Caption=Lapot hozzáad\nNewPageB.Hint=Lapot hozzáad\n"
                       "DelPageB.Caption=Töröl\nDelPageB.Hint=Lapot törli\n"
                       "DesignerB.Caption=Szerkeszt\nDesignerB.Hint=Lapot szerkeszt\n"
                       "FirstB.Caption=Első\nFirstB.Hint=Első oldal\n"
                       "PriorB.Caption=Előző\nPriorB.Hint=Előző oldal\n"
                       "PageE.Hint=Oldalszám\n"
                       "NextB.Caption=Következő\nNextB.Hint=Következő oldal\n"
                       "LastB.Caption=Utolsó\nLastB.Hint=Utolsó oldal\n"
                       "CancelB.Caption=Bezár"},
    {"TrpPrintDialog",
     "Caption=Nyomtat\n"
     "Label12.Caption=Nyomtató  \n"
     "PropButton.Caption=Tulajdonságok...\n"
     "TypeL.Caption=Típus:\n"
     "WhereL.Caption=Hol:\n"
     "FileCB.Caption=Fájlba nyomtat\n"
     "ReverseCB.Caption=Fordított sorrendben\n"
     "Label1.Caption=Oldalak \n"
     "AllRB.Caption=Mind\n"
     "CurPageRB.Caption=Jelenlegi oldal\n"
     "PageNumbersRB.Caption=Oldalak:\n"
     "DescrL.Caption=Adjon meg oldalszámokat vagy tartományokat, vesszővel elválasztva. Például "
     "1,3,5-12\n"
     "Label2.Caption=Másolatok\n"
     "CopiesL.Caption=Másolatok száma\n"
     "CollateL.Caption=Gyűjt\n"
     "PrintL.Caption=Nyomtat\n"
     "OkB.Caption=OK\n"
     "CancelB.Caption=Mégsem"},
    {"TrpSearchDialog", "Caption=Szövegkereső\n"
                        "TopCB.Caption=Elölről keres\n"
                        "CaseCB.Caption=Kis-, nagybetűérzékenyen"},
    {"TrpPageSettingsForm", ""},
    {"TrpDMPExportDialog", ""},
};

const std::map<std::string, std::string>& table() {
    static const auto* map = [] {
        auto* m = new std::map<std::string, std::string>;
        for (const auto& [key, text] : texts)
            (*m)[key] = platform::toCp1250(QString::fromUtf8(text));
        return m;
    }();
    return *map;
}

} // namespace

std::string rpResource(const std::string& key) {
    const auto it = table().find(key);
    return it == table().end() ? key : it->second;
}

std::vector<TrpWindowTextSetting> rpWindowTexts(const std::string& windowClass) {
    std::vector<TrpWindowTextSetting> settings;
    const auto it = table().find(windowClass);
    if (it == table().end())
        return settings;
    for (const std::string& line : textToLines(it->second)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        TrpWindowTextSetting s;
        s.value = line.substr(equals + 1);
        if (const size_t dot = name.find('.'); dot != std::string::npos) {
            s.component = name.substr(0, dot);
            s.property = name.substr(dot + 1);
        } else {
            s.property = name;
        }
        settings.push_back(std::move(s));
    }
    return settings;
}

} // namespace report
