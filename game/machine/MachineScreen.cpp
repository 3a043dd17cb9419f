#include "MachineScreen.h"

#include <algorithm>

#include "BuiltInMachines.h"
#include "CaptionPainter.h"
#include "CustomMachines.h"
#include "DenominationChoice.h"
#include "GeneralSettings.h"
#include "MachineFileError.h"
#include "Quor2_5.h"
#include "StageSetup.h"
#include "ThreadSyncToken.h"
#include "Window.h"

namespace {
const char kNoMachineFile[] = "rivirozav.ast";
// Each coin bet adds this share of the denomination to the progressive, at most a cent.
const double kProgressiveShare = 0.0001;
const double kMostProgressiveRate = 0.01;
}  // namespace

std::string MachineFileForNumber(int32_t number) {
    if (number >= 0) {
        const char* file = FindBuiltInScript(number);
        return file ? file : kNoMachineFile;
    }
    int32_t wanted = -number;
    for (const CustomMachineEntry& entry : GetCustomMachines())
        if (entry.kind == kCustomMachine && --wanted == 0) return entry.path;
    return kNoMachineFile;
}

MachineScreen::MachineScreen(const std::string& machineFile) { LoadMachine(machineFile); }

MachineScreen::MachineScreen(int32_t machineNumber) : Screen(machineNumber) {
    LoadMachine(MachineFileForNumber(machineNumber));
}

MachineScreen::~MachineScreen() {
    if (CaptionPainter* painter = GetCaptionPainter()) painter->SetActive(false);
    // Whatever shows the machine's assets goes first, then the assets and the file; the
    // stage gets a plain backdrop so that nothing on it refers to the file any more.
    {
        ThreadSyncToken token;
        face_.reset();
    }
    if (stage_.stage && !stage_.userBackdrop) {
        RECT client = {0, 0, 1, 1};
        if (view_ && view_->GetHandle()) GetClientRect(view_->GetHandle(), &client);
        SelectBlackBackdrop(stage_, client);
    }
    file_.reset();
}

void MachineScreen::LoadMachine(const std::string& name) {
    file_ = std::make_unique<MachineFile>(name);
    ChooseDenomination();
    progressiveRate_ = std::min(denomination_.Cents() * kProgressiveShare, kMostProgressiveRate);
}

void MachineScreen::ChooseDenomination() {
    DenominationSetting& setting = GetDenominationSetting();
    const uint32_t flag = ChooseDenominationFlag(Records().denominationMask, GetDenominationFlag(Money(setting.Get())));
    denomination_ = GetDenominationValue(flag);
    setting.Set(denomination_.Cents());
}

bool MachineScreen::CreateBackdrop(const RECT&) {
    HWND frame = view_ && view_->GetHandle() ? GetParent(view_->GetHandle()) : nullptr;
    if (frame) SetWindowTextA(frame, GetTitle().c_str());
    if (!SelectBackdrop(stage_.stage, file_->Asset(Records().backdrop)))
        throw MachineFileError(file_->GetPath() + ": the backdrop cannot be shown");
    return true;
}

bool MachineScreen::Build() {
    ThreadSyncToken token;
    if (MachineFaceMaker maker = GetMachineFaceMaker()) {
        face_.reset(maker(*this));
        if (face_ && !face_->Build(*this)) return false;
    }
    LayoutArt();
    // The caption shows the player's name and cash while the machine is up.
    if (CaptionPainter* painter = GetCaptionPainter()) painter->SetActive(true);
    return true;
}

bool MachineScreen::CanEnd() {
    // A face stores the denomination it plays at, which may differ from the one of the load.
    if (face_) return face_->CanEnd(*this);
    GetDenominationSetting().Set(denomination_.Cents());
    return true;
}

bool MachineScreen::OnEnter() {
    LayoutArt();
    if (face_) face_->OnEnter(*this);
    return true;
}

bool MachineScreen::QueryArtHeight(int32_t* height) {
    if (height) *height = file_->GetArtHeight();
    return true;
}

bool MachineScreen::QueryArtWidth(int32_t* width) {
    if (width) *width = file_->GetArtWidth();
    return true;
}

bool MachineScreen::QueryTitle(std::string* text) {
    if (text) *text = GetTitle();
    return true;
}

void MachineScreen::OnResize() { LayoutArt(); }

int32_t MachineScreen::LowestEdge() const {
    int32_t lowest = file_->GetLowestRegionEdge();
    for (const ElementRecord& e : Records().elements) lowest = std::max(lowest, e.rect.bottom);
    for (const IndicatorRecord& i : Records().indicators) lowest = std::max(lowest, i.Rect().bottom);
    return lowest;
}

void MachineScreen::LayoutArt() {
    RECT client = {0, 0, 0, 0};
    if (view_ && view_->GetHandle()) GetClientRect(view_->GetHandle(), &client);
    int32_t offset = 0;
    if (file_->GetArtHeight() > client.bottom) offset = std::max<int32_t>(0, LowestEdge() - client.bottom);
    POINT at = {0, offset};
    if (camera_.camera && PlaceCamera(camera_.camera, &at)) {
        camera_.x = 0;
        camera_.y = offset;
    }
    cameraOffset_ = offset;
}
