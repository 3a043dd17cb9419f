// The screen that plays one slot machine: it loads the machine file in its constructor,
// selects the machine's backdrop on its stage, puts the machine's title in the caption of
// the window around its view, places the camera so that the machine's lowest controls are
// in view, and hands the rest of the face to the play side's MachineFace. Once built it has
// the program's caption painter show the player's name and cash. Leaving it puts the
// denomination back in the setting; deleting it switches the caption painter off, takes the
// face down, unloads the assets and closes the machine file in that order.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "MachineFace.h"
#include "MachineFile.h"
#include "Money.h"
#include "Screen.h"

class MachineScreen : public Screen {
public:
    // The machine file of the name (the screen tool window and the named-screen factory).
    explicit MachineScreen(const std::string& machineFile);
    // A built-in machine (number >= 0) or the (-number)-th custom machine.
    explicit MachineScreen(int32_t machineNumber);
    ~MachineScreen() override;

    bool CreateBackdrop(const RECT& area) override;
    bool Build() override;
    bool CanEnd() override;
    bool OnEnter() override;
    bool QueryArtHeight(int32_t* height) override;
    bool QueryArtWidth(int32_t* width) override;
    bool QueryTitle(std::string* text) override;
    // The view changed size: the camera is laid out again.
    void OnResize() override;

    // Places the camera: at (0, 0) when the art fits the view's client area, otherwise
    // low enough that the lowest element, indicator or region edge is just inside it.
    void LayoutArt();

    const MachineRecords& Records() const { return file_->Records(); }
    const MachineFile& File() const { return *file_; }
    int32_t GetReelCount() const { return Records().reelCount; }
    const std::string& GetTitle() const { return Records().title; }
    Money GetDenomination() const { return denomination_; }
    // The share of each coin bet that feeds the progressive meter.
    double GetProgressiveRate() const { return progressiveRate_; }
    // Where LayoutArt put the camera (its y; x is always 0).
    int32_t GetCameraOffset() const { return cameraOffset_; }
    MachineFace* GetFace() const { return face_.get(); }

private:
    void LoadMachine(const std::string& name);
    void ChooseDenomination();
    int32_t LowestEdge() const;

    std::unique_ptr<MachineFile> file_;
    std::unique_ptr<MachineFace> face_;
    Money denomination_;
    double progressiveRate_ = 0;
    int32_t cameraOffset_ = 0;
};

// The machine file of a machine number: the built-in machine's file for number >= 0, the
// (-number)-th custom machine file for number < 0, "rivirozav.ast" when there is none.
std::string MachineFileForNumber(int32_t number);
