#include "Design.h"

#include "Language.h"
#include "Texts.h"

#include <array>
#include <iterator>

namespace norvil {
namespace {

constexpr int kF1Height = 225; // 11.25 points, 15 pixels at 96 dpi
constexpr int kF2Height = 195; // 9.75 points, 13 pixels

// The faces of each script, Windows' own first, then those Debian packages (fonts-ipafont-gothic
// for Japanese, fonts-wqy-microhei for Chinese and Korean, fonts-tlwg-loma-otf and
// fonts-tlwg-mono-otf for Thai, fonts-lohit-deva for Devanagari, fonts-dejavu-core for the rest,
// Greek, Cyrillic, Armenian, Georgian, Hebrew and Arabic included). The log's are fixed-pitch
// where a script has a common fixed-pitch face. The last row serves every other script.
struct ScriptFaces {
    const char16_t* script;
    std::array<const char16_t*, 5> page; // nullptr after the last
    std::array<const char16_t*, 5> log;
};
constexpr ScriptFaces kFaces[] = {
    {u"Jpan", {u"ＭＳ Ｐゴシック", u"MS PGothic", u"IPAPGothic", u"IPAexGothic", u"Noto Sans CJK JP"},
     {u"ＭＳ ゴシック", u"MS Gothic", u"IPAGothic", u"Noto Sans Mono CJK JP"}},
    {u"Hans", {u"Microsoft YaHei", u"Noto Sans CJK SC", u"WenQuanYi Micro Hei"}, {u"NSimSun", u"Noto Sans Mono CJK SC", u"WenQuanYi Micro Hei Mono"}},
    {u"Hant", {u"Microsoft JhengHei", u"Noto Sans CJK TC", u"WenQuanYi Micro Hei"}, {u"MingLiU", u"Noto Sans Mono CJK TC", u"WenQuanYi Micro Hei Mono"}},
    {u"Kore", {u"Malgun Gothic", u"Noto Sans CJK KR", u"NanumGothic", u"WenQuanYi Micro Hei"},
     {u"GulimChe", u"Noto Sans Mono CJK KR", u"NanumGothicCoding", u"WenQuanYi Micro Hei Mono"}},
    {u"Armn", {u"Segoe UI", u"Noto Sans Armenian", u"DejaVu Sans"}, {u"Segoe UI", u"DejaVu Sans Mono"}},
    {u"Geor", {u"Segoe UI", u"Noto Sans Georgian", u"DejaVu Sans"}, {u"Segoe UI", u"DejaVu Sans Mono"}},
    {u"Thai", {u"Leelawadee UI", u"Noto Sans Thai", u"Loma"}, {u"Leelawadee UI", u"Noto Sans Thai", u"Tlwg Mono"}},
    {u"Deva", {u"Nirmala UI", u"Noto Sans Devanagari", u"Lohit Devanagari"}, {u"Nirmala UI", u"Noto Sans Devanagari", u"Lohit Devanagari"}},
    {u"Hebr", {u"Segoe UI", u"Noto Sans Hebrew", u"DejaVu Sans"}, {u"Courier New", u"DejaVu Sans"}},
    {u"Arab", {u"Segoe UI", u"Noto Sans Arabic", u"DejaVu Sans"}, {u"Courier New", u"DejaVu Sans"}},
    {u"", {u"Segoe UI", u"Noto Sans", u"DejaVu Sans"}, {u"Consolas", u"Noto Sans Mono", u"DejaVu Sans Mono"}},
};

FontDesign Font(const std::u16string& language, bool log)
{
    const std::u16string script = ParseLocale(language).Script;
    const ScriptFaces* faces = &kFaces[std::size(kFaces) - 1];
    for (const ScriptFaces& row : kFaces) {
        if (script == row.script) {
            faces = &row;
            break;
        }
    }
    FontDesign font;
    for (const char16_t* face : log ? faces->log : faces->page) {
        if (face != nullptr)
            font.Faces.emplace_back(face);
    }
    font.Height = log ? kF2Height : kF1Height;
    font.FixedPitch = log;
    // Japanese keeps its Gothic faces with the Shift-JIS character set.
    font.Charset = script == u"Jpan" ? 128 : 1;
    return font;
}

// Whether the language is written right to left: each translation says so, "LTR" or "RTL".
bool IsRightToLeft()
{
    return Tr("QGuiApplication", "QT_LAYOUT_DIRECTION",
              "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
              "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.")
        == u"RTL";
}

} // namespace

FontDesign PageFont(const std::u16string& language)
{
    return Font(language, false);
}

FontDesign LogFont(const std::u16string& language)
{
    return Font(language, true);
}

FormDesign Design()
{
    FormDesign form;
    form.Caption = Tr("frmMain", "最新バージョンの確認");
    form.ClientWidth = 6900;
    form.RightToLeft = IsRightToLeft();
    form.F1 = PageFont(CurrentLanguage());
    form.F2 = LogFont(CurrentLanguage());
    form.ProgressColor = 0xFF8000; // an orange

    const Align start = form.RightToLeft ? Align::Right : Align::Left;
    auto add = [&](Ctl id, ControlKind kind, Ctl container, Twips place, int tabIndex, std::u16string caption, FontRole font, Align align) {
        form.Controls.push_back({id, kind, container, place, tabIndex, std::move(caption), font, align, form.RightToLeft});
    };
    add(Ctl::fraPage0, ControlKind::Frame, Ctl::frmMain, {60, 60, 6735, 1755}, 0, {}, FontRole::Default, start);
    add(Ctl::lblMsg1, ControlKind::Label, Ctl::fraPage0, {180, 300, 4155, 225}, 1, Tr("frmMain", "最新バージョンの有無を確認しています．．．"), FontRole::F1, start);
    add(Ctl::lblProg, ControlKind::Label, Ctl::fraPage0, {345, 900, 5745, 225}, 7, u"■■■■■■", FontRole::F1, Align::Center);
    add(Ctl::fraPage1, ControlKind::Frame, Ctl::frmMain, {60, 60, 6735, 1755}, 2, {}, FontRole::Default, start);
    add(Ctl::lblMsg2, ControlKind::Label, Ctl::fraPage1, {180, 300, 6510, 225}, 3, Tr("frmMain", "最新バージョンが公開されています。"), FontRole::F1, start);
    add(Ctl::lblMsg3, ControlKind::Label, Ctl::fraPage1, {180, 660, 6510, 225}, 6, Tr("frmMain", "ダウンロードページを表示しますか？"), FontRole::F1, start);
    add(Ctl::cmdOK, ControlKind::CommandButton, Ctl::fraPage1, {1620, 1260, 2715, 375}, 4, Tr("frmMain", "ダウンロードページを表示(&O)"), FontRole::Default, Align::Center);
    add(Ctl::cmdClose, ControlKind::CommandButton, Ctl::fraPage1, {4440, 1260, 2055, 375}, 5, Tr("frmMain", "今は何もしない(&C)"), FontRole::Default, Align::Center);
    add(Ctl::Label1, ControlKind::Label, Ctl::frmMain, {180, 2040, 2820, 180}, 9, Tr("frmMain", "－－－－－デバッグ情報－－－－－"), FontRole::Default, start);
    add(Ctl::txtLog, ControlKind::TextBox, Ctl::frmMain, {60, 2400, 6735, 3315}, 8, {}, FontRole::F2, Align::Left);
    form.Controls.back().RightToLeft = false; // the log reads left to right in every language

    if (form.RightToLeft) {
        for (ControlDesign& control : form.Controls)
            control.Place = Mirrored(control.Place, ContainerWidth(form, control));
    }
    return form;
}

int ContainerWidth(const FormDesign& design, const ControlDesign& control)
{
    return control.Container == Ctl::frmMain ? design.ClientWidth : DesignOf(design, control.Container).Place.Width;
}

const ControlDesign& DesignOf(const FormDesign& design, Ctl id)
{
    for (const ControlDesign& control : design.Controls) {
        if (control.Id == id)
            return control;
    }
    static const ControlDesign none;
    return none;
}

} // namespace norvil
