#include <QApplication>

#include "orbeni/ui/orbeni_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orbeni 4.52"));
    orbeni::TOrbeni window(QCoreApplication::applicationDirPath().toStdString());
    if (!window.canRun()) {
        return 1;
    }
    window.show();
    return app.exec();
}
