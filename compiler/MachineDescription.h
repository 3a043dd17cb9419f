// A compiled machine and the compiler's working state in one object. A description can be
// compiled again and again; every compile starts from a clean description.
//
// A machine script reads, in order: Title and a string; Reels with the reel and stop
// counts and one Reel block per reel; an optional Denominations block; PayLines, MaxBet,
// Payouts and the payout mode, an optional Joker and Progressive, and the block of payout
// lines; an optional Art block; and then the script code, kept as text.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "KeywordTable.h"
#include "Money.h"
#include "ProgressiveSettings.h"
#include "ReelStrip.h"
#include "ScriptLexer.h"
#include "ScriptPayTable.h"
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
    MachineDescription(const MachineDescription&) = delete;
    MachineDescription& operator=(const MachineDescription&) = delete;

    // Compiles the script file. Errors, warnings and the warning count go to the message
    // sink (may be null); the progress sink (may be null) is told stages 0 to 3 and asked
    // whether to cancel. IsCompiled tells whether it succeeded.
    void Compile(const std::string& path, MessageSink* sink, ProgressSink* progress);
    bool IsCompiled() const { return compiled_; }

    // What the script defined.
    const std::string& GetTitle() const { return title_; }
    int32_t GetReelCount() const { return reelCount_; }
    int32_t GetStopCount() const { return stopCount_; }
    int32_t GetPayLineCount() const { return payLineCount_; }
    int32_t GetMaxBet() const { return maxBet_; }
    std::vector<Money> GetDenominations() const { return denominations_; }
    ProgressiveSettings GetProgressive() const { return progressive_; }
    const ReelStrip& GetReelStrip(int32_t reel) const { return reelStrips_.at(reel); }
    const std::vector<SourceSpan>& GetStripNameSpans(int32_t reel) const { return stripNameSpans_.at(reel); }
    const std::vector<SourceSpan>& GetStripWeightSpans(int32_t reel) const { return stripWeightSpans_.at(reel); }
    const std::map<std::string, ReelSymbol>& GetReelSymbols() const { return reelSymbols_; }
    const std::vector<SourceSpan>& GetReelSymbolSpans() const { return reelSymbolSpans_; }
    int32_t GetSymbolCount() const { return static_cast<int32_t>(reelSymbols_.size()); }
    // The name of the i-th reel symbol in name order.
    std::string GetSymbol(int32_t index) const;
    const ScriptPayTable& GetPayouts() const { return payTable_; }
    const std::string& GetScriptCode() const { return scriptCode_; }
    const std::string& GetScriptPath() const { return scriptPath_; }
    bool IsDefined(const std::string& name) const { return symbols_.Find(name); }
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

    // Warnings: the text and a line end; WarnAtLine puts "Line ", the line count and ":"
    // in front. Each counts, with or without a message sink.
    void Warn(const std::string& text);
    void WarnAtLine(const std::string& text);

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
    void ParseArtBlock();
    bool ParseArtItem();
    bool ParseArtStatement();
    void Validate();
    bool KeepScriptCode();
    // Remembers where the closing brace that ends the machine description stands.
    void NoteClosingBrace();

    // Compiler state.
    ScriptLexer lexer_;
    SymbolTable symbols_;
    MessageSink* messageSink_ = nullptr;
    ProgressSink* progressSink_ = nullptr;
    int32_t warningCount_ = 0;
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
};
