// The intro movie in a real main window: the movie folder, known only when the movie is
// found there; the no-movie paths (skipped by the setting, no movie folder, a movie that
// does not open), a key that skips the playing movie, Exit during the movie, and the
// handles the no-movie thread leaves behind.
#include <gtest/gtest.h>

#include <vector>

#include "IntroMovie.h"
#include "IntroSettings.h"
#include "TestScreens.h"

namespace {

const IntroMovieEntry kMissingMovie[] = {{"nothere.avi", 1}, {nullptr, 0}};

// What the timer does once during the movie.
enum class DuringMovie { kKey, kExit };
DuringMovie action;
IntroMovie* running = nullptr;
bool playedWhenActing = false;

void CALLBACK ActDuringMovie(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    playedWhenActing = running->IsPlaying();
    if (action == DuringMovie::kKey) {
        PostMessageA(window, WM_CHAR, ' ', 0);
        return;
    }
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kExitCommandId, 0), 0);
    // The game's main window ends the program when it is destroyed.
    if (!IsWindow(window)) PostQuitMessage(0);
}

// The next handles the process would get: a handle left open among them changes them.
std::vector<HANDLE> NextHandles() {
    std::vector<HANDLE> probes;
    for (int i = 0; i < 64; ++i) probes.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    for (HANDLE probe : probes) CloseHandle(probe);
    return probes;
}

class IntroMovieTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = MakeHostFrame(RECT{0, 0, 320, 240});
        ASSERT_NE(nullptr, main_);
        GetIntroSequenceSetting().Set(false);
        GetMoviePathSetting().Set(VSL_MOVIE_DIR);
        // A movie that is not found goes without the CD: the prompt is the start-up's test.
        GetPromptCDSetting().Set(false);
    }
    // Runs the intro with the timer's action a moment after it starts.
    int RunActing(IntroMovie& intro, DuringMovie what) {
        action = what;
        running = &intro;
        playedWhenActing = false;
        SetTimer(main_->GetHandle(), 1, 400, &ActDuringMovie);
        const int result = intro.Run(main_.get());
        running = nullptr;
        return result;
    }

    IntroSettings settings_;
    std::unique_ptr<HostFrame> main_;
};

TEST_F(IntroMovieTest, WithoutAMovieTheThreadStandsInAndLeavesNoHandles) {
    GetIntroSequenceSetting().Set(true);
    const std::vector<HANDLE> before = NextHandles();
    {
        IntroMovie intro;
        EXPECT_EQ(1, intro.Run(main_.get()));
        EXPECT_TRUE(intro.HasNoMovieThread());
        EXPECT_EQ(nullptr, IntroMovie::GetIntroWindow());
    }
    EXPECT_EQ(before, NextHandles());

    GetIntroSequenceSetting().Set(false);
    GetMoviePathSetting().Set("");
    IntroMovie noFolder;
    EXPECT_EQ("", noFolder.GetMovieFolder());
    EXPECT_EQ(1, noFolder.Run(main_.get()));
    EXPECT_TRUE(noFolder.HasNoMovieThread());
}

TEST_F(IntroMovieTest, TheMovieFolderEndsWithABackslashAndIsKnownOnlyWhenItHoldsTheMovie) {
    const std::string folder = VSL_MOVIE_DIR;
    GetMoviePathSetting().Set(folder);
    EXPECT_EQ(folder + "\\", IntroMovie().GetMovieFolder());
    GetMoviePathSetting().Set(folder + "\\");
    EXPECT_EQ(folder + "\\", IntroMovie().GetMovieFolder());
    // Not found, and the player is not asked for the CD: no movie.
    GetMoviePathSetting().Set(folder + "\\gone");
    EXPECT_EQ("", IntroMovie().GetMovieFolder());
}

TEST_F(IntroMovieTest, AMovieThatDoesNotOpenEndsTheIntro) {
    IntroMovie intro;
    intro.SetMovieList(kMissingMovie);
    EXPECT_EQ(1, intro.Run(main_.get()));
    EXPECT_FALSE(intro.HasNoMovieThread());
    EXPECT_EQ(nullptr, IntroMovie::GetIntroWindow());
    EXPECT_TRUE(IsWindow(main_->GetHandle()));
}

TEST_F(IntroMovieTest, AKeySkipsThePlayingMovie) {
    IntroMovie intro;
    EXPECT_EQ(1, RunActing(intro, DuringMovie::kKey));
    EXPECT_TRUE(playedWhenActing);
    EXPECT_FALSE(intro.IsPlaying());
    EXPECT_TRUE(IsWindow(main_->GetHandle()));
}

TEST_F(IntroMovieTest, ExitDuringTheMovieEndsTheProgram) {
    IntroMovie intro;
    EXPECT_EQ(0, RunActing(intro, DuringMovie::kExit));
    EXPECT_TRUE(playedWhenActing);
    EXPECT_FALSE(IsWindow(main_->GetHandle()));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
