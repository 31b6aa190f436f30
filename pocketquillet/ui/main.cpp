#include <QApplication>

#include "pocketquillet/ui/pocket_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pocketquillet::PocketWindow window;
    window.show();
    return app.exec();
}
