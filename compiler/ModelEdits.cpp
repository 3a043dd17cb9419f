// The edit operations of the machine description: each stores the new value and queues
// the patches that print what changed.
#include <algorithm>
#include <stdexcept>

#include "FieldPatch.h"
#include "PointsDiffer.h"
#include "SynError.h"

namespace {

const char* KindName(SymbolKind kind) {
    switch (kind) {
    case SymbolKind::Animation: return "an animation";
    case SymbolKind::Button: return "a button";
    case SymbolKind::Indicator: return "an indicator";
    case SymbolKind::Sound: return "a sound";
    case SymbolKind::Region: return "a region";
    default: return "an element";
    }
}

bool IsElementKind(SymbolKind kind) {
    return kind == SymbolKind::Animation || kind == SymbolKind::Button ||
           kind == SymbolKind::Indicator || kind == SymbolKind::Sound ||
           kind == SymbolKind::Region;
}

// Prints one vertex of a region by its position, so that it stays valid when the region
// gets a new list of points (the list's own patch then prints every point).
class RegionPointPatch : public SourcePatch {
public:
    RegionPointPatch(const Region* region, size_t index, const MachineDescription* owner)
        : region_(region), index_(index), owner_(owner) {}
    std::string GetText() const override {
        if (index_ >= region_->vertices.size()) return std::string();
        // A vertex's span holds its parentheses.
        return "(" + owner_->FormatPoint(region_->vertices[index_]) + ")";
    }

private:
    const Region* region_;
    size_t index_;
    const MachineDescription* owner_;
};

}  // namespace

SymbolPart& MachineDescription::ElementPart(const std::string& name, SymbolKind kind) {
    SymbolRecord* record = symbols_.GetRecord(name);
    if (!record || record->kind != kind)
        throw std::invalid_argument(name + " is not " + KindName(kind));
    return *symbols_.GetKindPart(name);
}

SymbolPart& MachineDescription::AnyElementPart(const std::string& name) {
    SymbolRecord* record = symbols_.GetRecord(name);
    if (!record || !IsElementKind(record->kind))
        throw std::invalid_argument(name + " is not an element");
    return *symbols_.GetKindPart(name);
}

// The patch writes the file alone, so an asset number the script gave goes with it.
void MachineDescription::SetBackdrop(const std::string& file) {
    QueueQuotedText(backdropSpan_, backdropFile_);
    backdropFile_ = file;
    backdropAsset_ = 0;
}

void MachineDescription::SetReelRect(int32_t reel, const ScriptRect& rect) {
    CheckReel(reel);
    if (static_cast<size_t>(reel) >= reelPositions_.size())
        throw std::out_of_range("The script places no reel " + std::to_string(reel));
    ReelPosition& position = reelPositions_[reel];
    QueuePatch(position.rectangleSpan, position.rectangle, &MachineDescription::FormatRect);
    position.rectangle = rect;
}

void MachineDescription::SetReelStrip(int32_t reel, const ReelStrip& strip) {
    CheckReel(reel);
    ReelStrip& stored = reelStrips_[reel];
    if (strip.size() != stored.size())
        throw std::invalid_argument("A reel strip has " + std::to_string(stored.size()) +
                                    " stops, not " + std::to_string(strip.size()));
    for (size_t stop = 0; stop < stored.size(); ++stop)
        if (strip[stop].symbol != stored[stop].symbol && !reelSymbols_.count(strip[stop].symbol))
            throw std::invalid_argument(strip[stop].symbol + " is not a reel symbol");
    for (size_t stop = 0; stop < stored.size(); ++stop) {
        StripEntry& entry = stored[stop];
        if (strip[stop].symbol != entry.symbol) {
            QueueText(stripNameSpans_[reel][stop], entry.symbol);
            entry.symbol = strip[stop].symbol;
        }
        if (strip[stop].weight != entry.weight) {
            QueueNumber(stripWeightSpans_[reel][stop], entry.weight);
            entry.weight = strip[stop].weight;
        }
    }
}

void MachineDescription::SetSymbol(int32_t index, const ReelSymbol& value) {
    const std::string name = GetSymbol(index);
    ReelSymbol& stored = reelSymbols_.at(name);
    if (stored.files == value.files && stored.assetNumber == value.assetNumber) return;
    // The patch rewrites one statement; the files of the others would stay in front.
    if (symbolStatements_.at(stored.index) > 1)
        throw std::invalid_argument(name + " has its files in more than one Symbol statement");
    QueuePatch(reelSymbolSpans_.at(stored.index), stored, &MachineDescription::FormatReelSymbol);
    stored.files = value.files;
    stored.assetNumber = value.assetNumber;
}

void MachineDescription::SetArmRect(const ScriptRect& rect) {
    if (rect == armRect_) return;
    QueuePatch(armRectSpan_, armRect_, &MachineDescription::FormatPlacement);
    armRect_ = rect;
}

void MachineDescription::SetArmAnimation(const AnimationReference& reference) {
    if (reference == armAnimation_) return;
    ReplaceAnimationRef(armAnimation_.span, armAnimation_, reference);
}

void MachineDescription::SetCoinAnimation(const AnimationReference& reference) {
    if (reference == coin_.coin) return;
    ReplaceAnimationRef(coin_.coin.span, coin_.coin, reference);
}

void MachineDescription::SetCoinDropAnimation(const AnimationReference& reference) {
    if (reference == coin_.coinDrop) return;
    ReplaceAnimationRef(coin_.coinDrop.span, coin_.coinDrop, reference);
}

void MachineDescription::SetCoinDropPosition(const Point& position) {
    if (!PointsDiffer(position, coin_.dropPosition)) return;
    QueuePatch(coin_.dropPositionSpan, coin_.dropPosition, &MachineDescription::FormatPoint);
    coin_.dropPosition = position;
}

void MachineDescription::SetAnimationFiles(const std::string& name,
                                           const AnimationReference& reference) {
    auto& animation = static_cast<AnimationRecord&>(ElementPart(name, SymbolKind::Animation));
    if (reference == animation.reference) return;
    ReplaceAnimationRef(animation.pictureSpan, animation.reference, reference);
    // Buttons and Indicators that name the Animation hold a copy of its pictures, as a
    // compile gives them.
    for (const auto& button : symbols_.ListKind(SymbolKind::Button))
        CopyNamedPictures(symbols_.GetButtonPart(button.first)->picture, animation);
    for (const auto& indicator : symbols_.ListKind(SymbolKind::Indicator))
        CopyNamedPictures(symbols_.GetIndicatorPart(indicator.first)->picture, animation);
}

void MachineDescription::CopyNamedPictures(AnimationReference& picture,
                                           const AnimationRecord& animation) {
    if (picture.animationName != animation.name) return;
    const SourceSpan span = picture.span;
    const SourceSpan nameSpan = picture.nameSpan;
    picture = animation.reference;
    picture.animationName = animation.name;
    picture.span = span;
    picture.nameSpan = nameSpan;
}

void MachineDescription::ReplaceAnimationRef(SourceSpan& patchSpan, AnimationReference& stored,
                                             const AnimationReference& reference) {
    QueuePatch(patchSpan, stored, &MachineDescription::FormatAnimationRef);
    const SourceSpan span = stored.span;
    stored = reference;
    stored.span = span;
}

// A HotKey or HotKeyFlags clause is written whole, in place of the clause the script
// wrote or inserted where it wrote none; a key or flags of 0 write no clause.
void MachineDescription::QueueHotKeys(SourceSpan& keySpan, int32_t& key, int32_t newKey,
                                      SourceSpan& flagsSpan, int32_t& flags, int32_t newFlags) {
    if (newKey != key) {
        QueuePatch(keySpan, key, &MachineDescription::FormatHotKey);
        key = newKey;
    }
    if (newFlags != flags) {
        QueuePatch(flagsSpan, flags, &MachineDescription::FormatHotKeyFlags);
        flags = newFlags;
    }
}

void MachineDescription::SetButton(const std::string& name, const ButtonPart& button) {
    auto& stored = static_cast<ButtonPart&>(ElementPart(name, SymbolKind::Button));
    if (button.picture != stored.picture) {
        ReplaceAnimationRef(stored.picture.span, stored.picture, button.picture);
    }
    if (button.rectangle != stored.rectangle) {
        QueuePatch(stored.positionSpan, stored.rectangle, &MachineDescription::FormatPlacement);
        stored.rectangle = button.rectangle;
        stored.position = Point{button.rectangle.left, button.rectangle.top};
    }
    QueueHotKeys(stored.hotKeySpan, stored.hotKey, button.hotKey, stored.hotKeyFlagsSpan,
                 stored.hotKeyFlags, button.hotKeyFlags);
    if (button.priority != stored.priority) {
        QueuePatch(stored.prioritySpan, stored.priority,
                   stored.priorityAbsent ? &MachineDescription::FormatPriority
                                         : &MachineDescription::FormatNumber);
        stored.priority = button.priority;
    }
    stored.scriptlets = button.scriptlets;
}

void MachineDescription::SetIndicator(const std::string& name, const IndicatorPart& indicator) {
    auto& stored = static_cast<IndicatorPart&>(ElementPart(name, SymbolKind::Indicator));
    const bool pictureChanged = indicator.picture != stored.picture;
    const bool rectangleChanged = indicator.rectangle != stored.rectangle;
    if (pictureChanged) {
        ReplaceAnimationRef(stored.picture.span, stored.picture, indicator.picture);
    }
    // A compile takes a size the script leaves out from the picture, and Digits left out
    // from the size and the picture: once either changes, both are written, so that they
    // keep their values.
    if (rectangleChanged || pictureChanged) {
        QueuePatch(stored.rectangleSpan, stored.rectangle, &MachineDescription::FormatRect);
        stored.rectangle = indicator.rectangle;
    }
    if (indicator.digits != stored.digits ||
        (stored.digitsAbsent && (rectangleChanged || pictureChanged))) {
        QueuePatch(stored.digitsSpan, stored.digits,
                   stored.digitsAbsent ? &MachineDescription::FormatDigits
                                       : &MachineDescription::FormatNumber);
        stored.digits = indicator.digits;
    }
    if (indicator.priority != stored.priority) {
        QueuePatch(stored.prioritySpan, stored.priority,
                   stored.priorityAbsent ? &MachineDescription::FormatPriority
                                         : &MachineDescription::FormatNumber);
        stored.priority = indicator.priority;
    }
    if (indicator.dollarSign != stored.dollarSign) {
        QueuePatch(stored.dollarSignSpan, stored.dollarSign, &MachineDescription::FormatDollarSign);
        stored.dollarSign = indicator.dollarSign;
    }
    stored.scriptlets = indicator.scriptlets;
}

void MachineDescription::SetSound(const std::string& name, const SoundPart& sound) {
    auto& stored = static_cast<SoundPart&>(ElementPart(name, SymbolKind::Sound));
    if (sound.file != stored.file || sound.assetNumber != stored.assetNumber ||
        sound.compressed != stored.compressed)
        QueuePatch(stored.entrySpan, stored, &MachineDescription::FormatSoundEntry);
    stored.file = sound.file;
    stored.assetNumber = sound.assetNumber;
    stored.compressed = sound.compressed;
}

void MachineDescription::SetRegion(const std::string& name, const RegionPart& region) {
    auto& stored = static_cast<RegionPart&>(ElementPart(name, SymbolKind::Region));
    Region& shape = stored.region;
    const Point origin{region.region.originX, region.region.originY};
    if (PointsDiffer(origin, Point{shape.originX, shape.originY})) {
        QueuePatch(stored.originSpan, stored, &MachineDescription::FormatRegionOrigin);
        shape.originX = region.region.originX;
        shape.originY = region.region.originY;
    }
    QueueHotKeys(stored.hotKeySpan, stored.hotKey, region.hotKey, stored.hotKeyFlagsSpan,
                 stored.hotKeyFlags, region.hotKeyFlags);
    const std::vector<Point>& points = region.region.vertices;
    if (points.size() != shape.vertices.size()) {
        QueuePatch(stored.pointListSpan, shape.vertices, &MachineDescription::FormatRegionPoints);
        shape.vertices = points;
    } else {
        for (size_t i = 0; i < points.size(); ++i) {
            if (!PointsDiffer(points[i], shape.vertices[i])) continue;
            // Once the whole list is queued, its patch prints every point; a point of a
            // list that grew has no place of its own.
            if (!AlreadyQueued(stored.pointListSpan) && i < stored.pointSpans.size() &&
                !AlreadyQueued(stored.pointSpans[i]))
                AppendPatch(stored.pointSpans[i],
                            std::make_unique<RegionPointPatch>(&shape, i, this));
            shape.vertices[i] = points[i];
        }
    }
    stored.scriptlets = region.scriptlets;
}

// New definitions go in front of the "}" that closes the Art block; a script without one
// has no place for them, and text put anywhere else would no longer compile.
void MachineDescription::RequireArtBlock(const std::string& name) const {
    if (artEnd_ <= 0)
        throw std::invalid_argument("The script has no Art block to define " + name + " in");
}

bool MachineDescription::DefineButton(const std::string& name, const ButtonPart& button) {
    if (symbols_.Find(name)) return false;
    RequireArtBlock(name);
    ButtonPart part;
    part.name = name;
    part.picture = button.picture;
    part.picture.span = SourceSpan();
    part.rectangle = button.rectangle;
    part.position = Point{button.rectangle.left, button.rectangle.top};
    part.priority = button.priority;
    part.hotKey = button.hotKey;
    part.hotKeyFlags = button.hotKeyFlags;
    part.scriptlets = button.scriptlets;
    part.definitionSpan = SourceSpan::InsertAt(artEnd_);
    if (!symbols_.DefineButton(name, part)) return false;
    ButtonPart& stored = *symbols_.GetButtonPart(name);
    QueuePatch(stored.definitionSpan, stored, &MachineDescription::FormatButton);
    ShareDefinitionPatch(stored, {&stored.nameSpan, &stored.picture.span, &stored.positionSpan,
                                  &stored.prioritySpan, &stored.hotKeySpan,
                                  &stored.hotKeyFlagsSpan});
    return true;
}

bool MachineDescription::DefineIndicator(const std::string& name, const IndicatorPart& indicator) {
    if (symbols_.Find(name)) return false;
    RequireArtBlock(name);
    IndicatorPart part;
    part.name = name;
    part.picture = indicator.picture;
    part.picture.span = SourceSpan();
    part.rectangle = indicator.rectangle;
    part.priority = indicator.priority;
    part.digits = indicator.digits;
    part.dollarSign = indicator.dollarSign;
    part.scriptlets = indicator.scriptlets;
    part.definitionSpan = SourceSpan::InsertAt(artEnd_);
    if (!symbols_.DefineIndicator(name, part)) return false;
    IndicatorPart& stored = *symbols_.GetIndicatorPart(name);
    QueuePatch(stored.definitionSpan, stored, &MachineDescription::FormatIndicator);
    ShareDefinitionPatch(stored, {&stored.nameSpan, &stored.picture.span, &stored.rectangleSpan,
                                  &stored.prioritySpan, &stored.digitsSpan,
                                  &stored.dollarSignSpan});
    return true;
}

bool MachineDescription::DefineSound(const std::string& name, const SoundPart& sound) {
    if (symbols_.Find(name)) return false;
    RequireArtBlock(name);
    SoundPart part;
    part.name = name;
    part.file = sound.file;
    part.assetNumber = sound.assetNumber;
    part.compressed = sound.compressed;
    part.definitionSpan = SourceSpan::InsertAt(artEnd_);
    if (!symbols_.DefineSound(name, part)) return false;
    SoundPart& stored = *symbols_.GetSoundPart(name);
    QueuePatch(stored.definitionSpan, stored, &MachineDescription::FormatSound);
    ShareDefinitionPatch(stored, {&stored.nameSpan, &stored.fileSpan, &stored.assetNumberSpan,
                                  &stored.compressedSpan, &stored.entrySpan});
    return true;
}

bool MachineDescription::DefineRegion(const std::string& name, const RegionPart& region) {
    if (symbols_.Find(name)) return false;
    RequireArtBlock(name);
    RegionPart part;
    part.name = name;
    part.region = Region();
    part.region.originX = region.region.originX;
    part.region.originY = region.region.originY;
    part.region.vertices = region.region.vertices;
    part.pointSpans.resize(part.region.vertices.size());
    part.hotKey = region.hotKey;
    part.hotKeyFlags = region.hotKeyFlags;
    part.scriptlets = region.scriptlets;
    part.definitionSpan = SourceSpan::InsertAt(artEnd_);
    if (!symbols_.DefineRegion(name, part))
        throw SynError("Error defining " + name + " as a region");
    RegionPart& stored = *symbols_.GetRegionPart(name);
    QueuePatch(stored.definitionSpan, stored, &MachineDescription::FormatRegion);
    std::vector<SourceSpan*> spans = {&stored.nameSpan, &stored.originSpan,
                                      &stored.pointListSpan, &stored.hotKeySpan,
                                      &stored.hotKeyFlagsSpan};
    for (SourceSpan& span : stored.pointSpans) spans.push_back(&span);
    ShareDefinitionPatch(stored, spans);
    return true;
}

bool MachineDescription::RenameElement(const std::string& oldName, const std::string& newName) {
    if (oldName == newName && !symbols_.Find(oldName)) return true;
    SymbolPart& part = AnyElementPart(oldName);
    const std::string current = part.name.empty() ? oldName : part.name;
    if (current == newName) return true;  // also a name put back before the save
    QueuePatch(part.nameSpan, part.name, &MachineDescription::FormatString);
    RenameCoinReferences(oldName, newName);
    part.name = newName;
    return true;
}

std::array<std::pair<std::string*, SourceSpan*>, 5> MachineDescription::CoinNameFields() {
    return {{{&coin_.insertionRegion, &coin_.insertionRegionSpan},
             {&coin_.denominationRegion, &coin_.denominationRegionSpan},
             {&coin_.billRegion, &coin_.billRegionSpan},
             {&coin_.denominationIndicator, &coin_.denominationIndicatorSpan},
             {&coin_.sound, &coin_.soundSpan}}};
}

int32_t MachineDescription::CoinReferenceOf(const std::string& compiledName) const {
    if (compiledName.empty()) return -1;
    const auto found = std::find(coinKeys_.begin(), coinKeys_.end(), compiledName);
    return found == coinKeys_.end() ? -1 : int32_t(found - coinKeys_.begin());
}

// The Coin statement names its three regions, its sound and its denomination indicator:
// a renamed one is renamed there in the same save. The reference follows the element by
// its compiled name, not by the text it holds now.
void MachineDescription::RenameCoinReferences(const std::string& compiledName, const std::string& newName) {
    const auto fields = CoinNameFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (coinKeys_[i].empty() || coinKeys_[i] != compiledName || *fields[i].first == newName) continue;
        QueuePatch(*fields[i].second, *fields[i].first, &MachineDescription::FormatString);
        *fields[i].first = newName;
    }
}

void MachineDescription::DeleteElement(const std::string& name) {
    SymbolPart& part = AnyElementPart(name);
    PatchEntry* queued = RequeueEntry(part.definitionSpan.patch);
    if (!queued) {
        QueuePatch(part.definitionSpan, emptyField_, &MachineDescription::FormatEmpty);
        return;
    }
    // A definition queued before (an element defined since the compile) must not be
    // written after all: its patch gives way to one that prints nothing, and an insertion
    // of nothing adds nothing to the script.
    auto erase = std::make_unique<FieldPatch<Point>>(&emptyField_, this,
                                                     &MachineDescription::FormatEmpty);
    const SourcePatch* old = queued->patch.get();
    for (SourceSpan* span : patchedSpans_)
        if (span->patch == old) span->patch = erase.get();
    queued->patch = std::move(erase);
}
