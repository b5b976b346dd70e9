// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LanguageTable.h"

#include <QStringDecoder>

namespace controls {

const std::array<TInternationalRec, languageCount> LanguageTable = {{
    // 0: English, windows-1252
    {
        "Cancel",
        {
            "Warning",
            "Error",
            "Information",
            "Confirm",
            "",
        },
        {
            "Yes",
            "No",
            "OK",
            "Cancel",
            "Abort",
            "Retry",
            "Ignore",
            "All",
            "No to all",
            "Yes to all",
            "Help",
        },
    },
    // 1: Russian, windows-1251
    {
        "\xCE\xF2\xEC\xE5\xED\xE0", // Отмена
        {
            "\xCF\xF0\xE5\xE4\xF3\xEF\xF0\xE5\xE6\xE4\xE5\xED\xE8\xE5", // Предупреждение
            "\xCE\xF8\xE8\xE1\xEA\xE0",                                 // Ошибка
            "\xC8\xED\xF4\xEE\xF0\xEC\xE0\xF6\xE8\xFF",                 // Информация
            "\xCF\xEE\xE4\xF2\xE2\xE5\xF0\xE6\xE4\xE5\xED\xE8\xE5", // Подтверждение
            "",
        },
        {
            "\xC4\xE0",     // Да
            "\xCD\xE5\xF2", // Нет
            "OK",
            "\xCE\xF2\xEC\xE5\xED\xE0",                   // Отмена
            "\xCF\xF0\xE5\xF0\xE2\xE0\xF2\xFC",           // Прервать
            "\xCF\xEE\xE2\xF2\xEE\xF0\xE8\xF2\xFC",       // Повторить
            "\xCF\xF0\xEE\xEF\xF3\xF1\xF2\xE8\xF2\xFC",   // Пропустить
            "\xC2\xF1\xE5",                               // Все
            "\xCD\xE5\xF2 \xE4\xEB\xFF \xE2\xF1\xE5\xF5", // Нет для всех
            "\xC4\xE0 \xE4\xEB\xFF \xE2\xF1\xE5\xF5",     // Да для всех
            "\xD1\xEF\xF0\xE0\xE2\xEA\xE0",               // Справка
        },
    },
    // 2: Portuguese, windows-1252
    {
        "Cancelar",
        {
            "Aviso",
            "Erro",
            "Informa\xE7\xE3o",  // Informação
            "Confirma\xE7\xE3o", // Confirmação
            "",
        },
        {
            "Sim",
            "N\xE3o", // Não
            "OK",
            "Cancelar",
            "Abortar",
            "Repetir",
            "Ignorar",
            "Todos",
            "N\xE3o para todos", // Não para todos
            "Sim para todos",
            "Ajuda",
        },
    },
    // 3: Turkish, windows-1254
    {
        "\xDDptal", // İptal
        {
            "Uyar\xFD", // Uyarı
            "Hata",
            "Bilgi",
            "Onay",
            "",
        },
        {
            "Evet",
            "Hay\xFDr", // Hayır
            "Tamam",
            "\xDDptal", // İptal
            "Durdur", "Yeniden dene", "Yoksay",
            "T\xFCm\xFC",            // Tümü
            "T\xFCm\xFCne hay\xFDr", // Tümüne hayır
            "T\xFCm\xFCne evet",     // Tümüne evet
            "Yard\xFDm",             // Yardım
        },
    },
    // 4: German, windows-1252
    {
        "Abbrechen",
        {
            "Warnung",
            "Fehler",
            "Information",
            "Best\xE4tigen", // Bestätigen
            "",
        },
        {
            "Ja",
            "Nein",
            "OK",
            "Abbrechen",
            "Abbruch",
            "Wiederholen",
            "Ignorieren",
            "Alle",
            "Alle nein",
            "Alle ja",
            "Hilfe",
        },
    },
    // 5: Dutch, windows-1252
    {
        "Annuleren",
        {
            "Waarschuwing",
            "Fout",
            "Informatie",
            "Bevestigen",
            "",
        },
        {
            "Ja",
            "Nee",
            "OK",
            "Annuleren",
            "Afbreken",
            "Opnieuw",
            "Negeren",
            "Alles",
            "Nee op alles",
            "Ja op alles",
            "Help",
        },
    },
    // 6: French, windows-1252
    {
        "Annuler",
        {
            "Avertissement",
            "Erreur",
            "Information",
            "Confirmation",
            "",
        },
        {
            "Oui",
            "Non",
            "OK",
            "Annuler",
            "Abandonner",
            "R\xE9"
            "essayer", // Réessayer
            "Ignorer",
            "Tous",
            "Non \xE0 tous", // Non à tous
            "Oui \xE0 tous", // Oui à tous
            "Aide",
        },
    },
    // 7: Greek, windows-1253
    {
        "\xA2\xEA\xF5\xF1\xEF", // Άκυρο
        {
            "\xD0\xF1\xEF\xE5\xE9\xE4\xEF\xF0\xEF\xDF\xE7\xF3\xE7", // Προειδοποίηση
            "\xD3\xF6\xDC\xEB\xEC\xE1",                             // Σφάλμα
            "\xD0\xEB\xE7\xF1\xEF\xF6\xEF\xF1\xDF\xE5\xF2",         // Πληροφορίες
            "\xC5\xF0\xE9\xE2\xE5\xE2\xE1\xDF\xF9\xF3\xE7",         // Επιβεβαίωση
            "",
        },
        {
            "\xCD\xE1\xE9", // Ναι
            "\xBC\xF7\xE9", // Όχι
            "OK",
            "\xA2\xEA\xF5\xF1\xEF",                 // Άκυρο
            "\xC4\xE9\xE1\xEA\xEF\xF0\xDE",         // Διακοπή
            "\xC5\xF0\xE1\xED\xDC\xEB\xE7\xF8\xE7", // Επανάληψη
            "\xD0\xE1\xF1\xDC\xE2\xEB\xE5\xF8\xE7", // Παράβλεψη
            "\xBC\xEB\xE1",                         // Όλα
            "\xBC\xF7\xE9 \xF3\xE5 \xFC\xEB\xE1",   // Όχι σε όλα
            "\xCD\xE1\xE9 \xF3\xE5 \xFC\xEB\xE1",   // Ναι σε όλα
            "\xC2\xEF\xDE\xE8\xE5\xE9\xE1",         // Βοήθεια
        },
    },
    // 8: Spanish, windows-1252
    {
        "Cancelar",
        {
            "Advertencia",
            "Error",
            "Informaci\xF3n",  // Información
            "Confirmaci\xF3n", // Confirmación
            "",
        },
        {
            "S\xED", // Sí
            "No",
            "Aceptar",
            "Cancelar",
            "Anular",
            "Reintentar",
            "Omitir",
            "Todos",
            "No a todos",
            "S\xED a todos", // Sí a todos
            "Ayuda",
        },
    },
    // 9: Italian, windows-1252
    {
        "Annulla",
        {
            "Avviso",
            "Errore",
            "Informazioni",
            "Conferma",
            "",
        },
        {
            "S\xEC", // Sì
            "No",
            "OK",
            "Annulla",
            "Interrompi",
            "Riprova",
            "Ignora",
            "Tutti",
            "No a tutti",
            "S\xEC a tutti", // Sì a tutti
            "Guida",
        },
    },
    // 10: Hungarian, windows-1250
    {
        "M\xE9gsem", // Mégsem
        {
            "Figyelmeztet\xE9s", // Figyelmeztetés
            "Hiba",
            "Inform\xE1"
            "ci\xF3",               // Információ
            "Meger\xF5s\xEDt\xE9s", // Megerősítés
            "",
        },
        {
            "Igen", "Nem", "OK",
            "M\xE9gsem",    // Mégsem
            "Megszak\xEDt", // Megszakít
            "\xDAjra",      // Újra
            "Kihagy", "Mind", "Mindre nem", "Mindre igen",
            "S\xFAg\xF3", // Súgó
        },
    },
    // 11: Romanian, windows-1250
    {
        "Anulare",
        {
            "Avertisment",
            "Eroare",
            "Informa\xFEie", // Informaţie
            "Confirmare",
            "",
        },
        {
            "Da",
            "Nu",
            "OK",
            "Anulare",
            "Abandon",
            "Re\xEEncercare", // Reîncercare
            "Ignorare",
            "Toate",
            "Nu la toate",
            "Da la toate",
            "Ajutor",
        },
    },
}};

namespace {

constexpr std::array<const char*, languageCount> codePages = {
    "windows-1252", "windows-1251", "windows-1252", "windows-1254", "windows-1252", "windows-1252",
    "windows-1252", "windows-1253", "windows-1252", "windows-1252", "windows-1250", "windows-1250",
};

} // namespace

QString languageText(int language, const char* text) {
    QStringDecoder decoder(codePages.at(static_cast<size_t>(language)));
    return decoder(QByteArrayView(text));
}

} // namespace controls
