// 输出: writes the displayed result to a file of the user's choice.
#include "shell/form1.h"

namespace guheng::shell {

void Form1::saveReport() {
    Picture3[2]->setPicture(Image4[2]);
}

} // namespace guheng::shell
