#include "pocketquillet/ui/pocket_window.h"

#include "pocketquillet/game/program_info.h"

namespace pocketquillet {

PocketWindow::PocketWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
}

}  // namespace pocketquillet
