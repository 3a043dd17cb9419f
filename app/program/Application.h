// The application object: registers the main window class, makes the main window and
// runs the message loop, with the last-resort reporting of exceptions.
#pragma once
#include <windows.h>

class Window;
class GameWindow;

class Application {
public:
    Application(HINSTANCE instance, HMODULE module, char* commandLine);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    // The base makes a 640 x 480 frame window captioned "Ready!" centred on the screen.
    virtual Window* CreateMainWindow();
    // 0 after a normal end, 1 when the main window could not be created, 3 when there
    // was none to create, an exception reached it, or a fatal text was left set.
    virtual int Run();
    virtual HBRUSH GetBackgroundBrush();
    virtual void OnMainWindowCreated(Window* window);
    // Non-zero consumes the message.
    virtual int PreTranslateMessage(MSG* message);

    int MessageLoop();

    Window* GetMainWindowObject() const { return mainWindow_; }
    HINSTANCE GetInstance() const { return instance_; }
    HMODULE GetModule() const { return module_; }
    const char* GetCommandLineText() const { return commandLine_; }

protected:
    Window* mainWindow_ = nullptr;
    Window* loopWindow_ = nullptr;
    HINSTANCE instance_;
    HMODULE module_;
    char* commandLine_;
    GameWindow* gameWindow_ = nullptr;

private:
    void DestroyMainWindowHandle();
};

Application* GetApplication();
void SetApplication(Application* application);

// The main game window (null until the game application has made it).
Window* GetMainWindow();
void SetMainWindow(Window* window);
