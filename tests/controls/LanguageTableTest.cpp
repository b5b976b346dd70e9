// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LanguageTable.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

std::vector<std::string> entriesOf(const TInternationalRec& row) {
    std::vector<std::string> entries = {row.InputCancel};
    entries.insert(entries.end(), row.Captions.begin(), row.Captions.end());
    entries.insert(entries.end(), row.ButtonCaptions.begin(), row.ButtonCaptions.end());
    return entries;
}

} // namespace

TEST(LanguageTable, EnglishAndHungarianRowsAreTheProgramsOwnTexts) {
    EXPECT_EQ(entriesOf(LanguageTable[0]),
              (std::vector<std::string>{"Cancel", "Warning", "Error", "Information", "Confirm", "",
                                        "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore",
                                        "All", "No to all", "Yes to all", "Help"}));
    EXPECT_EQ(entriesOf(LanguageTable[10]),
              (std::vector<std::string>{"M\xE9gsem", "Figyelmeztet\xE9s", "Hiba",
                                        "Inform\xE1"
                                        "ci\xF3",
                                        "Meger\xF5s\xEDt\xE9s", "", "Igen", "Nem", "OK",
                                        "M\xE9gsem", "Megszak\xEDt", "\xDAjra", "Kihagy", "Mind",
                                        "Mindre nem", "Mindre igen", "S\xFAg\xF3"}));
}

TEST(LanguageTable, EveryRowIsCompleteAndDecodesInItsOwnCodePage) {
    for (int language = 0; language < languageCount; ++language) {
        const auto entries = entriesOf(LanguageTable[language]);
        for (size_t i = 0; i < entries.size(); ++i) {
            const bool customTitle = i == 5;
            EXPECT_EQ(entries[i].empty(), customTitle) << language << '/' << i;
            const QString text = languageText(language, entries[i].c_str());
            EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << language << '/' << i;
            EXPECT_EQ(static_cast<size_t>(text.size()), entries[i].size()) << language << '/' << i;
        }
    }
    EXPECT_EQ(languageText(1, LanguageTable[1].InputCancel), QString::fromUtf8("Отмена"));
    EXPECT_EQ(languageText(7, LanguageTable[7].InputCancel), QString::fromUtf8("Άκυρο"));
    EXPECT_EQ(languageText(3, LanguageTable[3].InputCancel), QString::fromUtf8("İptal"));
    EXPECT_EQ(languageText(10, LanguageTable[10].Captions[2]), QString::fromUtf8("Információ"));
    EXPECT_EQ(languageText(11, LanguageTable[11].Captions[2]), QString::fromUtf8("Informaţie"));
}
