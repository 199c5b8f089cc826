// The setup program's backdrop TMainWindow, the application's main window: borderless and screen-filling,
// with the product's name drawn over a picture. Its creation handler reads the package description into the
// module values; a second after it is shown its one-shot timer opens the installation wizard.
#pragma once

#include "platform/ui/form.h"

class QLabel;
class QTimer;

namespace orupim::setup {

class TMainWindow : public ui::Form {
    Q_OBJECT
public:
    TMainWindow();
    ~TMainWindow() override;

    void FormCreate();
    void FormDestroy();
    void Timer1Timer();
    void Runit();

    QWidget* Panel1;
    QLabel* Image;
    QLabel* ProductShadeLabel;
    QLabel* ProductLabel;
    QLabel* ByShadeLabel;
    QLabel* ByLabel;
    QTimer* Timer1;
};

// The backdrop, once created.
extern TMainWindow* MainWindow;

} // namespace orupim::setup
