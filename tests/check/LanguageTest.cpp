// Which language the window speaks, and what a right-to-left language does to the window.

#include "CheckFakes.h"
#include "CoreTest.h"
#include "Design.h"
#include "Language.h"

using norvil::Ctl;

TEST_CASE("ChooseLanguage")
{
    struct Row {
        const char* name;
        std::u16string languageVariable;
        std::vector<std::u16string> user;
        std::u16string chosen;
    };
    const std::vector<std::u16string> available = {u"de", u"en", u"es", u"fr", u"nb", u"pt_BR", u"pt_PT", u"sr", u"sr_Latn", u"zh_CN", u"zh_TW"};
    const std::vector<Row> rows = {
        {"the C locale keeps Japanese", u"", {u"C.UTF-8"}, u"ja"},
        {"no language set keeps Japanese", u"", {}, u"ja"},
        {"the user's own language", u"", {u"fr_FR.UTF-8"}, u"fr"},
        {"LANGUAGE before the user's own", u"de:fr", {u"fr_FR.UTF-8"}, u"de"},
        {"a missing language, then Japanese", u"sw:ja", {}, u"ja"},
        {"only missing languages: English", u"sw", {}, u"en"},
        {"the user's country first", u"pt_PT", {}, u"pt_PT"},
        {"no country: the first", u"pt", {}, u"pt_BR"},
        {"the same script, another country", u"zh_HK", {}, u"zh_TW"},
        {"a gettext modifier names the script", u"sr_RS.UTF-8@latin", {}, u"sr_Latn"},
        {"Windows' names, script and country", u"", {u"zh-Hant-TW", u"en-US"}, u"zh_TW"},
        {"an older name of the language", u"", {u"no_NO"}, u"nb"},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(norvil::ChooseLanguage(row.languageVariable, row.user, available), row.chosen);
    }
}

TEST_CASE("RightToLeftWindow")
{
    // A right-to-left language mirrors every control in its container and runs the marquee from
    // the right; the log keeps reading left to right. (The texts' alignment is what each face's
    // language suite sees drawn: the ink at the right edge, the static's own style.)
    CheckRun leftToRight(u"App 1.0 u1 u2 /d", u"en");
    CheckRun run(u"App 1.0 u1 u2 /d", u"ar");
    for (const norvil::ControlDesign& mirrored : run.face.Design.Controls) {
        INFO(static_cast<int>(mirrored.Id));
        const norvil::ControlDesign& designed = norvil::DesignOf(leftToRight.face.Design, mirrored.Id);
        const int width = mirrored.Container == Ctl::frmMain ? 6900 : norvil::DesignOf(run.face.Design, mirrored.Container).Place.Width;
        CHECK_EQ(mirrored.Place, norvil::Twips{width - designed.Place.Left - designed.Place.Width, designed.Place.Top, designed.Place.Width, designed.Place.Height});
        CHECK_EQ(mirrored.RightToLeft, mirrored.Id != Ctl::txtLog);
    }
    run.form->cTimer2_Timer();
    CHECK_EQ(run.face.At(Ctl::lblProg).Caption, std::u16string(17, u'\u25A1') + u'\u25A0');

    // A name or version filled into a sentence is isolated there, in right-to-left windows only.
    run.form->ShowUpdatePage(VersionOf(u"2.10.3"));
    CHECK_NE(run.face.At(Ctl::lblMsg2).Caption.find(u"\u2068Ver 2.10.3\u2069"), std::u16string::npos);
    CHECK_NE(run.face.At(Ctl::frmMain).Caption.find(u"\u2068App\u2069"), std::u16string::npos);
}
