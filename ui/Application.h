#pragma once
// The application object: registers the windows, creates them in order and
// runs the message loop until the main window closes.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Names the program to the desktop before Initialize: its name and version, and the id of its
    // desktop entry, by which a Wayland task bar finds its icon.
    void Identify(std::string name, std::string version, std::string desktopId);
    // Creates the platform application (fonts, styles, the screen, the window icon).
    void Initialize();

    // Registers a window class; Run creates the windows in registration
    // order, and the first becomes the main window.
    template <class T>
    void CreateForm(T*& reference) {
        factories_.push_back([this, &reference] {
            reference = new T(this);
            return static_cast<TForm*>(reference);
        });
    }

    // Creates the registered windows without showing any (scene tool, tests).
    void CreateRegisteredForms();
    // Creates the windows, shows the main one and runs the loop until it closes.
    int Run();
    void Terminate();

    TForm* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }

private:
    int& argc_;
    char** argv_;
    std::vector<std::function<TForm*()>> factories_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::string name_, version_, desktopId_;
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

// The running application, as the framework's global.
extern TApplication* Application;
