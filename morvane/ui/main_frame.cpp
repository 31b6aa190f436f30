#include "morvane/ui/main_frame.h"

#include "morvane/game/program_info.h"

namespace morvane {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
}

}  // namespace morvane
