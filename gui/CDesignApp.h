#pragma once
// The application: start-up settings, the main frame and the command line.

#include <QStringList>
#include <memory>

class QTranslator;

namespace vorna {

class CMainFrame;

class CDesignApp {
public:
    CDesignApp();
    ~CDesignApp();

    // Shows the main frame and opens what `arguments` (without the program name) ask for.
    void InitInstance(const QStringList& arguments);
    CMainFrame& MainFrame() { return *frame_; }

private:
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vorna
