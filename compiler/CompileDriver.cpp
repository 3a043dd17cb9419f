// The compile driver: the order of the sections, progress and cancellation, and how
// errors and warnings become messages.
#include <exception>

#include "MachineDescription.h"
#include "MessageSink.h"
#include "ProgressSink.h"
#include "SynError.h"
#include "UserInterrupt.h"

void MachineDescription::Compile(const std::string& path, MessageSink* sink,
                                 ProgressSink* progress) {
    messageSink_ = sink;
    progressSink_ = progress;
    warningCount_ = 0;
    readWhole_ = false;
    cancelled_ = false;
    missingFiles_.clear();
    Reset();
    compiled_ = lexer_.Open(path);
    if (!compiled_) {
        if (messageSink_) messageSink_->AddMessage("Cannot open the script file " + path);
    } else {
        scriptBytes_ = lexer_.SourceBytes();
        haveScriptBytes_ = true;
        try {
            Advance();
            ParseTitle();
            ReportProgress(0);
            ParseReels();
            ParseDenominations();
            ReportProgress(1);
            ParsePayoutSection();
            ReportProgress(2);
            ParseArtBlock();
            Validate();
            KeepScriptCode();
            CheckPayoutNames();
            CheckPlayedSounds();
            readWhole_ = true;
            if (warningCount_ != 0) {
                compiled_ = false;
                if (messageSink_)
                    messageSink_->AddMessage(std::to_string(warningCount_) + " Warnings\n");
            }
            ReportProgress(3);
        } catch (const SynError& e) {
            lexer_.MarkErrorLine();
            compiled_ = false;
            if (messageSink_)
                messageSink_->AddMessage(e.Message() + " on line " + std::to_string(lexer_.ErrorLine()) + ": " +
                                         lexer_.LineText());
        } catch (const UserInterrupt&) {
            compiled_ = false;
            cancelled_ = true;
            if (messageSink_) messageSink_->AddMessage("You cancelled the compile.");
        } catch (const std::exception& e) {
            compiled_ = false;
            if (messageSink_) messageSink_->AddMessage(e.what());
        }
    }
    lexer_.Close();
    scriptPath_ = path;
}

void MachineDescription::ReportProgress(int32_t stage) {
    if (!progressSink_) return;
    progressSink_->SetStage(stage);
    if (progressSink_->IsCancelled()) throw UserInterrupt();
}

void MachineDescription::CheckCancel() {
    if (progressSink_ && progressSink_->IsCancelled()) throw UserInterrupt();
}

void MachineDescription::Warn(const std::string& text) {
    ++warningCount_;
    if (messageSink_) messageSink_->AddMessage(text + "\n");
}

// The line is the one (from 1) of the last token read, which ends what the warning is about.
void MachineDescription::WarnAtLine(const std::string& text) {
    ++warningCount_;
    const int32_t line = previousEnd_ > 0 ? ScriptLexer::LineOfOffset(scriptBytes_, size_t(previousEnd_ - 1)) : 1;
    if (messageSink_) messageSink_->AddMessage("Line " + std::to_string(line) + ":" + text + "\n");
}

void MachineDescription::NoteClosingBrace() {
    // The current token is the "}"; its end offset is its one-based position, which is
    // also the byte offset just after it.
    descriptionEnd_ = Current().end;
}

bool MachineDescription::KeepScriptCode() {
    scriptCode_ = lexer_.ReadTextAfter(descriptionEnd_, &scriptCodeLine_);
    return true;
}
