// What the play side adds to a machine screen: the face items, the indicators and regions,
// the reels, the arm and buttons, the script host and the frame listener. The machine screen
// loads the machine and shows its stage, backdrop and title; when a face maker is installed
// it makes one face per screen and hands it the records, the file and the screen's stage.
//
// Order the screen keeps: Build runs under the engine's thread-sync token after the backdrop
// is selected and before the camera is laid out; the face is deleted before the screen
// unloads the machine's assets and closes the machine file, so that its sprites and reels
// never outlive the assets they show.
#pragma once

class MachineScreen;

class MachineFace {
public:
    virtual ~MachineFace() = default;
    // Builds the face on the screen's stage; false fails the screen's set-up.
    virtual bool Build(MachineScreen& screen) = 0;
    // The screen was entered (after the camera was laid out).
    virtual void OnEnter(MachineScreen&) {}
    // May the machine be left now (no coins bet, the reels idle); a face that agrees has
    // already cashed out and stopped its script.
    virtual bool CanEnd(MachineScreen&) { return true; }
};

using MachineFaceMaker = MachineFace* (*)(MachineScreen& screen);

// The maker in force (null: screens show their backdrop and title only); the previous one
// is returned.
MachineFaceMaker SetMachineFaceMaker(MachineFaceMaker maker);
MachineFaceMaker GetMachineFaceMaker();
