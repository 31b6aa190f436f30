#include <QApplication>

#include "morvane/ui/main_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    morvane::CMainFrame window;
    window.show();
    return app.exec();
}
