// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a text template: numbered places take their pieces, whatever the
// pieces hold, and the table of templates is fit for matching filled texts.

#include "toolkit/text_templates.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace volna {
namespace {

TEST(FillText, PlacesTakeTheirPiecesInAnyOrder) {
    EXPECT_EQ(fillText(kFrequencyDigitsTemplate, {"6"}), "В частоте больше 6 цифр (кГц)!");
    EXPECT_EQ(fillText("%2 и %1, снова %2", {"а", "б"}), "б и а, снова б");
    EXPECT_EQ(fillText(kImportCountsTemplate, {"Каналы", "3", "1"}),
              "Импорт в список «Каналы»: строк к записи — 3, заполненных записей они заменят — 1.");
}

TEST(FillText, PiecesAreNotFilledAgainAndStrayMarksStay) {
    EXPECT_EQ(fillText("%1/%2", {"%2", "x"}), "%2/x") << "a piece holding %2 stays as it is";
    EXPECT_EQ(fillText("100% и %1", {"a"}), "100% и a");
    EXPECT_EQ(fillText("%3 и %1%", {"a"}), "%3 и a%") << "a place without a piece stays";
    EXPECT_EQ(fillText("%0 %", {"a"}), "%0 %");
    EXPECT_EQ(fillText("", {"a"}), "");
}

TEST(TextTemplates, EveryTemplateHasPlacesAndIsListedOnce) {
    std::set<std::string_view> seen;
    for (const std::string_view templ : kTextTemplates) {
        EXPECT_NE(templ.find("%1"), std::string_view::npos) << templ;
        EXPECT_TRUE(seen.insert(templ).second) << "listed twice: " << templ;
    }
    EXPECT_TRUE(seen.count(kFaultAtTemplate) == 1 && kTextTemplates.back() == kFaultAtTemplate)
        << "the most general template is matched last";
}

} // namespace
} // namespace volna
