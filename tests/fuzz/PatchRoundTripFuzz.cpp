// A round trip of source patches: a script (the first part of the input) is compiled,
// edited as the machine editor edits it (the rest of the input chooses the edits and their
// values), written, and compiled again; the second compile must give the edited machine,
// value for value.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzBytes.h"
#include "FuzzTarget.h"
#include "MachineDescription.h"
#include "MessageSink.h"
#include "ModelDump.h"
#include "PictureProbe.h"
#include "ScratchFile.h"

namespace {

class FixedSizes : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override {
        return path.empty() ? PictureSize{} : PictureSize{20, 12};
    }
    PictureSize GetAssetFrameSize(const std::string&, int32_t number) override { return PictureSize{number, 8}; }
};

// The names of the elements of one kind that may still be edited.
std::vector<std::string> Names(const std::map<std::string, SymbolRecord>& records, const std::set<std::string>& gone) {
    std::vector<std::string> names;
    for (const auto& r : records)
        if (!gone.count(r.first)) names.push_back(r.first);
    return names;
}

std::string FileName(FuzzBytes& in, const char* extension) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789_";
    std::string name(1, 'f');
    for (size_t n = in.InRange<size_t>(0, 12); n > 0; --n)
        name += kLetters[in.InRange<size_t>(0, sizeof kLetters - 2)];
    return name + extension;
}

class Editor {
public:
    Editor(MachineDescription& md, FuzzBytes& in) : md_(md), in_(in) {}
    std::set<std::string> gone;  // deleted or renamed: no longer edited by name
    std::vector<std::string> created;  // stand-in sound files, removed after the run

    // An edit the description refuses (a value the script has no statement for) changes
    // nothing.
    void EditOnce() {
        try {
            Edit();
        } catch (const std::invalid_argument&) {
        }
    }

private:
    void Edit() {
        switch (in_.InRange(0, 10)) {
        case 0: md_.SetBackdrop(FileName(in_, ".bmp")); break;
        case 1: EditStrip(); break;
        case 2: MoveReel(); break;
        case 3: MoveCoinDrop(); break;
        case 4: EditButton(); break;
        case 5: EditIndicator(); break;
        case 6: EditSound(); break;
        case 7: EditPayouts(); break;
        case 8: EditSymbol(); break;
        case 9: AddSound(); break;
        default: RemoveOrRename(); break;
        }
    }

    template <class T>
    const T* Pick(const std::vector<T>& from) {
        return from.empty() ? nullptr : &from[in_.InRange<size_t>(0, from.size() - 1)];
    }
    void EditStrip() {
        if (md_.GetReelCount() < 1) return;
        const int32_t reel = in_.InRange(0, md_.GetReelCount() - 1);
        ReelStrip strip = md_.GetReelStrip(reel);
        for (StripEntry& e : strip)
            if (in_.Bool()) e.weight = in_.InRange(1, 999);
        md_.SetReelStrip(reel, strip);
    }
    void MoveReel() {
        const auto& positions = md_.GetReelPositions();
        if (positions.empty()) return;
        const int32_t reel = in_.InRange<int32_t>(0, int32_t(positions.size()) - 1);
        // A reel the script places no ReelPosition for is refused (EditOnce).
        if (reel >= md_.GetReelCount()) return;
        ScriptRect r = positions[reel].rectangle;
        const int32_t dx = in_.InRange(-5, 5), dy = in_.InRange(-5, 5);
        if (r.left + dx < 0 || r.top + dy < 0) return;
        r.left += dx, r.right += dx, r.top += dy, r.bottom += dy;
        md_.SetReelRect(reel, r);
    }
    // A script without a Coin statement has no place for the drop position: the edit is
    // refused (EditOnce) and the recompiled script must not have it.
    void MoveCoinDrop() {
        md_.SetCoinDropPosition(Point{in_.InRange(0, 640), in_.InRange(0, 480)});
    }
    // One element of a kind that may still be edited, chosen by the input; false for none.
    bool PickElement(const std::map<std::string, SymbolRecord>& records, std::string& name, SymbolRecord& record) {
        const std::vector<std::string> names = Names(records, gone);
        const std::string* picked = Pick(names);
        if (!picked) return false;
        name = *picked;
        record = records.at(name);
        return true;
    }
    // A new sound file name, with an empty file of that name: the compile warns of a sound
    // file that does not open.
    std::string StandInSound() {
        const std::string file = FileName(in_, ".wav");
        std::fclose(std::fopen(file.c_str(), "wb"));
        created.push_back(file);
        return file;
    }
    void EditButton() {
        std::string name;
        SymbolRecord record;
        if (!PickElement(md_.GetButtons(), name, record)) return;
        ButtonPart& b = record.button;
        if (in_.Bool()) b.priority = in_.InRange(0, 999);
        if (in_.Bool()) b.hotKey = in_.InRange('a', 'z');
        if (in_.Bool()) b.hotKeyFlags = in_.InRange(0, 7);
        md_.SetButton(name, b);
    }
    void EditIndicator() {
        std::string name;
        SymbolRecord record;
        if (!PickElement(md_.GetIndicators(), name, record)) return;
        IndicatorPart& i = record.indicator;
        if (in_.Bool()) i.priority = in_.InRange(0, 999);
        if (in_.Bool()) i.digits = in_.InRange(1, 12);
        if (in_.Bool()) i.dollarSign = in_.InRange(0, 1);
        md_.SetIndicator(name, i);
    }
    void EditSound() {
        std::string name;
        SymbolRecord record;
        if (!PickElement(md_.GetSounds(), name, record)) return;
        SoundPart& s = record.sound;
        if (in_.Bool()) s.file = StandInSound();
        if (in_.Bool()) s.compressed = !s.compressed;
        md_.SetSound(name, s);
    }
    void EditPayouts() {
        ScriptPayTable table = md_.GetPayouts();
        for (auto& line : table.lines)
            for (auto& payout : line.payouts)
                if (payout.type == 0 && in_.Bool()) payout.amount = in_.InRange(0, 5000);
        md_.SetPayouts(table);
    }
    void EditSymbol() {
        if (md_.GetSymbolCount() < 1) return;
        const int32_t index = in_.InRange(0, md_.GetSymbolCount() - 1);
        ReelSymbol symbol = md_.GetSymbolFile(md_.GetSymbol(index));
        symbol.files.assign(1, FileName(in_, ".bmp"));
        if (in_.Bool()) symbol.files.push_back(FileName(in_, ".bmp"));
        symbol.assetNumber = 0;
        md_.SetSymbol(index, symbol);
    }
    void AddSound() {
        const std::string name = "Added" + std::to_string(added_++);
        if (md_.IsDefined(name)) return;
        SoundPart sound;
        sound.name = name;
        sound.file = StandInSound();
        sound.compressed = in_.Bool();
        if (md_.DefineSound(name, sound)) gone.insert(name);
    }
    void RemoveOrRename() {
        std::vector<std::string> names = Names(md_.GetButtons(), gone);
        for (const auto& more : {Names(md_.GetIndicators(), gone), Names(md_.GetSounds(), gone), Names(md_.GetRegions(), gone)})
            names.insert(names.end(), more.begin(), more.end());
        const std::string* name = Pick(names);
        // A machine without its required elements no longer compiles: they stay.
        if (!name || Required(*name)) return;
        const std::string old = *name;
        if (in_.Bool()) {
            md_.DeleteElement(old);
            gone.insert(old);
            deleted_.insert(old);
            return;
        }
        const std::string fresh = "Renamed" + std::to_string(renames_++);
        if (md_.IsDefined(fresh)) return;
        md_.RenameElement(old, fresh);
        gone.insert(old);
        gone.insert(fresh);
    }

    bool Required(const std::string& name) const {
        static const std::set<std::string> kRequired{"BetMax", "BetOne", "CashOut", "Spin", "Bet", "Credit", "WinnerPaid"};
        return kRequired.count(name) || name == md_.GetProgressive().indicator;
    }

    MachineDescription& md_;
    FuzzBytes& in_;
    std::set<std::string> deleted_;
    int renames_ = 0;
    int added_ = 0;

public:
    const std::set<std::string>& Deleted() const { return deleted_; }
};

class TextSink : public MessageSink {
public:
    void AddMessage(const std::string& line) override { text += line + "\n"; }
    std::string text;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The run's own folder, with stand-ins for the sound files of the seeds: the compile warns
// of a sound file that does not open.
void EnterScratchFolder() {
    static bool entered = false;
    if (entered) return;
    const std::string folder = ScratchPath(".d");
    if (mkdir(folder.c_str(), 0700) != 0 || chdir(folder.c_str()) != 0) std::abort();
    for (const char* name : {"chime.wav", "drop.wav"}) std::fclose(std::fopen(name, "wb"));
    entered = true;
}

// Runs the edits, the write and the second compile; traps when the round trip fails.
void RoundTrip(MachineDescription& md, FuzzBytes& in, PictureProbe& probe, Editor& editor);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterScratchFolder();
    FuzzBytes in(data, size);
    // The script's length in two bytes, then the script, then the edits.
    const std::string script = in.Text(in.InRange<size_t>(0, 0xFFFF));
    FixedSizes probe;
    MachineDescription md;
    md.SetPictureProbe(&probe);
    TextSink first;
    md.Compile(WriteScratchFile(reinterpret_cast<const uint8_t*>(script.data()), script.size(), ".vsl"), &first, nullptr);
    // VSL_FUZZ_VERBOSE shows what the first compile said, for checking new seeds.
    static const bool verbose = std::getenv("VSL_FUZZ_VERBOSE") != nullptr;
    if (verbose) std::fprintf(stderr, "%s\n", md.IsCompiled() ? "compiled" : first.text.c_str());
    if (!md.IsCompiled()) return 0;
    Editor editor(md, in);
    RoundTrip(md, in, probe, editor);
    for (const std::string& file : editor.created) std::remove(file.c_str());
    return 0;
}

namespace {

void RoundTrip(MachineDescription& md, FuzzBytes& in, PictureProbe& probe, Editor& editor) {
    for (int n = in.InRange(1, 8); n > 0 && in.Remaining() > 0; --n) editor.EditOnce();

    const std::string written = ScratchPath(".written.vsl");
    if (!md.WriteScript(written)) __builtin_trap();
    MachineDescription again;
    again.SetPictureProbe(&probe);
    TextSink messages;
    again.Compile(written, &messages, nullptr);
    if (!again.IsCompiled()) {
        std::fprintf(stderr, "The edited script does not compile:\n%s\n%s\n", ReadAll(written).c_str(),
                     messages.text.c_str());
        __builtin_trap();
    }
    const std::string differences = DescribeDifferences(DumpModel(md, editor.Deleted()), DumpModel(again));
    if (!differences.empty()) {
        std::fprintf(stderr, "The edited script compiles to another machine:\n%s\n", differences.c_str());
        __builtin_trap();
    }
}

}  // namespace
