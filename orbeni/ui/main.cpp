#include <QApplication>

#include "orbeni/ui/orbeni_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orbeni::TOrbeni window;
    window.show();
    return app.exec();
}
