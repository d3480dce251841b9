#pragma once
// The application: start-up settings, the language, the main frame and the command line.

#include <QStringList>
#include <memory>

#include "LanguageChoice.h"

namespace vorna {

class MainWindow;

class DesignApplication {
public:
    DesignApplication();
    ~DesignApplication();

    // Sets the language (the command line's "--lang" before the settings' choice) and the
    // encoding of the files written (the settings' choice, else the language's), then shows
    // the main frame and opens what `arguments` (without the program name) ask for.
    void InitInstance(const QStringList& arguments);
    // The main frame, once InitInstance has made it.
    MainWindow& MainFrame() { return *frame_; }

private:
    LanguageSwitch language_;
    std::unique_ptr<MainWindow> frame_;
};

}  // namespace vorna
