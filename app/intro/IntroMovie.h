// The intro movie: the movies of the list play one after the other through the MCI
// "avivideo" device in a child window over the main window's client area, in a message
// loop of their own. A key or a click skips a skippable movie; Exit ends the program.
// Without a movie (the player skips the intro, or goes on without the CD) a short
// background thread takes the movie's place.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "MessageTarget.h"

class Window;

// Posted to the main window: play the next movie of the list, or end the intro.
const UINT kNextMovieMessage = 1280;
// Posted by the no-movie thread to the main window; no window binds it.
const UINT kNoMovieMessage = 1281;
// The main window's Exit command.
const int kExitCommandId = 40001;

struct IntroMovieEntry {
    const char* file;
    uint32_t skippable;
};

class IntroMovie : public MessageTarget {
public:
    // Asks for the CD when the movie is not found through "Movie Path"; once it is found,
    // the movie folder is that setting's text, ending with "\".
    IntroMovie();
    // Detaches from the main window; stops and waits for the no-movie thread.
    ~IntroMovie() override;

    // Plays the list in the main window; 0 when the program is to quit, else 1.
    int Run(Window* mainWindow);

    // The list played (ended by a null name); tests play lists of their own.
    void SetMovieList(const IntroMovieEntry* list) { movieList_ = list; }
    const std::string& GetMovieFolder() const { return movieFolder_; }
    bool HasNoMovieThread() const { return thread_ != INVALID_HANDLE_VALUE; }
    bool IsPlaying() const { return playing_ != 0; }
    // The main window of the running intro; null when no intro runs.
    static Window* GetIntroWindow() { return introWindow_; }

    LRESULT OnNextMovie(WPARAM, LPARAM);
    LRESULT OnSkipInput(WPARAM, LPARAM);
    LRESULT OnMciNotify(WPARAM notification, LPARAM);
    LRESULT OnPaletteChanged(WPARAM changer, LPARAM);
    LRESULT OnQueryNewPalette(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM, LPARAM);
    void OnExit(int, int);

private:
    // True when the movies play; otherwise the no-movie thread has started.
    bool Start(Window* mainWindow);
    void BindMovieMessages();
    void StartNoMovieThread();
    static unsigned __stdcall NoMovieThread(void*);
    void PostNext();
    void EndIntro();
    void Skip();
    void Abort();
    void BlackOutOnPaletteDisplay();

    // The MCI side (IntroMovieMci.cpp).
    bool OpenDriver();
    void CloseDriver();
    bool Open(const std::string& path);
    void Play();
    void CloseMovie();
    void Realize();

    HANDLE thread_ = INVALID_HANDLE_VALUE;
    uint32_t skippable_ = 0;
    const IntroMovieEntry* position_ = nullptr;
    RECT client_ = {0, 0, 0, 0};
    uint32_t device_ = 0;
    uint32_t playing_ = 0;
    uint32_t open_ = 0;
    std::string movieFolder_;
    const IntroMovieEntry* movieList_;
    // The device of the "avivideo" type, open while movies play.
    uint32_t driver_ = 0;
    Window* mainWindow_ = nullptr;

    static HANDLE stopEvent_;
    static Window* introWindow_;
};

// "MCI Says " and the error's text, to the debugger output.
void ReportMciError(DWORD error);
