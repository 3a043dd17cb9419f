#include "NameStylePage.h"

#include <vector>

#include "GeneralSettings.h"
#include "MachineDescriptionFile.h"
#include "MachineIdentifier.h"
#include "MachinePreview.h"
#include "StyleTables.h"
#include "WizardIds.h"

namespace {

const int kMaxNameLength = 60;
const int kSampleHeight = 24;
const int kSmallestSampleHeight = 8;
const int kSampleMargin = 4;  // room for the overhang of the last letter

// The width of `text` in `font` as the control draws it.
LONG TextWidth(HWND control, HFONT font, const std::string& text)
{
    HDC dc = GetDC(control);
    HGDIOBJ before = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return size.cx;
}

// Adds each TrueType family once, leaving out the symbol fonts.
int CALLBACK AddTrueTypeFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM combo)
{
    HWND box = reinterpret_cast<HWND>(combo);
    if (!(type & TRUETYPE_FONTTYPE) || font->lfCharSet == SYMBOL_CHARSET || font->lfFaceName[0] == '@')
        return 1;
    if (SendMessageA(box, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(font->lfFaceName)) == CB_ERR)
        SendMessageA(box, CB_ADDSTRING, 0, LPARAM(font->lfFaceName));
    return 1;
}

// Selects the first entry that begins with `start`, or the first entry.
void SelectBeginningWith(HWND combo, const std::string& start)
{
    LRESULT at = start.empty() ? CB_ERR : ::SendMessageA(combo, CB_FINDSTRING, WPARAM(-1), LPARAM(start.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, at == CB_ERR ? 0 : at, 0);
}

}  // namespace

NameStylePage::NameStylePage(WizardSheet* sheet) : WizardPage(IDD_WIZARD_NAME_STYLES, sheet, PSWIZB_NEXT)
{
    BindCommand(IDC_WIZARD_NAME, this, &NameStylePage::OnName);
    BindCommand(IDC_WIZARD_FONT, this, &NameStylePage::OnFont);
    BindCommand(IDC_WIZARD_BODY, this, &NameStylePage::OnBody);
    BindCommand(IDC_WIZARD_ARM, this, &NameStylePage::OnArm);
    BindCommand(IDC_WIZARD_BUTTON_SET, this, &NameStylePage::OnButtonSet);
}

NameStylePage::~NameStylePage()
{
    backdrop_.reset();
    preview_.reset();
    if (sampleFont_)
        DeleteObject(sampleFont_);
}

void NameStylePage::OnShow(bool first)
{
    if (!first) {
        ShowPreview();  // the reels page may have changed the layout
        return;
    }
    SendItemMessage(IDC_WIZARD_NAME, EM_LIMITTEXT, kMaxNameLength, 0);
    FillFonts();
    FillBodies();
    SetItemText(IDC_WIZARD_NAME, Document().name);  // runs OnName, which shows the sample
    MachineNameToIdentifier(Document(), Document().name);
    ShowSample();
    preview_.reset(new BitmapEditView(*this, IDC_WIZARD_PREVIEW));
    preview_->SetZoom(true);
    backdrop_.reset(new AwardBackdropView(*this, IDC_WIZARD_AWARD_BACKDROP, Document(), [this] { ShowPreview(); }));
    backdrop_->Show();
    ShowPreview();
}

void NameStylePage::ShowPreview()
{
    if (!preview_)
        return;
    Bitmap picture;
    if (!ComposeMachinePreview(Document(), GetClipArtPathSetting().Get(), picture))
        return;
    preview_->GetBitmap().Swap(picture);
    preview_->Redraw();
}

std::string NameStylePage::SelectedText(int comboId)
{
    const LRESULT at = SendItemMessage(comboId, CB_GETCURSEL, 0, 0);
    if (at == CB_ERR)
        return std::string();
    std::vector<char> buffer(size_t(SendItemMessage(comboId, CB_GETLBTEXTLEN, at, 0)) + 1);
    SendItemMessage(comboId, CB_GETLBTEXT, at, LPARAM(buffer.data()));
    return std::string(buffer.data());
}

// The combo chooses the document's font when the screen has it, else the first family.
void NameStylePage::FillFonts()
{
    HWND combo = GetDlgItem(GetHandle(), IDC_WIZARD_FONT);
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, AddTrueTypeFamily, LPARAM(combo), 0);
    ReleaseDC(nullptr, screen);
    const LRESULT at = ::SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(Document().fontName.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, at == CB_ERR ? 0 : at, 0);
    const std::string face = SelectedText(IDC_WIZARD_FONT);
    if (!face.empty())
        Document().fontName = face;
}

void NameStylePage::FillBodies()
{
    for (const MachineBody& body : GetMachineBodies())
        SendItemMessage(IDC_WIZARD_BODY, CB_ADDSTRING, 0, LPARAM(body.name.c_str()));
    SendItemMessage(IDC_WIZARD_BODY, CB_SETCURSEL, Document().bodyIndex, 0);
    FillStylesOfBody(std::string(), std::string());
}

void NameStylePage::FillStylesOfBody(const std::string& arm, const std::string& buttonSet)
{
    const MachineBody& body = GetMachineBodies().at(Document().bodyIndex);
    HWND arms = GetDlgItem(GetHandle(), IDC_WIZARD_ARM);
    HWND sets = GetDlgItem(GetHandle(), IDC_WIZARD_BUTTON_SET);
    ::SendMessageA(arms, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(sets, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < body.armCount; ++i)
        ::SendMessageA(arms, CB_ADDSTRING, 0, LPARAM(body.arms[i].name.c_str()));
    for (int32_t i = 0; i < body.buttonSetCount; ++i)
        ::SendMessageA(sets, CB_ADDSTRING, 0, LPARAM(body.buttonSets[i].name.c_str()));
    SelectBeginningWith(arms, arm);
    SelectBeginningWith(sets, buttonSet);
    Document().armIndex = uint32_t(::SendMessageA(arms, CB_GETCURSEL, 0, 0));
    Document().buttonSetIndex = uint32_t(::SendMessageA(sets, CB_GETCURSEL, 0, 0));
}

// The name in the chosen font at height 24, or smaller when a long name would not fit
// the sample's width otherwise.
void NameStylePage::ShowSample()
{
    HWND sample = GetDlgItem(GetHandle(), IDC_WIZARD_NAME_SAMPLE);
    RECT client = {};
    GetClientRect(sample, &client);
    HFONT font = nullptr;
    for (int height = kSampleHeight; height >= kSmallestSampleHeight && font == nullptr; --height) {
        font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, Document().fontName.c_str());
        if (height > kSmallestSampleHeight &&
            TextWidth(sample, font, Document().name) > client.right - kSampleMargin) {
            DeleteObject(font);
            font = nullptr;
        }
    }
    SendItemMessage(IDC_WIZARD_NAME_SAMPLE, WM_SETFONT, WPARAM(font), TRUE);
    SetItemText(IDC_WIZARD_NAME_SAMPLE, Document().name);
    if (sampleFont_)
        DeleteObject(sampleFont_);
    sampleFont_ = font;
}

void NameStylePage::OnName(int, int code)
{
    if (code != EN_CHANGE)
        return;
    MachineNameToIdentifier(Document(), GetItemText(IDC_WIZARD_NAME, kMaxNameLength + 1));
    ShowSample();
}

int NameStylePage::OnWizardNext(PropertySheet*, LRESULT*)
{
    const std::string problem = MachineNameProblem(Document());
    if (problem.empty())
        return 1;
    MessageBoxA(GetHandle(), problem.c_str(), "Machine Not Finished", MB_OK | MB_ICONSTOP);
    return 0;
}

void NameStylePage::OnFont(int, int code)
{
    if (code != CBN_SELCHANGE)
        return;
    Document().fontName = SelectedText(IDC_WIZARD_FONT);
    ShowSample();
}

void NameStylePage::OnBody(int, int code)
{
    if (code != CBN_SELCHANGE)
        return;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const std::string arm = SelectedText(IDC_WIZARD_ARM);
    const std::string buttonSet = SelectedText(IDC_WIZARD_BUTTON_SET);
    Document().bodyIndex = uint32_t(SendItemMessage(IDC_WIZARD_BODY, CB_GETCURSEL, 0, 0));
    FillStylesOfBody(arm, buttonSet);
    ShowPreview();
    SetCursor(previous);
}

void NameStylePage::OnArm(int, int code)
{
    if (code != CBN_SELCHANGE)
        return;
    Document().armIndex = uint32_t(SendItemMessage(IDC_WIZARD_ARM, CB_GETCURSEL, 0, 0));
    ShowPreview();
}

void NameStylePage::OnButtonSet(int, int code)
{
    if (code != CBN_SELCHANGE)
        return;
    Document().buttonSetIndex = uint32_t(SendItemMessage(IDC_WIZARD_BUTTON_SET, CB_GETCURSEL, 0, 0));
    ShowPreview();
}
