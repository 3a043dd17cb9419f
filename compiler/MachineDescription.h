// A compiled machine and the compiler's working state in one object. A description can be
// compiled again and again; every compile starts from a clean description.
//
// A machine script reads, in order: Title and a string; Reels with the reel and stop
// counts and one Reel block per reel; an optional Denominations block; PayLines, MaxBet,
// Payouts and the payout mode, an optional Joker and Progressive, and the block of payout
// lines; an optional Art block; and then the script code, kept as text.
//
// Every value that the machine editor may change keeps the place of its text in the
// script. An edit stores the new value and queues a patch that prints it; the patches are
// applied when the edited script is written to a new file.
//
// Queries by index and edits by name check what they are given: an index outside the
// compiled machine throws std::out_of_range, a name that is not an element of the right
// kind throws std::invalid_argument, and nothing changes.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "KeywordTable.h"
#include "MachineParts.h"
#include "PayoutChecker.h"
#include "Money.h"
#include "ProgressiveSettings.h"
#include "ReelStrip.h"
#include "ScriptLexer.h"
#include "ScriptPayTable.h"
#include "SourcePatch.h"
#include "SourceSpan.h"
#include "SymbolTable.h"

class MessageSink;
class ProgressSink;

class MachineDescription {
public:
    // Bounds on the counts a script gives, so that no count leads to a huge allocation.
    static constexpr int32_t kMaxReels = 32;
    static constexpr int32_t kMaxStops = 1000;
    static constexpr int32_t kMaxPayLines = 1000;
    static constexpr int32_t kMaxBet = 1000;
    // How deeply brackets and unary signs may nest in a constant expression.
    static constexpr int kMaxExpressionDepth = 200;

    MachineDescription();
    ~MachineDescription();
    MachineDescription(const MachineDescription&) = delete;
    MachineDescription& operator=(const MachineDescription&) = delete;

    // Compiles the script file. Errors, warnings and the warning count go to the message
    // sink (may be null); the progress sink (may be null) is told stages 0 to 3 and asked
    // whether to cancel. IsCompiled tells whether it succeeded.
    void Compile(const std::string& path, MessageSink* sink, ProgressSink* progress);
    bool IsCompiled() const { return compiled_; }
    // Whether the whole script was read, also when its warnings failed the compile: the
    // machine's shape, reels and pay table are then all there.
    bool IsReadWhole() const { return readWhole_; }
    // Whether the last compile stopped because its progress sink asked it to.
    bool WasCancelled() const { return cancelled_; }
    // The picture and sound files of the last compile's warnings that could not be opened,
    // each once, in the order of the warnings.
    const std::vector<std::string>& GetMissingFiles() const { return missingFiles_; }
    // Whether a payout's code may use the name: the script code declares it, or it is a
    // member of the machine object, a symbol, or an element, animation or sound of the Art.
    bool DefinesScriptName(const std::string& name) const;

    // What the script defined.
    const std::string& GetTitle() const { return title_; }
    int32_t GetReelCount() const { return reelCount_; }
    int32_t GetStopCount() const { return stopCount_; }
    int32_t GetPayLineCount() const { return payLineCount_; }
    int32_t GetMaxBet() const { return maxBet_; }
    std::vector<Money> GetDenominations() const { return denominations_; }
    ProgressiveSettings GetProgressive() const { return progressive_; }
    const ReelStrip& GetReelStrip(int32_t reel) const { return reelStrips_.at(CheckReel(reel)); }
    const std::vector<SourceSpan>& GetStripNameSpans(int32_t reel) const {
        return stripNameSpans_.at(CheckReel(reel));
    }
    const std::vector<SourceSpan>& GetStripWeightSpans(int32_t reel) const {
        return stripWeightSpans_.at(CheckReel(reel));
    }
    const std::map<std::string, ReelSymbol>& GetReelSymbols() const { return reelSymbols_; }
    const std::vector<SourceSpan>& GetReelSymbolSpans() const { return reelSymbolSpans_; }
    int32_t GetSymbolCount() const { return static_cast<int32_t>(reelSymbols_.size()); }
    // The name of the i-th reel symbol in name order.
    std::string GetSymbol(int32_t index) const;
    // A copy of a reel symbol's value (files and asset number).
    ReelSymbol GetSymbolFile(const std::string& name) const;
    // The size of the first reel symbol's picture (in name order), through the picture
    // probe: by asset number when the symbol has one, else from its first file.
    PictureSize LoadSymbolImage();
    const ScriptPayTable& GetPayouts() const { return payTable_; }
    // The script file's line (from 1) on which the payout for `coins` coins of the pay
    // table's line stands, as compiled; 0 for a payout the compile did not read.
    int32_t GetPayoutFileLine(size_t line, int32_t coins) const;
    const std::string& GetScriptCode() const { return scriptCode_; }
    // The script file's line (from 1) on which the script code's first line stands.
    int32_t GetScriptCodeLine() const { return scriptCodeLine_; }
    const std::string& GetScriptPath() const { return scriptPath_; }
    bool IsDefined(const std::string& name) const { return symbols_.Find(name); }
    const std::string& GetBackdropFile() const { return backdropFile_; }
    int32_t GetBackdropAsset() const { return backdropAsset_; }
    const SourceSpan& GetBackdropSpan() const { return backdropSpan_; }
    // One record per reel once the script placed any reel; none before.
    const std::vector<ReelPosition>& GetReelPositions() const { return reelPositions_; }
    const ReelPosition& GetReelPosition(int32_t reel) const;
    // The reel's rectangle (left, top, right, bottom), inner and outer density.
    std::array<int32_t, 6> CopyReelRect(int32_t reel) const;
    const ScriptRect& GetArmRect() const { return armRect_; }
    const SourceSpan& GetArmRectSpan() const { return armRectSpan_; }
    AnimationReference GetArmAnimation() const { return armAnimation_; }
    CoinSettings GetCoin() const { return coin_; }
    // Where the Coin statement names the element that the compile defined under this name,
    // whatever it has been renamed to since: 0 the coin-in region, 1 the denomination
    // region, 2 the bill acceptor region, 3 the denomination indicator, 4 the sound; -1
    // when it names it nowhere.
    int32_t CoinReferenceOf(const std::string& compiledName) const;
    // Fresh name-ordered copies of every record of one kind.
    std::map<std::string, SymbolRecord> GetAnimations() const;
    std::map<std::string, SymbolRecord> GetButtons() const;
    std::map<std::string, SymbolRecord> GetIndicators() const;
    std::map<std::string, SymbolRecord> GetSounds() const;
    std::map<std::string, SymbolRecord> GetRegions() const;

    // Picture sizes come from the probe; without one (the default) every picture is 0 by 0.
    // The probe is not owned and stays set across compiles.
    void SetPictureProbe(PictureProbe* probe) { pictureProbe_ = probe; }
    PictureProbe* GetPictureProbe() const { return pictureProbe_; }
    // With a checker, a payout expression that its engine cannot read is a syntax error of
    // the script; without one (the default) expressions are not checked. Not owned; stays
    // set across compiles.
    void SetPayoutChecker(PayoutChecker* checker) { payoutChecker_ = checker; }

    // Edits of existing values: each stores the new value and queues a patch for what
    // changed; an edit that leaves a value equal queues nothing.
    void SetBackdrop(const std::string& file);
    void SetReelRect(int32_t reel, const ScriptRect& rect);
    // As many entries as stops per reel, in stop order.
    void SetReelStrip(int32_t reel, const ReelStrip& strip);
    // The i-th reel symbol in name order gets the value's files and asset number; refused
    // (std::invalid_argument) for a symbol whose files several Symbol statements give.
    void SetSymbol(int32_t index, const ReelSymbol& value);
    void SetArmRect(const ScriptRect& rect);
    void SetArmAnimation(const AnimationReference& reference);
    void SetCoinAnimation(const AnimationReference& reference);
    void SetCoinDropAnimation(const AnimationReference& reference);
    void SetCoinDropPosition(const Point& position);
    void SetAnimationFiles(const std::string& name, const AnimationReference& reference);
    // Line i of the machine takes line i of the table, which has at least as many lines.
    // Each line keeps its shape: a pattern or payout list that changes length where the
    // script does not write it as a whole is refused with std::invalid_argument.
    void SetPayouts(const ScriptPayTable& table);
    void SetButton(const std::string& name, const ButtonPart& button);
    void SetIndicator(const std::string& name, const IndicatorPart& indicator);
    // File name, asset number and Compressed flag.
    void SetSound(const std::string& name, const SoundPart& sound);
    // Origin, points, HotKey, HotKeyFlags and scriptlets.
    void SetRegion(const std::string& name, const RegionPart& region);

    // New elements, inserted in front of the "}" that closes the Art block. False when
    // the name is already defined (by any kind); std::invalid_argument when the script has
    // no Art block.
    bool DefineButton(const std::string& name, const ButtonPart& button);
    bool DefineIndicator(const std::string& name, const IndicatorPart& indicator);
    bool DefineSound(const std::string& name, const SoundPart& sound);
    bool DefineRegion(const std::string& name, const RegionPart& region);
    // The element's name becomes the new one in the script, and so do the Coin statement's
    // references to it; the symbol table keeps the record under the old name until the
    // next compile. Always true.
    bool RenameElement(const std::string& oldName, const std::string& newName);
    // Removes the element's whole definition from the script; the record stays in the
    // symbol table until the next compile.
    void DeleteElement(const std::string& name);

    // The edited script: the compiled script's bytes as the compile read them, with every
    // edit since the compile in place. The file at path is replaced only once the whole
    // text is written; false (and GetWriteError tells why) when that failed or nothing
    // was compiled. The compiled script file is never changed.
    bool WriteScript(const std::string& path);
    const std::string& GetWriteError() const { return writeError_; }
    // With the flag true, the queued patches count as saved: HasPatches turns false, but
    // what they print stays part of the script that WriteScript writes, and a later edit
    // of the same value queues its patch again. With the flag false, nothing.
    void DiscardPatches(bool destroy);
    bool HasPatches() const { return patchCount_ != 0; }

    // Whose edits the patches queued from now on are: a number the caller chooses (0 until
    // it does). A patch queued again takes the owner of the latest edit.
    void SetPatchOwner(int32_t owner) { patchOwner_ = owner; }
    // The owners of the queued patches, each once, in the order of their first patch.
    std::vector<int32_t> GetPatchOwners() const;
    // As WriteScript, but of the queued patches only those whose owner `keep` accepts
    // are written (saved patches always are); the queue stays as it is.
    bool WriteScriptWith(const std::string& path, const std::function<bool(int32_t owner)>& keep);
    // Takes the owner's queued patches out of the queue: the script text keeps what the
    // compile read there, and a later edit of such a value queues its patch again.
    void DropPatches(int32_t owner);
    uint32_t GetPatchCount() const { return patchCount_; }
    const std::list<PatchEntry>& GetPatches() const { return patches_; }

    // Queueing: unless the span already has a patch, a new entry with the span's place
    // and a patch that prints the field is appended, and the span remembers the patch.
    template <class Field>
    void QueuePatch(SourceSpan& span, const Field& field,
                    std::string (MachineDescription::*formatter)(const Field&) const);
    void QueueQuotedText(SourceSpan& span, const std::string& field);
    void QueueText(SourceSpan& span, const std::string& field);
    void QueueNumber(SourceSpan& span, const int32_t& field);
    void QueueErase(SourceSpan& span);
    void QueuePayout(SourceSpan& span, const ScriptPayTable::Payout& field);
    void QueuePatternItem(SourceSpan& span, const ScriptPayTable::PatternItem& field);
    void QueuePayLine(SourceSpan& span, const ScriptPayTable::PayoutLine& field);
    void QueuePayoutList(SourceSpan& span, const std::vector<ScriptPayTable::Payout>& field);
    void QueueDirection(SourceSpan& span, const ScriptPayTable::PayoutLine& field);

    // Script texts of values, for the patches.
    std::string FormatString(const std::string& text) const;
    std::string FormatAnimationRef(const AnimationReference& reference) const;
    std::string FormatSoundEntry(const SoundPart& sound) const;
    std::string FormatRect(const ScriptRect& rect) const;
    std::string FormatPoint(const Point& point) const;
    std::string FormatPlacement(const ScriptRect& rect) const;
    std::string FormatQuotedKey(const int32_t& key) const;
    std::string FormatHotKey(const int32_t& key) const;
    std::string FormatHotKeyFlagsValue(const int32_t& flags) const;
    std::string FormatHotKeyFlags(const int32_t& flags) const;
    std::string FormatNumber(const int32_t& value) const;
    std::string FormatDigits(const int32_t& value) const;
    std::string FormatPriority(const int32_t& value) const;
    std::string FormatDollarSign(const int32_t& value) const;
    std::string FormatEmpty(const Point& unused) const;
    std::string FormatReelSymbol(const ReelSymbol& symbol) const;
    std::string FormatSound(const SoundPart& sound) const;
    std::string FormatButton(const ButtonPart& button) const;
    std::string FormatIndicator(const IndicatorPart& indicator) const;
    std::string FormatRegion(const RegionPart& region) const;
    std::string FormatRegionOrigin(const RegionPart& region) const;
    std::string FormatRegionPoints(const std::vector<Point>& points) const;
    // A scriptlet as stored (event name, "=", code) in the form the grammar reads back:
    // the code between double quotes.
    static std::string FormatScriptlet(const std::string& scriptlet);
    // What follows the files of a reference in braces: Transparent, HotSpot, scriptlets.
    static std::string FormatPictureItems(const AnimationReference& reference);
    std::string FormatKeysAndScriptlets(int32_t key, int32_t flags,
                                        const std::vector<std::string>& scriptlets) const;
    int32_t GetArtStart() const { return artStart_; }
    // The one-based position of the "}" that closes the Art block; 0 without one.
    int32_t GetArtInsertionPoint() const { return artEnd_; }
    int32_t GetWarningCount() const { return warningCount_; }

    // The compiler's working state, for the statement parsers and their tests.
    ScriptLexer& Lexer() { return lexer_; }
    SymbolTable& Symbols() { return symbols_; }

    // Progress and cancellation: ReportProgress sets the stage and then asks; both throw
    // UserInterrupt when the user cancelled.
    void ReportProgress(int32_t stage);
    void CheckCancel();

    // Warnings: the text and a line end; WarnAtLine puts "Line ", the line (from 1, as an
    // editor counts) of the last token read and ":" in front. Each counts, with or without
    // a message sink.
    void Warn(const std::string& text);
    void WarnAtLine(const std::string& text);
    // The checks after the Art block: what a playable machine needs and the files that
    // must be on disk, each problem one warning. The compile runs them.
    void Validate();

    // The Art block's statements. Each consumes nothing and answers false unless the
    // current token is its keyword; then it parses the whole statement or throws SynError.
    bool ParseConstant();
    bool ParseRectangle();
    bool ParseBackdrop();
    bool ParseReelPosition();
    bool ParseSymbolArt();
    bool ParseCoin();
    bool ParseButton();
    bool ParseArm();
    bool ParseIndicator();
    bool ParseAnimation();
    bool ParseSound();
    bool ParseRegion();
    // Values inside them: false (nothing consumed) when the value does not start here.
    bool ParseRect(ScriptRect& rect, SourceSpan& span);
    bool ParseAnimationRef(AnimationReference& reference);
    bool ParseAnimationFiles(AnimationReference& reference);
    bool ParsePoint(Point& point, SourceSpan& span);
    bool ParseParenPoint(Point& point, SourceSpan& span);
    // The frame size of a reference's first picture, through the picture probe.
    PictureSize LoadElementAsset(const AnimationReference& reference);
    void DefineIndicatorRecord(const std::string& name, const IndicatorPart& indicator,
                               const ScriptRect& rectangle);

    // Token readers over the lexer's current token; "accept" advances on success.
    void Require(bool condition, const std::string& message);
    void CheckToken(const Token& token, TokenKind kind, const std::string& message);
    bool AcceptToken(TokenKind kind);
    void ExpectToken(TokenKind kind, const std::string& message);
    bool AcceptKeyword(ScriptKeyword value);
    bool AcceptKeywordAt(ScriptKeyword value, SourceSpan& span);
    bool AcceptInteger(int32_t& value);
    bool AcceptIntegerAt(int32_t& value, SourceSpan& span);
    bool AcceptNumber(double& value, SourceSpan& span);
    bool ReadSymbolName(std::string& name);
    bool ReadSymbolNameAt(std::string& name, SourceSpan& span);
    bool AcceptStringList(std::vector<std::string>& list, SourceSpan& span);
    bool AcceptSymbolFiles(std::vector<std::string>& files, SourceSpan& span);
    // Moves to the next token, remembering where the current one ends.
    void Advance();
    const Token& Current() const { return lexer_.Current(); }

    // Constant expressions: integers, Constants, brackets, unary signs and * / % + - & |.
    bool ReadConstExpr(int32_t& value, SourceSpan& span);
    bool ParseConstExpr(int32_t& value, SourceSpan& span, int minPrecedence);
    bool ParseConstPrimary(int32_t& value, SourceSpan& span);
    static int GetOperatorPrecedence(TokenKind kind);
    static bool MatchOperator(const Token& token, const TokenKind* kinds);

private:
    void Reset();
    int32_t CheckReel(int32_t reel) const;
    // The stored part of an element of the kind, or std::invalid_argument.
    SymbolPart& ElementPart(const std::string& name, SymbolKind kind);
    SymbolPart& AnyElementPart(const std::string& name);
    void RequireArtBlock(const std::string& name) const;
    void RenameCoinReferences(const std::string& compiledName, const std::string& newName);
    std::array<std::pair<std::string*, SourceSpan*>, 5> CoinNameFields();
    // Appends the entry for a patch made for the span (the caller checked the span).
    void AppendPatch(SourceSpan& span, std::unique_ptr<SourcePatch> patch);
    // True when the span has a patch; a saved one is queued again, as the value changes.
    bool AlreadyQueued(SourceSpan& span);
    // The entry of a queued or saved patch (a saved one is queued again); null for none.
    PatchEntry* RequeueEntry(const SourcePatch* patch);
    // Destroys every patch, queued or saved, and clears the spans that named them.
    void DestroyPatches();
    // Gives every value span of a new element the place and patch of its definition, so
    // that later edits of it are printed by the definition's patch.
    void ShareDefinitionPatch(SymbolPart& part, std::vector<SourceSpan*> spans);
    void QueueHotKeys(SourceSpan& keySpan, int32_t& key, int32_t newKey, SourceSpan& flagsSpan,
                      int32_t& flags, int32_t newFlags);
    // Queues the patch that prints `stored` at `patchSpan`, then takes the new reference's
    // files and frames while `stored` keeps its own place in the script.
    void ReplaceAnimationRef(SourceSpan& patchSpan, AnimationReference& stored,
                             const AnimationReference& reference);
    // A picture that names the Animation takes a copy of its pictures.
    static void CopyNamedPictures(AnimationReference& picture, const AnimationRecord& animation);
    // An Integer within [low, high]; outside it, a SynError naming what the count is.
    bool AcceptCount(int32_t& value, const char* what, int32_t low, int32_t high);
    void ParseTitle();
    void ParseReels();
    void ParseDenominations();
    void ParsePayoutSection();
    void ParseProgressive();
    void ParsePayoutLine();
    bool ParsePatternItem(ScriptPayTable::PatternItem& item, SourceSpan& span);
    void ParsePayouts(ScriptPayTable::PayoutLine& line, PayoutLineSource& source);
    void CheckPatternSymbol(const std::string& name);
    // The payout checker's refusal of a payout expression, as a syntax error.
    void CheckPayoutExpression(const std::string& code);
    void ParseArtBlock();
    bool ParseArtItem();
    bool ParseArtStatement();
    // True when the current token is the identifier.
    bool IsWord(const char* word) const;
    bool ParsePictureItem(AnimationReference& reference);
    void ReportDuplicate(const std::string& name);
    void ParseHotSpot(AnimationReference& reference);
    void ReadAnimationName(AnimationReference& reference);
    void ParseElementPicture(AnimationReference& reference);
    void ParseCoinPicture(AnimationReference& reference, const char* missing);
    void ParsePlacement(Point& position, SourceSpan& span);
    void ParseHotKey(int32_t& key, SourceSpan& span);
    void ParseHotKeyFlags(int32_t& flags, SourceSpan& span);
    bool ParseHotKeyClause(int32_t& key, SourceSpan& keySpan, bool& keyAbsent, int32_t& flags,
                           SourceSpan& flagsSpan, bool& flagsAbsent);
    void ParseScriptlet(std::vector<std::string>& scriptlets);
    void ParseNumberClause(int32_t& value, SourceSpan& span, bool& absent);
    bool ReadButtonName(ButtonPart& button);
    void ParseButtonClauses(ButtonPart& button);
    void ParseIndicatorRect(IndicatorPart& indicator, const PictureSize& frame);
    void ParseIndicatorClauses(IndicatorPart& indicator);
    void ParseRegionPoints(RegionPart& region);
    void ParseRegionClauses(RegionPart& region);
    void CheckRequiredElement(const std::string& name, SymbolKind kind, const std::string& what);
    void CheckAnimationFiles(const AnimationRecord& animation);
    void CheckCoinNames();
    void CheckSoundFile(const std::string& name, const SoundPart& part);
    void CheckPayoutNames();
    void CheckPlayedSounds();
    void NoteMissingFile(const std::string& file);
    // A message for the sink that is not a warning: it neither counts nor fails the compile.
    void Notice(const std::string& text);
    bool CheckCoinName(const std::string& name, SymbolKind kind, const std::string& what);
    bool KeepScriptCode();
    // Remembers where the closing brace that ends the machine description stands.
    void NoteClosingBrace();

    // Compiler state.
    ScriptLexer lexer_;
    SymbolTable symbols_;
    MessageSink* messageSink_ = nullptr;
    ProgressSink* progressSink_ = nullptr;
    int32_t warningCount_ = 0;
    bool readWhole_ = false;
    bool cancelled_ = false;
    std::vector<std::string> missingFiles_;
    int32_t previousEnd_ = 0;   // end offset of the token before the current one
    int expressionDepth_ = 0;
    int32_t descriptionEnd_ = 0;  // byte offset just after the closing brace

    // The machine.
    std::string title_;
    int32_t reelCount_ = 0;
    int32_t stopCount_ = 0;
    std::vector<ReelStrip> reelStrips_;
    std::vector<std::vector<SourceSpan>> stripNameSpans_;
    std::vector<std::vector<SourceSpan>> stripWeightSpans_;
    std::map<std::string, ReelSymbol> reelSymbols_;
    std::vector<SourceSpan> reelSymbolSpans_;
    std::vector<int32_t> symbolStatements_;  // per reel symbol: the Symbol statements naming it
    std::vector<Money> denominations_;
    int32_t payLineCount_ = 0;
    int32_t maxBet_ = 0;
    ScriptPayTable payTable_;
    ProgressiveSettings progressive_;
    int32_t artStart_ = 0;
    int32_t artEnd_ = 0;
    bool compiled_ = false;
    std::string scriptPath_;
    std::string scriptCode_;
    int32_t scriptCodeLine_ = 1;

    // The Art block's settings outside the symbol table.
    std::string backdropFile_;
    int32_t backdropAsset_ = 0;
    SourceSpan backdropSpan_;
    std::vector<ReelPosition> reelPositions_;
    ScriptRect armRect_;
    SourceSpan armRectSpan_;
    AnimationReference armAnimation_;
    CoinSettings coin_;
    // The compiled names of the elements the Coin statement names, in the order of
    // CoinNameFields (empty where the name is no element of its kind): a rename of such an
    // element follows it there, whatever other element shares its text.
    std::array<std::string, 5> coinKeys_;

    // Queued edits, edits saved by DiscardPatches, and every span that points at one of
    // them; the compiled script's bytes, which the edits apply to.
    std::list<PatchEntry> patches_;
    std::list<PatchEntry> savedPatches_;
    uint32_t patchCount_ = 0;
    int32_t patchOwner_ = 0;
    std::string scriptBytes_;
    bool haveScriptBytes_ = false;
    std::string writeError_;
    std::vector<SourceSpan*> patchedSpans_;
    Point emptyField_{0, 0};  // the field of the patches that print nothing

    PictureProbe* pictureProbe_ = nullptr;
    PayoutChecker* payoutChecker_ = nullptr;
};
