#include "ui/common/Avisos.h"

namespace korvex::ui {

Avisos& Avisos::Instancia() {
    static Avisos a;
    return a;
}

}  // namespace korvex::ui
