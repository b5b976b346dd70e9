// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FormText.h"
#include "app/CertificateWindow.h"
#include "app/LineBufferWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/FieldKinds.h"
#include "controls/NumEdit.h"
#include "controls/RichEdit.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace app;
using controls::TRichEdit;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string cp(const char* utf8) {
    return platform::toCp1250(QString::fromUtf8(utf8));
}

class CertificateFormText : public ::testing::Test {
protected:
    Forms forms = CreateForms();
    TForm1& w = *forms.form1;
    TRichEdit& second = *forms.form3->RichEdit4;

    void clearAll() {
        for (QLineEdit* e : {static_cast<QLineEdit*>(w.Edit1), static_cast<QLineEdit*>(w.Edit2),
                             static_cast<QLineEdit*>(w.Edit3), static_cast<QLineEdit*>(w.Edit4),
                             static_cast<QLineEdit*>(w.Edit5), static_cast<QLineEdit*>(w.Edit6),
                             static_cast<QLineEdit*>(w.Edit7), static_cast<QLineEdit*>(w.NumEdit1),
                             static_cast<QLineEdit*>(w.NumEdit2)})
            e->clear();
    }

    void restore(const std::string& text) {
        second.SetText(text);
        w.RestoreFormText();
    }
};

} // namespace

TEST_F(CertificateFormText, TableExampleIsComposedByteForByte) {
    w.Edit1->setText(u("Minta Kft."));
    w.Edit2->setText(u("Fő utca 1."));
    w.Edit3->setText(u("Kiss Anna"));
    w.Edit6->clear();
    w.Edit7->setText(u("Kossuth tér 2."));
    w.Edit4->setText(u("könyvelő"));
    w.Edit5->setText(u("2001. március 1."));
    w.NumEdit1->setText(u("123 456"));
    w.NumEdit2->clear();
    w.ComposeFormText();
    EXPECT_EQ(second.Text(), cp("hegymászó\r\n"
                                "Edit1_Minta Kft.\r\n"
                                "Edit2_Fő utca 1.\r\n"
                                "Edit3_Kiss Anna\r\n"
                                "Edit4_könyvelő\r\n"
                                "Edit5_2001. március 1.\r\n"
                                "NumEdit1_123 456\r\n"
                                "Edit7_Kossuth tér 2.\r\n"));
}

TEST_F(CertificateFormText, ValuesSurviveComposeAndRestore) {
    w.Edit1->setText(u("a_b"));    // split at the first "_" only
    w.Edit2->setText(u("100$"));   // a "$" inside a value is kept
    w.Edit3->setText(u("$x_$y$")); // even at the start of a value
    w.NumEdit1->setText(u("1 234"));
    w.ComposeFormText();
    const std::string text = second.Text();
    clearAll();
    restore(text);
    EXPECT_EQ(w.Edit1->text(), u("a_b"));
    EXPECT_EQ(w.Edit2->text(), u("100$"));
    EXPECT_EQ(w.Edit3->text(), u("$x_$y$"));
    EXPECT_EQ(w.NumEdit1->text(), u("1 234"));
    EXPECT_EQ(w.Edit4->text(), u(""));
}

TEST_F(CertificateFormText, EmptyFormIsTheMarkerAloneAndRestoresNothing) {
    clearAll();
    w.ComposeFormText();
    EXPECT_EQ(second.Text(), cp("hegymászó\r\n"));
    w.Edit1->setText(u("-"));
    w.RestoreFormText();
    EXPECT_EQ(w.Edit1->text(), u("-"));
}

TEST_F(CertificateFormText, RestoreFindsNamesIgnoringCaseAndKeepsFieldsWithoutLines) {
    restore(cp("hegymászó\r\nEDIT1_Nagy Kft.\r\nedit3_Kovács Éva\r\nEdit3_Tóth Ilona\r\n"));
    EXPECT_EQ(w.Edit1->text(), u("Nagy Kft."));
    EXPECT_EQ(w.Edit2->text(), u("-"));          // no line: keeps the value it had
    EXPECT_EQ(w.Edit3->text(), u("Tóth Ilona")); // the later line wins
}

TEST_F(CertificateFormText, ContinuationLinesOfTheOriginalWriterStillRead) {
    // "$" + the last name + "_" marks a further line; for an edit it replaces the value.
    restore(cp("hegymászó\r\nEdit1_első\r\n$Edit1_második\r\n"));
    EXPECT_EQ(w.Edit1->text(), u("második"));
    // A line without "_" carries the previous component's name.
    restore(cp("hegymászó\r\nedit2_x\r\nharmadik\r\n"));
    EXPECT_EQ(w.Edit2->text(), u("harmadik"));
}

TEST_F(CertificateFormText, LinesNamingNoComponentAreSkipped) {
    restore(cp("hegymászó\r\nno name at all\r\nNincsIlyen_x\r\n$NincsIlyen_y\r\nEdit1_z\r\n"));
    EXPECT_EQ(w.Edit1->text(), u("z"));
    EXPECT_EQ(w.Edit2->text(), u("-"));
}

TEST_F(CertificateFormText, WhatSaveWritesHasTheShapeThatLoadAccepts) {
    const auto wellFormed = [&](const char* utf8) {
        return IsWellFormedFormText(w.Components(), cp(utf8));
    };
    for (const auto& fill : {std::vector<const char*>{},
                             {"Minta Kft.", "a_b", "$x_$y$"},
                             {"-", "Fő utca 1.", "Kiss Anna", "könyvelő", "2001. március 1."}}) {
        clearAll();
        QLineEdit* edits[] = {w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5};
        for (size_t i = 0; i < fill.size(); ++i)
            edits[i]->setText(u(fill[i]));
        // A numeric edit always holds a number: "0" at the least.
        w.NumEdit1->setText(u("0"));
        w.NumEdit2->setText(u("12 500"));
        w.ComposeFormText();
        EXPECT_TRUE(IsWellFormedFormText(w.Components(), second.Text())) << second.Text();
    }
    EXPECT_TRUE(wellFormed("hegymászó\r\nNumEdit1_0\r\nNumEdit2_0\r\n"));
    EXPECT_TRUE(
        wellFormed("hegymászó\r\nEDIT1_kis betű\r\nnumedit1_0\r\nnumedit2_1\r\n")); // any case

    const char* damaged[] = {
        "",
        "hegymászó\r\n",                                          // the amounts' lines lost
        "hegymászó\r\nEdit5_2001. márc_123456\r\nNumEdit2_0\r\n", // a cut joined two lines
        "hegymászó",                                              // no line end
        "hegymászó\r\nEdit1_a\r\nNumEdit1_0\r\nNumEdit2_0",       // the last line without one
        "hegymászó\r\nEdit1_a\nEdit2_b\r\nNumEdit1_0\r\nNumEdit2_0\r\n", // a lone LF
        "hegymászó\r\nEdit1_a\rb\r\nNumEdit1_0\r\nNumEdit2_0\r\n",       // a lone CR
        "hegymászó\r\nEdit1_a\tb\r\nNumEdit1_0\r\nNumEdit2_0\r\n",       // a control character
        "hegymászó\r\nEdit1_a\x7F\r\nNumEdit1_0\r\nNumEdit2_0\r\n",      // DEL
        "hegymászó\r\nEdit1_\r\nNumEdit1_0\r\nNumEdit2_0\r\n",   // an empty value Save drops
        "hegymászó\r\nEdit1\r\nNumEdit1_0\r\nNumEdit2_0\r\n",    // no "_"
        "hegymászó\r\n_a\r\nNumEdit1_0\r\nNumEdit2_0\r\n",       // no name
        "hegymászó\r\nEdit8_a\r\nNumEdit1_0\r\nNumEdit2_0\r\n",  // no such field
        "hegymászó\r\nLabel1_a\r\nNumEdit1_0\r\nNumEdit2_0\r\n", // a component that writes no line
        "hegymászó\r\nEdit2_a\r\nEdit1_b\r\nNumEdit1_0\r\nNumEdit2_0\r\n",  // out of order
        "hegymászó\r\nEdit1_a\r\nEdit1_b\r\nNumEdit1_0\r\nNumEdit2_0\r\n",  // twice
        "hegymászó\r\nEdit1_a\r\n$Edit1_b\r\nNumEdit1_0\r\nNumEdit2_0\r\n", // one line continued
        "hegymászó\r\nEdit1_a\r\n\r\nNumEdit1_0\r\nNumEdit2_0\r\n",         // an empty line
        "hegymásző\r\nEdit1_a\r\nNumEdit1_0\r\nNumEdit2_0\r\n",             // not the marker
    };
    for (const char* text : damaged)
        EXPECT_FALSE(wellFormed(text)) << text;
    // A byte the code page leaves undefined.
    EXPECT_FALSE(IsWellFormedFormText(w.Components(), cp("hegymászó\r\nEdit1_a") +
                                                          "\x81\r\nNumEdit1_0\r\nNumEdit2_0\r\n"));
}

TEST_F(CertificateFormText, ComponentsAreListedInCreationOrderWithTheirNames) {
    std::vector<std::string> names;
    for (QObject* c : w.Components())
        names.push_back(c->objectName().toStdString());
    const std::vector<std::string> expected = {"Panel1",
                                               "Label9",
                                               "Label10",
                                               "Panel2",
                                               "Label1",
                                               "UiFill1",
                                               "Label3",
                                               "Edit1",
                                               "Edit2",
                                               "Panel3",
                                               "UiFill2",
                                               "Label2",
                                               "Label4",
                                               "Label5",
                                               "Label6",
                                               "Label7",
                                               "Label8",
                                               "Label11",
                                               "Label12",
                                               "Label13",
                                               "Edit3",
                                               "Edit4",
                                               "Edit5",
                                               "NumEdit1",
                                               "Edit6",
                                               "NumEdit2",
                                               "Edit7",
                                               "StyledMainMenu1",
                                               "Nyomtats1",
                                               "Kitltsmentse1",
                                               "Kitltttrlapbetltse1",
                                               "Kilps1"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(w.FindComponent("numedit2"), w.NumEdit2);
    EXPECT_EQ(w.FindComponent("Edit8"), nullptr);
}

// The kinds that the certificate window does not place, on a component list of their own.
class FormTextKinds : public ::testing::Test {
protected:
    QWidget owner;
    TRichEdit first, second;
    std::vector<QObject*> components;

    template <class T>
    T* add(const char* name) {
        auto* c = new T(&owner);
        c->setObjectName(QString::fromLatin1(name));
        components.push_back(c);
        return c;
    }

    std::vector<std::string> composed() {
        ComposeFormText(components, first, second);
        std::vector<std::string> lines;
        for (int i = 0; i < second.Count(); ++i)
            lines.push_back(second.Line(i));
        return lines;
    }

    void restore(std::initializer_list<std::string> lines) {
        second.Clear();
        second.Add(kFormTextMarker);
        for (const std::string& l : lines)
            second.Add(l);
        RestoreFormText(components, second);
    }
};

TEST_F(FormTextKinds, EveryKindWritesItsLines) {
    add<controls::TStyledLUEdit>("Lu1")->setText("lu");
    add<controls::TStyledEdit>("Styled1")->setText("st");
    add<controls::TUiMaskEdit>("Mask1")->setText("12-34");
    auto* radio = add<controls::TUiRadioGroup>("Radio1");
    radio->Items = {"a", "b", "c"};
    radio->SetItemIndex(2);
    add<controls::TUiCheckBox>("Check1")->setChecked(true);
    add<controls::TUiCheckBox>("Check2");
    auto* grid = add<controls::TStyledStringGrid>("Grid1");
    grid->SetSize(3, 3);
    grid->SetCell(1, 1, "x");
    grid->SetCell(2, 2, "y");
    grid->SetCell(0, 1, "never written");
    auto* group = add<controls::TUiCheckGroup>("Group1");
    group->SetItems({"p", "q"});
    group->SetChecked(1, true);
    add<QLineEdit>("Plain1")->setText("not one of the kinds");

    const std::vector<std::string> expected = {
        "hegym\xE1sz\xF3", "Lu1_lu",       "Lu1_lu",      "Styled1_st",   "Mask1_12-34",
        "Radio1_2",        "Check1_i",     "Check2_n",    "Grid1_[1,1]x", "Grid1_[1,2]",
        "Grid1_[2,1]",     "Grid1_[2,2]y", "Group1_[0]n", "Group1_[1]i"};
    EXPECT_EQ(composed(), expected);
    // Each line as often as Save writes it, in its order; no more.
    EXPECT_TRUE(IsWellFormedFormText(components, second.Text()));
    second.Add("Group1_[1]i");
    EXPECT_FALSE(IsWellFormedFormText(components, second.Text()));
}

TEST_F(FormTextKinds, MultiLineValuesBecomeContinuationLines) {
    auto* memo = add<TRichEdit>("Memo1");
    memo->Add("first");
    memo->Add("c");   // a one-character further line
    memo->Add("");    // empty further lines are dropped
    memo->Add("a_b"); // a further line holding "_" is written unmarked
    const std::vector<std::string> expected = {"hegym\xE1sz\xF3", "Memo1_first", "$Memo1_c", "a_b"};
    EXPECT_EQ(composed(), expected);
    // Load's shape check takes the continuation lines, not a further line that names no field.
    EXPECT_TRUE(IsWellFormedFormText(components, "hegym\xE1sz\xF3\r\nMemo1_first\r\n$Memo1_c\r\n"));
    EXPECT_FALSE(IsWellFormedFormText(components, second.Text()));

    // Read back, the further lines are appended without line breaks.
    memo->Clear();
    restore({"Memo1_first", "$Memo1_c", "$Memo1_!"});
    EXPECT_EQ(memo->Text(), "firstc!\r\n");
}

TEST_F(FormTextKinds, AnEmptyFirstLineLendsItsFurtherLinesTheNameBefore) {
    add<controls::TStyledEdit>("Styled1")->setText("s");
    auto* memo = add<TRichEdit>("Memo1");
    memo->Add("");
    memo->Add("tail");
    const std::vector<std::string> expected = {"hegym\xE1sz\xF3", "Styled1_s", "$Styled1_tail"};
    EXPECT_EQ(composed(), expected);
    EXPECT_TRUE(IsWellFormedFormText(components, second.Text()));
}

TEST_F(FormTextKinds, RestoreAppliesEachKind) {
    auto* lu = add<controls::TStyledLUEdit>("Lu1");
    auto* radio = add<controls::TUiRadioGroup>("Radio1");
    radio->Items = {"a", "b", "c"};
    auto* check = add<controls::TUiCheckBox>("Check1");
    auto* grid = add<controls::TStyledStringGrid>("Grid1");
    auto* group = add<controls::TUiCheckGroup>("Group1");
    group->SetItems({"p", "q"});
    restore({"Lu1_v", "Radio1_1", "Radio1_", "Check1_i", "Grid1_[2,3]cell]x", "Grid1_no brackets",
             "Group1_[1]i", "Group1_[0]I"});
    EXPECT_EQ(lu->text(), "v");
    EXPECT_EQ(radio->ItemIndex(), 1); // an empty value selects nothing new
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(grid->Cell(2, 3), "cell]x");
    EXPECT_TRUE(group->Checked(1));
    EXPECT_FALSE(group->Checked(0)); // only a lower-case "i" checks
}

TEST_F(FormTextKinds, AConversionErrorStopsAfterTheLinesBeforeIt) {
    auto* before = add<controls::TStyledEdit>("Before");
    auto* radio = add<controls::TUiRadioGroup>("Radio1");
    auto* after = add<controls::TStyledEdit>("After");
    radio->Items = {"a"};
    try {
        restore({"Before_set", "Radio1_abc", "After_set"});
        FAIL() << "no conversion error";
    } catch (const platform::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(before->text(), "set");
    EXPECT_EQ(after->text(), "");
    auto* grid = add<controls::TStyledStringGrid>("Grid1");
    EXPECT_THROW(restore({"Grid1_[1;2]x"}), platform::ConvertError);
    EXPECT_EQ(grid->Cell(1, 2), "");
}
