#pragma once
// The application object: registers the windows, creates them in order and
// runs the message loop until the main window closes.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Component.h"

class TClock;
class TForm;
class TScheduler;

// What closing the main window does.
enum class TMainFormClose {
    // A desktop program ends: Run returns.
    EndsTheProgram,
    // A web page has no window to close: the windows are freed, an end screen
    // stands in their place, and a click on it creates them afresh, as a new
    // start of the program would.
    ShowsTheEndScreen,
};

class TApplication : public TComponent {
public:
    // Time comes from `clock` (the machine's own unless given; tests and the
    // scene tool give a virtual one), which must outlive the application.
    TApplication(int& argc, char** argv);
    TApplication(int& argc, char** argv, TClock& clock);
    ~TApplication() override;

    // Drives every timer and animation of the application.
    TScheduler& Scheduler() { return *scheduler_; }

    // Names the program to the desktop before Initialize: its name and version, and the id of its
    // desktop entry, by which a Wayland task bar finds its icon.
    void Identify(std::string name, std::string version, std::string desktopId);
    // Creates the platform application (fonts, styles, the screen, the window icon).
    void Initialize();

    // Registers a window class; Run creates the windows in registration
    // order, and the first becomes the main window.
    template <class T>
    void CreateForm(T*& reference) {
        registrations_.push_back({[this, &reference] {
                                      reference = new T(this);
                                      return static_cast<TForm*>(reference);
                                  },
                                  [&reference] { reference = nullptr; }});
    }

    // Creates the registered windows without showing any (scene tool, tests).
    void CreateRegisteredForms();
    // Creates the windows, shows the main one and runs the loop until it closes.
    int Run();
    void Terminate();

    TForm* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }

    // EndsTheProgram, except in a web page.
    TMainFormClose MainFormClose() const { return mainFormClose_; }
    void SetMainFormClose(TMainFormClose action) { mainFormClose_ = action; }
    bool ShowingEndScreen() const;
    // What the end screen's click does: the registered windows are created
    // anew and the main one is shown.
    void StartAfresh();

private:
    struct Registration {
        std::function<TForm*()> create;
        std::function<void()> forget;  // clears the variable that held the instance
    };

    void ShowMainForm();
    void ShowEndScreen();

    int& argc_;
    char** argv_;
    // Outlives the windows: their timers and animations leave it as they go.
    std::unique_ptr<TScheduler> scheduler_;
    std::vector<Registration> registrations_;
    std::size_t createdForms_ = 0;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::string name_, version_, desktopId_;
    bool running_ = false;
    TMainFormClose mainFormClose_;
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

// The running application, as the framework's global.
extern TApplication* Application;
