#pragma once
// The application: start-up settings, the main frame and the command line.

#include <QStringList>
#include <memory>

class QTranslator;

namespace vorna {

class MainWindow;

class DesignApplication {
public:
    DesignApplication();
    ~DesignApplication();

    // Shows the main frame and opens what `arguments` (without the program name) ask for.
    void InitInstance(const QStringList& arguments);
    MainWindow& MainFrame() { return *frame_; }

private:
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<MainWindow> frame_;
};

}  // namespace vorna
