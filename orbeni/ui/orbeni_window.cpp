#include "orbeni/ui/orbeni_window.h"

#include "orbeni/game/program_info.h"

namespace orbeni {

TOrbeni::TOrbeni(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
}

}  // namespace orbeni
