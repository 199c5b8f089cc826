// The application object of the old form framework: the application's title (the name the task bar shows and
// the caption of error boxes), its help file, the forms it creates and owns, its main form and its message
// loop. The program makes one, after the QApplication, and keeps it until the end of main:
//
//     QApplication qt(argc, argv);
//     ui::Application application;
//     application.setTitle("OruFLX 1.1");
//     application.createForm(MainWindow); // the first form created is the main form
//     return application.run();           // shows the main form; ends when it is closed
#pragma once

#include "platform/shell/shellexecute.h"
#include "platform/ui/form.h"

#include <QPointer>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orupim::ui {

// While it lives, a document the shell could not open is reported in a warning box captioned with the title
// (on the window system's thread, also when the failure was seen on another).
class Application {
public:
    Application();
    // Frees the forms it created, the last created first.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application object alive now, or none.
    static Application* current();

    const std::string& title() const { return title_; }
    void setTitle(std::string_view title);
    const std::string& helpFile() const { return helpFile_; }
    void setHelpFile(std::string_view fileName) { helpFile_ = fileName; }

    // Creates a form owned by the application: the form is built, stored in `variable`, and then its creation
    // handler runs (so the handler can already be reached through the variable). The first form created this
    // way is the main form.
    template <class T, class... Args> T* createForm(T*& variable, Args&&... args) {
        variable = new T(std::forward<Args>(args)...);
        adopt(variable);
        return variable;
    }
    template <class T, class... Args> T* createForm(Args&&... args) {
        T* form = nullptr;
        return createForm(form, std::forward<Args>(args)...);
    }

    Form* mainForm() const { return mainForm_; }

    // The message loop: shows the main form and handles messages until the main form is closed or terminate()
    // is called. Returns at once, showing nothing, when terminate() came first or there is no main form.
    int run();
    // Ends the message loop (or keeps run() from starting it).
    void terminate();
    bool terminated() const { return terminated_; }

    // The help command on the application's help file, handed to the help engine (shell::HELP_FINDER opens
    // its contents and index). Answers whether the engine took it; the engine runs on its own.
    bool helpCommand(unsigned command, unsigned long data);

private:
    void adopt(Form* form);

    std::string title_;
    std::string helpFile_;
    std::vector<QPointer<Form>> forms_;
    QPointer<Form> mainForm_;
    bool terminated_ = false;
    bool running_ = false;
    bool quitOnLastWindowClosed_;
    shell::OpenFailureReporter previousReporter_;
};

} // namespace orupim::ui
